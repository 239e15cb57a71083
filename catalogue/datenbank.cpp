#include "datenbank.h"

#include "rueckfrage.h"

#include <QDebug>
#include <QDir>
#include <QDomElement>
#include <QFile>
#include <QLocale>

namespace
{

// Numbers in the definition files use a point and may carry blanks ("10 "). QLocale also
// reads "inf" and "nan", which no norm is and which scoring and chart cannot place.
double zahl(const QString& text)
{
    bool ok = false;
    const double wert = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && qIsFinite(wert) ? wert : 0.0;
}

unsigned int ganzzahl(const QString& text)
{
    return text.trimmed().toUInt(nullptr, 10);
}

QString basisname(TestArt testart)
{
    switch (testart) {
    case Screening12:
        return QStringLiteral("Screening12");
    case Identifikationstest_blau:
        return QStringLiteral("Identifikationstest_blau");
    case Schwellentest:
        return QStringLiteral("Schwellentest");
    case Diskriminationstest:
        return QStringLiteral("Diskriminationstest");
    case ExtendedTest:
        return QStringLiteral("ExtendedTest");
    case TestLadenAlle:
        break;
    }
    return QString();
}

} // namespace

int alterInJahren(const QDate& geburtsdatum, const QDate& heute)
{
    if (!geburtsdatum.isValid() || !heute.isValid() || geburtsdatum > heute)
        return -1;
    int jahre = heute.year() - geburtsdatum.year();
    // Born on 29 February: in common years the birthday is reached on 1 March.
    const bool geburtstagErreicht = heute.month() > geburtsdatum.month()
        || (heute.month() == geburtsdatum.month() && heute.day() >= geburtsdatum.day());
    if (!geburtstagErreicht)
        --jahre;
    return jahre;
}

Datenbank::Datenbank(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<WendePunkte>("WendePunkte");
    qRegisterMetaType<QVector<WendePunkte>>("QVector<WendePunkte>");
    qDebug() << "Datenbank::Datenbank";
    openMemDatabase();
    TestsLaden();
}

void Datenbank::TestsLaden()
{
    const QString locale = QLocale().name();
    QDir dir(QStringLiteral(":/xml/"), QLatin1Char('*') + locale + QStringLiteral(".xml"), QDir::Name, QDir::Files);
    qDebug() << locale;

    QStringList dateien = dir.entryList();
    if (dateien.isEmpty()) {
        dir.setNameFilters(dir.nameFilters() << QStringLiteral("*en_US.xml"));
        dateien = dir.entryList();
    }
    if (dateien.isEmpty()) {
        rueckfrage::hinweis(tr("Keine Testvorgabe gefunden"));
        return;
    }

    qDebug() << "testxmls:" << dateien;
    testliste.clear();
    testArten.clear();
    for (const QString& datei : qAsConst(dateien)) {
        testliste.append(XMLTestladen(dir.absoluteFilePath(datei)));
        testArten.append(static_cast<char>(testArt));
    }
}

void Datenbank::TestLaden(TestArt testart)
{
    const QString name = basisname(testart);
    if (name.isEmpty())
        return;
    XMLTestladen(QStringLiteral(":/xml/") + name + QLatin1Char('_') + QLocale().name() + QStringLiteral(".xml"));
}

QString Datenbank::XMLTestladen(QString filename)
{
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly)) {
        DefinitionLeeren();
        qDebug() << "Datenbank::XMLTestladen" << filename << file.errorString();
        return QStringLiteral("Fehler");
    }
    return DefinitionLesen(file.readAll(), filename);
}

