<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Zindle speaks the desktop&apos;s language from its next start.</source>
        <translation>Zindle hablará el idioma del escritorio a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Zindle speaks %1 from its next start.</source>
        <translation>Zindle hablará %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The Desktop&apos;s Language</source>
        <translation>El idioma del escritorio</translation>
    </message>
</context>
</TS>
