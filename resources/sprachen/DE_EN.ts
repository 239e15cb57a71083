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
        <translation>Please select the sticks from the holder labeled &quot;Discrimination Test&quot;</translation>
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
        <translation>Please present the sticks from triplet %1 to the patient in the order shown on the left and confirm the stick recognized by the patient.</translation>
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
        <translation>Please present the sticks from triplet %1 to the patient in the order shown on the left and confirm the stick recognized by the patient.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Triplets mit der roten Kappe</source>
        <translation>Please select the triplets with the red cap</translation>
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
        <translation>Please insert stick</translation>
    </message>
    <message>
        <source>einsetzen</source>
        <translation>into the reader</translation>
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
        <translation> Beta Only for testing purposes</translation>
    </message>
    <message>
        <source>Duftlotse</source>
        <translation>Duftlotse</translation>
    </message>
    <message>
        <source>Riech- und Schmecktests zur Geruchs- und Geschmacksdiagnostik </source>
        <translation>Taste and smell tests </translation>
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
        <translation>Gender:</translation>
    </message>
    <message>
        <source>Geburtsname:</source>
        <translation>Birth name:</translation>
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
        <translation>Smoking habits</translation>
    </message>
    <message>
        <source>Nichtraucher</source>
        <translation>Nonsmoker</translation>
    </message>
    <message>
        <source>Gelegenheitssraucher</source>
        <translation>Occasional smoker</translation>
    </message>
    <message>
        <source>Raucher</source>
        <translation>Smoker</translation>
    </message>
    <message>
        <source>Kettenraucher, Gelegenheitsraucher ...</source>
        <translation>Chainsmoker, Occasional smoker ...</translation>
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
        <translation>Was a decongestant given?</translation>
    </message>
    <message>
        <source>UNTERSUCHER</source>
        <translation>EXAMINER</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Last name:</translation>
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
        <translation>Presentation</translation>
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
        <translation>Should photos be displayed during the test?</translation>
    </message>
    <message>
        <source>Sprachauswahl</source>
        <translation>Select language</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Bitte mit * markierte 
 Felder ausfüllen </source>
        <translation>Fields marked with * 
are mandatory </translation>
    </message>
    <message>
        <source>Auswertung wird berechnet</source>
        <translation>Calculating score</translation>
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
        <translation>Nostril</translation>
    </message>
    <message>
        <source>Im TEST mit weiterer Seite fortfahren?</source>
        <translation>Continue with other side?</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:24pt; font-weight:600; text-decoration: underline;&quot;&gt;Note&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;The patient should take nothing but water for at least 15 minutes before the test, and should also avoid cigarettes, chewing gum and the like.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Carry out the test in a quiet, well-ventilated room.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;During the test, do not give the patient any hint as to whether an answer is right.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;The tip of a stick must not touch the patient&apos;s skin. If it does, replace the stick for reasons of hygiene.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;When only the left or the right side is tested, the patient closes the other nostril with the pad of the thumb, without deforming the nose.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Wear odorless gloves during the test.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Open only one stick at a time. After presenting it, close the stick and put it back into the holder tip down.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;Hold the tip of the stick about 2 cm below the nose and let the patient sniff it for 3 to 4 seconds.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;The application sets the order of presentation.&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;justify&quot;&gt;&lt;span style=&quot; font-size:24pt;&quot;&gt;For the threshold and discrimination tests, the patient is blindfolded with an eye mask.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Accept</translation>
    </message>
    <message>
        <source>Einstellungen
