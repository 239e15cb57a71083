#pragma once

#include "datenbank.h"

#include <QByteArray>
#include <QDomDocument>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPixmap>
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
// constructor; afterwards the object keeps the SVG of every section, the PDF and the picture, so that
// a PDF that could not be saved can still be saved elsewhere.
class Ergebnis : public QObject
{
    Q_OBJECT

public:
    Ergebnis(QObject* parent, QLabel* label, Datenbank* DB);
    ~Ergebnis() override;

    // "Duftlotse" and the version: the PDF's creator and the generator of its results.
    static QString Erzeuger();
    // Path of the saved PDF; empty while it is not saved.
    QString pdfPfad() const;
    // The screen picture at its full size.
    const QPixmap& bild() const;
    // Saves the PDF in `ordner` under the first free name. On failure the examiner is told where it failed and
    // may choose another folder, as often as it fails.
    void PdfAblegen(QString ordner);

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
    // The text of the first text target `ID`; empty when there is none.
    static QString TextVon(const QDomDocument& doc, const QString& ID);
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
    // First free path in `ordner` for the PDF named after the person code: "<code>.pdf", else "<code> (2).pdf", ...
    static QString PdfDateiname(const QString& ordner, const QString& personencode);
    // Index of the age band of the 10th percentile that holds the patient's age; -1 when none does or the chart
    // has too few bands for a point.
    static int Altersband(const PerzentilDaten& daten);

    Datenbank* db = nullptr; // not owned
    double MaxErgebnis = 0; // total score of the examination, placed in the chart
    // The serialised sections, texts included; an empty array means the section is absent.
    QByteArray svgdaten; // header
    QByteArray svgdatenScreening;
    QByteArray svgdatenIdentifikation;
    QByteArray svgdatenSchwelle;
    QByteArray svgdatenDiskrimination;
    QByteArray svgdatenPerzentile;
    // The results as ergebnis.json inside the PDF carries them; empty when there is nothing to report.
    QJsonObject befund;
    // Title of the PDF: the header's heading and the person code.
    QString dokumentTitel;

private:
    bool PdfSpeichern(const QString& ordner);
    static bool VorlageLaden(const QString& name, QDomDocument* doc);
    static int StifteEintragen(
        const QString& vorlage, TestArt art, QByteArray* svgdaten, const QVector<TestErgebnis>& testgebnisse);
    void BefundEintragen(const QMap<QString, QString>& patient, const QMap<QString, QString>& untersucher,
        const TestErgebnisse& ergebnisse, const QDomDocument& kopf, const QString& urteil);

    QString personencode; // of the patient, read with the header; names the PDF
    QByteArray pdf;
    QString m_pdfPfad;
    QString versuchterPfad; // of the last failed save, for the message
    QPixmap m_bild;
};
