#include "testsupport.h"

#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

// What the report relies on in the generated templates. Each id it writes is on one text, path or circle; a text has
// its placeholder at the end of the chain of first children; a marker has "opacity:1" to switch. Pen texts and points
// are black, to be coloured; answer dots keep their colour. Of the ids from a loop, the first and last stand for all.
class TestVorlagen : public QObject
{
    Q_OBJECT

private slots:
    void vertrag_data()
    {
        QTest::addColumn<QString>("ids");
        for (const char* l : { "de_DE", "en_US" }) {
            QTest::addRow("Kopf_%s", l) << QStringLiteral("Name UName Ergebnis LErgebnisScreening RefErgebnisSumme "
                                                          "hakenBilateralDiskrimination RAbschwellungSchwelle Titel "
                                                          "TestScreening TestIdentifikation textAbschwellungLegende ")
                    + (l[0] == 'd' ? "GeburtstagAlter" : "GeburtstagAlterGeschlecht");
            QTest::addRow("Screening_12_%s", l) << "Stift1.1 Stift12.4 LPunkt1 BPunkt12 LStift1.1 BStift12.4";
            QTest::addRow("Identifikationstest_blau_%s", l)
                << "Stift1.1 Stift16.4 LPunkt1 BPunkt16 LStift1.1 BStift16.4";
            QTest::addRow("Diskriminationstest_%s", l) << "LPunkt1 BPunkt16 LStift1.1 BStift16.3";
            QTest::addRow("Schwellentest_%s", l) << "W1_1L W16_7B";
            QTest::addRow("Perzentile_%s", l) << "";
        }
    }

    void vertrag()
    {
        QFETCH(QString, ids);

        const QString pfad = QStringLiteral(":/svg/Vorlagen/%1.svg").arg(QLatin1String(QTest::currentDataTag()));
        QFile datei(pfad);
        QDomDocument doc;
        QVERIFY(datei.open(QIODevice::ReadOnly) && doc.setContent(&datei));
        QMultiHash<QString, QDomElement> elemente;
        for (const char* tag : { "text", "path", "circle" }) {
            const QDomNodeList liste = doc.elementsByTagName(QLatin1String(tag));
            for (int i = 0; i < liste.size(); ++i)
                elemente.insert(liste.at(i).toElement().attribute(QStringLiteral("id")), liste.at(i).toElement());
        }
        const QRegularExpression schwarzWeiss(QStringLiteral("(?i)fill:#(000000|ffffff)"));
        for (const QString& id : ids.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QDomNode text = elemente.value(id);
            while (text.isElement())
                text = text.firstChild();
            const QString stil = elemente.value(id).attribute(QStringLiteral("style"));
            const bool geschrieben
                = !id.contains(QRegularExpression("^([LRB]Stift|haken|[LRB]Abschwellung|textAbschwellung)"));
            const bool geschaltet = !geschrieben || id.startsWith(QLatin1Char('W'));
            QVERIFY2(elemente.count(id) == 1, qPrintable(id + " not there once"));
            QVERIFY2(!geschrieben || (text.isText() && !text.nodeValue().trimmed().isEmpty()), qPrintable(id));
            QVERIFY2(!geschaltet || stil.contains("opacity:1"), qPrintable(id + " cannot be switched: " + stil));
            QVERIFY2(!id.contains(QRegularExpression("Stift|Punkt")) || stil.contains(schwarzWeiss) == geschrieben,
                qPrintable(id + " has the wrong colour: " + stil));
        }

        // The chart is drawn at twice its size, 50 px right and 20 px down, under the frame.
        QSvgRenderer renderer(pfad);
        QImage bild(renderer.defaultSize(), QImage::Format_ARGB32);
        bild.fill(Qt::transparent);
        QPainter painter(&bild);
        renderer.render(&painter);
        painter.end();
        QImage leer(300, 280, QImage::Format_ARGB32);
        leer.fill(Qt::transparent);
        QVERIFY(!pfad.contains("Perzentile") || bild.copy(50, 20, 300, 280) == leer);
    }
};

DUFTLOTSE_TEST_MAIN(TestVorlagen)
#include "tst_vorlagen.moc"
