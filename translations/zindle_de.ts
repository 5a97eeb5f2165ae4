<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Zindle speaks the desktop&apos;s language from its next start.</source>
        <translation>Zindle spricht ab dem nächsten Start die Sprache des Desktops.</translation>
    </message>
    <message>
        <source>Zindle speaks %1 from its next start.</source>
        <translation>Zindle spricht ab dem nächsten Start %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The Desktop&apos;s Language</source>
        <translation>Sprache des Desktops</translation>
    </message>
</context>
</TS>
