#include "testsupport.h"
class TestCatalogue : public QObject { Q_OBJECT private slots: void dummy() {} };
DUFTLOTSE_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
