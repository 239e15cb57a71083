#include "datenbank.h"

// Placeholder until scoring lands.
QMap<QString, QString> Datenbank::Patientendaten(int) { return {}; }
QMap<QString, QString> Datenbank::Untersucherdaten(int) { return {}; }
TestErgebnisse Datenbank::TestErgebnisDaten(int) { return {}; }
bool Datenbank::WendepunkteAuswerten(TestErgebnis*, int) { return false; }
QMap<QString, QString> Datenbank::TestDaten(int) { return {}; }
bool Datenbank::DiskriminationAuswerten(TestErgebnis*, int) { return false; }
bool Datenbank::TestDatenScreening(TestErgebnis*, int) { return false; }
