<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>Datenbank</name>
    <message>
        <source>Keine Testvorgabe gefunden</source>
        <translation>No test definition found.</translation>
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
        <translation>The report could not be saved as a PDF:
%1</translation>
    </message>
    <message>
        <source>Punktwert: %1 (Grenzwert: %2) - %?1V.a. pathologischen Befund%?2Normalbefund</source>
        <translation>Score %1 (cut-off %2) – %?1abnormal, smell loss suspected%?2normal</translation>
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
        <translation>Result</translation>
    </message>
    <message>
        <source>Anderen Ordner wählen…</source>
        <translation>Choose another folder…</translation>
    </message>
</context>
<context>
    <name>FormDiskriminationstest</name>
    <message>
        <source>Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung „Discrimination Test“ aus</source>
        <translation>Use the pens from the holder labelled “Discrimination Test”.</translation>
    </message>
    <message>
        <source>Auswahl des Patienten</source>
        <translation>Patient&apos;s choice</translation>
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
        <translation>Pen no. 1 </translation>
    </message>
    <message>
        <source>Wartezeit beachten %v s</source>
        <translation>Waiting time: %v s</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. %1 und bestätigen Sie anschließend den vom Patienten erkannten Stift</source>
        <translation>Present the three pens of triplet no. %1 in the order shown on the left, then select the cap of the pen the patient picked.</translation>
    </message>
    <message>
        <source>Wartezeit beachten %v s </source>
        <translation>Waiting time: %v s </translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Cancel the examination?</translation>
    </message>
    <message>
        <source>Alle Ergebnisse werden verworfen</source>
        <translation>All results will be discarded.</translation>
    </message>
    <message>
        <source>Weiter Testen</source>
        <translation>Continue testing</translation>
    </message>
    <message>
        <source>Test abbrechen</source>
        <translation>Cancel examination</translation>
    </message>
</context>
<context>
    <name>FormSchwellentest</name>
    <message>
        <source>Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung Threshold Test aus.</source>
        <translation>Use the pens from the holder labelled “Threshold Test”.</translation>
    </message>
    <message>
        <source>Auswahl des Patienten</source>
        <translation>Patient&apos;s choice</translation>
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
        <translation>Pen no. 1 </translation>
    </message>
    <message>
        <source>Wartezeit beachten %v s </source>
        <translation>Waiting time: %v s </translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. %1 und bestätigen Sie anschließend den vom Patienten erkannten Stift</source>
        <translation>Present the three pens of triplet no. %1 in the order shown on the left, then select the cap of the pen the patient picked.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Triplets mit der roten Kappe</source>
        <translation>Select the triplets with the red cap, then confirm.</translation>
    </message>
    <message>
        <source>bestätigen</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Cancel the examination?</translation>
    </message>
    <message>
        <source>Alle Ergebnisse werden verworfen</source>
        <translation>All results will be discarded.</translation>
    </message>
    <message>
        <source>Weiter Testen</source>
        <translation>Continue testing</translation>
    </message>
    <message>
        <source>Test abbrechen</source>
        <translation>Cancel examination</translation>
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
        <translation>Insert pen no.</translation>
    </message>
    <message>
        <source>einsetzen</source>
        <translation>into the reader</translation>
    </message>
    <message>
        <source>Das war der falsche Stift</source>
        <translation>That was the wrong pen</translation>
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
        <translation>Present pen no. %1 to the patient, then select the odour the patient named.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung %1 aus</source>
        <translation>Use the pens from the holder labelled “%1”.</translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Cancel the examination?</translation>
    </message>
    <message>
        <source>Alle Ergebnisse werden verworfen</source>
        <translation>All results will be discarded.</translation>
    </message>
    <message>
        <source>Weiter Testen</source>
        <translation>Continue testing</translation>
    </message>
    <message>
        <source>Test abbrechen</source>
        <translation>Cancel examination</translation>
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
        <translation> beta – for testing only</translation>
    </message>
    <message>
        <source>Duftlotse</source>
        <translation>Duftlotse</translation>
    </message>
    <message>
        <source>Riech- und Schmecktests zur Geruchs- und Geschmacksdiagnostik </source>
        <translation>Smell and taste tests for olfactory and gustatory diagnostics</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>PATIENT</source>
        <translation>PATIENT</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>* TT.MM.JJJJ</source>
        <translation>* DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>Geburtsname:</source>
        <translation>Birth name</translation>
    </message>
    <message>
        <source>Personencode</source>
        <translation>Patient ID</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Telefon/Email</source>
        <translation>Phone/email</translation>
    </message>
    <message>
        <source>Rauchgewohnheit</source>
        <translation>Smoking status</translation>
    </message>
    <message>
        <source>Nichtraucher</source>
        <translation>Non-smoker</translation>
    </message>
    <message>
        <source>Gelegenheitsraucher</source>
        <translation>Occasional smoker</translation>
    </message>
    <message>
        <source>Raucher</source>
        <translation>Smoker</translation>
    </message>
    <message>
        <source>Kettenraucher, Gelegenheitsraucher ...</source>
        <translation>Chain smoker, occasional smoker …</translation>
    </message>
    <message>
        <source>Notiz</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Abschwellung</source>
        <translation>Decongestion</translation>
    </message>
    <message>
        <source>Wurde ein abschwellendes Mittel verabreicht?</source>
        <translation>Was a nasal decongestant given?</translation>
    </message>
    <message>
        <source>UNTERSUCHER</source>
        <translation>EXAMINER</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>TEST</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Fotos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Sollen im Identifikations- oder im Screening-Test Fotos angezeigt werden?</source>
        <translation>Show photos in the identification and screening tests?</translation>
    </message>
    <message>
        <source>Sprachauswahl</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Bitte mit * markierte 
 Felder ausfüllen </source>
        <translation>Fields marked with *
