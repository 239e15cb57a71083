#include "testsupport.h"

#include "ergebnis.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace testsupport
{

namespace
{
QTemporaryDir* home()
{
    static QTemporaryDir dir;
    return &dir;
}
} // namespace

void isolateEnvironment()
{
    const QString root = home()->path();
    for (const char* sub : { "config", "data", "cache", "Documents", "runtime" })
        QDir(root).mkpath(QString::fromLatin1(sub));
    qputenv("HOME", root.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + "/data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (root + "/cache").toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (root + "/Documents").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (root + "/runtime").toLocal8Bit());
    QFile::setPermissions(root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
}

QString homePath()
{
    return home()->path();
}

namespace
{
void tryAnswer(const QString& text, const std::shared_ptr<GeseheneBox>& gesehen, int holdMs, int attemptsLeft)
{
    if (gesehen.use_count() == 1)
        return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible())
            continue;
        gesehen->text = box->text();
        gesehen->informativeText = box->informativeText();
        gesehen->fingergerecht = !box->buttons().isEmpty();
        QAbstractButton* ziel = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            gesehen->fingergerecht = gesehen->fingergerecht && b->height() >= 48 && b->font().pointSizeF() >= 14;
            if (b->text() == text)
                ziel = b;
        }
        if (ziel) {
            QTimer::singleShot(holdMs, ziel, [ziel, gesehen] {
                ziel->click();
                gesehen->beantwortet = true;
            });
            return;
        }
    }
    if (attemptsLeft > 0)
        QTimer::singleShot(10, [=] { tryAnswer(text, gesehen, holdMs, attemptsLeft - 1); });
}
} // namespace

std::shared_ptr<GeseheneBox> answerNextMessageBoxSeen(const QString& buttonText, int holdMs)
{
    auto gesehen = std::make_shared<GeseheneBox>();
    QTimer::singleShot(0, [=] { tryAnswer(buttonText, gesehen, holdMs, 500); });
    return gesehen;
}

namespace
{
void tryFolder(const QString& folder, const std::shared_ptr<bool>& beantwortet, int attemptsLeft)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog || !dialog->isVisible())
            continue;
        bool fingergerecht = true;
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
            fingergerecht = fingergerecht && b->height() >= smallestButton;
        dialog->selectFile(folder);
        // Its own accept() checks the folder as a press on its button does.
        static_cast<QDialog*>(dialog)->accept();
        *beantwortet = fingergerecht;
        return;
    }
    if (attemptsLeft > 0)
        QTimer::singleShot(10, [=] { tryFolder(folder, beantwortet, attemptsLeft - 1); });
}
} // namespace

std::shared_ptr<bool> answerNextFolderDialog(const QString& folder)
{
    auto beantwortet = std::make_shared<bool>(false);
    QTimer::singleShot(0, [=] { tryFolder(folder, beantwortet, 500); });
    return beantwortet;
}

std::shared_ptr<bool> answerNextMessageBox(const QString& buttonText)
{
    auto gesehen = answerNextMessageBoxSeen(buttonText);
    // Aliases the flag inside the shared record, so both live as long as either is held.
    return std::shared_ptr<bool>(gesehen, &gesehen->beantwortet);
}

