// Language switching on the running window, the settings reset, the hint switch, an examination
// in English, and a translation that keeps up with the sources. Runs with a French system locale.

#include "testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

using testsupport::Untersuchung;

namespace
{

QVariant gespeichert(const QString& schluessel)
{
    return QSettings(MainWindow::Organisation, MainWindow::Anwendung).value(schluessel);
}

QStringList eintraege(QComboBox* box)
{
    QStringList texte;
    for (int i = 0; i < box->count(); ++i)
        texte << box->itemText(i);
    return texte;
}

// Counts the language changes that reach a widget.
class Sprachwechselzaehler : public QObject
{
public:
    explicit Sprachwechselzaehler(QWidget* fenster)
    {
        fenster->installEventFilter(this);
    }
    int anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++anzahl;
        return false;
    }
};

const QStringList geschlechtDe { "* Bitte wählen", "Weiblich", "Männlich", "Unbestimmt/Keine Angabe", "Divers" };
const QStringList geschlechtEn { "*please select", "Female", "Male", "Gender indefinite/no statement",
    "Gender diverse" };
const QStringList testsDe { "Diskriminationstest", "Extended Test", "Identifikationstest blau", "Schwellentest",
    "Screening 12" };
const QStringList testsEn { "Discrimination test", "Extended test", "Identification test blue", "Threshold test",
    "Screening 12" };

} // namespace

class TestSprache : public QObject
{
    Q_OBJECT

private slots:
    void wechsel_data();
    void wechsel();
    void deutschBeiDeutsch();
    void einstellungen_data();
    void einstellungen();
    void hinweiseAus_data();
    void hinweiseAus();
    void schwellentestAufEnglisch();
    void englischerBericht_data();
    void englischerBericht();
    void uebersetzungVollstaendig_data();
    void uebersetzungVollstaendig();
};

void TestSprache::wechsel_data()
{
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("untersucher");
    QTest::addColumn<QStringList>("geschlecht");
    QTest::addColumn<QStringList>("tests");
    QTest::addColumn<QString>("reihenfolge");
    QTest::addColumn<QString>("halter");
    QTest::addColumn<QString>("startbedingung");

    const auto zeile = [](const char* name, const char* vorher, const char* knopf, bool englisch) {
        QTest::newRow(name) << vorher << knopf << (englisch ? "en" : "de") << (englisch ? "en_US" : "de_DE")
                            << (englisch ? "EXAMINER" : "UNTERSUCHER") << (englisch ? geschlechtEn : geschlechtDe)
                            << (englisch ? testsEn : testsDe)
                            << (englisch ? "Order of presentation" : "Reihenfolge Darbietung")
                            << (englisch ? "Please select the sticks from the holder labeled \"Discrimination Test\""
                                         : "Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung "
                                           "„Discrimination Test“ aus")
                            << (englisch ? "Fields marked with * \nare mandatory "
                                         : "Bitte mit * markierte \n Felder ausfüllen ");
    };
    zeile("German to English", "de", "toolButtonEnglish", true);
    zeile("English to German", "en", "toolButtonDeutsch", false);
    // The translator is taken out and put in again; the texts stay English.
    zeile("English again", "en", "toolButtonEnglish", true);
}