Zurücksetzen</source>
        <translation>Reset setup</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:28pt; font-weight:600; text-decoration: underline;&quot;&gt;Schwellentest&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:28pt;&quot;&gt;Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung Threshold Test aus.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:28pt;&quot;&gt;Bitte machen Sie den Patienten zunächst mit dem Geruch des Target-Stifts vertraut.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:28pt; font-weight:600; text-decoration: underline;&quot;&gt;Threshold test&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:28pt;&quot;&gt;Please first let the patient become familiar with the smell of the target stick.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:22pt; font-weight:600;&quot;&gt;Duftlotse&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Duftlotse ist eine Software für Riechtests mit Riechstiften. Sie nimmt die Daten des Patienten und des Untersuchers auf, führt den Untersucher Schritt für Schritt durch den gewählten Riechtest, wertet den Test automatisch aus und gibt die Auswertung als Bericht für die Patientenakte aus.&lt;/p&gt;&lt;p&gt;Diese Software wurde mit Qt erstellt. Qt wird unter der GNU Lesser General Public License Version 3 (LGPLv3) verwendet: &lt;a href=&quot;https://www.qt.io&quot;&gt;https://www.qt.io&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Diese Software verwendet OpenSSL unter der Lizenz von OpenSSL: &lt;a href=&quot;https://www.openssl.org&quot;&gt;https://www.openssl.org&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:22pt; font-weight:600;&quot;&gt;Duftlotse&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Duftlotse is software for smell tests with sniffing sticks. It takes the data of the patient and of the examiner, guides the examiner step by step through the chosen smell test, evaluates the test automatically and puts out the evaluation as a report for the patient&apos;s record.&lt;/p&gt;&lt;p&gt;This software was made with Qt. Qt is used under the GNU Lesser General Public License version 3 (LGPLv3): &lt;a href=&quot;https://www.qt.io&quot;&gt;https://www.qt.io&lt;/a&gt;&lt;/p&gt;&lt;p&gt;This software uses OpenSSL under the OpenSSL license: &lt;a href=&quot;https://www.openssl.org&quot;&gt;https://www.openssl.org&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Geschlecht nicht ausgewählt</source>
        <translation>Gender not selected</translation>
    </message>
    <message>
        <source>Patient Vorname fehlt</source>
        <translation>Patient first name missing</translation>
    </message>
    <message>
        <source>Patient Nachname fehlt</source>
        <translation>Patient last name is missing</translation>
    </message>
    <message>
        <source>Patient Geburtsdatum fehlt</source>
        <translation>Patient date of birth missing</translation>
    </message>
    <message>
        <source>Patient Personencode fehlt</source>
        <translation>Patient personal code missing</translation>
    </message>
    <message>
        <source>Keine Testvorgabe gefunden</source>
        <translation>No test definition found</translation>
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
Choose side</translation>
    </message>
    <message>
        <source>Im </source>
        <translation> </translation>
    </message>
    <message>
        <source> mit weiterer Seite fortfahren?</source>
        <translation>: continue with other side?</translation>
    </message>
    <message>
        <source>SCHWELLENTEST
Bitte wählen Sie die zu testende Seite aus</source>
        <translation>THRESHOLD TEST:
Select side</translation>
    </message>
    <message>
        <source>Im SCHWELLENTEST mit weiterer Seite fortfahren?</source>
        <translation>THRESHOLD TEST Continue with another side?</translation>
    </message>
    <message>
        <source>DISKRIMINATIONSTEST
Bitte wählen Sie die zu testende Seite aus</source>
        <translation>DISCRIMINATION TEST
Choose side</translation>
    </message>
    <message>
        <source>Im DISKRIMINATIONSTEST mit weiterer Seite fortfahren?</source>
        <translation>DISCRIMINATION TEST: Continue with another side?</translation>
    </message>
    <message>
        <source>IDENTIFIKATIONSTEST
Bitte wählen Sie die zu testende Seite aus</source>
        <translation>IDENTIFICATION TEST
Choose side</translation>
    </message>
    <message>
        <source>Im IDENTIFIKATIONSTEST mit weiterer Seite fortfahren?</source>
        <translation>IDENTIFICATION TEST: Continue with another side?</translation>
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
    <message>
        <source>* Bitte wählen</source>
        <translation>*please select</translation>
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
        <translation>Gender indefinite/no statement</translation>
    </message>
    <message>
        <source>Divers</source>
        <translation>Gender diverse</translation>
    </message>
    <message>
        <source>Bitte mit * markierte Felder ausfüllen 
</source>
        <translation>Please fill in the fields marked with * 
</translation>
    </message>
    <message>
        <source>Das Datum ist ungültig</source>
        <translation>The date is not valid</translation>
    </message>
</context>
</TS>
