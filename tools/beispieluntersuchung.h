#pragma once

class Datenbank;

namespace beispiel
{

// Fills the store with one complete extended examination of a sample patient: threshold, discrimination
// and identification, each on the left, the right and both sides, with the answers a real run would give.
// The person code is "JM-0815".
void untersuchungSpeichern(Datenbank& db);

} // namespace beispiel
