#include "datenbank.h"

// Placeholder until the examination store lands.
int Datenbank::openMemDatabase() { return 0; }
void Datenbank::setupMemDatabase() {}
void Datenbank::PatientSpeichern(QString, QString, QString, QString, QString, QString, QString, QString, QString, QString) {}
void Datenbank::UntersucherSpeichern(QString, QString, QString) {}
void Datenbank::TestStartSpeichern(QString, int, int) {}
void Datenbank::PatientLoeschen(int) {}
bool Datenbank::TestLoeschen(int) { return false; }
void Datenbank::TestStiftSpeichern(int, int, int, QStringList) {}
void Datenbank::WendepunkteSpeichern(QVector<WendePunkte>) {}
void Datenbank::DiskriminationSpeicher(QByteArray) {}