QString ausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& pdf)
{
    return ausgabe(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") }).simplified();
}

void clickAndAnswer(QAbstractButton* button, const QString& answer, int holdMs)
{
    const auto answered = answerNextMessageBoxSeen(answer, holdMs);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(answered->beantwortet);
}

void Finger::tippen(QWidget* knopf, int abstand)
{
    QWidget* fenster = knopf->window();
    const auto mitte = [&] { return knopf->mapTo(fenster, knopf->rect().center()); };
    QTRY_VERIFY2(knopf->isVisible() && fenster->childAt(mitte()) == knopf, qPrintable(knopf->objectName()));
    zeit += abstand;
    const QPoint stelle = mitte();
    qt_handleMouseEvent(fenster->windowHandle(), stelle, fenster->mapToGlobal(stelle), Qt::LeftButton, Qt::LeftButton,
        QEvent::MouseButtonPress, Qt::NoModifier, zeit);
    qt_handleMouseEvent(fenster->windowHandle(), stelle, fenster->mapToGlobal(stelle), Qt::NoButton, Qt::LeftButton,
        QEvent::MouseButtonRelease, Qt::NoModifier, zeit + 1);
    QTest::lastMouseTimestamp = qMax(QTest::lastMouseTimestamp, zeit + 1 + QTest::mouseDoubleClickInterval);
}

qint64 twoSecondsOfWaiting(QProgressBar* bar, const std::function<void()>& answer)
{
    QElapsedTimer clock;
    clock.start();
    QMap<int, qint64> firstShown;
    QObject observer;
    QObject::connect(bar, &QProgressBar::valueChanged, &observer, [&](int value) {
        if (!firstShown.contains(value))
            firstShown.insert(value, clock.elapsed());
    });
    answer();
    if (QTest::currentTestFailed())
        return -1;
    if (!QTest::qWaitFor([&] { return firstShown.contains(27); }, 10000) || !firstShown.contains(29))
        return -1;
    return firstShown.value(27) - firstShown.value(29);
}

void personenSpeichern(Datenbank& db, const QString& geburtsdatum, const QString& code, const QString& vorname,
    const QString& nachname, const QString& bemerkung)
{
    db.PatientSpeichern(vorname, nachname, geburtsdatum, "männlich", "Meier", code, "Hauptstraße 1, Görlitz",
        "0351 123", "Nichtraucher", "keine");
    db.UntersucherSpeichern("Erika", "Mustermann", bemerkung);
}

void testStarten(Datenbank& db, TestArt art, int nase, int abschwellung)
{
    db.TestLaden(art);
    db.TestStartSpeichern(db.ListeDerTest().value(db.getTestArten().indexOf(art)), nase, abschwellung);
}

void schwellenLauf(Datenbank& db, int nase, const QVector<int>& wendepunkte)
{
    testStarten(db, Schwellentest, nase);
    QVector<WendePunkte> lauf { { 16, false, 0 } };
    for (int i = 0; i < wendepunkte.size(); ++i)
        lauf << WendePunkte { wendepunkte.at(i), true, i + 1 } << WendePunkte { wendepunkte.at(i) + 1, false, i + 1 };
    db.WendepunkteSpeichern(lauf);
}

void stiftLauf(Datenbank& db, TestArt art, int nase, int richtige)
{
    testStarten(db, art, nase, 1);
    for (int nr = 1; nr <= db.Stiftreihenfolge().size(); ++nr)
        db.TestStiftSpeichern(nr, 2, nr <= richtige ? 2 : 4, { "Rose", "Zimt", "Käse", "Fisch" });
}

void diskriminationsLauf(Datenbank& db, int nase, int gruene)
{
    testStarten(db, Diskriminationstest, nase);
    db.DiskriminationSpeicher(QByteArray(gruene, 1) + QByteArray(16 - gruene, 2));
}

namespace
{
const QAbstractScrollArea* scrollAreaOf(const QWidget* w, const QWidget* page)
{
    for (const QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget()) {
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p))
            return area;
    }
    return nullptr;
}

QString sizeText(const QSize& s)
{
    return QStringLiteral("%1 × %2").arg(s.width()).arg(s.height());
}
} // namespace

QStringList layoutProblems(QWidget* page)
{
    QStringList problems;
    const auto report = [&](const QWidget* w, const QString& what) {
        problems << QStringLiteral("%1 (%2) %3").arg(w->objectName(), w->metaObject()->className(), what);
    };
    for (QWidget* w : page->findChildren<QWidget*>()) {
        // Qt's own parts (scroll bars, viewports, the line edit of a combo box) follow their owner.
        if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect place(w->mapTo(page, QPoint(0, 0)), w->size());
        const auto* area = qobject_cast<const QScrollArea*>(scrollAreaOf(w, page));
        if (!scrollAreaOf(w, page) && !page->rect().contains(place))
            report(w, QStringLiteral("reaches out of the page"));
        // Scrolling brings everything inside the contents of a scroll area into view, nothing beyond.
        if (area && area->widget()->isAncestorOf(w)
            && !area->widget()->rect().contains(QRect(w->mapTo(area->widget(), QPoint(0, 0)), w->size())))
            report(w, QStringLiteral("out of reach"));

        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            report(w, QStringLiteral("text cut off"));
        const bool showsText = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
            || qobject_cast<QComboBox*>(w) || (label && !label->hasScaledContents());
        const QSize least = w->minimumSizeHint();
        if (showsText && least.isValid() && (w->width() < least.width() || w->height() < least.height()))
            report(w, QStringLiteral("squeezed to %1 instead of %2").arg(sizeText(w->size()), sizeText(least)));

        if (qobject_cast<QAbstractButton*>(w) && w->height() < smallestButton)
            report(w, QStringLiteral("button only %1 px high").arg(w->height()));

        auto* rollbereich = qobject_cast<QScrollArea*>(w);
        if (rollbereich && rollbereich->horizontalScrollBar()->isVisible())
            report(w, QStringLiteral("scrolls sideways"));
    }
    return problems;
}

