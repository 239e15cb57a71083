#pragma once

#include <QString>

class QMessageBox;

// Dialogs that the examiner answers by finger beside the patient. They stay ordinary
// QMessageBoxes and Qt's own folder dialog with their texts, buttons and roles; only
// their size changes.
namespace rueckfrage
{

// Gives the buttons of `box` a touch size (at least 48 px tall, text at least 14 pt)
// and puts room between them, so that a destructive answer is not hit by mistake.
// Call after the buttons were added.
void fingergerecht(QMessageBox& box);

// `pfad` with the platform's separators, for a word-wrapping label: it may break after every folder and every 40
// characters of a long name, where a path that cannot break would run out of its box or widen its page beyond the
// screen.
QString umbrechbar(const QString& pfad);

// Shows a modal message box without parent with `text` and its OK button.
void hinweis(const QString& text);

// Asks `text`, with `erlaeuterung` below it unless empty, and offers the safe answer `zurueck` first and `handlung`
// after it, both of the action role. True only when `handlung` was clicked.
bool frage(const QString& text, const QString& erlaeuterung, const QString& zurueck, const QString& handlung);

// Lets the examiner choose a folder, starting in `start`; empty when the choice was cancelled. The dialog is
// Qt's own, not the desktop's, so that it too is sized for a finger.
QString ordnerWaehlen(const QString& start);

} // namespace rueckfrage
