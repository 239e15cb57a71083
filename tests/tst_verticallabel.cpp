#include "testsupport.h"
#include "verticallabel.h"

#include <QImage>
#include <QLabel>

class TestVerticalLabel : public QObject
{
    Q_OBJECT

private slots:
    void sizeHintsAreTransposed_data();
    void sizeHintsAreTransposed();
    void longerTextGrowsTaller();
    void largerWidgetDrawsAtTheSamePlace();
};

void TestVerticalLabel::sizeHintsAreTransposed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("margin");

    QTest::newRow("caption") << QStringLiteral("Reihenfolge Darbietung") << 6;
    QTest::newRow("umlauts") << QStringLiteral("Grüne Kappe öffnen") << 0;
    QTest::newRow("empty") << QString() << 6;
}

void TestVerticalLabel::sizeHintsAreTransposed()
{
    QFETCH(QString, text);
    QFETCH(int, margin);

    QLabel plain(text);
    VerticalLabel vertical(text);
    plain.setMargin(margin);
    vertical.setMargin(margin);

    QCOMPARE(vertical.sizeHint(), plain.sizeHint().transposed());
    QCOMPARE(vertical.minimumSizeHint(), plain.minimumSizeHint().transposed());
}

void TestVerticalLabel::longerTextGrowsTaller()
{
    VerticalLabel kurz(QStringLiteral("Reihenfolge"));
    VerticalLabel lang(QStringLiteral("Reihenfolge Darbietung"));

    QVERIFY(lang.sizeHint().height() > kurz.sizeHint().height());
    QCOMPARE(lang.sizeHint().width(), kurz.sizeHint().width());
}

void TestVerticalLabel::largerWidgetDrawsAtTheSamePlace()
{
    VerticalLabel label(QStringLiteral("Reihenfolge Darbietung"));
    const QSize hint = label.sizeHint();
    QVERIFY(hint.height() > hint.width());

    label.resize(hint);
    QImage klein(hint, QImage::Format_ARGB32);
    klein.fill(Qt::white);
    label.render(&klein);

    label.resize(hint * 2);
    QImage gross(hint * 2, QImage::Format_ARGB32);
    gross.fill(Qt::white);
    label.render(&gross);

    // Text was drawn, and the larger widget shows exactly the same band at its top-left
    // corner with nothing but background elsewhere.
    const QColor hintergrund = label.palette().color(QPalette::Window);
    bool textGezeichnet = false;
    for (int y = 0; y < klein.height() && !textGezeichnet; ++y)
        for (int x = 0; x < klein.width() && !textGezeichnet; ++x)
            textGezeichnet = klein.pixelColor(x, y) != hintergrund;
    QVERIFY(textGezeichnet);

    QImage erwartet(gross.size(), QImage::Format_ARGB32);
    erwartet.fill(hintergrund);
    for (int y = 0; y < klein.height(); ++y)
        for (int x = 0; x < klein.width(); ++x)
            erwartet.setPixelColor(x, y, klein.pixelColor(x, y));
    QCOMPARE(gross, erwartet);
}

DUFTLOTSE_TEST_MAIN(TestVerticalLabel)
#include "tst_verticallabel.moc"
