#pragma once

#include "kappen.h"

#include <QByteArray>
#include <QWidget>

class QTimer;
class Ui_FormDiskriminationstest;

// The discrimination test: 16 triplets presented once each; the picked cap of
// every triplet is handed over at the end in one signal.
class FormDiskriminationstest : public QWidget
{
    Q_OBJECT

public:
    enum ablauf_schritte {
        nix = 0,
        start,
        eingabe,
        naechster,
        ergebnis_berechnen,
    };

    explicit FormDiskriminationstest(QWidget* parent = nullptr);
    ~FormDiskriminationstest() override;

    void sprachUpdate();

signals:
    void ErgebnisDiskriminationSpeichern(QByteArray ausgewaehlte);
    void testBeendet(int testart);
    void abbruch();

public slots:
    void TestStart(int testArt);
    void Ablauf();

private slots:
    void on_pushButton_Diskrimination_Farbe_1_clicked();
    void on_pushButton_Diskrimination_Farbe_2_clicked();
    void on_pushButton_Diskrimination_Farbe_3_clicked();
    void on_pushButton_Abbruch_Diskrimination_clicked();

private:
    void KnoppAnmalen(int knopp, int farbe);
    void KnoeppchenWechselDich();
    void tripletTextAusgabe(int triplet);
    void Fortschrittweg(bool weg);
    void wartezeitAnzeige();
    kappen::Knoepfe knoepfe() const;

    Ui_FormDiskriminationstest* ui;
    // The one tick of the procedure; restarted by each tick, so a run never has two.
    QTimer* takt;
    ablauf_schritte ablauf_schritt = nix;
    int knopp_farbe[3] = { 0, 0, 0 };
    int ausgewaehlt = -1;
    QByteArray ausgewaehlte;
    int triplet = 0;
    int wartezeit = 0;
};