void TestSprache::wechsel()
{
    QFETCH(QString, vorher);
    QFETCH(QString, knopf);
    QFETCH(QString, sprache);
    QFETCH(QString, locale);
    QFETCH(QString, untersucher);
    QFETCH(QStringList, geschlecht);
    QFETCH(QStringList, tests);
    QFETCH(QString, reihenfolge);
    QFETCH(QString, halter);
    QFETCH(QString, startbedingung);

    Untersuchung u(false, vorher);
    u.klicken(QStringLiteral("toolButtonSprache"));
    QCOMPARE(u.seite(), QStringLiteral("pageSprache"));
    u.klicken(knopf);
    QCOMPARE(u.seite(), QStringLiteral("pageDateneingabe"));
    QCOMPARE(gespeichert(QStringLiteral("Sprache")).toString(), sprache);

    QCOMPARE(QLocale().name(), locale);
    QCOMPARE(u.db->ListeDerTest(), tests);
    QCOMPARE(eintraege(u.x<QComboBox>(QStringLiteral("comboBoxTestAuswahl"))), tests);
    QCOMPARE(eintraege(u.x<QComboBox>(QStringLiteral("comboBoxPatientGeschlecht"))), geschlecht);
    // The screens renew their texts at once, the layout with the language change that follows.
    QCOMPARE(u.x<QWidget>(QStringLiteral("page_schwellentest"))->findChild<QLabel*>("label_Reihenfolge")->text(),
        reihenfolge);
    QCOMPARE(u.x<QLabel>(QStringLiteral("labelDiskrimination"))->text(), halter);
    QTRY_COMPARE(u.x<QGroupBox>(QStringLiteral("groupBoxUntersucher"))->title(), untersucher);
    QCOMPARE(u.x<QGroupBox>(QStringLiteral("groupBoxPatient"))->title(), QStringLiteral("PATIENT"));
    QCOMPARE(u.x<QGroupBox>(QStringLiteral("groupBoxTest"))->title(), QStringLiteral("TEST"));
    QCOMPARE(u.w->windowTitle(), QStringLiteral("Duftlotse"));
    QCOMPARE(u.x<QLabel>(QStringLiteral("label_startbedingung"))->text(), startbedingung);
}

void TestSprache::deutschBeiDeutsch()
{
    Untersuchung u;
    auto* geschlecht = u.x<QComboBox>(QStringLiteral("comboBoxPatientGeschlecht"));
    auto* tests = u.x<QComboBox>(QStringLiteral("comboBoxTestAuswahl"));
    geschlecht->setCurrentIndex(2);
    tests->setCurrentIndex(3);
    Sprachwechselzaehler zaehler(u.w.get());

    u.klicken(QStringLiteral("toolButtonSprache"));
    u.klicken(QStringLiteral("toolButtonDeutsch"));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(zaehler.anzahl, 0);
    QCOMPARE(QLocale().name(), QStringLiteral("de_DE"));
    // The boxes are filled anew all the same: placeholder and first test.
    QCOMPARE(eintraege(geschlecht), geschlechtDe);
    QCOMPARE(geschlecht->currentIndex(), 0);
    QCOMPARE(eintraege(tests), testsDe);
    QCOMPARE(tests->currentIndex(), 0);

    // The counter does see a real change.
    u.klicken(QStringLiteral("toolButtonSprache"));
    u.klicken(QStringLiteral("toolButtonEnglish"));
    QTRY_VERIFY(zaehler.anzahl > 0);
}

void TestSprache::einstellungen_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<bool>("hinweiseAus");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("untersucher");

    // The system's language is stored as it is; French has no translation, so English applies.
    QTest::newRow("reset") << "pushButtonReset"
                           << "fr" << false << "en_US"
                           << "EXAMINER";
    QTest::newRow("cancel") << "pushButtonEinstellungenAbbruch"
                            << "de" << true << "de_DE"
                            << "UNTERSUCHER";
}

void TestSprache::einstellungen()
{
    QFETCH(QString, knopf);
    QFETCH(QString, sprache);
    QFETCH(bool, hinweiseAus);
    QFETCH(QString, locale);
    QFETCH(QString, untersucher);
    QVERIFY2(QLocale::system().language() == QLocale::French, "run with LC_ALL=fr_FR.UTF-8 (see CMakeLists.txt)");

    Untersuchung u(true);
    u.klicken(QStringLiteral("toolButtonEinstellungen"));
    QCOMPARE(u.seite(), QStringLiteral("pageEinstellungen"));
    u.klicken(knopf);
    QCOMPARE(u.seite(), QStringLiteral("pageDateneingabe"));
    QCOMPARE(gespeichert(QStringLiteral("Sprache")).toString(), sprache);
    QCOMPARE(gespeichert(QStringLiteral("HinweiseAus")).toBool(), hinweiseAus);
    QCOMPARE(QLocale().name(), locale);
    QTRY_COMPARE(u.x<QGroupBox>(QStringLiteral("groupBoxUntersucher"))->title(), untersucher);
}