namespace
{
const char* const tabellen[] = { "Patient", "Untersucher", "Test", "TestStift", "TestSchwelle",
    "TestSchwelleAusgewaehlte", "TestDiskrimination" };
} // namespace

Untersuchung::Untersuchung(bool hinweiseAus, const QString& sprache)
{
    // The in-memory store outlives a window; every examination starts from an empty one.
    if (QSqlDatabase::contains(QStringLiteral("memdb"))) {
        QSqlQuery leeren(QSqlDatabase::database(QStringLiteral("memdb")));
        for (const char* tabelle : tabellen)
            leeren.exec(QStringLiteral("DELETE FROM `%1`").arg(QLatin1String(tabelle)));
    }
    QSettings einstellungen(MainWindow::Organisation, MainWindow::Anwendung);
    einstellungen.setValue(QStringLiteral("Sprache"), sprache);
    einstellungen.setValue(QStringLiteral("HinweiseAus"), hinweiseAus);
    w = std::make_unique<MainWindow>();
    w->show();
    db = w->findChild<Datenbank*>();
}

QString Untersuchung::seite() const
{
    return x<QStackedWidget>(QStringLiteral("stackedWidget"))->currentWidget()->objectName();
}

void Untersuchung::klicken(const QString& knopf) const
{
    QTest::mouseClick(x<QAbstractButton>(knopf), Qt::LeftButton);
}

void Untersuchung::patient(const QString& code) const
{
    const auto setzen = [this](const char* name, const QString& text) {
        auto* feld = x<QLineEdit>(name);
        feld->setText(text);
        emit feld->editingFinished();
    };
    setzen("lineEditPatientVorname", QStringLiteral("Erika"));
    setzen("lineEditPatientNachname", QStringLiteral("Muster"));
    setzen("lineEditPatientGeburtsdatum", QStringLiteral("01.02.1980"));
    setzen("lineEditPatientCode", code);
    setzen("lineEditUntersucherNachname", QStringLiteral("Prüfer"));
    x<QComboBox>(QStringLiteral("comboBoxPatientGeschlecht"))->setCurrentIndex(1);
}

void Untersuchung::starten(TestArt art) const
{
    auto* tests = x<QComboBox>(QStringLiteral("comboBoxTestAuswahl"));
    tests->setCurrentIndex(tests->findData(static_cast<int>(art)));
    klicken(QStringLiteral("pushButtonBeginnen"));
}

void Untersuchung::warten(const QString& name) const
{
    QTRY_COMPARE(seite(), name);
}

void Untersuchung::seitenwahl(const QString& knopf) const
{
    SCHRITT(warten(QStringLiteral("page_Seitenwahl")));
    klicken(knopf);
}

void Untersuchung::frage(const QString& text) const
{
    QTRY_COMPARE(x<QLabel>(QStringLiteral("label_test_fortfahren"))->text(), text);
}

void Untersuchung::identifikation(int stifte, const std::function<int(int)>& antwort) const
{
    SCHRITT(warten(QStringLiteral("page_screeningtest")));
    for (int stift = 1; stift <= stifte; ++stift)
        klicken(QStringLiteral("toolButtonGeruch_%1").arg(antwort(stift)));
}

QStringList Untersuchung::kappen(const QString& test) const
{
    QStringList texte;
    for (int i = 1; i <= 3; ++i)
        texte << x<QPushButton>(QStringLiteral("pushButton_%1_Farbe_%2").arg(test).arg(i))->text();
    return texte;
}

