// Language switching on the running window, the settings reset, the hint switch, an examination
// in English, and a translation that keeps up with the sources. Runs with a French system locale.

#include "testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using testsupport::Untersuchung;

namespace
{
QVariant gespeichert(const QString& schluessel)
{
    return QSettings(MainWindow::Organisation, MainWindow::Anwendung).value(schluessel);
}

QString eintraege(QComboBox* box)
{
    QStringList texte;
    for (int i = 0; i < box->count(); ++i)
        texte << box->itemText(i);
    return texte.join(QStringLiteral(", "));
}

// Counts the language changes that reach the window it is installed on.
struct Sprachwechselzaehler : QObject {
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        anzahl += event->type() == QEvent::LanguageChange;
        return false;
    }
};
} // namespace

class TestSprache : public QObject
{
    Q_OBJECT

private slots:
    void wechsel();
    void hinweiseAus();
    void englischeUntersuchung();
    void uebersetzungVollstaendig_data();
    void uebersetzungVollstaendig();
    void uebersetzungLesbar_data();
    void uebersetzungLesbar();
};

void TestSprache::wechsel()
{
    Untersuchung u(true);
    // A switch keeps the test and the gender chosen and lists what is missing in the new language.
    u.patient(QString());
    auto* auswahl = u.x<QComboBox>(QStringLiteral("comboBoxTestAuswahl"));
    auswahl->setCurrentIndex(auswahl->findData(int(Schwellentest)));
    Sprachwechselzaehler zaehler;
    u.w->installEventFilter(&zaehler);
    // German while German installs nothing, so no screen lays itself out anew.
    u.klicken(QStringLiteral("toolButtonSprache"));
    u.klicken(QStringLiteral("toolButtonDeutsch"));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(zaehler.anzahl, 0);

    for (const bool englisch : { true, false }) {
        const auto je = [englisch](const char* en, const char* de) { return QString::fromUtf8(englisch ? en : de); };
        const QString tests
            = je("Discrimination test, Extended test, Identification test (blue), Threshold test, Screening 12",
                "Diskriminationstest, Extended Test, Identifikationstest blau, Schwellentest, Screening 12");
        u.klicken(QStringLiteral("toolButtonSprache"));
        u.klicken(je("toolButtonEnglish", "toolButtonDeutsch"));
        QCOMPARE(gespeichert(QStringLiteral("Sprache")).toString(), je("en", "de"));
        QCOMPARE(QLocale().name(), je("en_US", "de_DE"));
        QCOMPARE(eintraege(u.x<QComboBox>(QStringLiteral("comboBoxTestAuswahl"))), tests);
        QCOMPARE(eintraege(u.x<QComboBox>(QStringLiteral("comboBoxPatientGeschlecht"))),
            je("* Please select, Female, Male, Not specified, Diverse",
                "* Bitte wählen, Weiblich, Männlich, Unbestimmt/Keine Angabe, Divers"));
        // The screens renew their texts at once, the layout with the language change that follows.
        QCOMPARE(u.x(QStringLiteral("page_schwellentest"))->findChild<QLabel*>("label_Reihenfolge")->text(),
            je("Order of presentation", "Reihenfolge Darbietung"));
        QTRY_COMPARE(u.x<QGroupBox>(QStringLiteral("groupBoxUntersucher"))->title(), je("EXAMINER", "UNTERSUCHER"));
        QCOMPARE(u.w->windowTitle(), QStringLiteral("Duftlotse"));
        QVERIFY(u.x<QLabel>(QStringLiteral("labelVersion"))
                    ->text()
                    .endsWith(je("beta – for testing only", "Beta Nur zu Testzwecken")));
        QCOMPARE(u.x<QLabel>(QStringLiteral("label_startbedingung"))->text(),
            je("Please fill in the fields marked with *:\nPatient ID missing\n",
                "Bitte mit * markierte Felder ausfüllen \nPatient Personencode fehlt\n"));
        QCOMPARE(u.x<QComboBox>(QStringLiteral("comboBoxPatientGeschlecht"))->currentIndex(), 1);
        QCOMPARE(auswahl->currentData().toInt(), int(Schwellentest));
    }
    QVERIFY(zaehler.anzahl > 0);

    // The settings reset stores the system's language as it is; French has no translation, so English applies.
    QVERIFY2(QLocale::system().language() == QLocale::French, "run with LC_ALL=fr_FR.UTF-8 (see CMakeLists.txt)");
    u.klicken(QStringLiteral("toolButtonEinstellungen"));
    u.klicken(QStringLiteral("pushButtonReset"));
    QCOMPARE(gespeichert(QStringLiteral("Sprache")).toString(), QStringLiteral("fr"));
    QCOMPARE(gespeichert(QStringLiteral("HinweiseAus")).toBool(), false);
    QCOMPARE(QLocale().name(), QStringLiteral("en_US"));
    QTRY_COMPARE(u.x<QGroupBox>(QStringLiteral("groupBoxUntersucher"))->title(), QStringLiteral("EXAMINER"));
}