void TestSprache::hinweiseAus_data()
{
    QTest::addColumn<int>("seite");
    QTest::addColumn<QString>("schalter");
    QTest::addColumn<int>("klicks");
    QTest::addColumn<bool>("aus");

    const struct {
        int seite;
        const char* schalter;
        const char* name;
    } seiten[] = { { 7, "checkBoxHinweiseAus", "discrimination" }, { 8, "checkBoxHinweiseAus_2", "extended" },
        { 9, "checkBoxHinweiseAus_3", "single test" } };
    for (const auto& s : seiten) {
        QTest::addRow("%s, on", s.name) << s.seite << s.schalter << 1 << true;
        QTest::addRow("%s, on and off", s.name) << s.seite << s.schalter << 2 << false;
    }
}

void TestSprache::hinweiseAus()
{
    QFETCH(int, seite);
    QFETCH(QString, schalter);
    QFETCH(int, klicks);
    QFETCH(bool, aus);

    Untersuchung u;
    u.w->setPage(seite);
    auto* box = u.x<QAbstractButton>(schalter);
    QVERIFY(!box->isChecked());
    for (int i = 0; i < klicks; ++i)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(15, box->height() / 2)); // on the indicator
    QCOMPARE(box->isChecked(), aus);
    QCOMPARE(gespeichert(QStringLiteral("HinweiseAus")), QVariant(aus));
    // The page still waits for its confirmation.
    QCOMPARE(u.x<QStackedWidget>(QStringLiteral("stackedWidget"))->currentIndex(), seite);
}

void TestSprache::schwellentestAufEnglisch()
{
    Untersuchung u(true, QStringLiteral("en"));
    u.patient();
    u.starten(Schwellentest);
    SCHRITT(u.frage(QStringLiteral("THRESHOLD TEST\nChoose side")));
    u.klicken(QStringLiteral("toolButtonLinks_2"));
    SCHRITT(u.warten(QStringLiteral("page_schwellentest")));
    auto* anweisung = u.x<QLabel>(QStringLiteral("labelSchwelleStiftNummer"));
    QTRY_COMPARE(anweisung->text(), QStringLiteral("Please select the triplets with the red cap"));
    QCOMPARE(u.kappen(QStringLiteral("Schwelle")).first(), QStringLiteral("confirm"));

    u.klicken(QStringLiteral("pushButton_Schwelle_Farbe_1"));
    QTRY_COMPARE(u.kappen(QStringLiteral("Schwelle")),
        (QStringList { QStringLiteral("Red cap"), QStringLiteral("Green cap"), QStringLiteral("Blue cap") }));
    QVERIFY2(anweisung->text().startsWith(QStringLiteral("Please present the sticks from triplet 16 to the patient "
                                                         "in the order shown on the left ")),
        qPrintable(anweisung->text()));
    // The order stands where the instruction says.
    auto* reihenfolge = u.x<QWidget>(QStringLiteral("page_schwellentest"))->findChild<QLabel*>("label_Reihenfolge");
    QVERIFY(reihenfolge->isVisible());
    QVERIFY(reihenfolge->mapTo(u.w.get(), QPoint(reihenfolge->width(), 0)).x()
        <= anweisung->mapTo(u.w.get(), QPoint(0, 0)).x());

    const auto box = testsupport::answerNextMessageBoxSeen(QStringLiteral("Cancel test"));
    u.klicken(QStringLiteral("pushButton_Abbruch_Schwelle"));
    QTRY_VERIFY(box->beantwortet);
    QCOMPARE(box->text, QStringLiteral("Really cancel?"));
    QCOMPARE(box->knoepfe, (QStringList { QStringLiteral("Continue"), QStringLiteral("Cancel test") }));
    QCOMPARE(u.seite(), QStringLiteral("pageDateneingabe"));
}

void TestSprache::englischerBericht_data()
{
    QTest::addColumn<bool>("richtig");
    QTest::addColumn<QString>("ergebnis");

    QTest::newRow("pathology suspected") << false << "score: 3 (limit: 10) - pathology suspected";
    QTest::newRow("normal finding") << true << "score: 12 (limit: 10) - normal finding";
}

