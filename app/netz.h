#pragma once

#include <QObject>
#include <QString>

// Opens the manual of a test, a PDF on our web server, in the desktop's browser.
class Netz : public QObject
{
    Q_OBJECT

public:
    // The server that carries the manuals under "/Duftlotse/Anleitungen/".
    static const QString Host;

    explicit Netz(QObject* parent = nullptr);

    // The address of the manual of a kind of test; empty for a kind without one.
    static QString anleitungsAdresse(int testart);

    void anleitung(int testart);
};
