#include "testsupport.h"
#include "verticallabel.h"

#include <QLabel>

class TestVerticalLabel : public QObject
{
    Q_OBJECT

private slots:
    // The label stands on its side: its hints are those of a plain label, turned.
    void sizeHintsAreTransposed()
    {
        QLabel plain(QStringLiteral("Reihenfolge Darbietung"));
        VerticalLabel vertical(plain.text());
        plain.setMargin(6);
        vertical.setMargin(6);
        QVERIFY(plain.sizeHint().width() > plain.sizeHint().height());
        QCOMPARE(vertical.sizeHint(), plain.sizeHint().transposed());
        QCOMPARE(vertical.minimumSizeHint(), plain.minimumSizeHint().transposed());
    }
};

DUFTLOTSE_TEST_MAIN(TestVerticalLabel)
#include "tst_verticallabel.moc"
