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
</TS>
