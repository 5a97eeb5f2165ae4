<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DesignListBar</name>
    <message>
        <source>Select an existing car design, or edit the name of a custom design.</source>
        <translation>Wähle einen vorhandenen Fahrzeugentwurf oder bearbeite den Namen eines eigenen Entwurfs.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Start a new design.  New designs start with the default shape.</source>
        <translation>Einen neuen Entwurf beginnen.  Neue Entwürfe beginnen mit der Standardform.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Load a previously saved design from disk</source>
        <translation>Einen früher gespeicherten Entwurf laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the currently selected design to disk</source>
        <translation>Den ausgewählten Entwurf speichern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the currently selected design from the list (can reload later if saved).  The five standard designs cannot be removed.</source>
        <translation>Den ausgewählten Entwurf aus der Liste entfernen (gespeichert kann er später wieder geladen werden).  Die fünf Standardentwürfe können nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename the selected design</source>
        <translation>Den ausgewählten Entwurf umbenennen</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materialien</translation>
    </message>
    <message>
        <source>Define your own materials</source>
        <translation>Eigene Materialien festlegen</translation>
    </message>
</context>
<context>
    <name>DriveCaption</name>
    <message>
        <source>All wheel drive</source>
        <translation>Allradantrieb</translation>
    </message>
    <message>
        <source>Front wheel drive</source>
        <translation>Frontantrieb</translation>
    </message>
    <message>
        <source>Rear wheel drive</source>
        <translation>Heckantrieb</translation>
    </message>
</context>
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
<context>
    <name>LiveReadout</name>
    <message>
        <source>no advisories</source>
        <translation>keine Hinweise</translation>
    </message>
    <message>
        <source>1 advisory</source>
        <translation>1 Hinweis</translation>
    </message>
    <message>
        <source>%1 advisories</source>
        <translation>%1 Hinweise</translation>
    </message>
    <message>
        <source>15 ft in %1 s</source>
        <translation>15 ft in %1 s</translation>
    </message>
    <message>
        <source>15 ft not reached in %1 s</source>
        <translation>15 ft in %1 s nicht erreicht</translation>
    </message>
    <message>
        <source>peak %1 ft/s</source>
        <translation>Spitze %1 ft/s</translation>
    </message>
    <message>
        <source>%1 lb</source>
        <translation>%1 lb</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <translation>Kann nicht fahren: %1</translation>
    </message>
    <message>
        <source>As Simulate will show the design, computed while you edit it:</source>
        <translation>So wird „Simulieren“ den Entwurf zeigen, berechnet, während du ihn bearbeitest:</translation>
    </message>
    <message>
        <source> (in brackets: 15 ft not reached, the time the run ended)</source>
        <translation> (in Klammern: 15 ft nicht erreicht, die Zeit, zu der die Fahrt endete)</translation>
    </message>
    <message>
        <source>No advisories.</source>
        <translation>Keine Hinweise.</translation>
    </message>
    <message>
        <source>Advisories:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Wird aktualisiert…</translation>
    </message>
    <message>
        <source>Live:</source>
        <translation>Live:</translation>
    </message>
    <message>
        <source>computing…</source>
        <translation>wird berechnet…</translation>
    </message>
    <message>
        <source>(updating)</source>
        <translation>(wird aktualisiert)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Car File...</source>
        <translation>Fahrzeugdatei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Con&amp;vert file...</source>
        <translation>Datei &amp;umwandeln...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sc&amp;hließen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Export templates...</source>
        <translation>Schablonen e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xport run...</source>
        <translation>Fahr&amp;t exportieren...</translation>
    </message>
    <message>
        <source>C&amp;lass results...</source>
        <translation>&amp;Klassenergebnisse...</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Klassenergebnisse</translation>
    </message>
    <message>
        <source>Race &amp;Day...</source>
        <translation>&amp;Renntag...</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>U&amp;mbenennen...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Points...</source>
        <translation>&amp;Punkte...</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Define &amp;Materials...</source>
        <translation>&amp;Materialien festlegen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Voreinstellungen...</translation>
    </message>
    <message>
        <source>Choose &amp;Background Color...</source>
        <translation>&amp;Hintergrundfarbe wählen...</translation>
    </message>
    <message>
        <source>&amp;High-Contrast Sheet</source>
        <translation>Blatt mit hohem &amp;Kontrast</translation>
    </message>
    <message>
        <source>&amp;Modes</source>
        <translation>&amp;Modi</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Entwurf</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Bauen</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Analysieren</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simulieren</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Rennen</translation>
    </message>
    <message>
        <source>Pre&amp;view Templates</source>
        <translation>Schablonen&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Print Templates...</source>
        <translation>Schablonen &amp;drucken...</translation>
    </message>
    <message>
        <source>Po&amp;wer Designer...</source>
        <translation>Antriebs&amp;planer...</translation>
    </message>
    <message>
        <source>Results &amp;in Detail...</source>
        <translation>Ergebnisse im Deta&amp;il...</translation>
    </message>
    <message>
        <source>R&amp;un Charts...</source>
        <translation>Fahrtdia&amp;gramme...</translation>
    </message>
    <message>
        <source>Race &amp;Chart...</source>
        <translation>Renndiagra&amp;mm...</translation>
    </message>
    <message>
        <source>&amp;Test Runs...</source>
        <translation>&amp;Testfahrten...</translation>
    </message>
    <message>
        <source>&amp;Energy...</source>
        <translation>E&amp;nergie...</translation>
    </message>
    <message>
        <source>W&amp;hat If...</source>
        <translation>&amp;Was wäre wenn...</translation>
    </message>
    <message>
        <source>Se&amp;nsitivity...</source>
        <translation>Empfind&amp;lichkeit...</translation>
    </message>
    <message>
        <source>Build T&amp;olerances...</source>
        <translation>Bautoleran&amp;zen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Zindle Discussion &amp;Forum</source>
        <translation>Zindle-&amp;Diskussionsforum</translation>
    </message>
    <message>
        <source>Zindle &amp;Help in your web browser</source>
        <translation>Zindle-&amp;Hilfe im Webbrowser (auf Englisch)</translation>
    </message>
    <message>
        <source>Zindle Home &amp;Page</source>
        <translation>Zindle-&amp;Startseite</translation>
    </message>
    <message>
        <source>&amp;About Zindle 4.1...</source>
        <translation>Ü&amp;ber Zindle 4.1...</translation>
    </message>
    <message>
        <source>&amp;Check for latest version...</source>
        <translation>Nach neuester &amp;Version suchen...</translation>
    </message>
