#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QMainWindow>
#include <QRect>
#include <QStringList>
#include <QTranslator>
#include <QVector>

#include "datenbank.h"

class QMenu;

namespace Ui
{
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Names under which the two settings live in the per-user settings store.
    static const QString Organisation;
    static const QString Anwendung;

    // Which sides of the nose are done for one kind of test.
    struct testSeite {
        int Testart = 0;
        bool links = false;
        bool rechts = false;
        bool beide = false;
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

public slots:
    void setPage(int page);
    void testBeendet(int testart);
    void abbruch();
    void getScreen(QRect rect);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_comboBoxTestAuswahl_currentIndexChanged(int index);

private:
    void SpracheWechseln(QString sprache);
    void TestauswahlFuellen();

    Ui::MainWindow* ui;
    Datenbank* db = nullptr;
    bool HinweisGelesen = true;
    bool m_StartEnable = false;
    QVector<testSeite> test_seite_erledigt;
    int ExtendedTestStatus = 0;
    int EinzeltestAktiv = 0;
    int seitenwahl = -1;
    TestArt m_testart = TestLadenAlle;
    QString testname;
    int EinzelTestStatus = 0;
    QStringList mussfelder;
    QStringList mussfelderWarnungen;
    QBitArray mussfelderOK;
    QMenu* tipmenu = nullptr;
    QTranslator m_translator;
    QByteArray Stifte;
};
