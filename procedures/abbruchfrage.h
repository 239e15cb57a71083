#pragma once

class QTimer;

// Marks `takt` as a timer that moves an examination on: a sequencer's step, a screen's tick,
// the pending evaluation.
void ablaufTakt(QTimer* takt);

// Asks the examiner whether the running test should really be cancelled (all its
// results are discarded). The texts are translated in the calling screen's context
// (a test screen's, or the main window's for its side page and its close).
// While the question is open the examination stands still: every timer marked with
// ablaufTakt stops. "Weiter Testen" starts again those that ran, each with its own
// interval, so a countdown goes on where it stood; after "Test abbrechen" they stay
// stopped for the caller to discard the examination.
// Returns true only when "Test abbrechen" was clicked.
bool abbruchBestaetigt(const char* kontext);
