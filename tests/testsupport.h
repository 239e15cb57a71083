#pragma once

#include <QApplication>
#include <QString>
#include <QTest>

#include <memory>

class QWidget;

namespace testsupport {

// Points HOME, the XDG folders and the documents folder at a private temporary
// folder for the whole test run, so no test reads or writes the real user's
// settings or documents. Must run before anything touches QSettings.
void isolateEnvironment();

// Path of the temporary home made by isolateEnvironment().
QString homePath();

// Answers the next modal message box: re-arms a zero timer until a box is
// visible, then clicks the button with the given text. Returns a flag that
// turns true once the button was clicked, for QTRY_VERIFY(*flag).
std::shared_ptr<bool> answerNextMessageBox(const QString& buttonText);

// Finds a descendant by object name and fails the running test with the
// missing name if there is none.
template <typename T>
T* child(QObject* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        QTest::qFail(qPrintable(QStringLiteral("no widget named %1").arg(name)), __FILE__, __LINE__);
    return w;
}

} // namespace testsupport

// main() for every test: isolate first, then a QApplication (the offscreen
// platform is set by CTest) and the QtTest run.
#define DUFTLOTSE_TEST_MAIN(TestObject)                                                                                \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        testsupport::isolateEnvironment();                                                                             \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
