// Assembly of the report: the sections stacked into a PDF and into the screen picture; the PDF saved so that
// no report is ever lost or replaced.
#include "ergebnis.h"

#include "rueckfrage.h"
#include "svgseite.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextBoundaryFinder>

const QString Ergebnis::notAllowedCharsNoSubDir = QStringLiteral(",^@={}[]~!?:&*\"|#%<>$\"'();`'/\\ ");

namespace
{

// Nothing is printed this close to the paper's edge, where printers cannot reach.
constexpr double randMm = 5;
// Bytes of UTF-8 the name before " (n).pdf" may take: with that suffix and the ".XXXXXX" of a named draft (where
// the file system has no unnamed ones) it stays well within the 255 bytes of a file name.
constexpr int stammBytes = 120;

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

// Where a section goes: its sheet of paper (always 0 on screen) and its rectangle in template pixels.
struct Platz {
    const SvgSeite* seite;
    int blatt;
    QRectF rechteck;
};

// Stacks the sections. On paper a section that ends past the page-break height sends the next one to a new sheet;
// the break waits until there is a next section, so the report never ends on an empty page. The chart stands at
// twice its size, 50 pixels right of the frame's edge and 20 below its top.
QVector<Platz> anordnen(const Abschnitte& a, bool aufPapier)
{
    auto platz = [](const SvgSeite& s, int blatt, double x, double y, double faktor) {
        return Platz { &s, blatt, QRectF(x, y, s.defaultSize().width() * faktor, hoehe(s) * faktor) };
    };
    QVector<Platz> plaetze { platz(a.kopf, 0, 0, 0, 1) };
    int blatt = 0;
    bool umbruchFaellig = false;
    auto seiteBeginnen = [&] {
        blatt += umbruchFaellig ? 1 : 0;
        umbruchFaellig = false;
    };
    double y = hoehe(a.kopf);
    for (const SvgSeite* seite : a.folge) {
        if (seite->isValid()) {
            seiteBeginnen();
            plaetze << platz(*seite, blatt, 0, y, 1);
            y += hoehe(*seite);
        }
        if (aufPapier && Ergebnis::neueSeite(y / Ergebnis::Skalierung)) {
            umbruchFaellig = true;
            y = 0;
        }
    }
    if (a.mitPerzentilen) {
        seiteBeginnen();
        plaetze << platz(a.perzentile, blatt, 50, y + 20, 2) << platz(a.rahmen, blatt, 0, y, 1);
    }
    return plaetze;
}

// The room the placed sections take: the right edge of the widest, the bottom of the lowest. Every sheet starts at
// 0, so on paper this is the room of the fullest sheet.
QSizeF umfang(const QVector<Platz>& plaetze)
{
    QSizeF groesse;
    for (const Platz& p : plaetze)
        groesse = groesse.expandedTo(QSizeF(p.rechteck.right(), p.rechteck.bottom()));
    return groesse;
}

// Paints the PDF into memory, with the results attached; empty when painting fails.
QByteArray pdfMalen(const Abschnitte& abschnitte, const QString& titel, const QJsonObject& befund)
{
    QByteArray pdf;
    QBuffer puffer(&pdf);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&puffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF());
    // The section rectangles are computed for 2 dots per inch.
    writer.setResolution(2);
    writer.setTitle(titel);
    writer.setCreator(Ergebnis::Erzeuger());
    if (!befund.isEmpty())
        writer.addFileAttachment(
            QStringLiteral("ergebnis.json"), QJsonDocument(befund).toJson(), QStringLiteral("application/json"));

    // Scaled down as a whole when a sheet would reach into the margins; the page breaks stay where they were.
    const QVector<Platz> plaetze = anordnen(abschnitte, true);
    const QSizeF groesse = umfang(plaetze);
    // The margin is kept by hand: at 2 dots per inch the page layout would round it to nothing.
    const double rand = randMm / 25.4 * writer.resolution();
    const QSizeF flaeche
        = writer.pageLayout().fullRect(QPageLayout::Inch).size() * writer.resolution() - QSizeF(2 * rand, 2 * rand);
    double massstab = 1 / Ergebnis::Skalierung;
    if (!groesse.isEmpty())
        massstab *= qMin(1.0,
            qMin(flaeche.width() / (groesse.width() * massstab), flaeche.height() / (groesse.height() * massstab)));

    QPainter painter;
    if (!painter.begin(&writer)) {
        qDebug() << "Ergebnis: PDF nicht beginnbar";
        return QByteArray();
    }
    int blatt = 0;
    for (const Platz& p : plaetze) {
        if (!p.seite->isValid())
            continue;
        for (; blatt < p.blatt; ++blatt)
            writer.newPage();
        if (p.seite == abschnitte.diskrimination)
            qDebug() << "Aufloesung" << painter.device()->logicalDpiX() << painter.device()->physicalDpiX();
        const QRectF& r = p.rechteck;
        p.seite->zeichnen(painter, QRectF(r.topLeft() * massstab + QPointF(rand, rand), r.size() * massstab));
    }
    if (!painter.end()) {
        qDebug() << "Ergebnis: PDF nicht abgeschlossen";
        return QByteArray();
    }
    return pdf;
}

