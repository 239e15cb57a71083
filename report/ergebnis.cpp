// Assembly of the report: the sections stacked into a PDF in the documents folder and into the screen picture.
#include "ergebnis.h"

#include "rueckfrage.h"
#include "svgseite.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

const QString Ergebnis::notAllowedCharsNoSubDir = QStringLiteral(",^@={}[]~!?:&*\"|#%<>$\"'();`'/\\ ");

namespace
{

// The sections in the order of the report; the chart is drawn into its frame.
struct Abschnitte {
    const SvgSeite& kopf;
    QVector<const SvgSeite*> folge; // Screening 12, threshold, discrimination, identification
    const SvgSeite* diskrimination;
    const SvgSeite& perzentile;
    const SvgSeite& rahmen;
    bool mitPerzentilen;
};

// Height in template pixels; a section that is absent takes no room.
double hoehe(const SvgSeite& seite)
{
    return qMax(0, seite.defaultSize().height());
}

// Draws the stack at `massstab` device units per template pixel. On paper (`seiten` set) a section that ends
// past the page-break height sends the next one to a new page; the break waits until there is a next section,
// so the report never ends on an empty page. The chart stands at twice its size, 50 pixels right of the frame's
// edge and 20 below its top.
void stapelZeichnen(QPainter& p, const Abschnitte& a, double massstab, QPagedPaintDevice* seiten)
{
    auto rechteck = [massstab](const SvgSeite& s, double x, double y, double faktor) {
        return QRectF(x, y, s.defaultSize().width() * faktor * massstab, hoehe(s) * faktor * massstab);
    };
    bool umbruchFaellig = false;
    auto seiteBeginnen = [&] {
        if (umbruchFaellig)
            seiten->newPage();
        umbruchFaellig = false;
    };

    a.kopf.zeichnen(p, rechteck(a.kopf, 0, 0, 1));
    double y = hoehe(a.kopf) * massstab;
    for (const SvgSeite* seite : a.folge) {
        if (seite->isValid()) {
            seiteBeginnen();
            if (seite == a.diskrimination && seiten)
                qDebug() << "Aufloesung" << p.device()->logicalDpiX() << p.device()->physicalDpiX();
            seite->zeichnen(p, rechteck(*seite, 0, y, 1));
            y += hoehe(*seite) * massstab;
        }
        if (seiten && Ergebnis::neueSeite(y)) {
            umbruchFaellig = true;
            y = 0;
        }
    }
    if (a.mitPerzentilen) {
        seiteBeginnen();
        a.perzentile.zeichnen(p, rechteck(a.perzentile, 50 * massstab, y + 20 * massstab, 2));
        a.rahmen.zeichnen(p, rechteck(a.rahmen, 0, y, 1));
    }
}

// Paints the PDF into a temporary file beside `pfad` and only then puts it in place, so that a failure
// leaves an earlier report of the same name as it was. False when the PDF is not in place.
bool pdfSchreiben(const QString& pfad, const Abschnitte& abschnitte)
{
    const QFileInfo ziel(pfad);
    if (!QDir().mkpath(ziel.absolutePath())) {
        qDebug() << "Ergebnis: Ordner nicht anlegbar" << ziel.absolutePath();
        return false;
    }
    QTemporaryFile entwurf(ziel.absolutePath() + QStringLiteral("/.") + ziel.fileName() + QStringLiteral(".XXXXXX"));
    // Asking for the name gives the file one where the system made it without.
    if (!entwurf.open() || entwurf.fileName().isEmpty()) {
        qDebug() << "Ergebnis: keine Zwischendatei" << entwurf.fileTemplate() << entwurf.errorString();
        return false;
    }
    entwurf.close();

    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // The section rectangles are computed for 2 dots per inch.
    printer.setResolution(2);
    printer.setOutputFileName(entwurf.fileName());
    QPainter painter;
    if (!painter.begin(&printer)) {
        qDebug() << "Ergebnis: PDF nicht beginnbar" << entwurf.fileName();
        return false;
    }
    stapelZeichnen(painter, abschnitte, 1 / Ergebnis::Skalierung, &printer);
    if (!painter.end()) {
        qDebug() << "Ergebnis: PDF nicht abgeschlossen" << entwurf.fileName();
        return false;
    }
    qDebug() << "pdfschreiben" << pfad;

    QFile fertig(entwurf.fileName());
    QSaveFile endgueltig(pfad);
    if (!fertig.open(QIODevice::ReadOnly) || fertig.size() == 0 || !endgueltig.open(QIODevice::WriteOnly)
        || endgueltig.write(fertig.readAll()) != fertig.size() || !endgueltig.commit()) {
        qDebug() << "Ergebnis: PDF nicht abgelegt" << pfad << endgueltig.errorString();
        return false;
    }
    return true;
}

QPixmap bildZeichnen(const Abschnitte& abschnitte, int Seitenlaenge)
{
    QPixmap bild(abschnitte.kopf.defaultSize().width(), Seitenlaenge);
    if (bild.isNull())
        return bild;
    bild.fill(Qt::white);
    QPainter painter(&bild);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    stapelZeichnen(painter, abschnitte, 1, nullptr);
    return bild;
}

QByteArray dateiInhalt(const QString& pfad)
{
    QFile datei(pfad);
    return !pfad.isEmpty() && datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

Ergebnis::Ergebnis(QObject* parent, QLabel* label, Datenbank* DB)
    : QObject(parent)
    , db(DB)
{
    ErgebnisEintragenKopf(&svgdaten);

    const SvgSeite kopf(svgdaten);
    qDebug() << "SVG korrekt" << kopf.isValid();
    int Seitenlaenge = static_cast<int>(hoehe(kopf));
    const SvgSeite screening(svgdatenScreening);
    const SvgSeite schwelle(svgdatenSchwelle);
    const SvgSeite diskrimination(svgdatenDiskrimination);
    const SvgSeite identifikation(svgdatenIdentifikation);
    for (const SvgSeite* seite : { &screening, &schwelle, &diskrimination, &identifikation })
        if (seite->isValid())
            Seitenlaenge += seite->defaultSize().height();
    const SvgSeite perzentile(svgdatenPerzentile);
    const SvgSeite rahmen(dateiInhalt(PerzentileRahmenFilename()));
    const bool mitPerzentilen = !svgdatenPerzentile.isEmpty() && perzentile.isValid() && rahmen.isValid();
    if (mitPerzentilen)
        Seitenlaenge += rahmen.defaultSize().height();
    const Abschnitte abschnitte { kopf, { &screening, &schwelle, &diskrimination, &identifikation }, &diskrimination,
        perzentile, rahmen, mitPerzentilen };

    const QStringList orte = QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation);
    qDebug() << "app_ordners" << orte;
    const QString app_data_path = Berichtsordner(orte);
    qDebug() << "app_data_path" << app_data_path;
    const QString pfad = PdfDateiname(app_data_path, db->Patientendaten(0).value(QStringLiteral("Personencode")));
    qDebug() << "PDF filename" << pfad;
    const bool gespeichert = pdfSchreiben(pfad, abschnitte);

    const QPixmap bild = bildZeichnen(abschnitte, Seitenlaenge);
    if (label) {
        label->resize(bild.size());
        label->setPixmap(bild);
        label->repaint();
    }
    if (!gespeichert)
        rueckfrage::hinweis(tr("Der Bericht konnte nicht als PDF gespeichert werden:\n%1").arg(pfad));
}

Ergebnis::~Ergebnis() = default;

bool Ergebnis::neueSeite(double starthoehe)
{
    return starthoehe > Seitenumbruch;
}

QString Ergebnis::Berichtsordner(const QStringList& dokumentenorte)
{
    const QString ordner = dokumentenorte.value(0);
    // Without a documents folder the report goes home, never to the root of the file system.
    return ordner.isEmpty() ? QDir::homePath() : ordner;
}

QString Ergebnis::PdfDateiname(const QString& ordner, const QString& personencode)
{
    QString code = personencode.simplified();
    if (code.isEmpty())
        return ordner + QStringLiteral("/PdfFile.pdf");
    for (const QChar zeichen : notAllowedCharsNoSubDir)
        code.replace(zeichen, QLatin1Char('_'));
    return ordner + QLatin1Char('/') + code + QStringLiteral(".pdf");
}
