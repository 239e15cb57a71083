#pragma once

// Asks the examiner whether the running test should really be cancelled (all its
// results are discarded). The texts are translated in the calling screen's context.
// Returns true only when "Test abbrechen" was clicked.
bool abbruchBestaetigt(const char* kontext);