void TestSprache::hinweiseAus()
{
    Untersuchung u;
    // Each hint page has a switch of its own.
    const QPair<int, const char*> seiten[]
        = { { 7, "checkBoxHinweiseAus" }, { 8, "checkBoxHinweiseAus_2" }, { 9, "checkBoxHinweiseAus_3" } };
    for (const auto& [seite, schalter] : seiten) {
        u.w->setPage(seite);
        auto* box = u.x<QAbstractButton>(schalter);
        for (const bool aus : { true, false }) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(15, box->height() / 2)); // on the indicator
            QCOMPARE(box->isChecked(), aus);
            QCOMPARE(gespeichert(QStringLiteral("HinweiseAus")), QVariant(aus));
        }
    }
}

void TestSprache::englischeUntersuchung()
{
    Untersuchung u(true, QStringLiteral("en"));
    // Started in English, the window lists the missing fields in English once its texts are renewed.
    QTRY_COMPARE(u.x<QGroupBox>(QStringLiteral("groupBoxUntersucher"))->title(), QStringLiteral("EXAMINER"));
    QCOMPARE(u.x<QLabel>(QStringLiteral("label_startbedingung"))->text(),
        QStringLiteral("Please fill in the fields marked with *:\nGender not selected, First name missing, "
                       "\nLast name missing ..."));
    u.patient();
    u.starten(Screening12);
    SCHRITT(u.frage(QStringLiteral("SCREENING 12\nChoose the side to test")));
    u.klicken(QStringLiteral("toolButtonLinks_2"));
    SCHRITT(u.identifikation(12, [](int) { return 1; }));
    SCHRITT(u.frage(QStringLiteral("Repeat the SCREENING 12 on another side?")));
    u.klicken(QStringLiteral("toolButtonNein"));

    const QString text = u.bericht();
    for (const char* erwartet : { "Smell test report", "Examiner:", " years, Female", "Percentiles",
             "Score 3 (cut-off 10) – abnormal, smell loss suspected" })
        QVERIFY2(text.contains(QString::fromUtf8(erwartet)), qPrintable(erwartet + QStringLiteral(" not in: ") + text));
}

void TestSprache::uebersetzungVollstaendig_data()
{
    QTest::addColumn<QString>("quelle");
    QTest::addColumn<QString>("uebersetzung");
    QTest::addColumn<QString>("art"); // "unfinished" for a new or changed text

    // The committed translation, brought up to date with the sources as the update script does it (once).
    static QTemporaryDir ordner;
    const QString ts = ordner.filePath(QStringLiteral("DE_EN.ts"));
    if (!QFile::exists(ts)) {
        QVERIFY(QFile::copy(QStringLiteral(DUFTLOTSE_QUELLEN "/resources/sprachen/DE_EN.ts"), ts));
        QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
        qputenv("LUPDATE", DUFTLOTSE_LUPDATE);
        QProcess lupdate;
        lupdate.start(
            QStringLiteral("bash"), { QStringLiteral(DUFTLOTSE_QUELLEN "/tools/update_translations.sh"), ts });
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    }

    // Read as a stream, which keeps every blank of a text.
    QFile datei(ts);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&datei);
    QString kontext;
    QString quelle;
    int meldungen = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            kontext = xml.readElementText();
        if (xml.name() == QLatin1String("source"))
            quelle = xml.readElementText();
        if (xml.name() != QLatin1String("translation"))
            continue;
        const QString art = xml.attributes().value(QStringLiteral("type")).toString();
        QTest::addRow("%s: %s", qPrintable(kontext), qPrintable(quelle.simplified().left(60)))
            << quelle << xml.readElementText() << art;
        ++meldungen;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(meldungen > 100);
}

void TestSprache::uebersetzungVollstaendig()
{
    QFETCH(QString, quelle);
    QFETCH(QString, uebersetzung);
    QFETCH(QString, art);

    QVERIFY2(art.isEmpty(), qPrintable(QStringLiteral("%1 translation; run tools/update_translations.sh").arg(art)));
    QVERIFY2(!uebersetzung.trimmed().isEmpty(), "blank translation");
}

void TestSprache::uebersetzungLesbar_data()
{
    uebersetzungVollstaendig_data();
}

// What a reader of the English stumbles over: the pens called sticks, German left standing,
// and blanks at the ends that only a joined-up German text had a use for.
void TestSprache::uebersetzungLesbar()
{
    QFETCH(QString, quelle);
    QFETCH(QString, uebersetzung);

    static const QRegularExpression fremd(
        QStringLiteral("stick|\\b(nein|weiter|bitte|stift|abbruch|und)\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression vorn(QStringLiteral("\\A\\s")), hinten(QStringLiteral("\\s\\z"));
    const QString treffer = fremd.match(uebersetzung).captured();
    QVERIFY2(treffer.isEmpty(), qPrintable(QStringLiteral("\"%1\" in: %2").arg(treffer, uebersetzung)));
    QVERIFY2(!uebersetzung.contains(vorn) || quelle.contains(vorn), "leading blank");
    QVERIFY2(!uebersetzung.contains(hinten) || quelle.contains(hinten), "trailing blank");
}

DUFTLOTSE_TEST_MAIN(TestSprache)
#include "tst_sprache.moc"
