#include "testsupport.h"
class TestMainWindow : public QObject { Q_OBJECT private slots: void dummy() {} };
DUFTLOTSE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