QString Datenbank::DefinitionLesen(const QByteArray& xml, const QString& quelle)
{
    DefinitionLeeren();
    const auto fehler = [this, &quelle](const QString& grund) {
        // Nothing of a broken definition stays behind to be asked about.
        doc.clear();
        qDebug() << "Datenbank::DefinitionLesen" << quelle << grund;
        return QStringLiteral("Fehler");
    };
    QString meldung;
    int zeile = 0;
    if (!doc.setContent(xml, false, &meldung, &zeile))
        return fehler(QStringLiteral("Zeile %1: %2").arg(zeile).arg(meldung));

    const QDomElement root = doc.documentElement();
    qDebug() << root.nodeName() << root.nodeValue();
    qDebug() << root.attribute(QStringLiteral("ID"));
    qDebug() << root.attribute(QStringLiteral("TestArt"));
    if (root.nodeName() != QLatin1String("Test"))
        return fehler(QStringLiteral("kein Test, sondern ") + root.nodeName());
    const QString id = root.attribute(QStringLiteral("ID"));
    if (id.trimmed().isEmpty())
        return fehler(QStringLiteral("Test ohne ID"));
    bool ok = false;
    const int art = root.attribute(QStringLiteral("TestArt")).trimmed().toInt(&ok, 10);
    if (!ok || art < Screening12 || art > ExtendedTest)
        return fehler(QStringLiteral("unbekannte TestArt ") + root.attribute(QStringLiteral("TestArt")));
    testArt = static_cast<TestArt>(art);

    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = e.tagName();
        qDebug() << tag << e.attribute(QStringLiteral("Nr"));
        if (tag == QLatin1String("Stift")) {
            Stifte.append(static_cast<char>(ganzzahl(e.attribute(QStringLiteral("Nr"))) & 0xff));
        } else if (tag == QLatin1String("Normwert")) {
            Normwert = zahl(e.text());
            qDebug() << "Normwert" << Normwert;
        } else if (tag == QLatin1String("Anosmie")) {
            Anosmie = zahl(e.text());
        } else if (tag == QLatin1String("Supersmellers")) {
            Supersmellers = zahl(e.text());
        } else if (tag == QLatin1String("Maxwert")) {
            Maxwert = zahl(e.text());
        }
    }
    return id;
}

void Datenbank::DefinitionLeeren()
{
    testArt = TestLadenAlle;
    Stifte.clear();
    doc.clear();
    Normwert = Supersmellers = Anosmie = Maxwert = 0;
}

QStringList Datenbank::ListeDerTest()
{
    return testliste;
}

QByteArray Datenbank::getTestArten() const
{
    return testArten;
}

QByteArray Datenbank::Stiftreihenfolge()
{
    return Stifte;
}

TestArt Datenbank::getTestArt() const
{
    return testArt;
}

double Datenbank::getNormwert() const
{
    return Normwert;
}

double Datenbank::getSupersmellers() const
{
    return Supersmellers;
}

double Datenbank::getAnosmie() const
{
    return Anosmie;
}

double Datenbank::getMaxwert() const
{
    return Maxwert;
}

bool Datenbank::Stiftdaten(unsigned int Stiftnummer, QStringList* Namen, QStringList* Bilder, int* richtig)
{
    if (!Namen || !Bilder || !richtig)
        return false;
    const QDomElement root = doc.documentElement();
    QDomElement stift;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        qDebug() << e.tagName() << e.attribute(QStringLiteral("Nr"));
        if (e.tagName() == QLatin1String("Stift") && ganzzahl(e.attribute(QStringLiteral("Nr"))) == Stiftnummer) {
            stift = e;
            break;
        }
    }
    if (stift.isNull())
        return false;

    *richtig = static_cast<int>(ganzzahl(stift.attribute(QStringLiteral("Korrekt"))));
    for (QDomElement duft = stift.firstChildElement(); !duft.isNull(); duft = duft.nextSiblingElement()) {
        qDebug() << duft.tagName() << duft.attribute(QStringLiteral("Nr")) << duft.attribute(QStringLiteral("Bild"))
                 << duft.text();
        Namen->append(duft.text());
        Bilder->append(duft.attribute(QStringLiteral("Bild")));
    }
    return Namen->size() > 3 && Bilder->size() > 3;
}

bool Datenbank::Perzentile(int Prozent, QString* Name, QStringList* alter, QList<double>* werte)
{
    if (!Name || !alter || !werte)
        return true;
    const QDomElement root = doc.documentElement();
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        qDebug() << e.tagName() << e.attribute(QStringLiteral("Id"));
        if (e.tagName() != QLatin1String("Percentile"))
            continue;
        qDebug() << e.attribute(QStringLiteral("Id")) << e.attribute(QStringLiteral("Prozent"));
        if (e.attribute(QStringLiteral("Prozent")).trimmed().toInt(nullptr, 10) != Prozent)
            continue;
        *Name = e.attribute(QStringLiteral("Id"));
        for (QDomElement punkt = e.firstChildElement(); !punkt.isNull(); punkt = punkt.nextSiblingElement()) {
            qDebug() << punkt.tagName() << punkt.attribute(QStringLiteral("Alt"))
                     << punkt.attribute(QStringLiteral("Wert"));
            alter->append(punkt.attribute(QStringLiteral("Alt")));
            werte->append(zahl(punkt.attribute(QStringLiteral("Wert"))));
        }
    }
    return true;
}