// The start of `text` that fits `bytes` bytes of UTF-8, cut between two characters.
QString utf8Gekuerzt(const QString& text, int bytes)
{
    if (text.toUtf8().size() <= bytes)
        return text;
    QTextBoundaryFinder grenzen(QTextBoundaryFinder::Grapheme, text);
    int ende = 0;
    for (int p = grenzen.toNextBoundary(); p > 0 && text.leftRef(p).toUtf8().size() <= bytes;
         p = grenzen.toNextBoundary())
        ende = p;
    return text.left(ende);
}

// The name of a report before " (n).pdf": the person code made safe as a file name.
QString dateistamm(const QString& personencode)
{
    QString code = personencode.simplified();
    for (const QChar zeichen : Ergebnis::notAllowedCharsNoSubDir)
        code.replace(zeichen, QLatin1Char('_'));
    // Control characters too: a NUL would end the name for the file system, the others garble it in a listing.
    for (QChar& zeichen : code)
        if (zeichen.category() == QChar::Other_Control)
            zeichen = QLatin1Char('_');
    // A leading dot would hide the report in a file manager.
    while (code.startsWith(QLatin1Char('.')))
        code.remove(0, 1);
    code = utf8Gekuerzt(code, stammBytes);
    return code.isEmpty() ? QStringLiteral("PdfFile") : code;
}

QPixmap bildZeichnen(const Abschnitte& abschnitte)
{
    const QVector<Platz> plaetze = anordnen(abschnitte, false);
    QPixmap bild(abschnitte.kopf.defaultSize().width(), static_cast<int>(umfang(plaetze).height()));
    if (bild.isNull())
        return bild;
    bild.fill(Qt::white);
    QPainter painter(&bild);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Platz& p : plaetze)
        p.seite->zeichnen(painter, p.rechteck);
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
    const SvgSeite screening(svgdatenScreening);
    const SvgSeite schwelle(svgdatenSchwelle);
    const SvgSeite diskrimination(svgdatenDiskrimination);
    const SvgSeite identifikation(svgdatenIdentifikation);
    const SvgSeite perzentile(svgdatenPerzentile);
    const SvgSeite rahmen(dateiInhalt(PerzentileRahmenFilename()));
    const bool mitPerzentilen = !svgdatenPerzentile.isEmpty() && perzentile.isValid() && rahmen.isValid();
    const Abschnitte abschnitte { kopf, { &screening, &schwelle, &diskrimination, &identifikation }, &diskrimination,
        perzentile, rahmen, mitPerzentilen };

    pdf = pdfMalen(abschnitte, dokumentTitel, befund);
    m_bild = bildZeichnen(abschnitte);
    if (label) {
        label->resize(m_bild.size());
        label->setPixmap(m_bild);
        label->repaint();
    }

    const QStringList orte = QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation);
    qDebug() << "app_ordners" << orte;
    const QString app_data_path = Berichtsordner(orte);
    qDebug() << "app_data_path" << app_data_path;
    PdfAblegen(app_data_path);
}

Ergebnis::~Ergebnis() = default;

QString Ergebnis::Erzeuger()
{
    return QStringLiteral("Duftlotse " DUFTLOTSE_VERSION);
}

QString Ergebnis::pdfPfad() const
{
    return m_pdfPfad;
}

const QPixmap& Ergebnis::bild() const
{
    return m_bild;
}

bool Ergebnis::PdfSpeichern(const QString& ordner)
{
    versuchterPfad = PdfDateiname(ordner, personencode);
    qDebug() << "PDF filename" << versuchterPfad;
    if (pdf.isEmpty() || !QDir().mkpath(ordner)) {
        qDebug() << "Ergebnis: kein PDF oder Ordner nicht anlegbar" << ordner;
        return false;
    }
    // The bytes go to a draft beside the report, which takes the report's name only once all of them are on disk;
    // a draft not committed is removed with the object.
    QSaveFile datei(versuchterPfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(pdf) != pdf.size() || !datei.commit()) {
        qDebug() << "Ergebnis: PDF nicht abgelegt" << versuchterPfad << datei.errorString();
        return false;
    }
    qDebug() << "pdfschreiben" << versuchterPfad;
    m_pdfPfad = versuchterPfad;
    return true;
}

void Ergebnis::PdfAblegen(QString ordner)
{
    while (!PdfSpeichern(ordner)) {
        QMessageBox box;
        box.setText(
            tr("Der Bericht konnte nicht als PDF gespeichert werden:\n%1").arg(rueckfrage::umbrechbar(versuchterPfad)));
        box.addButton(QMessageBox::Ok);
        // A PDF that could not even be drawn is not helped by another folder.
        QPushButton* anderer
            = pdf.isEmpty() ? nullptr : box.addButton(tr("Anderen Ordner wählen…"), QMessageBox::ActionRole);
        rueckfrage::fingergerecht(box);
        box.exec();
        if (box.clickedButton() != anderer)
            return;
        ordner = rueckfrage::ordnerWaehlen(ordner);
        if (ordner.isEmpty())
            return;
    }
}

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
    const QString stamm = ordner + QLatin1Char('/') + dateistamm(personencode);
    QString pfad = stamm + QStringLiteral(".pdf");
    // Another examination's report is never replaced, not even through a dangling link.
    for (int n = 2; QFileInfo::exists(pfad) || QFileInfo(pfad).isSymLink(); ++n)
        pfad = stamm + QStringLiteral(" (%1).pdf").arg(n);
    return pfad;
}
