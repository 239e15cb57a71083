#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QToolButton;

namespace Ui
{
class FormScreeningtest;
}

// The pens of one identification or screening run. Namen, Bilder and richtig are indexed by pen
// number: pen n has its four choices at 4(n - 1) .. 4(n - 1) + 3 and its correct choice at n - 1.
struct TestdatenScreening {
    QString TestBezeichnung;
    QByteArray Stifte;
    QStringList Namen;
    QStringList Bilder;
    QVector<int> richtig;
    bool nurText = false;
    bool mitRfid = false;
};

// Four-choice test screen: one pen at a time, the examiner presses the choice the patient names.
class FormScreeningtest : public QWidget
{
    Q_OBJECT

public:
    explicit FormScreeningtest(QWidget* parent = nullptr);
    ~FormScreeningtest() override;

    void setTestdaten(const TestdatenScreening& value);
    void sprachUpdate();

signals:
    void TestStiftSpeichern(int StiftNr, int Stiftkorrekt, int mueffel, QStringList Namen);
    void testBeendet(int testart);
    void abbruch();

public slots:
    void TestStart(int testArt);
    void StiftGefunden(int NfcStiftNr, int TestArtStift);
    void on_toolButtonGeruch_1_clicked();
    void on_toolButtonGeruch_2_clicked();
    void on_toolButtonGeruch_3_clicked();
    void on_toolButtonGeruch_4_clicked();
    void on_pushButtonWeiter_clicked();
    void on_toolButtonTestAbbruchScreening_clicked();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Sizes the four pictures to the buttons as they are now.
    void bildgroesseAnpassen();
    bool naechsterStift();
    bool stiftVollstaendig(int nr) const;
    void StiftAnfordern();
    void TestStiftAnzeige();
    void BildLaden(QToolButton* button, QString Bildname, QString Bezeichnung);
    void GeruchGewaehlt(int mueffel);
    void StiftFalsch(bool an);

    Ui::FormScreeningtest* ui;
    TestdatenScreening testdaten;
    // The pen now presented; 0 while no run is active, so stray presses are recognised.
    int StiftNr = 0;
};
