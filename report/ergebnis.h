#pragma once

#include "datenbank.h"

#include <QByteArray>
#include <QDomDocument>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QLabel;

// One percentile curve of a test definition: its name, the age-band labels and one value per band.
struct PerzentilKurve {
    QString PName;
    QStringList alter;
    QList<double> werte;
};

// Everything the percentile chart shows, read from the test definition and the examination.
struct PerzentilDaten {
    double normal = 0;
    int Gesamtmessungen = 16; // height of the score scale
    double anosmie = 0; // 0: no anosmia zone
    double supersmeller = 0; // 0: no supersmeller zone
    PerzentilKurve kurven[3]; // the 10th, 50th and 90th percentile
    int Jahre = -1; // age of the patient; -1 when unknown, which places no point
    double ergebnis = 0; // total score of the examination
};

// The result report of the current examination: fills the SVG templates, draws the percentile chart,
// writes the PDF into the documents folder and shows the report in a label. All work happens in the
// constructor; afterwards the object only keeps the SVG of every section.
class Ergebnis : public QObject
{
    Q_OBJECT

public:
    Ergebnis(QObject* parent, QLabel* label, Datenbank* DB);
    ~Ergebnis() override;

    // Template pixels per printer device unit in the PDF.
    static constexpr double Skalierung = 65.0;
    // Printer device units (at 2 dots per inch) after which the next section goes onto a new page.
    static constexpr int Seitenumbruch = 14;
    // Characters of a person code that must not reach the PDF file name.
    static const QString notAllowedCharsNoSubDir;

    int ErgebnisEintragenKopf(QByteArray* svgdaten);
    static int ErgebnisEintragenScreening(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse);
    static int ErgebnisEintragenIdentifikation(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse);
    static int ErgebnisEintragenSchwelle(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse);
    static int ErgebnisEintragenDiskrimination(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse);

    // Editing of template documents by element id.
    static void MarkerAus(QDomDocument doc);
    static void FarbeSetzen(QDomDocument doc, const QString& Marker, const QString& Farbe, bool aus);
    static void traverseXML_FarbeSetzen(QDomNode& node, const QString& Marker, const QString& Farbe, bool aus);
    static void TextSetzen(QDomDocument doc, const QString& ID, const QString& Text);
    static void traverseXML_TextSetzen(QDomNode& node, const QString& ID, const QString& Text);
    static QString AlternativText(QString erg, bool alt);

    void Perzentile_zeichnen(QVector<TestErgebnis> testergebnisse);
    static QByteArray PerzentilenSvg(const PerzentilDaten& daten);
    static QString PerzentileRahmenFilename();

    // Resource path of a template for the current language, else the English one; empty if neither exists.
    static QString VorlagenPfad(const QString& name);
    // Whether the section drawn up to `starthoehe` (printer units) ends the page.
    static bool neueSeite(double starthoehe);
    // Folder for the PDF: the first documents location, else the home folder.
    static QString Berichtsordner(const QStringList& dokumentenorte);
    // Path of the PDF in `ordner`, named after the person code.
    static QString PdfDateiname(const QString& ordner, const QString& personencode);

    Datenbank* db = nullptr; // not owned
    double MaxErgebnis = 0; // total score of the examination, placed in the chart
    // The serialised sections, texts included; an empty array means the section is absent.
    QByteArray svgdaten; // header
    QByteArray svgdatenScreening;
    QByteArray svgdatenIdentifikation;
    QByteArray svgdatenSchwelle;
    QByteArray svgdatenDiskrimination;
    QByteArray svgdatenPerzentile;

private:
    static bool VorlageLaden(const QString& name, QDomDocument* doc);
    static int StifteEintragen(
        const QString& vorlage, TestArt art, QByteArray* svgdaten, const QVector<TestErgebnis>& testgebnisse);
};
