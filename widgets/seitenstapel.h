#pragma once

#include <QStackedWidget>

// The window's page stack. A plain stack asks every page for its size, so a start laid out all
// thirteen pages, the three test screens and the hint texts included, and loaded the fonts of
// each before the first page could be painted. Until the window has been painted this stack
// counts only the page it shows; right after that it counts every page again, as a plain stack
// does, so that the window's minimum size keeps room for each of them.
class Seitenstapel : public QStackedWidget
{
public:
    explicit Seitenstapel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int breite) const override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // The shown page's height at the width inside the stack's margins.
    int hoeheFuerBreite(int breite) const;
    QSize raender() const;

    bool alleSeiten = false;
};
