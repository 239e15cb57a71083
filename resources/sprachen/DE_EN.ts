<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>Datenbank</name>
    <message>
        <source>Keine Testvorgabe gefunden</source>
        <translation>No Testtemplate found</translation>
    </message>
    <message>
        <source> Jahre, </source>
        <translation> years, </translation>
    </message>
</context>
<context>
    <name>Ergebnis</name>
    <message>
        <source>Der Bericht konnte nicht als PDF gespeichert werden:
%1</source>
        <translation>The report could not be saved as PDF:
%1</translation>
    </message>
    <message>
        <source>Punktwert: %1 (Grenzwert: %2) - %?1V.a. pathologischen Befund%?2Normalbefund</source>
        <translation>score: %1 (limit: %2) - %?1pathology suspected%?2normal finding</translation>
    </message>
    <message>
        <source>Normosmie</source>
        <translation>Normosmia</translation>
    </message>
    <message>
        <source>Anosmie</source>
        <translation>Anosmia</translation>
    </message>
    <message>
        <source>Hyposmie</source>
        <translation>Hyposmia</translation>
    </message>
    <message>
        <source>Supersmeller</source>
        <translation>Supersmeller</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>result</translation>
    </message>
</context>
<context>
    <name>FormDiskriminationstest</name>
    <message>
        <source>Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung „Discrimination Test“ aus</source>
        <translation>Please select the sticks from the holder labeled „Discrimination Test“</translation>
    </message>
    <message>
        <source>Auswahl des Patienten</source>
        <translation>Patient&apos;s selection</translation>
    </message>
    <message>
        <source>Blaue Kappe</source>
        <translation>Blue cap</translation>
    </message>
    <message>
        <source>Grüne Kappe</source>
        <translation>Green cap</translation>
    </message>
    <message>
        <source>Rote Kappe</source>
        <translation>Red cap</translation>
    </message>
    <message>
        <source>Reihenfolge Darbietung</source>
        <translation>Order of presentation</translation>
    </message>
    <message>
        <source>Bitte Stift Nr. 1 </source>
        <translation>Use stick no 1 </translation>
    </message>
    <message>
        <source>Wartezeit beachten %v s</source>
        <translation>regard waiting time %v s</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. %1 und bestätigen Sie anschließend den vom Patienten erkannten Stift</source>
        <translation>Please present the sticks from triplet %1 to the patient in the order shown to the right and confirm the stick recognized by the patient.</translation>
    </message>
    <message>
        <source>Wartezeit beachten %v s </source>
        <translation>regard waiting time %v s </translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Really cancel?</translation>
    </message>
    <message>
        <source>Alle Ergebnisse werden verworfen</source>
        <translation>All results will be discarded</translation>
    </message>
    <message>
        <source>Weiter Testen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Test abbrechen</source>
        <translation>Cancel test</translation>
    </message>
</context>
<context>
    <name>FormSchwellentest</name>
    <message>
        <source>Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung Threshold Test aus.</source>
        <translation>Please select the sticks from the holder labeled Threshold Test.</translation>
    </message>
    <message>
        <source>Auswahl des Patienten</source>
        <translation>Patient&apos;s selection</translation>
    </message>
    <message>
        <source>Blaue Kappe</source>
        <translation>Blue cap</translation>
    </message>
    <message>
        <source>Grüne Kappe</source>
        <translation>Green cap</translation>
    </message>
    <message>
        <source>Rote Kappe</source>
        <translation>Red cap</translation>
    </message>
    <message>
        <source>Reihenfolge Darbietung</source>
        <translation>Order of presentation</translation>
    </message>
    <message>
        <source>Bitte Stift Nr. 1 </source>
        <translation>Use stick no 1 </translation>
    </message>
    <message>
        <source>Wartezeit beachten %v s </source>
        <translation>regard waiting time %v s </translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. %1 und bestätigen Sie anschließend den vom Patienten erkannten Stift</source>
        <translation>Please present the sticks from triplet %1 to the patient in the order shown to the right and confirm the stick recognized by the patient.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Triplets mit der roten Kappe</source>
        <translation> </translation>
    </message>
    <message>
        <source>bestätigen</source>
        <translation>confirm</translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Really cancel?</translation>
    </message>
    <message>
        <source>Alle Ergebnisse werden verworfen</source>
        <translation>All results will be discarded</translation>
    </message>
    <message>
        <source>Weiter Testen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Test abbrechen</source>
        <translation>Cancel test</translation>
    </message>
</context>
<context>
    <name>FormScreeningtest</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Bitte Stift Nr</source>
        <translation>Use stick no</translation>
    </message>
    <message>
        <source>einsetzen</source>
        <translation>insert</translation>
    </message>
    <message>
        <source>Das war der falsche Stift</source>
        <translation>That&apos;s the wrong stick</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Brombeere</source>
        <translation>Blackberry</translation>
    </message>
    <message>
        <source>Erdbeere</source>
        <translation>Strawberry</translation>
    </message>
    <message>
        <source>Ananas</source>
        <translation>Pineapple</translation>
    </message>
    <message>
        <source>Bitte reichen Sie dem Patienten den Stift Nr. %1 und bestätigen Sie anschließend den vom Patienten erkannten Geruch</source>
        <translation>Please hand the stick %1 to the patient and then confirm the smell recognized by the patient</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung %1 aus</source>
        <translation>Please select the sticks from the holder labeled %1.</translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Really cancel?</translation>
    </message>
    <message>
        <source>Alle Ergebnisse werden verworfen</source>
        <translation>All results will be discarded</translation>
    </message>
    <message>
        <source>Weiter Testen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Test abbrechen</source>
        <translation>Cancel test</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source> Beta Nur zu Testzwecken</source>
        <translation> Beta Only for testing pruposes</translation>
    </message>
    <message>
        <source>Duftlotse</source>
        <translation>Duftlotse</translation>
    </message>
    <message>
        <source>Riech- und Schmecktests zur Geruchs- und Geschmacksdiagnostik </source>
        <translation>Taste- and smelltests </translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
</context>
</TS>
