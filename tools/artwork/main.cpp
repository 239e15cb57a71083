// Writes every picture of the `bilder` resource set, the qrc that lists them and the
// attribution table, and the application's symbol for the package. Usage:
//   duftlotse_artwork <resources/bilder> <resources/bilder.qrc> <paket> [--vorschau <folder>]
// Run with QT_QPA_PLATFORM=offscreen; the SVGs in svg/ are written by hand and only checked.
#include "malen.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>

namespace
{

struct Quelle {
    QString datei;
    bool gezeichnet;
    QStringList emoji;
};

void speichern(const QImage& bild, const QString& pfad)
{
    const bool jpeg = pfad.endsWith(QLatin1String(".jpeg"));
    // JPEG has no alpha: flatten onto white first so transparent edges do not turn black.
    QImage ziel = bild;
    if (jpeg && bild.hasAlphaChannel()) {
        ziel = QImage(bild.size(), QImage::Format_RGB32);
        ziel.fill(Qt::white);
        QPainter p(&ziel);
        p.drawImage(0, 0, bild);
    }
    if (!ziel.save(pfad, jpeg ? "JPEG" : "PNG", jpeg ? 85 : -1))
        qFatal("cannot write %s", qPrintable(pfad));
}

QImage duftbildMalen(const Duftbild& d)
{
    QImage bild(Kante, Kante, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    hintergrund(p, d.flaeche);
    p.setClipPath(karte());
    d.malen(p);
    p.setClipping(false);
    rahmen(p);
    return bild;
}

QString codepunkte(const QString& folge)
{
    QStringList teile;
    for (uint c : folge.toUcs4()) {
        if (c != 0xFE0F) // the emoji presentation selector says nothing about the picture
            teile << QStringLiteral("U+") + QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    }
    return teile.join(QLatin1Char(' '));
}

void textSchreiben(const QString& pfad, const QString& inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt.toUtf8()) < 0 || !datei.commit())
        qFatal("cannot write %s", qPrintable(pfad));
}

QString qrcText(const QStringList& png, const QStringList& svg, const QStringList& jpeg)
{
    QString text;
    QTextStream aus(&text);
    aus << "<RCC>\n";
    const auto block = [&aus](const char* praefix, const char* ordner, const QStringList& namen) {
        aus << "    <qresource prefix=\"/" << praefix << "/Bilder\">\n";
        for (const QString& n : namen)
            aus << "        <file alias=\"" << n << "\">bilder/" << ordner << '/' << n << "</file>\n";
        aus << "    </qresource>\n";
    };
    block("png", "png", png);
    block("svg", "svg", svg);
    block("jpeg", "jpeg", jpeg);
    aus << "</RCC>\n";
    return text;
}

