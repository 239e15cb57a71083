#pragma once

#include "datenbank.h"
#include "kappen.h"

#include <QVector>
#include <QWidget>

class QTimer;
class Ui_FormSchwellentest;

// The threshold test: a staircase over the 16 triplets that ends after seven
// reversal points and hands all its rows over in one signal.
class FormSchwellentest : public QWidget
{
    Q_OBJECT

public:
    enum ablauf_schritte {
        nix = 0,
        start,
        referenz,
        sucheAbwaerts2erSchritte,
        eingabeAbwaerts2erSchritte,
        richtigAbwaerts2erSchritte,
        falschAbwaerts2erSchritte,
        wendeAbwaerts,
        sucheAufwaerts,
        eingabeAufwaerts,
        riechtganzschlecht,
        richtigAufwaerts,
        wendeAufwaerts,
        sucheAbwaerts,
        eingabeAbwaerts,
        richtigAbwaerts,
        falschAbwaerts,
        ergebnis_berechnen,
        riechtganzgut,
    };

    explicit FormSchwellentest(QWidget* parent = nullptr);
    ~FormSchwellentest() override;

    void sprachUpdate();

signals:
    void WendepunkteSpeichern(QVector<WendePunkte> wendepunkte);
    void testBeendet(int testArt);
    void abbruch();

public slots:
    void TestStart(int testArt);
    void Ablauf();

private slots:
    void on_pushButton_Schwelle_Farbe_1_clicked();
    void on_pushButton_Schwelle_Farbe_2_clicked();
    void on_pushButton_Schwelle_Farbe_3_clicked();
    void on_pushButton_Abbruch_Schwelle_clicked();

private:
    void KnoppAnmalen(int knopp, int farbe);
    void KnoeppchenWechselDich();
    void tripletTextAusgabe(int triplet);
    void ausgewaehlteSpeichern(int triplet, bool erkannt, int wendepunkt);
    void antwortLesen(ablauf_schritte richtig, ablauf_schritte falsch);
    void auffuellen(int triplet, bool erkannt);
    void Fortschrittweg(bool weg);
    void eineStufeStaerker();
    kappen::Knoepfe knoepfe() const;

    Ui_FormSchwellentest* ui;
    // The one tick of the procedure; restarted by each tick, so a run never has two.
    QTimer* takt;
    ablauf_schritte ablauf_schritt = nix;
    int knopp_farbe[3] = { 0, 0, 0 };
    int ausgewaehlt = -1;
    QVector<WendePunkte> wendepunkte;
    int triplet = 0;
    int wartezeit = 0;
    int treffer = 0;
    int WendepunktNr = 0;
    // Correct answers in a row at the weakest triplet, where the upward search cannot turn.
    int richtigBei16 = 0;
};
