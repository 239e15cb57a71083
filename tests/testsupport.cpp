#include "testsupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace testsupport
{

namespace
{
QTemporaryDir* home()
{
    static QTemporaryDir dir;
    return &dir;
}
} // namespace

void isolateEnvironment()
{
    const QString root = home()->path();
    for (const char* sub : { "config", "data", "cache", "Documents", "runtime" })
        QDir(root).mkpath(QString::fromLatin1(sub));
    qputenv("HOME", root.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + "/data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (root + "/cache").toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (root + "/Documents").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (root + "/runtime").toLocal8Bit());
    QFile::setPermissions(root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
}

QString homePath()
{
    return home()->path();
}

namespace
{
void tryAnswer(
    const QString& text, const std::shared_ptr<bool>& done, const std::shared_ptr<QString>& boxText, int attemptsLeft)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible())
            continue;
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == text) {
                if (boxText)
                    *boxText = box->text();
                b->click();
                *done = true;
                return;
            }
        }
    }
    if (attemptsLeft > 0)
        QTimer::singleShot(10, [=] { tryAnswer(text, done, boxText, attemptsLeft - 1); });
}
} // namespace

std::shared_ptr<bool> answerNextMessageBox(const QString& buttonText, const std::shared_ptr<QString>& boxText)
{
    auto done = std::make_shared<bool>(false);
    QTimer::singleShot(0, [=] { tryAnswer(buttonText, done, boxText, 500); });
    return done;
}

void clickAndAnswer(QAbstractButton* button, const QString& answer)
{
    const auto answered = answerNextMessageBox(answer);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(*answered);
}

qint64 twoSecondsOfWaiting(QProgressBar* bar, const std::function<void()>& answer)
{
    QElapsedTimer clock;
    clock.start();
    QMap<int, qint64> firstShown;
    QObject observer;
    QObject::connect(bar, &QProgressBar::valueChanged, &observer, [&](int value) {
        if (!firstShown.contains(value))
            firstShown.insert(value, clock.elapsed());
    });
    answer();
    if (QTest::currentTestFailed())
        return -1;
    if (!QTest::qWaitFor([&] { return firstShown.contains(27); }, 10000) || !firstShown.contains(29))
        return -1;
    return firstShown.value(27) - firstShown.value(29);
}

} // namespace testsupport