namespace
{
// A text of a triplet screen in the language now installed.
QString kappenText(const QString& test, const char* text)
{
    return QCoreApplication::translate(
        test == QLatin1String("Schwelle") ? "FormSchwellentest" : "FormDiskriminationstest", text);
}
} // namespace

void Untersuchung::kappe(const QString& test, const QString& seite, QChar farbe) const
{
    const QString ziel = kappenText(test, farbe == 'r' ? "Rote Kappe" : farbe == 'g' ? "Grüne Kappe" : "Blaue Kappe");
    const QStringList vorher = kappen(test);
    const int knopf = vorher.indexOf(ziel);
    QVERIFY2(knopf >= 0, qPrintable(vorher.join(',')));
    klicken(QStringLiteral("pushButton_%1_Farbe_%2").arg(test).arg(knopf + 1));
    QTRY_VERIFY(kappen(test) != vorher || this->seite() != seite);
}

void Untersuchung::schwelle(const QString& folge) const
{
    const QString test = QStringLiteral("Schwelle");
    SCHRITT(warten(QStringLiteral("page_schwellentest")));
    QTRY_COMPARE(kappen(test).first(), kappenText(test, "bestätigen"));
    klicken(QStringLiteral("pushButton_Schwelle_Farbe_1"));
    QTRY_COMPARE(kappen(test).first(), kappenText(test, "Rote Kappe"));
    for (QChar farbe : folge)
        if (farbe != ' ')
            SCHRITT(kappe(test, QStringLiteral("page_schwellentest"), farbe));
    QTRY_VERIFY(seite() != QStringLiteral("page_schwellentest"));
}

void Untersuchung::diskrimination(int treffer) const
{
    SCHRITT(warten(QStringLiteral("page_Diskriminationstest")));
    for (int triplet = 1; triplet <= 16; ++triplet)
        SCHRITT(kappe(QStringLiteral("Diskrimination"), QStringLiteral("page_Diskriminationstest"),
            triplet <= treffer ? 'g' : 'r'));
    QTRY_VERIFY(seite() != QStringLiteral("page_Diskriminationstest"));
}

QString Untersuchung::bericht(const QString& code) const
{
    auto* gespeichert = x<QLabel>(QStringLiteral("labelGespeichert"));
    [&] { QTRY_VERIFY_WITH_TIMEOUT(gespeichert->isVisible(), 15000); }();
    // The page tells where the report is, with a way to its folder.
    const QString pdf = w->findChild<Ergebnis*>()->pdfPfad();
    [&] {
        QVERIFY2(QFileInfo(pdf).fileName().startsWith(code)
                && gespeichert->text().remove(QChar(0x200B)).endsWith(QDir::toNativeSeparators(pdf))
                && x(QStringLiteral("toolButtonOrdnerOeffnen"))->isVisible(),
            qPrintable(gespeichert->text()));
    }();
    return pdfText(pdf);
}

void Untersuchung::schliessen() const
{
    klicken(QStringLiteral("toolButton_auswertungschliessen"));
    QCOMPARE(seite(), QStringLiteral("pageDateneingabe"));
    // Nothing of the examination stays: no patient, examiner, test or answer in the store, no picture of its report.
    for (const char* tabelle : tabellen)
        QVERIFY2(zeilen(QLatin1String(tabelle)) == 0, tabelle);
    QVERIFY(x<QLabel>(QStringLiteral("labelSvg"))->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(x<QLineEdit>(QStringLiteral("lineEditPatientVorname"))->text(), QString());
    QCOMPARE(x<QLineEdit>(QStringLiteral("lineEditUntersucherNachname"))->text(), QStringLiteral("Prüfer"));
}

int Untersuchung::zeilen(const QString& tabelle) const
{
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("memdb")));
    q.exec(QStringLiteral("SELECT COUNT(*) FROM `%1`").arg(tabelle));
    return q.next() ? q.value(0).toInt() : -1;
}

QList<int> Untersuchung::seiten(TestArt art) const
{
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("memdb")));
    q.exec(QStringLiteral("SELECT Nase FROM `Test` WHERE TestArt = %1 ORDER BY ID").arg(art));
    QList<int> nasen;
    while (q.next())
        nasen << q.value(0).toInt();
    return nasen;
}

} // namespace testsupport
