<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>tavo</name>
    <message>
        <source>Your loan have been accepted.</source>
        <translation>Dein Kredit wurde bewilligt.</translation>
    </message>
    <message>
        <source>Refund the &amp;loan</source>
        <translation>&amp;Darlehen zurückzahlen</translation>
    </message>
    <message>
        <source>Welcome to -=Invest Bank=-</source>
        <translation>Willkommen bei der Investbank</translation>
    </message>
    <message>
        <source>Setup of the new bar</source>
        <translation>Einrichtung der neuen Bar</translation>
    </message>
    <message>
        <source>Contact me plz: %1</source>
        <translation>Schreib mir plz: %1</translation>
    </message>
</context>
</TS>
