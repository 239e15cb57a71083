#include "testsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QProcess>
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
void tryAnswer(const QString& text, const std::shared_ptr<GeseheneBox>& gesehen, int attemptsLeft)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible())
            continue;
        gesehen->text = box->text();
        gesehen->informativeText = box->informativeText();
        gesehen->fingergerecht = !box->buttons().isEmpty();
        QAbstractButton* ziel = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            gesehen->knoepfe << b->text();
            gesehen->fingergerecht = gesehen->fingergerecht && b->height() >= 48 && b->font().pointSizeF() >= 14;
            if (b->text() == text)
                ziel = b;
        }
        if (ziel) {
            ziel->click();
            gesehen->beantwortet = true;
            return;
        }
    }
    if (attemptsLeft > 0)
        QTimer::singleShot(10, [=] { tryAnswer(text, gesehen, attemptsLeft - 1); });
}
} // namespace

std::shared_ptr<GeseheneBox> answerNextMessageBoxSeen(const QString& buttonText)
{
    auto gesehen = std::make_shared<GeseheneBox>();
    QTimer::singleShot(0, [=] { tryAnswer(buttonText, gesehen, 500); });
    return gesehen;
}

std::shared_ptr<bool> answerNextMessageBox(const QString& buttonText)
{
    auto gesehen = answerNextMessageBoxSeen(buttonText);
    // Aliases the flag inside the shared record, so both live as long as either is held.
    return std::shared_ptr<bool>(gesehen, &gesehen->beantwortet);
}

QString ausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& pdf)
{
    return ausgabe(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") }).simplified();
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