are required</translation>
    </message>
    <message>
        <source>Auswertung wird berechnet</source>
        <translation>Preparing the report…</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Nasen-Seite</source>
        <translation>Side of the nose</translation>
    </message>
    <message>
        <source>Im TEST mit weiterer Seite fortfahren?</source>
        <translation>Repeat the TEST on another side?</translation>
    </message>
    <message>
        <source>LINKS</source>
        <translation>LEFT</translation>
    </message>
    <message>
        <source>RECHTS</source>
        <translation>RIGHT</translation>
    </message>
    <message>
        <source>BILATERAL</source>
        <translation>BILATERAL</translation>
    </message>
    <message>
        <source>NEIN</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:24pt; font-weight:600; text-decoration: underline;&quot;&gt;Hinweis Text&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Patient sollte min. 15min vor Beginn der Messung nichts als Wasser zu sich nehmen. Auch auf Genussmittel wie Zigaretten oder Kaugummis sollte verzichtet werden.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Die Testung soll in einem ruhigen, gut belüfteten Raum erfolgen.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Während der Testung soll der Patient keine Hinweise auf die Richtigkeit seiner Aussage erhalten.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Die Spitze der Riechstifte darf nicht die Haut des Patienten berühren. Sollten sie dennoch in Berührung kommen muss der Stift aus hygienischen Gründen ersetzt werden.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Wird die Testung links- oder rechtsseitig durchgeführt, muss die jeweils nicht getestete Seite von dem Patienten mit der Fingerbeere des Daumens verschlossen werden. Die Nase darf dadurch nicht verformt werden!&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Zur Testdurchführung sind geruchslose Handschuhe zu tragen.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Es darf immer nur ein Stift geöffnet werden. Nach der Geruchsdarbietung muss der Stift verschlossen und mit der Spitze nach unten zurück in den Halter gesteckt werden.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Die Stiftspitze wird ca. 2cm unter die Nase gehalten. Dabei soll der Patient 3-4 Sekunden daran riechen.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Die Reihenfolge wird von der App vorgegeben.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Beim Schwellen- und Diskriminationstest wird der Patient durch Anlegen eines „Augenschutzes“ verblindet.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:24pt; font-weight:600; text-decoration: underline;&quot;&gt;Instructions&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;For at least 15 minutes before the test, the patient should take nothing but water and should not smoke or chew gum.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Test in a quiet, well-ventilated room.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;During the test, give the patient no hint as to whether an answer is right.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;The tip of an odour pen must not touch the patient&apos;s skin. If it does, replace the pen for reasons of hygiene.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;When only the left or the right side is tested, the patient closes the other nostril with the pad of the thumb, without deforming the nose.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Wear odourless gloves during the test.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Open only one pen at a time. After presenting it, put its cap back on and return it to the holder, tip down.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Hold the tip of the pen about 2 cm below the nose and let the patient sniff it for 3 to 4 seconds.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;The application sets the order of presentation.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;For the threshold and discrimination tests, the patient is blindfolded with an eye mask.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Hinweise nicht mehr anzeigen</source>
        <translation>Don&apos;t show again</translation>
    </message>
    <message>
        <source>Anleitung anzeigen</source>
        <translation>Show manual</translation>
    </message>
    <message>
        <source>Hinweise verstanden</source>
        <translation>Understood</translation>
    </message>
    <message>
        <source>Einstellungen