QString lizenzText(const QVector<Quelle>& quellen)
{
    QString text;
    QTextStream aus(&text);
    aus << "# Pictures of the `bilder` resource set\n\n"
           "All pictures in this folder are our own artwork, made for Duftlotse. They are written by\n"
           "`tools/make_artwork.sh` (the generator in `tools/artwork/`), except the SVG files in `svg/`\n"
           "other than the two logos, which are written by hand. This file is written by the generator\n"
           "as well.\n\n"
           "## Sources\n\n"
           "- **Noto Color Emoji** (Google; SIL Open Font License 1.1; Debian package\n"
           "  `fonts-noto-color-emoji`): the emoji glyphs listed below are rendered from this font\n"
           "  and placed on our own background, some together with drawn elements. The OFL allows\n"
           "  pictures made with the font to be used and distributed freely; the font itself is not\n"
           "  shipped.\n"
           "- **Noto Sans** (Google; SIL Open Font License 1.1; Debian package `fonts-noto-core`): the\n"
           "  letters \"DE\" and \"EN\" in `jpeg/flagge.jpeg`, and the lettering of the two logos\n"
           "  `svg/herstellerlogo.svg` and `svg/produktlogo.svg`, written there as outlines of the font.\n"
           "- Everything else is drawn by the generator with QPainter (shapes, gradients, and\n"
           "  deterministic pseudo-random texture) or written by hand as SVG, and is covered by the\n"
           "  project's own licence.\n\n"
           "## Odour pictures\n\n"
           "| Picture | Source |\n"
           "|---|---|\n";
    for (const Quelle& q : quellen) {
        aus << "| `jpeg/" << q.datei << "` | ";
        QStringList teile;
        for (const QString& e : q.emoji)
            teile << e + QStringLiteral(" (") + codepunkte(e) + QLatin1Char(')');
        if (q.gezeichnet && teile.isEmpty())
            aus << "drawn";
        else if (q.gezeichnet)
            aus << "drawn, with Noto Color Emoji " << teile.join(QStringLiteral(", "));
        else
            aus << "Noto Color Emoji " << teile.join(QStringLiteral(", "));
        aus << " |\n";
    }
    aus << "\n## Interface pictures\n\n"
           "| Picture | Source |\n"
           "|---|---|\n"
           "| `png/startknopp.png`, `png/startknopprot.png`, `png/HakenClose.png`, `png/kelvaro.png` | drawn |\n"
           "| `jpeg/flagge.jpeg` | drawn, letters in Noto Sans Bold |\n";
    const auto gezeichnet = logos();
    for (const QString& s : svgDateien()) {
        const bool logo
            = std::any_of(gezeichnet.cbegin(), gezeichnet.cend(), [&s](const auto& l) { return l.first == s; });
        aus << "| `svg/" << s << "` | " << (logo ? "drawn, letters in Noto Sans as outlines" : "hand-written SVG")
            << " |\n";
    }
    aus << "\n## Application symbol\n\n"
           "`paket/duftlotse.svg` and `paket/duftlotse.png` (256 px, rendered from the SVG), the symbol of\n"
           "the menu entry that the Debian package installs, are drawn by the generator from shapes alone\n"
           "and are covered by the project's own licence.\n";
    return text;
}