</context>
<context>
    <name>ModeButtons</name>
    <message>
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Edit the car design</source>
        <translation>Den Fahrzeugentwurf bearbeiten</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bauen</translation>
    </message>
    <message>
        <source>&quot;Build&quot; a virtual prototype</source>
        <translation>Einen virtuellen Prototyp „bauen“</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analysieren</translation>
    </message>
    <message>
        <source>Compute the physical properties of the design</source>
        <translation>Die physikalischen Eigenschaften des Entwurfs berechnen</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simulieren</translation>
    </message>
    <message>
        <source>Dynamically simulate the design</source>
        <translation>Den Entwurf in Bewegung simulieren</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Race against other designs</source>
        <translation>Gegen andere Entwürfe antreten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Inspect the parts-cutting templates for the main car body, before printing them</source>
        <translation>Die Schneideschablonen für die Karosserie vor dem Drucken ansehen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print parts-cutting templates to help you build the car</source>
        <translation>Schneideschablonen drucken, die beim Bau des Fahrzeugs helfen</translation>
    </message>
</context>
<context>
    <name>zindle::DesignPanel</name>
    <message>
        <source>Inner layers</source>
        <translation>Innenlagen</translation>
    </message>
    <message>
        <source>Outer layer</source>
        <translation>Außenlage</translation>
    </message>
    <message>
        <source>Wheel tread</source>
        <translation>Lauffläche</translation>
    </message>
    <message>
        <source>Drive wheels</source>
        <translation>Antriebsräder</translation>
    </message>
    <message>
        <source>Other wheels</source>
        <translation>Andere Räder</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>Drive axle</source>
        <translation>Antriebsachse</translation>
    </message>
    <message>
        <source>Other axle</source>
        <translation>Andere Achse</translation>
    </message>
    <message>
        <source>Inner layer</source>
        <translation>Innenlage</translation>
    </message>
    <message>
        <source>Drive wheel</source>
        <translation>Antriebsrad</translation>
    </message>
    <message>
        <source>Other wheel</source>
        <translation>Anderes Rad</translation>
    </message>
    <message>
        <source>Change outer layer material</source>
        <translation>Material der Außenlage ändern</translation>
    </message>
    <message>
        <source>Change inner layers material</source>
        <translation>Material der Innenlagen ändern</translation>
    </message>
    <message>
        <source>Change drive wheel material</source>
        <translation>Material des Antriebsrads ändern</translation>
    </message>
    <message>
        <source>Change other wheel material</source>
        <translation>Material des anderen Rads ändern</translation>
    </message>
    <message>
        <source>Change drive axle material</source>
        <translation>Material der Antriebsachse ändern</translation>
    </message>
    <message>
        <source>Change other axle material</source>
        <translation>Material der anderen Achse ändern</translation>
    </message>
    <message>
        <source>Change spring material</source>
        <translation>Material der Feder ändern</translation>
    </message>
    <message>
        <source>Change wheel tread material</source>
        <translation>Material der Lauffläche ändern</translation>
    </message>
    <message>
        <source>Choose rear wheel drive</source>
        <translation>Heckantrieb wählen</translation>
    </message>
    <message>
        <source>Choose front wheel drive</source>
        <translation>Frontantrieb wählen</translation>
    </message>
    <message>
        <source>Choose four wheel drive</source>
        <translation>Allradantrieb wählen</translation>
    </message>
    <message>
        <source>Outer</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>Draw outer layer shape</source>
        <translation>Form der Außenlage zeichnen</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Clear the outer layer shape</source>
        <translation>Form der Außenlage löschen</translation>
    </message>
    <message>
        <source>Inner</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Draw inner layer shape</source>
        <translation>Form der Innenlage zeichnen</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Clear the inner layer shape</source>
        <translation>Form der Innenlage löschen</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>Place the front axle</source>
        <translation>Die Vorderachse setzen</translation>
    </message>
    <message>
        <source>+Wt</source>
        <translation>+Gew</translation>
    </message>
    <message>
        <source>Add a weight</source>
        <translation>Ein Gewicht hinzufügen</translation>
    </message>
    <message>
        <source>-Wt</source>
        <translation>-Gew</translation>
    </message>
    <message>
        <source>Remove a weight</source>
        <translation>Ein Gewicht entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the shapes and the weights</source>
        <translation>Formen und Gewichte löschen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>RWD</source>
        <translation>Heck</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>AWD</source>
        <translation>Allrad</translation>
    </message>
    <message>
        <source>Rear wheel drive</source>
        <translation>Heckantrieb</translation>
    </message>
    <message>
        <source>Front wheel drive</source>
        <translation>Frontantrieb</translation>
    </message>
    <message>
        <source>Four wheel drive</source>
        <translation>Allradantrieb</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>To draw a shape, click points on the drawing sheet.  Double-click to finish (or press Cancel to abort).</source>
        <translation>Um eine Form zu zeichnen, klicke Punkte auf das Zeichenblatt.  Doppelklicke zum Beenden (oder drücke „Abbrechen“).</translation>
    </message>
    <message>
        <source>Currently selected:</source>
        <translation>Ausgewählt:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Width (in):</source>
        <translation>Breite (in):</translation>
    </message>
    <message>
        <source>Length (in):</source>
        <translation>Länge (in):</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Select parts to edit their attributes. Click &quot;Apply&quot; to apply your changes.</source>
        <translation>Wähle Teile aus, um ihre Eigenschaften zu bearbeiten. Klicke „Übernehmen“, um die Änderungen zu übernehmen.</translation>
    </message>
    <message>
        <source>Dia (in):</source>
        <translation>Durchm. (in):</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches dia).</source>
        <translation>Markiert: %1 (%2, %3 Zoll Durchmesser).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches wide, %4 inches long).</source>
        <translation>Markiert: %1 (%2, %3 Zoll breit, %4 Zoll lang).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches dia, %4 inches long).</source>
        <translation>Markiert: %1 (%2, %3 Zoll Durchmesser, %4 Zoll lang).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2).</source>
        <translation>Markiert: %1 (%2).</translation>
    </message>
    <message>
        <source>Drive wheel enlarged to %1 in to fit the spring case</source>
        <translation>Antriebsrad auf %1 in vergrößert, damit das Federgehäuse passt</translation>
    </message>
</context>
<context>
    <name>zindle::MainWindow</name>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
</context>
</TS>
