#pragma once

// Asks the examiner whether the running test should really be cancelled (all its
// results are discarded). The texts are translated in the calling screen's context
// (a test screen's, or the main window's for its side page).
// Returns true only when "Test abbrechen" was clicked.
bool abbruchBestaetigt(const char* kontext);
