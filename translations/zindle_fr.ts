<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Zindle speaks the desktop&apos;s language from its next start.</source>
        <translation>Zindle parlera la langue du bureau à partir du prochain démarrage.</translation>
    </message>
    <message>
        <source>Zindle speaks %1 from its next start.</source>
        <translation>Zindle parlera %1 à partir du prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The Desktop&apos;s Language</source>
        <translation>La langue du bureau</translation>
    </message>
</context>
</TS>