void TestSprache::englischerBericht()
{
    QFETCH(bool, richtig);
    QFETCH(QString, ergebnis);
    // The correct choice of every pen of the screening test.
    static const QVector<int> korrekt { 1, 3, 4, 2, 2, 3, 1, 2, 1, 4, 4, 3 };

    Untersuchung u(false, QStringLiteral("en"));
    u.patient();
    u.starten(Screening12);
    SCHRITT(u.warten(QStringLiteral("page_hinweiseTest")));
    QVERIFY(u.x<QLabel>(QStringLiteral("label_25"))->text().contains(QStringLiteral(">Note<")));
    u.klicken(QStringLiteral("pushButton_HinweisGelesen_3"));
    SCHRITT(u.frage(QStringLiteral("SCREENING 12\nChoose side")));
    u.klicken(QStringLiteral("toolButtonLinks_2"));
    SCHRITT(u.identifikation(12, [&](int stift) { return richtig ? korrekt.at(stift - 1) : 1; }));
    // The single test's side question: a blank, the test's name and the question.
    SCHRITT(u.frage(QStringLiteral(" SCREENING 12: continue with other side?")));
    QCOMPARE(u.x<QAbstractButton>(QStringLiteral("toolButtonNein"))->text(), QStringLiteral("No"));
    u.klicken(QStringLiteral("toolButtonNein"));

    const QString text = u.bericht();
    for (const QString& erwartet : { QStringLiteral("Smell test – report"), QStringLiteral("Examiner:"),
             QStringLiteral(" years, Female"), QStringLiteral("Percentile"), ergebnis })
        QVERIFY2(text.contains(erwartet), qPrintable(erwartet + QStringLiteral(" not in: ") + text));
    SCHRITT(u.schliessen());
}

void TestSprache::uebersetzungVollstaendig_data()
{
    QTest::addColumn<QString>("kontext");
    QTest::addColumn<QString>("quelle");
    QTest::addColumn<QString>("uebersetzung");
    QTest::addColumn<QString>("art"); // "unfinished" for a new or changed text

    // The committed translation, brought up to date with the sources as the update script does it.
    static QTemporaryDir ordner;
    const QString ts = ordner.filePath(QStringLiteral("DE_EN.ts"));
    QVERIFY(QFile::copy(QStringLiteral(DUFTLOTSE_QUELLEN "/resources/sprachen/DE_EN.ts"), ts));
    QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("LUPDATE"), QStringLiteral(DUFTLOTSE_LUPDATE));
    lupdate.setProcessEnvironment(umgebung);
    lupdate.start(QStringLiteral("bash"), { QStringLiteral(DUFTLOTSE_QUELLEN "/tools/update_translations.sh"), ts });
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    // Read as a stream: a DOM would drop the one blank translation.
    QFile datei(ts);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&datei);
    QString kontext;
    QString quelle;
    int meldungen = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            kontext = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            quelle = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString art = xml.attributes().value(QStringLiteral("type")).toString();
            QString zeile = quelle.simplified();
            if (zeile.size() > 60)
                zeile = zeile.left(57) + QStringLiteral("...");
            QTest::addRow("%s: %s", qPrintable(kontext), qPrintable(zeile))
                << kontext << quelle << xml.readElementText() << art;
            ++meldungen;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(meldungen > 100);
}

void TestSprache::uebersetzungVollstaendig()
{
    QFETCH(QString, kontext);
    QFETCH(QString, quelle);
    QFETCH(QString, uebersetzung);
    QFETCH(QString, art);

    QVERIFY2(art.isEmpty(), qPrintable(QStringLiteral("%1 translation; run tools/update_translations.sh").arg(art)));
    // Only the lead-in of the single test's side question is meant to vanish in English.
    if (quelle == QLatin1String("Im "))
        QCOMPARE(uebersetzung, QStringLiteral(" "));
    else
        QVERIFY2(!uebersetzung.trimmed().isEmpty(), "blank translation");

    // What the application shows: the compiled translation in the resources.
    QTranslator uebersetzer;
    QVERIFY(uebersetzer.load(QStringLiteral(":/sprachen/DE_EN.qm")));
    QCOMPARE(uebersetzer.translate(qPrintable(kontext), quelle.toUtf8().constData()), uebersetzung);
}

DUFTLOTSE_TEST_MAIN(TestSprache)
#include "tst_sprache.moc"
