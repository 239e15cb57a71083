// Any texts as the patient's and the examiner's data. They go through the store into the report's header as the
// report fills it, and the header stays an SVG the renderer reads: well-formed XML with the template's elements and
// no others, every field showing its text as text, whole or cut with "…" where the field is too narrow. Characters
// that XML cannot carry are the only ones that may go missing. The store gives every text back as it came, except
// that SQLite, keeping text as UTF-8, reads the non-characters U+FFFE and U+FFFF back as U+FFFD.

#include "fuzzhilfe.h"

#include "datenbank.h"
#include "ergebnis.h"
#include "svgseite.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QXmlStreamReader>

#include <fuzzer/FuzzedDataProvider.h>

namespace
{

Datenbank* db = nullptr;
// The two header templates, parsed once; each run fills a copy.
QMap<QString, QDomDocument> vorlagen;

// The text without the characters XML cannot carry, the white space among them as blanks; white space simplified.
QString bereinigt(const QString& text)
{
    QString ergebnis;
    for (int i = 0; i < text.size(); ++i) {
        const QChar zeichen = text.at(i);
        const ushort wert = zeichen.unicode();
        if (zeichen.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ergebnis += text.mid(i++, 2);
        else if ((wert >= 0x20 && wert <= 0xD7FF) || (wert >= 0xE000 && wert <= 0xFFFD) || zeichen.isSpace())
            ergebnis += zeichen.isSpace() ? QChar(QLatin1Char(' ')) : zeichen;
    }
    return ergebnis.simplified();
}

// Tag and id of every element but the text runs, which a field of several lines adds; the runs counted apart.
QStringList gerippe(const QDomElement& element, int* laeufe)
{
    QStringList liste;
    for (QDomElement kind = element.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement()) {
        if (kind.tagName() == QLatin1String("tspan"))
            ++*laeufe;
        else
            liste << kind.tagName() + QLatin1Char('#') + kind.attribute(QStringLiteral("id"));
        liste << gerippe(kind, laeufe);
    }
    return liste;
}

QDomElement feld(const QDomElement& element, const QString& id)
{
    if (element.attribute(QStringLiteral("id")) == id)
        return element;
    for (QDomElement kind = element.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement()) {
        const QDomElement gefunden = feld(kind, id);
        if (!gefunden.isNull())
            return gefunden;
    }
    return QDomElement();
}

// The lines a field shows: the text of each of its runs.
QStringList zeilen(const QDomElement& element)
{
    QStringList liste;
    for (QDomNode kind = element.firstChild(); !kind.isNull(); kind = kind.nextSibling())
        if (kind.isText())
            liste << kind.nodeValue();
        else
            liste << zeilen(kind.toElement());
    return liste;
}

void textPruefen(const QDomElement& vorlage, const QDomElement& gefuellt, const QString& id, const QString& text)
{
    const QString soll = bereinigt(text);
    const QStringList ist = zeilen(gefuellt);
    const QString ganz = ist.join(QLatin1Char(' ')).simplified();
    const QString fall = id + QStringLiteral(": ") + text + QStringLiteral(" -> ") + ist.join(QLatin1Char('|'));
    if (!vorlage.hasAttribute(QStringLiteral("data-breite"))) {
        if (ganz != soll)
            fuzz::verletzt("der ganze Text in einem Feld ohne Breite", fall);
        return;
    }
    bool gekuerzt = false;
    for (QString zeile : ist) {
        // Around the ellipsis Qt keeps the direction marks of a right-to-left text and puts a joiner after a cut
        // Arabic letter, neither of them visible.
        const auto ohneFormat = [&zeile] {
            while (!zeile.isEmpty() && zeile.back().category() == QChar::Other_Format)
                zeile.chop(1);
        };
        ohneFormat();
        const bool ellipse = zeile.endsWith(QChar(0x2026));
        if (ellipse) {
            zeile.chop(1);
            ohneFormat();
        }
        gekuerzt = gekuerzt || ellipse;
        if (!soll.contains(zeile.simplified()))
            fuzz::verletzt("jede Zeile ein Stück des Texts", fall);
    }
    if (!gekuerzt && ganz != soll)
        fuzz::verletzt("der ganze Text, wo nichts gekürzt ist", fall);
}

// How many runs the fields of several lines may add.
int weitereZeilen(const QDomElement& element)
{
    int zahl = qMax(0, element.attribute(QStringLiteral("data-zeilen")).toInt() - 1);
    for (QDomElement kind = element.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement())
        zahl += weitereZeilen(kind);
    return zahl;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::anwendung(true);
    db = new Datenbank(nullptr);
    for (const char* sprache : { "de_DE", "en_US" }) {
        QLocale::setDefault(QLocale(QLatin1String(sprache)));
        QFile datei(Ergebnis::VorlagenPfad(QStringLiteral("Kopf")));
        QDomDocument& doc = vorlagen[QLatin1String(sprache)];
        if (!datei.open(QIODevice::ReadOnly) || !doc.setContent(&datei))
            fuzz::verletzt("die Kopfvorlage liest sich", datei.fileName());
        Ergebnis::MarkerAus(doc);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider eingabe(data, size);
    const QString sprache = eingabe.ConsumeBool() ? QStringLiteral("en_US") : QStringLiteral("de_DE");
    // Patient: first name, name, birth date, gender, birth name, code, address, phone, smoking, note;
    // examiner: first name, name, comment. Each ends at a backslash followed by another character.
    QStringList texte;
    for (int i = 0; i < 13; ++i)
        texte << QString::fromStdString(eingabe.ConsumeRandomLengthString(size));

    db->PatientLoeschen(-1);
    db->PatientSpeichern(
        texte[0], texte[1], texte[2], texte[3], texte[4], texte[5], texte[6], texte[7], texte[8], texte[9]);
    db->UntersucherSpeichern(texte[10], texte[11], texte[12]);
    QMap<QString, QString> felder = db->Patientendaten(0);
    const QMap<QString, QString> untersucher = db->Untersucherdaten(0);
    db->UntersucherLoeschen(-1);
    const QStringList gespeichert { felder.value(QStringLiteral("Vorname")), felder.value(QStringLiteral("Nachname")),
        felder.value(QStringLiteral("Geburtsdatum")), felder.value(QStringLiteral("Geschlecht")),
        felder.value(QStringLiteral("Geburtsname")), felder.value(QStringLiteral("Personencode")),
        felder.value(QStringLiteral("Adresse")), felder.value(QStringLiteral("TelefonEmail")),
        felder.value(QStringLiteral("Rauchgewohnheit")), felder.value(QStringLiteral("Notiz")),
        untersucher.value(QStringLiteral("UVorname")), untersucher.value(QStringLiteral("UNachname")),
        untersucher.value(QStringLiteral("Bemerkung")) };
    QStringList erwartet = texte;
    for (QString& text : erwartet)
        text.replace(QChar(0xFFFE), QChar(0xFFFD)).replace(QChar(0xFFFF), QChar(0xFFFD));
    if (gespeichert != erwartet)
        fuzz::verletzt("der Speicher gibt die Texte zurück, wie sie kamen",
            texte.join(QLatin1Char('|')) + QStringLiteral(" -> ") + gespeichert.join(QLatin1Char('|')));

    // As the report fills its header.
    QLocale::setDefault(QLocale(sprache));
    const QDomDocument& vorlage = vorlagen[sprache];
    QDomDocument doc = vorlage.cloneNode(true).toDocument();
    for (auto it = felder.cbegin(); it != felder.cend(); ++it)
        Ergebnis::TextSetzen(doc, it.key(), it.value());
    for (auto it = untersucher.cbegin(); it != untersucher.cend(); ++it) {
        Ergebnis::TextSetzen(doc, it.key(), it.value());
        felder.insert(it.key(), it.value());
    }
    felder.insert(QStringLiteral("Untersuchungsnr"),
        QStringLiteral("U04.12.2026 09:15") + felder.value(QStringLiteral("Personencode")));
    Ergebnis::TextSetzen(doc, QStringLiteral("Untersuchungsnr"), felder.value(QStringLiteral("Untersuchungsnr")));
    SvgSeite::FelderEinpassen(doc);
    const QByteArray svg = doc.toByteArray(1);

    QXmlStreamReader leser(svg);
    while (!leser.atEnd())
        leser.readNext();
    if (leser.hasError())
        fuzz::verletzt("wohlgeformtes XML", leser.errorString() + QLatin1Char(' ') + texte.join(QLatin1Char('|')));
    QDomDocument gelesen;
    if (!gelesen.setContent(svg))
        fuzz::verletzt("das DOM liest den Kopf wieder", texte.join(QLatin1Char('|')));
    int laeufeVorlage = 0;
    int laeufe = 0;
    if (gerippe(gelesen.documentElement(), &laeufe) != gerippe(vorlage.documentElement(), &laeufeVorlage)
        || laeufe > laeufeVorlage + weitereZeilen(vorlage.documentElement()))
        fuzz::verletzt("kein Element mehr oder weniger", texte.join(QLatin1Char('|')));
    for (auto it = felder.cbegin(); it != felder.cend(); ++it) {
        const QDomElement inVorlage = feld(vorlage.documentElement(), it.key());
        if (!inVorlage.isNull())
            textPruefen(inVorlage, feld(gelesen.documentElement(), it.key()), it.key(), it.value());
    }
    if (!SvgSeite(svg).isValid())
        fuzz::verletzt("der Kopf lässt sich zeichnen", texte.join(QLatin1Char('|')));
    return 0;
}
