#include "testsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
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

namespace
{
bool inScrollArea(const QWidget* w, const QWidget* page)
{
    for (const QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    }
    return false;
}

QString sizeText(const QSize& s)
{
    return QStringLiteral("%1 × %2").arg(s.width()).arg(s.height());
}
} // namespace

QStringList layoutProblems(QWidget* page)
{
    QStringList problems;
    const auto report = [&](const QWidget* w, const QString& what) {
        problems << QStringLiteral("%1 (%2) %3").arg(w->objectName(), w->metaObject()->className(), what);
    };
    for (QWidget* w : page->findChildren<QWidget*>()) {
        // Qt's own parts (scroll bars, viewports, the line edit of a combo box) follow their owner.
        if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect place(w->mapTo(page, QPoint(0, 0)), w->size());
        if (!inScrollArea(w, page) && !page->rect().contains(place))
            report(w, QStringLiteral("reaches out of the page"));

        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            report(w, QStringLiteral("text cut off"));
        const bool showsText = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
            || qobject_cast<QComboBox*>(w) || (label && !label->hasScaledContents());
        const QSize least = w->minimumSizeHint();
        if (showsText && least.isValid() && (w->width() < least.width() || w->height() < least.height()))
            report(w, QStringLiteral("squeezed to %1 instead of %2").arg(sizeText(w->size()), sizeText(least)));

        if (qobject_cast<QAbstractButton*>(w) && w->height() < smallestButton)
            report(w, QStringLiteral("button only %1 px high").arg(w->height()));

        auto* area = qobject_cast<QScrollArea*>(w);
        if (area && area->horizontalScrollBar()->isVisible())
            report(w, QStringLiteral("scrolls sideways"));
    }
    return problems;
}

} // namespace testsupport