void vorschauSchreiben(const QVector<Duftbild>& duefte, const QString& ordner, const QString& bilder)
{
    QDir().mkpath(ordner);
    const int feld = 150, spalten = 10;
    const int zeilen = (duefte.size() + spalten - 1) / spalten;
    QImage bogen(spalten * feld, zeilen * (feld + 20), QImage::Format_RGB32);
    bogen.fill(Qt::white);
    QPainter p(&bogen);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont schrift(QStringLiteral("Noto Sans"));
    schrift.setPixelSize(13);
    p.setFont(schrift);
    for (int i = 0; i < duefte.size(); ++i) {
        const QRect zelle((i % spalten) * feld, (i / spalten) * (feld + 20), feld, feld);
        p.drawImage(zelle, QImage(bilder + QStringLiteral("/jpeg/") + duefte[i].name + QStringLiteral(".jpeg")));
        p.drawText(QRect(zelle.left(), zelle.bottom(), feld, 20), Qt::AlignCenter, duefte[i].name);
    }
    p.end();
    bogen.save(ordner + QStringLiteral("/duefte.png"));

    QStringList oberflaeche;
    for (const Knopfbild& k : knopfbilder())
        oberflaeche << k.datei;
    for (const QString& s : svgDateien())
        oberflaeche << QStringLiteral("svg/") + s;
    QImage ui(oberflaeche.size() * 170, 200, QImage::Format_RGB32);
    ui.fill(QColor(247, 247, 247));
    QPainter q(&ui);
    q.setRenderHint(QPainter::SmoothPixmapTransform);
    schrift.setPixelSize(11);
    q.setFont(schrift);
    for (int i = 0; i < oberflaeche.size(); ++i) {
        const QString pfad = bilder + QLatin1Char('/') + oberflaeche[i];
        const QRectF zelle(i * 170 + 10, 10, 150, 150);
        if (pfad.endsWith(QLatin1String(".svg"))) {
            QSvgRenderer svg(pfad);
            QSizeF groesse = svg.defaultSize();
            groesse.scale(zelle.size(), Qt::KeepAspectRatio);
            svg.render(&q, QRectF(zelle.center() - QPointF(groesse.width() / 2, groesse.height() / 2), groesse));
        } else {
            const QImage bild(pfad);
            QSizeF groesse = bild.size();
            groesse.scale(zelle.size(), Qt::KeepAspectRatio);
            q.drawImage(QRectF(zelle.center() - QPointF(groesse.width() / 2, groesse.height() / 2), groesse), bild);
        }
        q.drawText(QRectF(i * 170, 170, 170, 24), Qt::AlignCenter, oberflaeche[i]);
    }
    q.end();
    ui.save(ordner + QStringLiteral("/oberflaeche.png"));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    QString vorschau;
    const int schalter = argumente.indexOf(QStringLiteral("--vorschau"));
    if (schalter >= 0 && schalter + 1 < argumente.size()) {
        vorschau = argumente.at(schalter + 1);
        argumente.erase(argumente.begin() + schalter, argumente.begin() + schalter + 2);
    }
    if (argumente.size() != 3)
        qFatal("usage: duftlotse_artwork <resources/bilder> <resources/bilder.qrc> <paket> [--vorschau <folder>]");
    const QString bilder = QDir(argumente.at(0)).absolutePath();
    const QString qrc = argumente.at(1);
    const QString paket = QDir(argumente.at(2)).absolutePath();
    for (const char* unter : { "png", "svg", "jpeg" })
        QDir(bilder).mkpath(QLatin1String(unter));

    const QVector<Duftbild> duefte = duftbilder();
    QVector<Quelle> quellen;
    QStringList jpeg;
    for (const Duftbild& d : duefte) {
        const QString datei = d.name + QStringLiteral(".jpeg");
        if (jpeg.contains(datei))
            qFatal("odour picture %s is listed twice", qPrintable(d.name));
        verwendeteEmoji(true);
        speichern(duftbildMalen(d), bilder + QStringLiteral("/jpeg/") + datei);
        QStringList emoji = verwendeteEmoji(true).values();
        std::sort(emoji.begin(), emoji.end());
        quellen.append({ datei, !d.nurEmoji, emoji });
        jpeg << datei;
    }
    qInfo() << "odour pictures:" << duefte.size();

    QStringList png;
    for (const Knopfbild& k : knopfbilder()) {
        speichern(k.erzeugen(), bilder + QLatin1Char('/') + k.datei);
        if (k.datei.startsWith(QLatin1String("png/")))
            png << k.datei.mid(4);
        else
            jpeg << k.datei.mid(5);
    }
    for (const auto& logo : logos())
        textSchreiben(bilder + QStringLiteral("/svg/") + logo.first, logo.second);
    for (const QString& s : svgDateien()) {
        const QString pfad = bilder + QStringLiteral("/svg/") + s;
        QSvgRenderer pruefung(pfad);
        if (!pruefung.isValid())
            qFatal("%s is missing or not renderable by QtSvg", qPrintable(pfad));
    }
    qInfo() << "interface pictures:" << png.size() + svgDateien().size() + 1;

    // The menu entry's symbol: the SVG, and the 256 px picture rendered from it for desktops without SVG.
    const QString symbol = paket + QStringLiteral("/duftlotse.svg");
    textSchreiben(symbol, programmsymbol());
    QSvgRenderer symbolRenderer(symbol);
    if (!symbolRenderer.isValid())
        qFatal("%s is not renderable by QtSvg", qPrintable(symbol));
    QImage symbolBild = leinwand(256, 256, true);
    {
        QPainter p(&symbolBild);
        symbolRenderer.render(&p);
    }
    speichern(symbolBild, paket + QStringLiteral("/duftlotse.png"));

    std::sort(jpeg.begin(), jpeg.end());
    textSchreiben(qrc, qrcText(png, svgDateien(), jpeg));
    textSchreiben(bilder + QStringLiteral("/LICENSES.md"), lizenzText(quellen));
    if (!vorschau.isEmpty())
        vorschauSchreiben(duefte, vorschau, bilder);
    return 0;
}
