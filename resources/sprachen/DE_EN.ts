<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>Datenbank</name>
    <message>
        <source>Keine Testvorgabe gefunden</source>
        <translation>No Testtemplate found</translation>
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
</context>
</TS>
