#pragma once

#include <QString>

class Datenbank;

namespace beispiel
{

// Fills the store with one complete extended examination of a sample patient: threshold, discrimination
// and identification, each on the left, the right and both sides, with the answers a real run would give.
void untersuchungSpeichern(Datenbank& db, const QString& personencode = QStringLiteral("JM-0815"));

} // namespace beispiel