Zurücksetzen</source>
        <translation>Reset settings</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:28pt; font-weight:600; text-decoration: underline;&quot;&gt;Schwellentest&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:28pt;&quot;&gt;Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung Threshold Test aus.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:28pt;&quot;&gt;Bitte machen Sie den Patienten zunächst mit dem Geruch des Target-Stifts vertraut.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:28pt; font-weight:600; text-decoration: underline;&quot;&gt;Threshold test&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:28pt;&quot;&gt;Use the pens from the holder labelled “Threshold Test”.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:28pt;&quot;&gt;First familiarise the patient with the odour of the target pen.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:22pt; font-weight:600;&quot;&gt;Duftlotse&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Duftlotse ist eine Software für Riechtests mit Riechstiften. Sie nimmt die Daten des Patienten und des Untersuchers auf, führt den Untersucher Schritt für Schritt durch den gewählten Riechtest, wertet den Test automatisch aus und gibt die Auswertung als Bericht für die Patientenakte aus.&lt;/p&gt;&lt;p&gt;Diese Software wurde mit Qt erstellt. Qt wird unter der GNU Lesser General Public License Version 3 (LGPLv3) verwendet: &lt;a href=&quot;https://www.qt.io&quot;&gt;https://www.qt.io&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Diese Software verwendet OpenSSL unter der Lizenz von OpenSSL: &lt;a href=&quot;https://www.openssl.org&quot;&gt;https://www.openssl.org&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:22pt; font-weight:600;&quot;&gt;Duftlotse&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Duftlotse is software for smell tests with odour pens. It records the data of the patient and the examiner, guides the examiner step by step through the chosen smell test, scores the test automatically and produces the result as a report for the patient&apos;s record.&lt;/p&gt;&lt;p&gt;This software was made with Qt. Qt is used under the GNU Lesser General Public License version 3 (LGPLv3): &lt;a href=&quot;https://www.qt.io&quot;&gt;https://www.qt.io&lt;/a&gt;&lt;/p&gt;&lt;p&gt;This software uses OpenSSL under the OpenSSL licence: &lt;a href=&quot;https://www.openssl.org&quot;&gt;https://www.openssl.org&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Geschlecht nicht ausgewählt</source>
        <translation>Gender not selected</translation>
    </message>
    <message>
        <source>Patient Vorname fehlt</source>
        <translation>First name missing</translation>
    </message>
    <message>
        <source>Patient Nachname fehlt</source>
        <translation>Last name missing</translation>
    </message>
    <message>
        <source>Patient Geburtsdatum fehlt</source>
        <translation>Date of birth missing</translation>
    </message>
    <message>
        <source>Patient Personencode fehlt</source>
        <translation>Patient ID missing</translation>
    </message>
    <message>
        <source>Keine Testvorgabe gefunden</source>
        <translation>No test definition found.</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Bitte warten</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>
Bitte wählen Sie die zu testende Seite aus</source>
        <translation>
Choose the side to test</translation>
    </message>
    <message>
        <source>Im </source>
        <translation>Repeat the </translation>
    </message>
    <message>
        <source> mit weiterer Seite fortfahren?</source>
        <translation> on another side?</translation>
    </message>
    <message>
        <source>SCHWELLENTEST
Bitte wählen Sie die zu testende Seite aus</source>
        <translation>THRESHOLD TEST
Choose the side to test</translation>
    </message>
    <message>
        <source>Im SCHWELLENTEST mit weiterer Seite fortfahren?</source>
        <translation>Repeat the THRESHOLD TEST on another side?</translation>
    </message>
    <message>
        <source>DISKRIMINATIONSTEST
Bitte wählen Sie die zu testende Seite aus</source>
        <translation>DISCRIMINATION TEST
Choose the side to test</translation>
    </message>
    <message>
        <source>Im DISKRIMINATIONSTEST mit weiterer Seite fortfahren?</source>
        <translation>Repeat the DISCRIMINATION TEST on another side?</translation>
    </message>
    <message>
        <source>IDENTIFIKATIONSTEST
Bitte wählen Sie die zu testende Seite aus</source>
        <translation>IDENTIFICATION TEST
Choose the side to test</translation>
    </message>
    <message>
        <source>Im IDENTIFIKATIONSTEST mit weiterer Seite fortfahren?</source>
        <translation>Repeat the IDENTIFICATION TEST on another side?</translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Cancel the examination?</translation>
    </message>
    <message>
        <source>Alle Ergebnisse werden verworfen</source>
        <translation>All results will be discarded.</translation>
    </message>
    <message>
        <source>Weiter Testen</source>
        <translation>Continue testing</translation>
    </message>
    <message>
        <source>Test abbrechen</source>
        <translation>Cancel examination</translation>
    </message>
    <message>
        <source>* Bitte wählen</source>
        <translation>* Please select</translation>
    </message>
    <message>
        <source>Weiblich</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Männlich</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Unbestimmt/Keine Angabe</source>
        <translation>Not specified</translation>
    </message>
    <message>
        <source>Divers</source>
        <translation>Diverse</translation>
    </message>
    <message>
        <source>Bitte mit * markierte Felder ausfüllen 
</source>
        <translation>Please fill in the fields marked with *:
</translation>
    </message>
    <message>
        <source>Das Datum ist ungültig</source>
        <translation>The date of birth is not valid.</translation>
    </message>
    <message>
        <source>Ordner öffnen</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Anderen Ordner wählen…</source>
        <translation>Choose another folder…</translation>
    </message>
    <message>
        <source>Der Bericht ist nicht gespeichert.</source>
        <translation>The report has not been saved.</translation>
    </message>
    <message>
        <source>Gespeichert unter: %1</source>
        <translation>Saved as: %1</translation>
    </message>
    <message>
        <source>Der Bericht ist nicht gespeichert. Ohne PDF schließen?</source>
        <translation>The report has not been saved. Close without a PDF?</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Ohne PDF schließen</source>
        <translation>Close without PDF</translation>
    </message>
</context>
<context>
    <name>rueckfrage</name>
    <message>
        <source>Ordner für den Bericht</source>
        <translation>Folder for the report</translation>
    </message>
</context>
</TS>
