#pragma once

#include <QString>

class QMessageBox;

// Message boxes that the examiner answers by finger beside the patient. They stay
// ordinary QMessageBoxes with their texts, buttons and roles; only their size changes.
namespace rueckfrage
{

// Gives the buttons of `box` a touch size (at least 48 px tall, text at least 14 pt)
// and puts room between them, so that a destructive answer is not hit by mistake.
// Call after the buttons were added.
void fingergerecht(QMessageBox& box);

// Shows a modal message box without parent with `text` and its OK button.
void hinweis(const QString& text);

} // namespace rueckfrage
