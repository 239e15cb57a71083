#include "testsupport.h"
#include "verticallabel.h"

#include <QLabel>

class TestVerticalLabel : public QObject
{
    Q_OBJECT

private slots:
    void sizeHintsAreTransposed_data();
    void sizeHintsAreTransposed();
    void longerTextGrowsTaller();
};

void TestVerticalLabel::sizeHintsAreTransposed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("margin");

    QTest::newRow("caption with margin") << QStringLiteral("Reihenfolge Darbietung") << 6;
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
    const QSize kurz = VerticalLabel(QStringLiteral("Reihenfolge")).sizeHint();
    const QSize lang = VerticalLabel(QStringLiteral("Reihenfolge Darbietung")).sizeHint();
    QVERIFY(lang.height() > kurz.height());
    QCOMPARE(lang.width(), kurz.width());
}

DUFTLOTSE_TEST_MAIN(TestVerticalLabel)
#include "tst_verticallabel.moc"
