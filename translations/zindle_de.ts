<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Advisories</name>
    <message>
        <source>Front axle not connected.</source>
        <translation>Vorderachse nicht verbunden.</translation>
    </message>
    <message>
        <source>Some parts are floating.</source>
        <translation>Einige Teile schweben frei.</translation>
    </message>
    <message>
        <source>Spring case is not connected.</source>
        <translation>Federgehäuse ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Spring case not connected.</source>
        <translation>Federgehäuse nicht verbunden.</translation>
    </message>
    <message>
        <source>Spring cases interfere.</source>
        <translation>Federgehäuse überschneiden sich.</translation>
    </message>
    <message>
        <source>Car overlaps paper edge.</source>
        <translation>Fahrzeug ragt über den Blattrand.</translation>
    </message>
    <message>
        <source>Skid advisory.</source>
        <translation>Hinweis: Räder drehen durch.</translation>
    </message>
    <message>
        <source>No car body drawn.</source>
        <translation>Keine Karosserie gezeichnet.</translation>
    </message>
    <message>
        <source>Spring gives no revolutions.</source>
        <translation>Feder liefert keine Umdrehungen.</translation>
    </message>
    <message>
        <source>Car weighs less than 0.01 lb.</source>
        <translation>Fahrzeug wiegt weniger als 0.01 lb.</translation>
    </message>
    <message>
        <source>Axles less than 0.1 in apart.</source>
        <translation>Achsen weniger als 0.1 in voneinander entfernt.</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <source>the element size must be a whole number of points</source>
        <translation>die Elementgröße muss eine ganze Zahl von Punkten sein</translation>
    </message>
</context>
<context>
    <name>BuildView3D</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>CalibrateCommand</name>
    <message>
        <source>calibrate needs FOLDER and --track</source>
        <translation>calibrate braucht FOLDER und --track</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>unknown rule &quot;%1&quot;; the rules are: %2</source>
        <translation>unbekannte Regel „%1“; die Regeln sind: %2</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; takes no value</source>
        <translation>die Regel „%1“ hat keinen Wert</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs &lt;=, &gt;= or = and a number</source>
        <translation>die Regel „%1“ braucht &lt;=, &gt;= oder = und eine Zahl</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs = and one of: %2</source>
        <translation>die Regel „%1“ braucht = und eines von: %2</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs = and a material&apos;s name</source>
        <translation>die Regel „%1“ braucht = und den Namen eines Materials</translation>
    </message>
</context>
<context>
    <name>ChallengeCheck</name>
    <message>
        <source>%1: not known for this car</source>
        <translation>%1: für dieses Fahrzeug nicht bekannt</translation>
    </message>
    <message>
        <source>%1 %2: within the %3 limit</source>
        <translation>%1 %2: innerhalb der Grenze von %3</translation>
    </message>
    <message>
        <source>%1 %2: over the %3 limit</source>
        <translation>%1 %2: über der Grenze von %3</translation>
    </message>
    <message>
        <source>%1 %2: at least the %3 minimum</source>
        <translation>%1 %2: mindestens das Minimum von %3</translation>
    </message>
    <message>
        <source>%1 %2: under the %3 minimum</source>
        <translation>%1 %2: unter dem Minimum von %3</translation>
    </message>
    <message>
        <source>%1 %2: the %3 asked for</source>
        <translation>%1 %2: die verlangten %3</translation>
    </message>
    <message>
        <source>%1 %2: not the %3 asked for</source>
        <translation>%1 %2: nicht die verlangten %3</translation>
    </message>
    <message>
        <source>%1 %2: allowed</source>
        <translation>%1 %2: erlaubt</translation>
    </message>
    <message>
        <source>%1 %2: not allowed (%3)</source>
        <translation>%1 %2: nicht erlaubt (%3)</translation>
    </message>
    <message>
        <source>Skid advisory: the drive wheels skid</source>
        <translation>Hinweis: Die Antriebsräder drehen durch</translation>
    </message>
    <message>
        <source>No skid advisory</source>
        <translation>Kein Hinweis auf Durchdrehen</translation>
    </message>
    <message>
        <source>Reaches 15 ft in %1 s</source>
        <translation>Erreicht 15 ft in %1 s</translation>
    </message>
    <message>
        <source>Stops short of 15 ft, at %1 ft</source>
        <translation>Hält vor 15 ft an, bei %1 ft</translation>
    </message>
    <message>
        <source>Does not reach 15 ft: the model cannot run this car</source>
        <translation>Erreicht 15 ft nicht: Das Modell kann dieses Fahrzeug nicht fahren lassen</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Body length</source>
        <translation>Karosserielänge</translation>
    </message>
    <message>
        <source>Body height</source>
        <translation>Karosseriehöhe</translation>
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
        <source>Layers</source>
        <translation>Lagen</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Federlänge</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Federbreite</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
</context>
<context>
    <name>ChallengeChecklist</name>
    <message>
        <source>All rules kept.</source>
        <translation>Alle Regeln eingehalten.</translation>
    </message>
    <message>
        <source>1 rule broken.</source>
        <translation>1 Regel verletzt.</translation>
    </message>
    <message>
        <source>%1 rules broken.</source>
        <translation>%1 Regeln verletzt.</translation>
    </message>
    <message>
        <source>Challenge checklist</source>
        <translation>Prüfliste der Aufgabe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Checked as the design stands.</source>
        <translation>Geprüft am aktuellen Stand des Entwurfs.</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Wird aktualisiert…</translation>
    </message>
    <message>
        <source>Checked in Design mode.</source>
        <translation>Geprüft wird im Modus Entwurf.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <translation>Eingehalten: %1</translation>
    </message>
    <message>
        <source>Broken: %1</source>
        <translation>Verletzt: %1</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <translation>Kann nicht fahren: %1</translation>
    </message>
</context>
<context>
    <name>ChallengeCommand</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--scoring is time, distance, target:SECONDS or efficiency, not &quot;%1&quot;</source>
        <translation>--scoring ist time, distance, target:SECONDS oder efficiency, nicht „%1“</translation>
    </message>
    <message>
        <source>--rubric takes a weight of 0 or more, a colon and the row&apos;s text, not &quot;%1&quot;</source>
        <translation>--rubric nimmt ein Gewicht ab 0, einen Doppelpunkt und den Text der Zeile, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 exists already; add --force to replace it</source>
        <translation>%1 gibt es schon; gib --force an, um es zu ersetzen</translation>
    </message>
</context>
<context>
    <name>ChallengeView</name>
    <message>
        <source>Open C&amp;hallenge...</source>
        <translation>&amp;Aufgabe öffnen...</translation>
    </message>
    <message>
        <source>Close Challen&amp;ge</source>
        <translation>Aufgabe schlie&amp;ßen</translation>
    </message>
    <message>
        <source>Ne&amp;w Challenge...</source>
        <translation>Neue Auf&amp;gabe...</translation>
    </message>
    <message>
        <source>Ed&amp;it Challenge...</source>
        <translation>Aufgabe bearbe&amp;iten...</translation>
    </message>
    <message>
        <source>Open Challenge</source>
        <translation>Aufgabe öffnen</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
</context>
<context>
    <name>ChartViews</name>
    <message>
        <source>Simulate the design to see the charts of its run.</source>
        <translation>Simuliere den Entwurf, um die Diagramme seiner Fahrt zu sehen.</translation>
    </message>
    <message>
        <source>This car cannot be run, so there is no run to chart.</source>
        <translation>Dieses Fahrzeug kann nicht fahren, also gibt es keine Fahrt für ein Diagramm.</translation>
    </message>
    <message>
        <source>Simulate the design to see where its spring&apos;s energy went.</source>
        <translation>Simuliere den Entwurf, um zu sehen, wohin die Energie seiner Feder ging.</translation>
    </message>
    <message>
        <source>A car design appears on the race chart if it has been Simulated since its last design change.</source>
        <translation>Ein Entwurf erscheint im Renndiagramm, wenn er seit seiner letzten Änderung simuliert wurde.</translation>
    </message>
    <message>
        <source>Run Charts</source>
        <translation>Fahrtdiagramme</translation>
    </message>
    <message>
        <source>Race Chart</source>
        <translation>Renndiagramm</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
</context>
<context>
    <name>ClassStandings</name>
    <message>
        <source>Cannot open &quot;%1&quot;: the design list is full</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Entwurfsliste ist voll</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 needs a file name ending in .png, .svg or .pdf, not &quot;%2&quot;</source>
        <translation>%1 braucht einen Dateinamen mit .png, .svg oder .pdf am Ende, nicht „%2“</translation>
    </message>
    <message>
        <source>Cannot draw the chart for &quot;%1&quot;</source>
        <translation>Das Diagramm für „%1“ kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>Cannot write to standard output</source>
        <translation>Kann nicht in die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>option %1 is given twice</source>
        <translation>die Option %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht in die Standardausgabe schreiben: %1</translation>
    </message>
</context>
<context>
    <name>CutFiles</name>
    <message>
        <source>&quot;%1&quot; was kept: it is named like a board but was not written as one.</source>
        <translation>„%1“ wurde behalten: Die Datei heißt wie eine Platte, wurde aber nicht als eine geschrieben.</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;, a board of an earlier export: %2</source>
        <translation>„%1“, eine Platte eines früheren Exports, kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>The design has no parts to cut; draw the body&apos;s outline first.</source>
        <translation>Der Entwurf hat keine Teile zum Schneiden; zeichne zuerst den Umriss der Karosserie.</translation>
    </message>
</context>
<context>
    <name>CutProfile</name>
    <message>
        <source>Many school labs forbid foam board on a laser cutter: cutting it gives off fumes. A knife plotter cuts it safely, or print the templates and cut them by hand.</source>
        <translation>Viele Schulwerkstätten verbieten Schaumkarton auf dem Laserschneider: Beim Schneiden entstehen Dämpfe. Ein Messerplotter schneidet ihn sicher, oder drucke die Schablonen und schneide sie von Hand aus.</translation>
    </message>
</context>
<context>
    <name>CutSheets</name>
    <message>
        <source>The design has %1 layers; at most %2 layers can be cut.</source>
        <translation>Der Entwurf hat %1 Lagen; höchstens %2 Lagen können geschnitten werden.</translation>
    </message>
    <message>
        <source>The part &quot;%1&quot; (%2) does not fit on the board (%3, with %4 kept free along each edge).</source>
        <translation>Das Teil „%1“ (%2) passt nicht auf die Platte (%3, mit %4 frei an jedem Rand).</translation>
    </message>
</context>
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
    <name>DesignListOps</name>
    <message>
        <source>All Files|*.*</source>
        <translation>Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Zindle Design Portfolio|*.zddp</source>
        <translation>Zindle-Entwurfsmappe|*.zddp</translation>
    </message>
    <message>
        <source>Choose a .zndl file</source>
        <translation>Wähle eine .zndl-Datei</translation>
    </message>
    <message>
        <source>Save car as:</source>
        <translation>Fahrzeug speichern unter:</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Leider nicht</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Input Box</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Please type a new name for %1</source>
        <translation>Gib einen neuen Namen für %1 ein</translation>
    </message>
    <message>
        <source>Name revised</source>
        <translation>Name geändert</translation>
    </message>
</context>
<context>
    <name>DesignLogEdits</name>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; das Fahrtenbuch bleibt, wie es ist</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was shown here, so nothing was changed; close and open the Test runs window to see it as it is now</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit es hier gezeigt wurde, daher wurde nichts geändert; schließe das Fenster Testfahrten und öffne es wieder, um es so zu sehen, wie es jetzt ist</translation>
    </message>
</context>
<context>
    <name>DesignMap</name>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Antriebsrad Ø (in)</translation>
    </message>
    <message>
        <source>Spring Length (in)</source>
        <translation>Federlänge (in)</translation>
    </message>
    <message>
        <source>Spring Width (in)</source>
        <translation>Federbreite (in)</translation>
    </message>
    <message>
        <source>wheel enlarged (size shown)</source>
        <translation>Rad vergrößert (Größe steht da)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>no 15 ft</source>
        <translation>keine 15 ft</translation>
    </message>
    <message>
        <source>best</source>
        <translation>beste</translation>
    </message>
</context>
<context>
    <name>DesignReport</name>
    <message>
        <source>%1 (t= %2 in, dens= %3 lb/cu in)</source>
        <translation>%1 (d= %2 in, Dichte= %3 lb/in³)</translation>
    </message>
    <message>
        <source>%1 (t= %2 in, dens=%3 lb/cu in)</source>
        <translation>%1 (d= %2 in, Dichte= %3 lb/in³)</translation>
    </message>
    <message>
        <source>%1 (%2 lbm/cu in)</source>
        <translation>%1 (%2 lbm/in³)</translation>
    </message>
    <message>
        <source>ZINDLE Design Report for %1</source>
        <translation>ZINDLE-Entwurfsbericht für %1</translation>
    </message>
    <message>
        <source>Design Parameters:</source>
        <translation>Entwurfsmaße:</translation>
    </message>
    <message>
        <source>Spring Width: %1 in</source>
        <translation>Federbreite: %1 in</translation>
    </message>
    <message>
        <source>Spring Length: %1 in</source>
        <translation>Federlänge: %1 in</translation>
    </message>
    <message>
        <source>Drive Axle Length: %1 in</source>
        <translation>Länge der Antriebsachse: %1 in</translation>
    </message>
    <message>
        <source>Other Axle Length: %1 in</source>
        <translation>Länge der anderen Achse: %1 in</translation>
    </message>
    <message>
        <source>Drive Wheel Dia: %1 in</source>
        <translation>Antriebsrad Ø: %1 in</translation>
    </message>
    <message>
        <source>Other Wheel Dia: %1 in</source>
        <translation>Anderes Rad Ø: %1 in</translation>
    </message>
    <message>
        <source>Drive Axle Dia: %1 in</source>
        <translation>Antriebsachse Ø: %1 in</translation>
    </message>
    <message>
        <source>Other Axle Dia: %1 in</source>
        <translation>Andere Achse Ø: %1 in</translation>
    </message>
    <message>
        <source>Materials and Assumptions: </source>
        <translation>Materialien und Annahmen: </translation>
    </message>
    <message>
        <source>Outer layers: %1</source>
        <translation>Außenlagen: %1</translation>
    </message>
    <message>
        <source>Inner layers: %1</source>
        <translation>Innenlagen: %1</translation>
    </message>
    <message>
        <source>Drive wheels: %1</source>
        <translation>Antriebsräder: %1</translation>
    </message>
    <message>
        <source>Other wheels: %1</source>
        <translation>Andere Räder: %1</translation>
    </message>
    <message>
        <source>Drive axle: %1</source>
        <translation>Antriebsachse: %1</translation>
    </message>
    <message>
        <source>Other axle: %1</source>
        <translation>Andere Achse: %1</translation>
    </message>
    <message>
        <source>Spring: %1 (t=%2 in)</source>
        <translation>Feder: %1 (d=%2 in)</translation>
    </message>
    <message>
        <source>Tread: %1 (mu=%2)</source>
        <translation>Lauffläche: %1 (µ=%2)</translation>
    </message>
    <message>
        <source>Maximum torque: %1 in-lb (width= %2 in)</source>
        <translation>Größtes Drehmoment: %1 in-lb (Breite= %2 in)</translation>
    </message>
    <message>
        <source>Finite element size: %1 pixels</source>
        <translation>Elementgröße: %1 Pixel</translation>
    </message>
    <message>
        <source>Predicted Performance and Physical Characteristics:</source>
        <translation>Vorhergesagte Leistung und physikalische Eigenschaften:</translation>
    </message>
    <message>
        <source>ADVISORIES: </source>
        <translation>HINWEISE: </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Einzelheiten:</translation>
    </message>
    <message>
        <source>Skid advisory!</source>
        <translation>Hinweis: Durchdrehen!</translation>
    </message>
    <message>
        <source>No advisories</source>
        <translation>Keine Hinweise</translation>
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
    <name>EnergyChart</name>
    <message>
        <source>Car&apos;s motion</source>
        <translation>Bewegung des Fahrzeugs</translation>
    </message>
    <message>
        <source>Wheels&apos; share</source>
        <translation>Anteil der Räder</translation>
    </message>
    <message>
        <source>Rolling friction</source>
        <translation>Rollreibung</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Durchdrehen</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Where the spring&apos;s energy went</source>
        <translation>Wohin die Energie der Feder ging</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Energy (ft.lb)</source>
        <translation>Energie (ft.lb)</translation>
    </message>
    <message>
        <source>At %1 s: the spring has delivered %2 ft.lb</source>
        <translation>Bei %1 s: Die Feder hat %2 ft.lb abgegeben</translation>
    </message>
</context>
<context>
    <name>EnergyCommand</name>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>das Modell kann diesen Entwurf nicht fahren lassen (siehe &apos;zindle-cli analyze&apos;)</translation>
    </message>
</context>
<context>
    <name>EventCommand</name>
    <message>
        <source>every lane is blocked</source>
        <translation>jede Bahn ist gesperrt</translation>
    </message>
    <message>
        <source>--blocked names lanes from 1 to %1, not &quot;%2&quot;</source>
        <translation>--blocked nennt Bahnen von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 exists already; an event file is made once and never over another file</source>
        <translation>%1 gibt es schon; eine Wettbewerbsdatei wird einmal erstellt und nie über eine andere Datei geschrieben</translation>
    </message>
    <message>
        <source>new needs --roster and --lanes</source>
        <translation>new braucht --roster und --lanes</translation>
    </message>
    <message>
        <source>--lanes must be a whole number from 1 to %1</source>
        <translation>--lanes muss eine ganze Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>--format is balanced, rotation or fastest</source>
        <translation>--format ist balanced, rotation oder fastest</translation>
    </message>
    <message>
        <source>--rounds must be a whole number from 1 to %1</source>
        <translation>--rounds muss eine ganze Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>--scoring is average, best or points</source>
        <translation>--scoring ist average, best oder points</translation>
    </message>
    <message>
        <source>--track-ft must lie above 0 and up to 100 ft</source>
        <translation>--track-ft muss über 0 und höchstens 100 ft sein</translation>
    </message>
    <message>
        <source>--date is a day as YYYY-MM-DD</source>
        <translation>--date ist ein Tag als YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--code must be 1 to 64 characters</source>
        <translation>--code muss 1 bis 64 Zeichen lang sein</translation>
    </message>
    <message>
        <source>record needs --heat and --times</source>
        <translation>record braucht --heat und --times</translation>
    </message>
    <message>
        <source>--heat is a heat&apos;s number, counted from 1</source>
        <translation>--heat ist die Nummer eines Laufs, ab 1 gezählt</translation>
    </message>
    <message>
        <source>%1 is not a design file of the roster folder</source>
        <translation>%1 ist keine Entwurfsdatei des Teilnehmerordners</translation>
    </message>
    <message>
        <source>serve needs --port, a number from 1 to 65535</source>
        <translation>serve braucht --port, eine Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <source>--address is an IP address such as 127.0.0.1</source>
        <translation>--address ist eine IP-Adresse wie 127.0.0.1</translation>
    </message>
    <message>
        <source>the event has no join code; give one with --code</source>
        <translation>der Wettbewerb hat keinen Code; gib einen mit --code an</translation>
    </message>
    <message>
        <source>no action given</source>
        <translation>keine Aktion angegeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; with %2 arguments is not an action</source>
        <translation>„%1“ mit %2 Argumenten ist keine Aktion</translation>
    </message>
</context>
<context>
    <name>EventPage</name>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in &lt;html lang=&quot;en&quot;&gt;</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Race day</source>
        <translation>Renntag</translation>
    </message>
    <message>
        <source>Now racing</source>
        <translation>Jetzt am Start</translation>
    </message>
    <message>
        <source>On deck</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Enter times</source>
        <translation>Zeiten eingeben</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Beitrittscode</translation>
    </message>
    <message>
        <source>Record heat</source>
        <translation>Lauf eintragen</translation>
    </message>
    <message>
        <source>Lane %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message>
        <source>s or DNF</source>
        <translation>s oder DNF</translation>
    </message>
    <message>
        <source>Now racing: heat %1</source>
        <translation>Jetzt am Start: Lauf %1</translation>
    </message>
    <message>
        <source>Every heat is recorded</source>
        <translation>Jeder Lauf ist eingetragen</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>%1 (withdrawn)</source>
        <translation>%1 (zurückgezogen)</translation>
    </message>
    <message>
        <source>No heat to record.</source>
        <translation>Kein Lauf zum Eintragen.</translation>
    </message>
    <message>
        <source>Type a time in seconds or DNF.</source>
        <translation>Gib eine Zeit in Sekunden oder DNF ein.</translation>
    </message>
    <message>
        <source>Heat %1 recorded.</source>
        <translation>Lauf %1 eingetragen.</translation>
    </message>
    <message>
        <source>Not recorded.</source>
        <translation>Nicht eingetragen.</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>it is not a Zindle design file; as one of an earlier release, %1</source>
        <translation>es ist keine Entwurfsdatei von Zindle; als Datei einer früheren Version gelesen: %1</translation>
    </message>
    <message>
        <source>it is not a Zindle 4.1 design file</source>
        <translation>es ist keine Entwurfsdatei von Zindle 4.1</translation>
    </message>
    <message>
        <source>%1 bytes after the end of the design were ignored</source>
        <translation>%1 Bytes nach dem Ende des Entwurfs wurden übergangen</translation>
    </message>
    <message>
        <source>the spring width</source>
        <translation>die Federbreite</translation>
    </message>
    <message>
        <source>the spring length</source>
        <translation>die Federlänge</translation>
    </message>
    <message>
        <source>the drive wheel diameter</source>
        <translation>der Durchmesser des Antriebsrads</translation>
    </message>
    <message>
        <source>the drive axle diameter</source>
        <translation>der Durchmesser der Antriebsachse</translation>
    </message>
    <message>
        <source>the drive axle length</source>
        <translation>die Länge der Antriebsachse</translation>
    </message>
    <message>
        <source>the other wheel diameter</source>
        <translation>der Durchmesser des anderen Rads</translation>
    </message>
    <message>
        <source>the other axle diameter</source>
        <translation>der Durchmesser der anderen Achse</translation>
    </message>
    <message>
        <source>the other axle length</source>
        <translation>die Länge der anderen Achse</translation>
    </message>
    <message>
        <source>a spring thickness</source>
        <translation>eine Federdicke</translation>
    </message>
    <message>
        <source>a spring density</source>
        <translation>eine Federdichte</translation>
    </message>
    <message>
        <source>a spring sample width</source>
        <translation>eine Breite der Federprobe</translation>
    </message>
    <message>
        <source>a spring torque</source>
        <translation>ein Federdrehmoment</translation>
    </message>
    <message>
        <source>it holds an impossible number of board materials (%1)</source>
        <translation>es enthält eine unmögliche Zahl von Plattenmaterialien (%1)</translation>
    </message>
    <message>
        <source>a board thickness</source>
        <translation>eine Plattendicke</translation>
    </message>
    <message>
        <source>a board density</source>
        <translation>eine Plattendichte</translation>
    </message>
    <message>
        <source>it holds an impossible number of axle materials (%1)</source>
        <translation>es enthält eine unmögliche Zahl von Achsmaterialien (%1)</translation>
    </message>
    <message>
        <source>an axle density</source>
        <translation>eine Achsdichte</translation>
    </message>
    <message>
        <source>it holds an impossible number of spring materials (%1)</source>
        <translation>es enthält eine unmögliche Zahl von Federmaterialien (%1)</translation>
    </message>
    <message>
        <source>it holds an impossible number of tread materials (%1)</source>
        <translation>es enthält eine unmögliche Zahl von Laufflächenmaterialien (%1)</translation>
    </message>
    <message>
        <source>a tread friction</source>
        <translation>eine Reibung der Lauffläche</translation>
    </message>
    <message>
        <source>part %1 names material %2, which the file does not hold</source>
        <translation>Teil %1 nennt Material %2, das die Datei nicht enthält</translation>
    </message>
    <message>
        <source>the element size</source>
        <translation>die Elementgröße</translation>
    </message>
    <message>
        <source>the case ratio</source>
        <translation>das Gehäuseverhältnis</translation>
    </message>
    <message>
        <source>the rolling friction</source>
        <translation>die Rollreibung</translation>
    </message>
    <message>
        <source>it holds an impossible number of weights (%1)</source>
        <translation>es enthält eine unmögliche Zahl von Gewichten (%1)</translation>
    </message>
    <message>
        <source>the position of weight %1</source>
        <translation>die Position von Gewicht %1</translation>
    </message>
    <message>
        <source>the front axle&apos;s x</source>
        <translation>das x der Vorderachse</translation>
    </message>
    <message>
        <source>the front axle&apos;s y</source>
        <translation>das y der Vorderachse</translation>
    </message>
    <message>
        <source>it holds an impossible number of outer outline points (%1)</source>
        <translation>es enthält eine unmögliche Zahl von Punkten des Außenumrisses (%1)</translation>
    </message>
    <message>
        <source>outer outline point %1</source>
        <translation>Punkt %1 des Außenumrisses</translation>
    </message>
    <message>
        <source>it holds an impossible number of inner outline points (%1)</source>
        <translation>es enthält eine unmögliche Zahl von Punkten des Innenumrisses (%1)</translation>
    </message>
    <message>
        <source>inner outline point %1</source>
        <translation>Punkt %1 des Innenumrisses</translation>
    </message>
    <message>
        <source>%1 has no text &quot;%2&quot;</source>
        <translation>%1 hat keinen Text „%2“</translation>
    </message>
    <message>
        <source>%1 has no number &quot;%2&quot;</source>
        <translation>%1 hat keine Zahl „%2“</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a whole number from %3 to %4</source>
        <translation>%1 hat ein „%2“, das keine ganze Zahl von %3 bis %4 ist</translation>
    </message>
    <message>
        <source>%1 has a time that is neither null nor above 0 and up to 100 s</source>
        <translation>%1 hat eine Zeit, die weder null noch über 0 und bis 100 s ist</translation>
    </message>
    <message>
        <source>%1 has no list &quot;%2&quot;</source>
        <translation>%1 hat keine Liste „%2“</translation>
    </message>
    <message>
        <source>%1 has %2 lanes; the track has %3</source>
        <translation>%1 hat %2 Bahnen; die Strecke hat %3</translation>
    </message>
    <message>
        <source>%1 names a car in lane %2 that is not entered</source>
        <translation>%1 nennt auf Bahn %2 ein Fahrzeug, das nicht gemeldet ist</translation>
    </message>
    <message>
        <source>%1 has no true or false &quot;%2&quot;</source>
        <translation>%1 hat kein wahr oder falsch „%2“</translation>
    </message>
    <message>
        <source>%1 has %2 times for %3 lanes</source>
        <translation>%1 hat %2 Zeiten für %3 Bahnen</translation>
    </message>
    <message>
        <source>%1 has a time in lane %2, which has no car</source>
        <translation>%1 hat eine Zeit auf Bahn %2, auf der kein Fahrzeug ist</translation>
    </message>
    <message>
        <source>it is not an event (not JSON: %1 at byte %2)</source>
        <translation>es ist keine Veranstaltung (kein JSON: %1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a race-day event</source>
        <translation>es ist keine Renntag-Veranstaltung</translation>
    </message>
    <message>
        <source>it is not an event of version %1, which this release reads</source>
        <translation>es ist keine Veranstaltung der Version %1, die diese Version liest</translation>
    </message>
    <message>
        <source>the event</source>
        <translation>die Veranstaltung</translation>
    </message>
    <message>
        <source>the event&apos;s trackFt must lie above 0 and up to 100 ft</source>
        <translation>trackFt der Veranstaltung muss über 0 und bis 100 ft liegen</translation>
    </message>
    <message>
        <source>the event blocks a lane the track does not have</source>
        <translation>die Veranstaltung sperrt eine Bahn, die die Strecke nicht hat</translation>
    </message>
    <message>
        <source>the event&apos;s chart is not balanced, rotation or fastest</source>
        <translation>der Plan der Veranstaltung ist nicht balanced, rotation oder fastest</translation>
    </message>
    <message>
        <source>the event&apos;s scoring is not average, best or points</source>
        <translation>die Wertung der Veranstaltung ist nicht average, best oder points</translation>
    </message>
    <message>
        <source>the event has more than %1 cars</source>
        <translation>die Veranstaltung hat mehr als %1 Fahrzeuge</translation>
    </message>
    <message>
        <source>car %1</source>
        <translation>Fahrzeug %1</translation>
    </message>
    <message>
        <source>%1 has an empty file name or one entered before</source>
        <translation>%1 hat einen leeren Dateinamen oder einen, der schon gemeldet ist</translation>
    </message>
    <message>
        <source>heat %1</source>
        <translation>Lauf %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, far more than any design file</source>
        <translation>es ist größer als %1 Bytes, viel mehr als jede Entwurfsdatei</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot;, but %2</source>
        <translation>„%1“ gelesen, aber %2</translation>
    </message>
    <message>
        <source>the file ends before the design does (at byte %1)</source>
        <translation>die Datei endet vor dem Entwurf (bei Byte %1)</translation>
    </message>
    <message>
        <source>a text of %1 bytes at byte %2 runs past the end of the file</source>
        <translation>ein Text von %1 Bytes bei Byte %2 reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at byte %2 is not a number</source>
        <translation>„%1“ bei Byte %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>the file ends before the design does (after line %1)</source>
        <translation>die Datei endet vor dem Entwurf (nach Zeile %1)</translation>
    </message>
    <message>
        <source>line %1 should hold a whole number but holds &quot;%2&quot;</source>
        <translation>Zeile %1 sollte eine ganze Zahl enthalten, enthält aber „%2“</translation>
    </message>
    <message>
        <source>line %1 should hold a number but holds &quot;%2&quot;</source>
        <translation>Zeile %1 sollte eine Zahl enthalten, enthält aber „%2“</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a number</source>
        <translation>%1 hat ein „%2“, das keine Zahl ist</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a list</source>
        <translation>%1 hat ein „%2“, das keine Liste ist</translation>
    </message>
    <message>
        <source>%1, mark %2,</source>
        <translation>%1, Marke %2,</translation>
    </message>
    <message>
        <source>%1 lacks its distance or its time</source>
        <translation>%1 fehlt die Strecke oder die Zeit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 has its marks out of order of distance</source>
        <translation>%1 hat seine Marken nicht nach Strecke geordnet</translation>
    </message>
    <message>
        <source>design entry %1</source>
        <translation>Entwurfseintrag %1</translation>
    </message>
    <message>
        <source>%1 names no design (neither &quot;name&quot; nor &quot;file&quot;), so its runs belong to none</source>
        <translation>%1 nennt keinen Entwurf (weder „name“ noch „file“), also gehören seine Fahrten zu keinem</translation>
    </message>
    <message>
        <source>design &quot;%1&quot;</source>
        <translation>Entwurf „%1“</translation>
    </message>
    <message>
        <source>run %1 of %2</source>
        <translation>Fahrt %1 von %2</translation>
    </message>
    <message>
        <source>%1 has a prediction that is not a time above 0 and up to 100 s</source>
        <translation>%1 hat eine Vorhersage, die keine Zeit über 0 und bis 100 s ist</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is neither true nor false</source>
        <translation>%1 hat ein „%2“, das weder wahr noch falsch ist</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a count</source>
        <translation>%1 hat ein „%2“, das keine Anzahl ist</translation>
    </message>
    <message>
        <source>the calibration of &quot;%1&quot;</source>
        <translation>die Kalibrierung von „%1“</translation>
    </message>
    <message>
        <source>%1 lacks a friction above 0 and below 1 lb or a spring efficiency above 0 and below 2</source>
        <translation>%1 fehlt eine Reibung über 0 und unter 1 lb oder ein Federwirkungsgrad über 0 und unter 2</translation>
    </message>
    <message>
        <source>it is not a logbook (not JSON: %1 at byte %2)</source>
        <translation>es ist kein Fahrtenbuch (kein JSON: %1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a logbook (no JSON object)</source>
        <translation>es ist kein Fahrtenbuch (kein JSON-Objekt)</translation>
    </message>
    <message>
        <source>it is not a logbook of version %1, which this release reads</source>
        <translation>es ist kein Fahrtenbuch der Version %1, die diese Version liest</translation>
    </message>
    <message>
        <source>the logbook</source>
        <translation>das Fahrtenbuch</translation>
    </message>
    <message>
        <source>design entry %1 lists &quot;%2&quot; (%3) a second time</source>
        <translation>Entwurfseintrag %1 führt „%2“ (%3) ein zweites Mal auf</translation>
    </message>
    <message>
        <source>the logbook has &quot;calibrations&quot; that are not an object keyed by track</source>
        <translation>das Fahrtenbuch hat „calibrations“, die kein Objekt mit Strecken als Schlüssel sind</translation>
    </message>
    <message>
        <source>%1 %2 is beyond what a design can hold (%3)</source>
        <translation>%1 %2 liegt außerhalb dessen, was ein Entwurf enthalten kann (%3)</translation>
    </message>
    <message>
        <source>at most %1 points from the sheet&apos;s corner</source>
        <translation>höchstens %1 Punkte von der Ecke des Blatts</translation>
    </message>
    <message>
        <source>at most %1 in</source>
        <translation>höchstens %1 in</translation>
    </message>
    <message>
        <source>at most 1000000</source>
        <translation>höchstens 1000000</translation>
    </message>
    <message>
        <source>the mass of weight %1</source>
        <translation>die Masse von Gewicht %1</translation>
    </message>
    <message>
        <source>at most %1 lb either way</source>
        <translation>höchstens %1 lb in jede Richtung</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>its version is not 3</source>
        <translation>seine Version ist nicht 3</translation>
    </message>
    <message>
        <source>A run is exported as .csv, .png, .svg or .pdf, not as &quot;%1&quot;.</source>
        <translation>Eine Fahrt wird als .csv, .png, .svg oder .pdf exportiert, nicht als „%1“.</translation>
    </message>
    <message>
        <source>This car cannot be run, so there is no run to export.</source>
        <translation>Dieses Fahrzeug kann nicht fahren, also gibt es keine Fahrt zum Exportieren.</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <translation>Das Diagramm konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>es ist ein Verweis auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere (%1)</source>
        <translation>es ist ein Verweis, der nirgendwohin führt (%1)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket)</source>
        <translation>es ist keine normale Datei (sondern ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>it is the same file as &quot;%1&quot;</source>
        <translation>es ist dieselbe Datei wie „%1“</translation>
    </message>
    <message>
        <source>%1; %2 of the %3 files before it were replaced already</source>
        <translation>%1; %2 der %3 Dateien davor wurden schon ersetzt</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cut files end in .svg or .dxf</source>
        <translation>Schneidedateien enden auf .svg oder .dxf</translation>
    </message>
    <message>
        <source>the board could not be drawn</source>
        <translation>die Platte konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>nothing could be printed into it</source>
        <translation>es konnte nichts hineingedruckt werden</translation>
    </message>
    <message>
        <source>it is not a design file</source>
        <translation>es ist keine Entwurfsdatei</translation>
    </message>
    <message>
        <source>its path is longer than the system&apos;s limit of %1 bytes</source>
        <translation>sein Pfad ist länger als die Grenze des Systems von %1 Bytes</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>der Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its path is longer than the system&apos;s limit of %1 bytes; the designs in it were not read</source>
        <translation>sein Pfad ist länger als die Grenze des Systems von %1 Bytes; die Entwürfe darin wurden nicht gelesen</translation>
    </message>
    <message>
        <source>it is not a challenge (not JSON: %1 at byte %2)</source>
        <translation>es ist keine Aufgabe (kein JSON: %1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a challenge</source>
        <translation>es ist keine Aufgabe</translation>
    </message>
    <message>
        <source>the challenge has no version</source>
        <translation>die Aufgabe hat keine Version</translation>
    </message>
    <message>
        <source>it is a challenge of version %1, made by a later release; this release reads version %2</source>
        <translation>es ist eine Aufgabe der Version %1, von einer neueren Version gemacht; diese Version liest Version %2</translation>
    </message>
    <message>
        <source>the challenge</source>
        <translation>die Aufgabe</translation>
    </message>
    <message>
        <source>rule %1 is not a text</source>
        <translation>Regel %1 ist kein Text</translation>
    </message>
    <message>
        <source>the challenge&apos;s scoring is not time, distance, target:SECONDS or efficiency</source>
        <translation>die Wertung der Aufgabe ist nicht time, distance, target:SECONDS oder efficiency</translation>
    </message>
    <message>
        <source>rubric row %1</source>
        <translation>Bewertungszeile %1</translation>
    </message>
    <message>
        <source>rubric row %1 has a weight that is not a number of 0 or more</source>
        <translation>Bewertungszeile %1 hat ein Gewicht, das keine Zahl ab 0 ist</translation>
    </message>
    <message>
        <source>prompt %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>prompt %1 is asked neither before-first-simulation nor after-race</source>
        <translation>Frage %1 wird weder before-first-simulation noch after-race gestellt</translation>
    </message>
    <message>
        <source>%1 has no time &quot;when&quot;</source>
        <translation>%1 hat keine Zeit „when“</translation>
    </message>
    <message>
        <source>%1 has a design that is not Base64</source>
        <translation>%1 hat einen Entwurf, der nicht Base64 ist</translation>
    </message>
    <message>
        <source>%1 has a &quot;reaches15ft&quot; that is neither true nor false</source>
        <translation>%1 hat ein „reaches15ft“, das weder true noch false ist</translation>
    </message>
    <message>
        <source>it is not a design journal (not JSON: %1 at byte %2)</source>
        <translation>es ist kein Entwurfsjournal (kein JSON: %1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a design journal</source>
        <translation>es ist kein Entwurfsjournal</translation>
    </message>
    <message>
        <source>the design journal has no version</source>
        <translation>das Entwurfsjournal hat keine Version</translation>
    </message>
    <message>
        <source>it is a design journal of version %1, made by a later release; this release reads version %2</source>
        <translation>es ist ein Entwurfsjournal der Version %1 aus einer späteren Ausgabe; diese Ausgabe liest Version %2</translation>
    </message>
    <message>
        <source>the design journal</source>
        <translation>das Entwurfsjournal</translation>
    </message>
    <message>
        <source>the design journal has no list &quot;versions&quot;</source>
        <translation>das Entwurfsjournal hat keine Liste „versions“</translation>
    </message>
    <message>
        <source>journal version %1</source>
        <translation>Journalversion %1</translation>
    </message>
    <message>
        <source>the design journal has no list &quot;answers&quot;</source>
        <translation>das Entwurfsjournal hat keine Liste „answers“</translation>
    </message>
    <message>
        <source>journal answer %1</source>
        <translation>Journal-Antwort %1</translation>
    </message>
</context>
<context>
    <name>JournalChart</name>
    <message>
        <source>Time to 15 ft over the versions</source>
        <translation>Zeit bis 15 ft über die Versionen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Zeit bis 15 ft (s)</translation>
    </message>
    <message>
        <source>Reaches 15 ft</source>
        <translation>Erreicht 15 ft</translation>
    </message>
    <message>
        <source>Stops short of 15 ft (×)</source>
        <translation>Bleibt vor 15 ft stehen (×)</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>[%1 s] short of 15 ft</source>
        <translation>[%1 s] vor 15 ft stehen geblieben</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Time to 15 ft</source>
        <translation>Zeit bis 15 ft</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Journal versions</source>
        <translation>Versionen im Journal</translation>
    </message>
    <message>
        <source>Time to 15 ft over the versions</source>
        <translation>Zeit bis 15 ft über die Versionen</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>My answer</source>
        <translation>Meine Antwort</translation>
    </message>
    <message>
        <source>The challenge&apos;s questions and my answers</source>
        <translation>Die Fragen der Aufgabe und meine Antworten</translation>
    </message>
    <message>
        <source>Each Simulate run of a changed design keeps a version. Double-click a note to write what you changed and why, or an answer to the challenge&apos;s questions.</source>
        <translation>Jede Simulation eines geänderten Entwurfs hält eine Version fest. Doppelklicken Sie auf eine Notiz, um aufzuschreiben, was Sie geändert haben und warum, oder auf eine Antwort zu den Fragen der Aufgabe.</translation>
    </message>
    <message>
        <source>Journal of %1 (versions: %2)</source>
        <translation>Journal von %1 (Versionen: %2)</translation>
    </message>
    <message>
        <source>%1. It is not written over; the versions of this run are kept until Zindle closes.</source>
        <translation>%1. Sie wird nicht überschrieben; die Versionen dieser Sitzung bleiben erhalten, bis Zindle beendet wird.</translation>
    </message>
    <message>
        <source>The design has no file yet: its journal is written beside it when it is saved.</source>
        <translation>Der Entwurf hat noch keine Datei: Sein Journal wird beim Speichern daneben geschrieben.</translation>
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
    <name>LeagueCommand</name>
    <message>
        <source>--track needs the name of a track</source>
        <translation>--track braucht den Namen einer Strecke</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to 256</source>
        <translation>--threads nimmt eine Zahl von 1 bis 256</translation>
    </message>
    <message>
        <source>only one output can go to standard output</source>
        <translation>nur eine Ausgabe kann in die Standardausgabe gehen</translation>
    </message>
    <message>
        <source>no design files found</source>
        <translation>keine Entwurfsdateien gefunden</translation>
    </message>
    <message>
        <source>stopped by Ctrl+C after %1 of %2 designs</source>
        <translation>mit Strg+C nach %1 von %2 Entwürfen angehalten</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the PDF could not be made</source>
        <translation>„%1“ kann nicht geschrieben werden: Das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>no design could be read</source>
        <translation>kein Entwurf konnte gelesen werden</translation>
    </message>
    <message>
        <source>--class-csv needs --challenge</source>
        <translation>--class-csv braucht --challenge</translation>
    </message>
</context>
<context>
    <name>LeaguePages</name>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Zeit bis 15 ft (s)</translation>
    </message>
    <message>
        <source>Time (sec)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Spitzengeschw. (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Spitzengeschw.</translation>
    </message>
    <message>
        <source>Powered distance (ft)</source>
        <translation>Strecke mit Antrieb (ft)</translation>
    </message>
    <message>
        <source>Powered distance</source>
        <translation>Strecke mit Antrieb</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Gesamtmasse (lbm)</translation>
    </message>
    <message>
        <source>Mass (lbm)</source>
        <translation>Masse (lbm)</translation>
    </message>
    <message>
        <source>Advisories</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Measured (sec)</source>
        <translation>Gemessen (s)</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Predictions %1 (designs in %2)</source>
        <translation>Vorhersagen %1 (Entwürfe in %2)</translation>
    </message>
    <message>
        <source>Predictions %1</source>
        <translation>Vorhersagen %1</translation>
    </message>
    <message>
        <source>1 design</source>
        <translation>1 Entwurf</translation>
    </message>
    <message>
        <source>%1 designs</source>
        <translation>%1 Entwürfe</translation>
    </message>
    <message>
        <source>1 design, 1 file could not be read</source>
        <translation>1 Entwurf, 1 Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>1 design, %1 files could not be read</source>
        <translation>1 Entwurf, %1 Dateien konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 designs, 1 file could not be read</source>
        <translation>%1 Entwürfe, 1 Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 designs, %2 files could not be read</source>
        <translation>%1 Entwürfe, %2 Dateien konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>1 car</source>
        <translation>1 Fahrzeug</translation>
    </message>
    <message>
        <source>%1 cars</source>
        <translation>%1 Fahrzeuge</translation>
    </message>
    <message>
        <source>Final (%1)</source>
        <translation>Finale (%1)</translation>
    </message>
    <message>
        <source>Round %1, heat %2 of %3 (%4)</source>
        <translation>Runde %1, Lauf %2 von %3 (%4)</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Sieger: %1</translation>
    </message>
    <message>
        <source>Goes on: %1</source>
        <translation>Kommt weiter: %1</translation>
    </message>
    <message>
        <source>Class standings</source>
        <translation>Wertung der Klasse</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in &lt;html lang=&quot;en&quot;&gt;</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Distance and time of the first eight</source>
        <translation>Strecke und Zeit der ersten acht</translation>
    </message>
    <message>
        <source>Distance against time of the first eight cars</source>
        <translation>Strecke über der Zeit der ersten acht Fahrzeuge</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Nicht gelesen</translation>
    </message>
    <message>
        <source>Heats</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>The cars</source>
        <translation>Die Fahrzeuge</translation>
    </message>
    <message>
        <source>Side view of %1</source>
        <translation>Seitenansicht von %1</translation>
    </message>
    <message>
        <source>Not read: %1: %2</source>
        <translation>Nicht gelesen: %1: %2</translation>
    </message>
    <message>
        <source>no skid</source>
        <translation>kein Durchdrehen</translation>
    </message>
    <message>
        <source>skid</source>
        <translation>Durchdrehen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1 ft</translation>
    </message>
    <message>
        <source>scored by the time to 15 ft, quickest first</source>
        <translation>gewertet nach der Zeit bis 15 ft, die schnellste zuerst</translation>
    </message>
    <message>
        <source>scored by the powered distance, farthest first</source>
        <translation>gewertet nach der angetriebenen Strecke, die weiteste zuerst</translation>
    </message>
    <message>
        <source>scored by the time to 15 ft nearest %1 s, the cars short of 15 ft after them, farthest first</source>
        <translation>gewertet nach der Zeit bis 15 ft, die %1 s am nächsten kommt, danach die Autos, die 15 ft nicht erreichen, das weiteste zuerst</translation>
    </message>
    <message>
        <source>scored by efficiency, the powered distance (ft) per ft.lb the spring delivered, greatest first</source>
        <translation>gewertet nach dem Wirkungsgrad, der angetriebenen Strecke (ft) je ft.lb, das die Feder abgab, der höchste zuerst</translation>
    </message>
    <message>
        <source>Challenge: %1</source>
        <translation>Aufgabe: %1</translation>
    </message>
    <message>
        <source>Challenge &quot;%1&quot;: %2</source>
        <translation>Aufgabe „%1“: %2</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Regelkonform</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>ListMessages</name>
    <message>
        <source>Current design &quot;%1&quot; is not saved. Save it?</source>
        <translation>Der aktuelle Entwurf „%1“ ist nicht gespeichert. Speichern?</translation>
    </message>
    <message>
        <source>Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be renamed.
However, you may save this design under a different name.</source>
        <translation>Default design, Racer, Pickup, Tow Truck und Wheelie können nicht umbenannt werden.
Du kannst diesen Entwurf aber unter einem anderen Namen speichern.</translation>
    </message>
    <message>
        <source>Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be deleted from the list.</source>
        <translation>Default design, Racer, Pickup, Tow Truck und Wheelie können nicht aus der Liste entfernt werden.</translation>
    </message>
    <message>
        <source>The name you suggested has been revised to eliminate any commas (,), slashes (\ or /), or colons (:).</source>
        <translation>Aus dem vorgeschlagenen Namen wurden Kommas (,), Schrägstriche (\ oder /) und Doppelpunkte (:) entfernt.</translation>
    </message>
    <message>
        <source>The car name must be 32 characters or less. </source>
        <translation>Der Name des Fahrzeugs darf höchstens 32 Zeichen lang sein. </translation>
    </message>
    <message>
        <source>Are you sure that you wish to remove this design from the list?</source>
        <translation>Willst du diesen Entwurf wirklich aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>The design list is full (257 designs).  Remove a design from the list before you add another.</source>
        <translation>Die Entwurfsliste ist voll (257 Entwürfe).  Entferne einen Entwurf aus der Liste, bevor du einen neuen hinzufügst.</translation>
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
    <name>LoggedRuns</name>
    <message>
        <source>%1; the logbook is left as it is, and its runs are left out</source>
        <translation>%1; das Fahrtenbuch bleibt, wie es ist, und seine Fahrten fehlen</translation>
    </message>
    <message>
        <source>%1 holds no calibration for &quot;%2&quot;: its designs are predicted with their own model</source>
        <translation>%1 enthält keine Kalibrierung für „%2“: seine Entwürfe werden mit ihrem eigenen Modell vorhergesagt</translation>
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
    <message>
        <source>Opti&amp;miser...</source>
        <translation>&amp;Optimierer...</translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation>&amp;Journal...</translation>
    </message>
</context>
<context>
    <name>MaterialEditing</name>
    <message>
        <source>Please try again</source>
        <translation>Bitte versuche es noch einmal</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Please enter a name for this board.</source>
        <translation>Bitte gib einen Namen für diese Platte ein.</translation>
    </message>
    <message>
        <source>The thickness must be positive, greater than 0.05 inches, and less than 6 inches. </source>
        <translation>Die Dicke muss positiv, größer als 0.05 Zoll und kleiner als 6 Zoll sein. </translation>
    </message>
    <message>
        <source>The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch.</source>
        <translation>Die Dichte muss positiv, größer als 0.0001 und höchstens 0.5 Pfund pro Kubikzoll sein.</translation>
    </message>
    <message>
        <source>Please enter a name for this axle material.</source>
        <translation>Bitte gib einen Namen für dieses Achsmaterial ein.</translation>
    </message>
    <message>
        <source>The axle density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch. </source>
        <translation>Die Dichte der Achse muss positiv, größer als null und höchstens 0.5 Pfund pro Kubikzoll sein. </translation>
    </message>
    <message>
        <source>Please enter a name for this spring material.</source>
        <translation>Bitte gib einen Namen für dieses Federmaterial ein.</translation>
    </message>
    <message>
        <source>The thickness must be positive, greater than zero, and no more than 0.125 inches. </source>
        <translation>Die Dicke muss positiv, größer als null und höchstens 0.125 Zoll sein. </translation>
    </message>
    <message>
        <source>The density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch.</source>
        <translation>Die Dichte muss positiv, größer als null und höchstens 0.5 Pfund pro Kubikzoll sein.</translation>
    </message>
    <message>
        <source>The width of your test sample must be positive, greater than zero, and no more than 6 inches.</source>
        <translation>Die Breite deiner Probe muss positiv, größer als null und höchstens 6 Zoll sein.</translation>
    </message>
    <message>
        <source>The maximum torque must be positive, greater than zero, and no more than 10 lb-inches.</source>
        <translation>Das größte Drehmoment muss positiv, größer als null und höchstens 10 lb-in sein.</translation>
    </message>
    <message>
        <source>All torque values must be positive, greater than zero, and no more than 3 lb-inches -- some values are not valid.</source>
        <translation>Alle Drehmomentwerte müssen positiv, größer als null und höchstens 3 lb-in sein -- einige Werte sind ungültig.</translation>
    </message>
    <message>
        <source>Please enter a name for this tread material.</source>
        <translation>Bitte gib einen Namen für dieses Laufflächenmaterial ein.</translation>
    </message>
    <message>
        <source>The coefficient of static friction must be positive, greater than zero, and less than 2. </source>
        <translation>Die Haftreibungszahl muss positiv, größer als null und kleiner als 2 sein. </translation>
    </message>
    <message>
        <source>There is already a material named &quot;%1&quot;. Type another name, or select &quot;%1&quot; in the list and press Edit to change it.</source>
        <translation>Es gibt schon ein Material namens „%1“. Gib einen anderen Namen ein, oder wähle „%1“ in der Liste und drücke „Bearbeiten“, um es zu ändern.</translation>
    </message>
    <message>
        <source>The list of board materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>Die Liste der Plattenmaterialien ist voll (100 Materialien).  Lösche ein Material, bevor du ein neues festlegst.</translation>
    </message>
    <message>
        <source>The list of axle materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>Die Liste der Achsmaterialien ist voll (100 Materialien).  Lösche ein Material, bevor du ein neues festlegst.</translation>
    </message>
    <message>
        <source>The list of spring materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>Die Liste der Federmaterialien ist voll (100 Materialien).  Lösche ein Material, bevor du ein neues festlegst.</translation>
    </message>
    <message>
        <source>The list of tread materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>Die Liste der Laufflächenmaterialien ist voll (100 Materialien).  Lösche ein Material, bevor du ein neues festlegst.</translation>
    </message>
    <message>
        <source>Sorry, this computer does not have the ColorPicker component installed.  A default color will be used instead.</source>
        <translation>Auf diesem Computer ist keine Farbauswahl installiert.  Stattdessen wird eine Standardfarbe verwendet.</translation>
    </message>
    <message>
        <source>Colors not available</source>
        <translation>Keine Farben verfügbar</translation>
    </message>
</context>
<context>
    <name>MeasuredOverlay</name>
    <message>
        <source>%1 and measured runs, RMS error %2 s</source>
        <translation>%1 und gemessene Fahrten, RMS-Fehler %2 s</translation>
    </message>
    <message>
        <source>%1 and measured runs</source>
        <translation>%1 und gemessene Fahrten</translation>
    </message>
    <message>
        <source>With coasting</source>
        <translation>Mit Ausrollen</translation>
    </message>
    <message>
        <source>Runs on %1:</source>
        <translation>Fahrten auf %1:</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Fahrt %1: %2</translation>
    </message>
    <message>
        <source>and %1 more runs</source>
        <translation>und %1 weitere Fahrten</translation>
    </message>
</context>
<context>
    <name>MeasuredRun</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; is not feet:seconds (for example 5:0.71).</source>
        <translation>Marke „%1“ ist nicht Fuß:Sekunden (zum Beispiel 5:0.71).</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; distance</source>
        <translation>Entfernung der Marke „%1“</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; time</source>
        <translation>Zeit der Marke „%1“</translation>
    </message>
    <message>
        <source>The run has no valid date (YYYY-MM-DD).</source>
        <translation>Die Fahrt hat kein gültiges Datum (JJJJ-MM-TT).</translation>
    </message>
    <message>
        <source>The run needs the name of its track.</source>
        <translation>Die Fahrt braucht den Namen ihrer Strecke.</translation>
    </message>
    <message>
        <source>The run needs at least one mark or the distance where the car came to rest.</source>
        <translation>Die Fahrt braucht mindestens eine Marke oder die Entfernung, bei der das Fahrzeug zum Halten kam.</translation>
    </message>
    <message>
        <source>A mark at %1 is not on a track: distances lie above 0 and up to 100 ft.</source>
        <translation>Eine Marke bei %1 liegt auf keiner Strecke: Entfernungen liegen über 0 und bis 100 ft.</translation>
    </message>
    <message>
        <source>The time %1 at %2 cannot be measured: times lie above 0 and up to 100 s.</source>
        <translation>Die Zeit %1 bei %2 kann nicht gemessen werden: Zeiten liegen über 0 und bis 100 s.</translation>
    </message>
    <message>
        <source>There are two marks at %1.</source>
        <translation>Es gibt zwei Marken bei %1.</translation>
    </message>
    <message>
        <source>The car cannot reach %1 at %2 when it reached %3 at %4: times must grow with the distance.</source>
        <translation>Das Fahrzeug kann %1 nicht bei %2 erreichen, wenn es %3 bei %4 erreicht hat: Zeiten müssen mit der Entfernung wachsen.</translation>
    </message>
    <message>
        <source>The resting distance %1 is not on a track: distances lie above 0 and up to 100 ft.</source>
        <translation>Die Halteentfernung %1 liegt auf keiner Strecke: Entfernungen liegen über 0 und bis 100 ft.</translation>
    </message>
    <message>
        <source>The car cannot come to rest at %1 before its last mark at %2.</source>
        <translation>Das Fahrzeug kann nicht bei %1 zum Halten kommen, vor seiner letzten Marke bei %2.</translation>
    </message>
    <message>
        <source>A car of %1 lbm cannot be weighed: masses lie above 0 and up to 10 lbm.</source>
        <translation>Ein Fahrzeug von %1 lbm kann nicht gewogen werden: Massen liegen über 0 und bis 10 lbm.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a day written YYYY-MM-DD</source>
        <translation>%1: „%2“ ist kein Tag in der Form JJJJ-MM-TT</translation>
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
    <name>NumberText</name>
    <message>
        <source>No number was typed (a period is the decimal point). </source>
        <translation>Es wurde keine Zahl eingegeben (Dezimalzeichen ist der Punkt). </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (a period is the decimal point). </source>
        <translation>„%1“ ist keine Zahl (Dezimalzeichen ist der Punkt). </translation>
    </message>
</context>
<context>
    <name>OptimiseCommand</name>
    <message>
        <source>--goal takes time, distance or target:T with T seconds above 0</source>
        <translation>--goal nimmt time, distance oder target:T mit T Sekunden über 0</translation>
    </message>
    <message>
        <source>--max-mass takes a mass in lb above 0</source>
        <translation>--max-mass nimmt eine Masse in lb über 0</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0</source>
        <translation>--seed nimmt eine ganze Zahl ab 0</translation>
    </message>
    <message>
        <source>--threads takes a whole number from 1 to 256</source>
        <translation>--threads nimmt eine ganze Zahl von 1 bis 256</translation>
    </message>
    <message>
        <source>--evaluations takes a whole number from 1 to %1</source>
        <translation>--evaluations nimmt eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>unknown parameter %1; this design has %2</source>
        <translation>unbekannter Parameter %1; dieser Entwurf hat %2</translation>
    </message>
    <message>
        <source>parameter %1 is given twice</source>
        <translation>der Parameter %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>--range takes P:LOW:HIGH, such as drive-wheel:2.6:7.5</source>
        <translation>--range nimmt P:LOW:HIGH, zum Beispiel drive-wheel:2.6:7.5</translation>
    </message>
    <message>
        <source>--range names %1, which --vary does not</source>
        <translation>--range nennt %1, --vary aber nicht</translation>
    </message>
    <message>
        <source>%1 designs tried, best %2 s</source>
        <translation>%1 Entwürfe probiert, bester %2 s</translation>
    </message>
    <message>
        <source>%1 designs tried, none reaches 15 ft yet</source>
        <translation>%1 Entwürfe probiert, noch keiner erreicht 15 ft</translation>
    </message>
    <message>
        <source>stopped before any design ran</source>
        <translation>gestoppt, bevor ein Entwurf lief</translation>
    </message>
    <message>
        <source>stopped after %1 designs; the best so far is printed</source>
        <translation>gestoppt nach %1 Entwürfen; der bisher beste wird ausgegeben</translation>
    </message>
</context>
<context>
    <name>Optimiser</name>
    <message>
        <source>choose at least one size to vary</source>
        <translation>wähle mindestens eine Größe zum Verändern</translation>
    </message>
    <message>
        <source>no design within these ranges meets the constraints</source>
        <translation>kein Entwurf in diesen Bereichen erfüllt die Bedingungen</translation>
    </message>
    <message>
        <source>the range of %1 is empty: %2 is more than %3</source>
        <translation>der Bereich von %1 ist leer: %2 ist größer als %3</translation>
    </message>
    <message>
        <source>%1 takes values from %2 to %3</source>
        <translation>%1 nimmt Werte von %2 bis %3</translation>
    </message>
    <message>
        <source>the challenge&apos;s rules leave %1 no value</source>
        <translation>die Regeln der Aufgabe lassen %1 keinen Wert</translation>
    </message>
    <message>
        <source>%1 is a choice and takes no range</source>
        <translation>%1 ist eine Auswahl und nimmt keinen Bereich</translation>
    </message>
</context>
<context>
    <name>OptimiserDialog</name>
    <message>
        <source>rear</source>
        <translation>hinten</translation>
    </message>
    <message>
        <source>front</source>
        <translation>vorn</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
</context>
<context>
    <name>OptimiserView</name>
    <message>
        <source>Optimiser design</source>
        <translation>Entwurf des Optimierers</translation>
    </message>
</context>
<context>
    <name>OutlinePoints</name>
    <message>
        <source>An outline needs at least 5 points; this one has %1.</source>
        <translation>Ein Umriss braucht mindestens 5 Punkte; dieser hat %1.</translation>
    </message>
    <message>
        <source>An outline holds at most %1 points; this one has %2.</source>
        <translation>Ein Umriss hat höchstens %1 Punkte; dieser hat %2.</translation>
    </message>
    <message>
        <source>Point %1: %2Its place is two numbers of inches, across and down.</source>
        <translation>Punkt %1: %2Seine Lage sind zwei Zahlen in Zoll, nach rechts und nach unten.</translation>
    </message>
    <message>
        <source>Point %1 is off the sheet: it must lie 0 to 10 in across and 0 to 7.5 in down.</source>
        <translation>Punkt %1 liegt außerhalb des Blatts: Er muss 0 bis 10 in nach rechts und 0 bis 7.5 in nach unten liegen.</translation>
    </message>
</context>
<context>
    <name>ParallelSweep</name>
    <message>
        <source>Drive wheel dia</source>
        <translation>Antriebsrad-Durchm.</translation>
    </message>
    <message>
        <source>Spring Length</source>
        <translation>Federlänge</translation>
    </message>
    <message>
        <source>Spring Width</source>
        <translation>Federbreite</translation>
    </message>
    <message>
        <source>time to 15 ft</source>
        <translation>Zeit bis 15 ft</translation>
    </message>
    <message>
        <source>time to 15 ft, %1 %2 in</source>
        <translation>Zeit bis 15 ft, %1 %2 in</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ParameterCheck</name>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>The drive wheel diameter must be positive, greater than the spring chamber outer diameter, and no more than 7.5 inches.</source>
        <translation>Der Durchmesser des Antriebsrads muss positiv sein, größer als der Außendurchmesser der Federkammer und nicht mehr als 7.5 Zoll.</translation>
    </message>
    <message>
        <source>The non-drive wheel diameter must be positive, greater than 0.25 inches, no more than 7.5 inches, and greater than the axle diameter.</source>
        <translation>Der Durchmesser des nicht angetriebenen Rads muss positiv sein, größer als 0.25 Zoll, nicht mehr als 7.5 Zoll und größer als der Achsdurchmesser.</translation>
    </message>
    <message>
        <source>The drive axle diameter must be positive, greater than zero, and no more than 2 inches.</source>
        <translation>Der Durchmesser der Antriebsachse muss positiv sein, größer als null und nicht mehr als 2 Zoll.</translation>
    </message>
    <message>
        <source>The drive axle length must be positive, greater than zero, and no more than 36 inches.</source>
        <translation>Die Länge der Antriebsachse muss positiv sein, größer als null und nicht mehr als 36 Zoll.</translation>
    </message>
    <message>
        <source>The non-drive axle diameter must be positive, greater than zero, no more than 1 inch, and less than the wheel diameter.</source>
        <translation>Der Durchmesser der nicht angetriebenen Achse muss positiv sein, größer als null, nicht mehr als 1 Zoll und kleiner als der Raddurchmesser.</translation>
    </message>
    <message>
        <source>The non-drive axle length must be positive, greater than zero, and no more than 36 inches.</source>
        <translation>Die Länge der nicht angetriebenen Achse muss positiv sein, größer als null und nicht mehr als 36 Zoll.</translation>
    </message>
    <message>
        <source>The spring width must be positive, no less than 0.1 inch, and no more than 6 inches.</source>
        <translation>Die Federbreite muss positiv sein, nicht weniger als 0.1 Zoll und nicht mehr als 6 Zoll.</translation>
    </message>
    <message>
        <source>The spring length must be positive, no less than 3 inches, and no more than 240 inches.</source>
        <translation>Die Federlänge muss positiv sein, nicht weniger als 3 Zoll und nicht mehr als 240 Zoll.</translation>
    </message>
    <message>
        <source>The case ratio must be positive, no less than 4 percent, and no more than 99 percent.</source>
        <translation>Das Gehäuseverhältnis muss positiv sein, nicht weniger als 4 Prozent und nicht mehr als 99 Prozent.</translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.</source>
        <translation>Die Reibungskraft muss positiv sein, größer als 0.01 lb und nicht mehr als 0.25 lb.</translation>
    </message>
    <message>
        <source>The diameter of the drive wheel must be larger than the diameter of the drive axle.</source>
        <translation>Der Durchmesser des Antriebsrads muss größer sein als der Durchmesser der Antriebsachse.</translation>
    </message>
    <message>
        <source>The diameter of the non-drive wheel must be larger than the diameter of the non-drive axle.</source>
        <translation>Der Durchmesser des nicht angetriebenen Rads muss größer sein als der Durchmesser der nicht angetriebenen Achse.</translation>
    </message>
</context>
<context>
    <name>PointsDialog</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Across (in)</source>
        <translation>Nach rechts (in)</translation>
    </message>
    <message>
        <source>Down (in)</source>
        <translation>Nach unten (in)</translation>
    </message>
    <message>
        <source>&amp;Layer:</source>
        <translation>&amp;Lage:</translation>
    </message>
    <message>
        <source>Outer layer</source>
        <translation>Außenlage</translation>
    </message>
    <message>
        <source>Inner layer</source>
        <translation>Innenlage</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Inches from the sheet&apos;s top left corner. Insert adds a point after the current one, Delete removes it.</source>
        <translation>Zoll ab der linken oberen Ecke des Blatts. Einfg fügt einen Punkt nach dem aktuellen ein, Entf entfernt ihn.</translation>
    </message>
    <message>
        <source>Outline points</source>
        <translation>Punkte der Umrisslinie</translation>
    </message>
    <message>
        <source>&amp;Add Point</source>
        <translation>Punkt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Point</source>
        <translation>Punkt &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>Portfolio</name>
    <message>
        <source>%1 s at %2 ft</source>
        <translation>%1 s bei %2 ft</translation>
    </message>
    <message>
        <source>Drive wheel diameter (in)</source>
        <translation>Durchmesser des Antriebsrads (in)</translation>
    </message>
    <message>
        <source>Other wheel diameter (in)</source>
        <translation>Durchmesser der anderen Räder (in)</translation>
    </message>
    <message>
        <source>Drive axle diameter (in)</source>
        <translation>Durchmesser der Antriebsachse (in)</translation>
    </message>
    <message>
        <source>Spring width (in)</source>
        <translation>Federbreite (in)</translation>
    </message>
    <message>
        <source>Spring length (in)</source>
        <translation>Federlänge (in)</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Lagen</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Zeit bis 15 ft (s)</translation>
    </message>
    <message>
        <source>Top speed (ft/s)</source>
        <translation>Endgeschwindigkeit (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/s)</source>
        <translation>Höchstgeschwindigkeit (ft/s)</translation>
    </message>
    <message>
        <source>Mass (lb)</source>
        <translation>Masse (lb)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portfolio</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Maße</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Vorhergesagt</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Schablonen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Prediction, simulation and runs</source>
        <translation>Vorhersage, Simulation und Läufe</translation>
    </message>
    <message>
        <source>My prediction (s)</source>
        <translation>Meine Vorhersage (s)</translation>
    </message>
    <message>
        <source>Simulated time to 15 ft (s)</source>
        <translation>Simulierte Zeit bis 15 ft (s)</translation>
    </message>
    <message>
        <source>Measured, mean of the runs (s)</source>
        <translation>Gemessen, Mittel der Läufe (s)</translation>
    </message>
    <message>
        <source>Runs not shown: %1</source>
        <translation>Nicht gezeigte Läufe: %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>No challenge was given.</source>
        <translation>Es wurde keine Aufgabe gestellt.</translation>
    </message>
    <message>
        <source>Every rule kept</source>
        <translation>Alle Regeln eingehalten</translation>
    </message>
    <message>
        <source>Rules broken: %1</source>
        <translation>Verletzte Regeln: %1</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>eingehalten</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>verletzt</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>No versions yet.</source>
        <translation>Noch keine Versionen.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Versions left out: %1</source>
        <translation>Ausgelassene Versionen: %1</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>The challenge asks no questions.</source>
        <translation>Die Aufgabe stellt keine Fragen.</translation>
    </message>
    <message>
        <source>Not answered.</source>
        <translation>Nicht beantwortet.</translation>
    </message>
</context>
<context>
    <name>PortfolioCommand</name>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>Die PDF-Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>PowerDesigner</name>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>The starting spring width must be positive, greater than 0.1 inch, and not more than 6 inches. </source>
        <translation>Die Anfangsbreite der Feder muss positiv sein, größer als 0.1 Zoll und nicht mehr als 6 Zoll. </translation>
    </message>
    <message>
        <source>The ending spring width must be positive, not less than 0.1 inch, and not more than 6 inches. </source>
        <translation>Die Endbreite der Feder muss positiv sein, nicht weniger als 0.1 Zoll und nicht mehr als 6 Zoll. </translation>
    </message>
    <message>
        <source>The spring width step size must be positive, greater than 0.01 inch, and not more than 6 inches. </source>
        <translation>Die Schrittweite der Federbreite muss positiv sein, größer als 0.01 Zoll und nicht mehr als 6 Zoll. </translation>
    </message>
    <message>
        <source>The starting spring length must be positive, no less than 1 inch, and not more than 240 inches. </source>
        <translation>Die Anfangslänge der Feder muss positiv sein, nicht weniger als 1 Zoll und nicht mehr als 240 Zoll. </translation>
    </message>
    <message>
        <source>The ending spring length must be positive, not less than 1 inch, and not more than 240 inches. </source>
        <translation>Die Endlänge der Feder muss positiv sein, nicht weniger als 1 Zoll und nicht mehr als 240 Zoll. </translation>
    </message>
    <message>
        <source>The spring length step size must be positive, greater than 0.01 inch, and not more than 120 inches. </source>
        <translation>Die Schrittweite der Federlänge muss positiv sein, größer als 0.01 Zoll und nicht mehr als 120 Zoll. </translation>
    </message>
    <message>
        <source>The starting drive wheel diameter must be positive, greater than 0.1 inch, and not more than 7.5 inches. </source>
        <translation>Der Anfangsdurchmesser des Antriebsrads muss positiv sein, größer als 0.1 Zoll und nicht mehr als 7.5 Zoll. </translation>
    </message>
    <message>
        <source>The ending drive wheel diameter must be positive, not less than 0.1 inch, and not more than 7.5 inches. </source>
        <translation>Der Enddurchmesser des Antriebsrads muss positiv sein, nicht weniger als 0.1 Zoll und nicht mehr als 7.5 Zoll. </translation>
    </message>
    <message>
        <source>The drive wheel diameter step size must be positive, greater than 0.01 inch, and not more than 7.5 inches. </source>
        <translation>Die Schrittweite des Antriebsrad-Durchmessers muss positiv sein, größer als 0.01 Zoll und nicht mehr als 7.5 Zoll. </translation>
    </message>
    <message>
        <source>All ending values must be greater than their corresponding starting values.  Please double-check all of the ranges. </source>
        <translation>Jeder Endwert muss größer sein als sein Anfangswert. Bitte prüfe alle Bereiche noch einmal. </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>The case ratio must be positive, no less than 4 percent, and no more than 99 percent.</source>
        <translation>Das Gehäuseverhältnis muss positiv sein, nicht weniger als 4 Prozent und nicht mehr als 99 Prozent.</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.</source>
        <translation>Die Reibungskraft muss positiv sein, größer als 0.01 lb und nicht mehr als 0.25 lb.</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>The design has %1 layers; at most %2 layer templates can be printed.</source>
        <translation>Der Entwurf hat %1 Lagen; höchstens %2 Schablonen für Lagen können gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>PrintedPage</name>
    <message>
        <source>Print at 100 % (actual size)</source>
        <translation>Mit 100 % drucken (Originalgröße)</translation>
    </message>
    <message>
        <source>Tile %1 of %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
</context>
<context>
    <name>ProjectorPage</name>
    <message>
        <source>Lane %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message>
        <source>Lane %1   %2</source>
        <translation>Bahn %1   %2</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Times are entered at the teacher&apos;s computer.</source>
        <translation>Die Zeiten werden am Computer der Lehrkraft eingetragen.</translation>
    </message>
    <message>
        <source>Follow on your phone: %1</source>
        <translation>Verfolge es auf deinem Handy: %1</translation>
    </message>
    <message>
        <source>Join code for the timekeeper: %1</source>
        <translation>Beitrittscode für die Zeitnahme: %1</translation>
    </message>
</context>
<context>
    <name>RaceAwards</name>
    <message>
        <source>Closest to its prediction</source>
        <translation>Am nächsten an der eigenen Vorhersage</translation>
    </message>
    <message>
        <source>Closest to its simulation</source>
        <translation>Am nächsten an der eigenen Simulation</translation>
    </message>
    <message>
        <source>Best improvement</source>
        <translation>Größte Verbesserung</translation>
    </message>
    <message>
        <source>Fastest run</source>
        <translation>Schnellste Fahrt</translation>
    </message>
</context>
<context>
    <name>RaceChart</name>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Strecke (ft)</translation>
    </message>
    <message>
        <source>Finish 15 ft</source>
        <translation>Ziel 15 ft</translation>
    </message>
    <message>
        <source>Winner %1 s</source>
        <translation>Sieger %1 s</translation>
    </message>
    <message>
        <source>Selected design</source>
        <translation>Gewählter Entwurf</translation>
    </message>
    <message>
        <source>Other designs</source>
        <translation>Andere Entwürfe</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Durchdrehen</translation>
    </message>
    <message>
        <source>No simulated design</source>
        <translation>Kein simulierter Entwurf</translation>
    </message>
</context>
<context>
    <name>RaceCommand</name>
    <message>
        <source>at most %1 designs can race, %2 were given</source>
        <translation>höchstens %1 Entwürfe können ein Rennen fahren, %2 wurden angegeben</translation>
    </message>
    <message>
        <source>%1 is named twice and races once</source>
        <translation>%1 ist doppelt genannt und fährt einmal</translation>
    </message>
    <message>
        <source>%1 cannot race: it has no run</source>
        <translation>%1 kann nicht mitfahren: Es hat keine Fahrt</translation>
    </message>
</context>
<context>
    <name>RaceDay</name>
    <message>
        <source>an event holds at most %1 cars</source>
        <translation>ein Wettbewerb umfasst höchstens %1 Fahrzeuge</translation>
    </message>
    <message>
        <source>there is no heat %1; the event has %2</source>
        <translation>es gibt keinen Lauf %1; der Wettbewerb hat %2</translation>
    </message>
    <message>
        <source>heat %1 has %2 lanes, and %3 times were given</source>
        <translation>Lauf %1 hat %2 Bahnen, und es wurden %3 Zeiten angegeben</translation>
    </message>
    <message>
        <source>lane %1 of heat %2 has no car, so it has no time</source>
        <translation>Bahn %1 von Lauf %2 hat kein Fahrzeug, also keine Zeit</translation>
    </message>
    <message>
        <source>the time in lane %1 must lie above 0 and up to 100 s</source>
        <translation>die Zeit auf Bahn %1 muss über 0 und bis 100 s liegen</translation>
    </message>
    <message>
        <source>a car needs the file name of its design</source>
        <translation>ein Fahrzeug braucht den Dateinamen seines Entwurfs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already entered</source>
        <translation>„%1“ ist schon gemeldet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not entered</source>
        <translation>„%1“ ist nicht gemeldet</translation>
    </message>
</context>
<context>
    <name>RaceDayLog</name>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; das Fahrtenbuch bleibt, wie es ist</translation>
    </message>
    <message>
        <source>%1 holds no design file (*.zndl) to race</source>
        <translation>%1 enthält keine Entwurfsdatei (*.zndl) für den Wettbewerb</translation>
    </message>
</context>
<context>
    <name>RaceLabels</name>
    <message>
        <source>0.25x</source>
        <translation>0.25x</translation>
    </message>
    <message>
        <source>1x</source>
        <translation>1x</translation>
    </message>
    <message>
        <source>0.5x</source>
        <translation>0.5x</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>the model cannot run the design, so its test runs are not compared</source>
        <translation>das Modell kann den Entwurf nicht fahren lassen, deshalb werden seine Testfahrten nicht verglichen</translation>
    </message>
</context>
<context>
    <name>ResultFields</name>
    <message>
        <source>Inner Layers</source>
        <translation>Innenlagen</translation>
    </message>
    <message>
        <source>Number of inner layers in the car body</source>
        <translation>Anzahl der Innenlagen der Karosserie</translation>
    </message>
    <message>
        <source>Cored layers: </source>
        <translation>Ausgeschnittene Lagen: </translation>
    </message>
    <message>
        <source>Outer Layers</source>
        <translation>Außenlagen</translation>
    </message>
    <message>
        <source>Number of outer layers in the car body (always 2)</source>
        <translation>Anzahl der Außenlagen der Karosserie (immer 2)</translation>
    </message>
    <message>
        <source>Non-cored layers: </source>
        <translation>Volle Lagen: </translation>
    </message>
    <message>
        <source>Number of Layers</source>
        <translation>Anzahl der Lagen</translation>
    </message>
    <message>
        <source>= CarWidth/BoardThickness</source>
        <translation>= Fahrzeugbreite/Plattendicke</translation>
    </message>
    <message>
        <source>Total number of layers: </source>
        <translation>Anzahl aller Lagen: </translation>
    </message>
    <message>
        <source> layers</source>
        <translation> Lagen</translation>
    </message>
    <message>
        <source>Case width (in)</source>
        <translation>Gehäusebreite (in)</translation>
    </message>
    <message>
        <source>Width of the stack of cored layers</source>
        <translation>Breite des Stapels ausgeschnittener Lagen</translation>
    </message>
    <message>
        <source>Chamber width: </source>
        <translation>Kammerbreite: </translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>Body width (in)</source>
        <translation>Karosseriebreite (in)</translation>
    </message>
    <message>
        <source>Width of body (inches)</source>
        <translation>Breite der Karosserie (Zoll)</translation>
    </message>
    <message>
        <source>Car width: </source>
        <translation>Fahrzeugbreite: </translation>
    </message>
    <message>
        <source>Case inner dia (in)</source>
        <translation>Gehäuse innen Ø (in)</translation>
    </message>
    <message>
        <source>Necessary inner diameter of the spring chamber, to accommodate the spring</source>
        <translation>Nötiger Innendurchmesser der Federkammer, damit die Feder hineinpasst</translation>
    </message>
    <message>
        <source>Chamber inner diameter: </source>
        <translation>Innendurchmesser der Kammer: </translation>
    </message>
    <message>
        <source>Case outer dia (in)</source>
        <translation>Gehäuse außen Ø (in)</translation>
    </message>
    <message>
        <source>The diameter of the drive wheel(s) must be equal to or larger than the outer diameter of the spring chamber.</source>
        <translation>Der Durchmesser der Antriebsräder muss mindestens so groß sein wie der Außendurchmesser der Federkammer.</translation>
    </message>
    <message>
        <source>Chamber outer diameter: </source>
        <translation>Außendurchmesser der Kammer: </translation>
    </message>
    <message>
        <source>Bottles needed</source>
        <translation>Benötigte Flaschen</translation>
    </message>
    <message>
        <source>= (SpringLength/12.)/(6/SpringWidth)</source>
        <translation>= (Federlänge/12.)/(6/Federbreite)</translation>
    </message>
    <message>
        <source>Bottles needed: </source>
        <translation>Benötigte Flaschen: </translation>
    </message>
    <message>
        <source>Dia (in):</source>
        <translation>Durchm. (in):</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Durchmesser des Antriebsrads</translation>
    </message>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Antriebsrad Ø (in)</translation>
    </message>
    <message>
        <source>Other (non-drive) wheel diameter</source>
        <translation>Durchmesser des anderen (nicht angetriebenen) Rads</translation>
    </message>
    <message>
        <source>Other wheel dia (in)</source>
        <translation>Anderes Rad Ø (in)</translation>
    </message>
    <message>
        <source>Width (in):</source>
        <translation>Breite (in):</translation>
    </message>
    <message>
        <source>Width of the spring strip</source>
        <translation>Breite des Federstreifens</translation>
    </message>
    <message>
        <source>Spring width (in)</source>
        <translation>Federbreite (in)</translation>
    </message>
    <message>
        <source>Length (in):</source>
        <translation>Länge (in):</translation>
    </message>
    <message>
        <source>Length of the spring strip</source>
        <translation>Länge des Federstreifens</translation>
    </message>
    <message>
        <source>Spring length (in)</source>
        <translation>Federlänge (in)</translation>
    </message>
    <message>
        <source>Max Torque (in-lb)</source>
        <translation>Max. Drehmoment (in-lb)</translation>
    </message>
    <message>
        <source>Maximum torque of the spring</source>
        <translation>Größtes Drehmoment der Feder</translation>
    </message>
    <message>
        <source>Predicted Max Torque: </source>
        <translation>Vorhergesagtes max. Drehmoment: </translation>
    </message>
    <message>
        <source> in-lb</source>
        <translation> in-lb</translation>
    </message>
    <message>
        <source>Propulsion, left (lb)</source>
        <translation>Vortrieb, links (lb)</translation>
    </message>
    <message>
        <source>Static propulsive force of the drive axle</source>
        <translation>Vortriebskraft der Antriebsachse im Stand</translation>
    </message>
    <message>
        <source>Predicted propulsive force: </source>
        <translation>Vorhergesagte Vortriebskraft: </translation>
    </message>
    <message>
        <source> lb</source>
        <translation> lb</translation>
    </message>
    <message>
        <source>Propulsion, right (lb)</source>
        <translation>Vortrieb, rechts (lb)</translation>
    </message>
    <message>
        <source>Static propulsive force of the second drive axle (all-wheel drive)</source>
        <translation>Vortriebskraft der zweiten Antriebsachse im Stand (Allradantrieb)</translation>
    </message>
    <message>
        <source>Spring Mass (lbm)</source>
        <translation>Federmasse (lbm)</translation>
    </message>
    <message>
        <source>Mass of the spring(s)</source>
        <translation>Masse der Feder(n)</translation>
    </message>
    <message>
        <source>Spring Mass: </source>
        <translation>Federmasse: </translation>
    </message>
    <message>
        <source> lbm</source>
        <translation> lbm</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Gesamtmasse (lbm)</translation>
    </message>
    <message>
        <source>Mass of the whole car</source>
        <translation>Masse des ganzen Fahrzeugs</translation>
    </message>
    <message>
        <source>Total Car Mass: </source>
        <translation>Gesamtmasse des Fahrzeugs: </translation>
    </message>
    <message>
        <source>Board Mass (lbm)</source>
        <translation>Plattenmasse (lbm)</translation>
    </message>
    <message>
        <source>Mass of the body and all four wheels</source>
        <translation>Masse der Karosserie und aller vier Räder</translation>
    </message>
    <message>
        <source>Board Mass: </source>
        <translation>Plattenmasse: </translation>
    </message>
    <message>
        <source>Axle Mass (lbm)</source>
        <translation>Achsmasse (lbm)</translation>
    </message>
    <message>
        <source>Mass of both axles</source>
        <translation>Masse beider Achsen</translation>
    </message>
    <message>
        <source>Axle Mass: </source>
        <translation>Achsmasse: </translation>
    </message>
    <message>
        <source>x-centroid (in)</source>
        <translation>x-Schwerpunkt (in)</translation>
    </message>
    <message>
        <source>Measured from left edge, in inches</source>
        <translation>Vom linken Rand gemessen, in Zoll</translation>
    </message>
    <message>
        <source>x-centroid: </source>
        <translation>x-Schwerpunkt: </translation>
    </message>
    <message>
        <source>y-centroid (in)</source>
        <translation>y-Schwerpunkt (in)</translation>
    </message>
    <message>
        <source>Measured down from top edge, in inches</source>
        <translation>Von der Oberkante nach unten gemessen, in Zoll</translation>
    </message>
    <message>
        <source>y-centroid: </source>
        <translation>y-Schwerpunkt: </translation>
    </message>
    <message>
        <source>Normal force static (lb)</source>
        <translation>Normalkraft im Stand (lb)</translation>
    </message>
    <message>
        <source>Force on rear wheels when spring is not wound</source>
        <translation>Kraft auf die Hinterräder bei entspannter Feder</translation>
    </message>
    <message>
        <source>Normal force on drive wheel, unwound: </source>
        <translation>Normalkraft am Antriebsrad, entspannt: </translation>
    </message>
    <message>
        <source>Normal force, left (lb)</source>
        <translation>Normalkraft, links (lb)</translation>
    </message>
    <message>
        <source>Force acting on rear wheels when spring is wound</source>
        <translation>Kraft auf die Hinterräder bei gespannter Feder</translation>
    </message>
    <message>
        <source>Normal force on drive wheel, wound: </source>
        <translation>Normalkraft am Antriebsrad, gespannt: </translation>
    </message>
    <message>
        <source>Normal force, right (lb)</source>
        <translation>Normalkraft, rechts (lb)</translation>
    </message>
    <message>
        <source>= (BodyMass*CentroidInX/DistanceBetweenWheels) - (MaxTorque/DistanceBetweenWheels)</source>
        <translation>= (Karosseriemasse*SchwerpunktX/Radabstand) - (MaxDrehmoment/Radabstand)</translation>
    </message>
    <message>
        <source>Normal force, other wheel: </source>
        <translation>Normalkraft, anderes Rad: </translation>
    </message>
    <message>
        <source>Traction, left (lb)</source>
        <translation>Traktion, links (lb)</translation>
    </message>
    <message>
        <source>= CoeffofFriction * NormalForceWound</source>
        <translation>= Reibungszahl * NormalkraftGespannt</translation>
    </message>
    <message>
        <source>Predicted traction, left: </source>
        <translation>Vorhergesagte Traktion, links: </translation>
    </message>
    <message>
        <source>Traction, right (lb)</source>
        <translation>Traktion, rechts (lb)</translation>
    </message>
    <message>
        <source>= CoeffofFriction * NormalForceFront (0 when the front lifts)</source>
        <translation>= Reibungszahl * NormalkraftVorne (0, wenn vorne abhebt)</translation>
    </message>
    <message>
        <source>Predicted traction, right: </source>
        <translation>Vorhergesagte Traktion, rechts: </translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Umdrehungen</translation>
    </message>
    <message>
        <source>Revolutions the spring delivers</source>
        <translation>Umdrehungen, die die Feder liefert</translation>
    </message>
    <message>
        <source>Revolutions: </source>
        <translation>Umdrehungen: </translation>
    </message>
    <message>
        <source> turns</source>
        <translation> Umdrehungen</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Strecke (ft)</translation>
    </message>
    <message>
        <source>Predicted powered distance</source>
        <translation>Vorhergesagte angetriebene Strecke</translation>
    </message>
    <message>
        <source>Projected Distance: </source>
        <translation>Vorhergesagte Strecke: </translation>
    </message>
    <message>
        <source> ft</source>
        <translation> ft</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Zeit bis 15 ft (s)</translation>
    </message>
    <message>
        <source>Time to 15 ft; in brackets the time of a car that stopped short</source>
        <translation>Zeit bis 15 ft; in Klammern die Zeit eines Fahrzeugs, das vorher stehen blieb</translation>
    </message>
    <message>
        <source>Time to 15 ft: </source>
        <translation>Zeit bis 15 ft: </translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Top speed (ft/sec)</source>
        <translation>Endgeschw. (ft/s)</translation>
    </message>
    <message>
        <source>Speed at the end of the run, when the spring ran out or the time ran out</source>
        <translation>Geschwindigkeit am Ende der Fahrt, als die Feder abgelaufen oder die Zeit um war</translation>
    </message>
    <message>
        <source>Speed at 15 ft: </source>
        <translation>Geschwindigkeit bei 15 ft: </translation>
    </message>
    <message>
        <source> ft/sec</source>
        <translation> ft/s</translation>
    </message>
    <message>
        <source>Speed at the end of the run (ft/sec)</source>
        <translation>Geschwindigkeit am Ende der Fahrt (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Spitzengeschw. (ft/s)</translation>
    </message>
    <message>
        <source>Highest speed of the run</source>
        <translation>Höchste Geschwindigkeit der Fahrt</translation>
    </message>
    <message>
        <source>The prediction a run fell short of</source>
        <translation>Die Vorhersage, die eine Fahrt nicht erreicht hat</translation>
    </message>
</context>
<context>
    <name>RunCharts</name>
    <message>
        <source>%1 (calibrated)</source>
        <translation>%1 (kalibriert)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>9 in 10 builds</source>
        <translation>9 von 10 Bauten</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Strecke (ft)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Speed (ft/s)</source>
        <translation>Geschwindigkeit (ft/s)</translation>
    </message>
    <message>
        <source>Propulsion and traction</source>
        <translation>Vortrieb und Traktion</translation>
    </message>
    <message>
        <source>Force (lb)</source>
        <translation>Kraft (lb)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Propulsion</source>
        <translation>Vortrieb</translation>
    </message>
    <message>
        <source>Traction</source>
        <translation>Traktion</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Durchdrehen</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>Keine Fahrt</translation>
    </message>
</context>
<context>
    <name>RunEnergy</name>
    <message>
        <source>Skidding wasted %1 % of your spring&apos;s energy: more weight on the drive wheels or a grippier tread would help</source>
        <translation>Durchdrehen hat %1 % der Energie deiner Feder verschwendet: mehr Gewicht auf den Antriebsrädern oder eine griffigere Lauffläche würde helfen</translation>
    </message>
    <message>
        <source>Rolling friction took %1 % of your spring&apos;s energy: a smoother floor, truer axles or a lighter car would help</source>
        <translation>Die Rollreibung hat %1 % der Energie deiner Feder gekostet: ein glatterer Boden, geradere Achsen oder ein leichteres Fahrzeug würde helfen</translation>
    </message>
    <message>
        <source>Spinning the wheels up took %1 % of your spring&apos;s energy: lighter wheels would help</source>
        <translation>Das Andrehen der Räder hat %1 % der Energie deiner Feder gekostet: leichtere Räder würden helfen</translation>
    </message>
    <message>
        <source>Stopping the car took %1 % of your spring&apos;s energy: a spring that drives the car farther would help</source>
        <translation>Das Anhalten des Fahrzeugs hat %1 % der Energie deiner Feder gekostet: eine Feder, die das Fahrzeug weiter antreibt, würde helfen</translation>
    </message>
</context>
<context>
    <name>RunsCommand</name>
    <message>
        <source>&quot;%1&quot; is a built-in design, which has no class folder; save it as a design file first</source>
        <translation>„%1“ ist ein eingebauter Entwurf und hat keinen Klassenordner; speichere ihn zuerst als Entwurfsdatei</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; das Fahrtenbuch bleibt, wie es ist</translation>
    </message>
    <message>
        <source>--index: &quot;%1&quot; is not a run number (1, 2, ...)</source>
        <translation>--index: „%1“ ist keine Nummer einer Fahrt (1, 2, ...)</translation>
    </message>
    <message>
        <source>%1 has no run #%2 on &quot;%3&quot; (it has %4 there)</source>
        <translation>%1 hat keine Fahrt #%2 auf „%3“ (dort hat es %4)</translation>
    </message>
    <message>
        <source>add needs DESIGN and --track</source>
        <translation>add braucht DESIGN und --track</translation>
    </message>
    <message>
        <source>list needs one DESIGN or FOLDER</source>
        <translation>list braucht ein DESIGN oder einen FOLDER</translation>
    </message>
    <message>
        <source>remove needs DESIGN, --track and --index</source>
        <translation>remove braucht DESIGN, --track und --index</translation>
    </message>
    <message>
        <source>add, list or remove?</source>
        <translation>add, list oder remove?</translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos;</source>
        <translation>unbekannte Aktion „%1“</translation>
    </message>
</context>
<context>
    <name>Sensitivity</name>
    <message>
        <source>The model cannot run this design.</source>
        <translation>Das Modell kann diesen Entwurf nicht fahren lassen.</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Federlänge</translation>
    </message>
    <message>
        <source>The spring length</source>
        <translation>Die Federlänge</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Federbreite</translation>
    </message>
    <message>
        <source>The spring width</source>
        <translation>Die Federbreite</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Durchmesser des Antriebsrads</translation>
    </message>
    <message>
        <source>The drive wheel diameter</source>
        <translation>Der Durchmesser des Antriebsrads</translation>
    </message>
    <message>
        <source>Other wheel diameter</source>
        <translation>Durchmesser des anderen Rads</translation>
    </message>
    <message>
        <source>The other wheel diameter</source>
        <translation>Der Durchmesser des anderen Rads</translation>
    </message>
    <message>
        <source>Drive axle diameter</source>
        <translation>Durchmesser der Antriebsachse</translation>
    </message>
    <message>
        <source>The drive axle diameter</source>
        <translation>Der Durchmesser der Antriebsachse</translation>
    </message>
    <message>
        <source>Other axle diameter</source>
        <translation>Durchmesser der anderen Achse</translation>
    </message>
    <message>
        <source>The other axle diameter</source>
        <translation>Der Durchmesser der anderen Achse</translation>
    </message>
    <message>
        <source>Front axle position</source>
        <translation>Position der Vorderachse</translation>
    </message>
    <message>
        <source>The front axle position</source>
        <translation>Die Position der Vorderachse</translation>
    </message>
    <message>
        <source>%1 farther back</source>
        <translation>%1 weiter hinten</translation>
    </message>
    <message>
        <source>%1 farther forward</source>
        <translation>%1 weiter vorn</translation>
    </message>
    <message>
        <source>Weight %1 mass</source>
        <translation>Masse von Gewicht %1</translation>
    </message>
    <message>
        <source>The weight %1 mass</source>
        <translation>Die Masse von Gewicht %1</translation>
    </message>
    <message>
        <source>%1 heavier</source>
        <translation>%1 schwerer</translation>
    </message>
    <message>
        <source>%1 lighter</source>
        <translation>%1 leichter</translation>
    </message>
    <message>
        <source>Weight %1 position</source>
        <translation>Position von Gewicht %1</translation>
    </message>
    <message>
        <source>The weight %1 position</source>
        <translation>Die Position von Gewicht %1</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Reibung</translation>
    </message>
    <message>
        <source>The friction</source>
        <translation>Die Reibung</translation>
    </message>
    <message>
        <source>Board density</source>
        <translation>Plattendichte</translation>
    </message>
    <message>
        <source>The board density</source>
        <translation>Die Plattendichte</translation>
    </message>
    <message>
        <source>%1 denser</source>
        <translation>%1 dichter</translation>
    </message>
    <message>
        <source>Board thickness</source>
        <translation>Plattendicke</translation>
    </message>
    <message>
        <source>The board thickness</source>
        <translation>Die Plattendicke</translation>
    </message>
    <message>
        <source>%1 thicker</source>
        <translation>%1 dicker</translation>
    </message>
    <message>
        <source>%1 thinner</source>
        <translation>%1 dünner</translation>
    </message>
    <message>
        <source>Tread friction</source>
        <translation>Reibung der Lauffläche</translation>
    </message>
    <message>
        <source>The tread friction</source>
        <translation>Die Reibung der Lauffläche</translation>
    </message>
    <message>
        <source>%1 grippier</source>
        <translation>%1 griffiger</translation>
    </message>
    <message>
        <source>%1 slipperier</source>
        <translation>%1 rutschiger</translation>
    </message>
    <message>
        <source>%1: the car no longer reaches 15 ft</source>
        <translation>%1: Das Fahrzeug erreicht 15 ft nicht mehr</translation>
    </message>
    <message>
        <source>%1: changes nothing</source>
        <translation>%1: ändert nichts</translation>
    </message>
    <message>
        <source>%1: saves %2 s</source>
        <translation>%1: spart %2 s</translation>
    </message>
    <message>
        <source>%1: costs %2 s</source>
        <translation>%1: kostet %2 s</translation>
    </message>
    <message>
        <source>%1: goes %2 ft farther</source>
        <translation>%1: fährt %2 ft weiter</translation>
    </message>
    <message>
        <source>%1: falls %2 ft shorter</source>
        <translation>%1: bleibt %2 ft früher stehen</translation>
    </message>
    <message>
        <source>%1 (the build keeps the drive wheel as it is)</source>
        <translation>%1 (der Bau lässt das Antriebsrad, wie es ist)</translation>
    </message>
    <message>
        <source>%1 (the track&apos;s calibrated friction is used instead)</source>
        <translation>%1 (stattdessen gilt die kalibrierte Reibung der Bahn)</translation>
    </message>
    <message>
        <source>%1 matters most: %2 and the car no longer reaches 15 ft.</source>
        <translation>%1 zählt am meisten: Mit %2 erreicht das Fahrzeug 15 ft nicht mehr.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 saves %3 s.</source>
        <translation>%1 zählt am meisten: %2 spart %3 s.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 costs %3 s.</source>
        <translation>%1 zählt am meisten: %2 kostet %3 s.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 goes %3 ft farther.</source>
        <translation>%1 zählt am meisten: Mit %2 fährt das Fahrzeug %3 ft weiter.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 falls %3 ft shorter.</source>
        <translation>%1 zählt am meisten: Mit %2 bleibt das Fahrzeug %3 ft früher stehen.</translation>
    </message>
    <message>
        <source>No small change of one input changes this car&apos;s time.</source>
        <translation>Keine kleine Änderung einer einzelnen Eingabe ändert die Zeit dieses Fahrzeugs.</translation>
    </message>
    <message>
        <source>No small change of one input changes this car&apos;s distance.</source>
        <translation>Keine kleine Änderung einer einzelnen Eingabe ändert die Strecke dieses Fahrzeugs.</translation>
    </message>
    <message>
        <source>%1 larger</source>
        <translation>%1 größer</translation>
    </message>
    <message>
        <source>%1 smaller</source>
        <translation>%1 kleiner</translation>
    </message>
</context>
<context>
    <name>SensitivityChart</name>
    <message>
        <source>What a small change does to the time to 15 ft</source>
        <translation>Was eine kleine Änderung an der Zeit bis 15 ft bewirkt</translation>
    </message>
    <message>
        <source>What a small change does to the distance reached</source>
        <translation>Was eine kleine Änderung an der erreichten Strecke bewirkt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The step saves time</source>
        <translation>Der Schritt spart Zeit</translation>
    </message>
    <message>
        <source>The step goes farther</source>
        <translation>Der Schritt bringt weiter</translation>
    </message>
    <message>
        <source>The step costs time</source>
        <translation>Der Schritt kostet Zeit</translation>
    </message>
    <message>
        <source>The step falls shorter</source>
        <translation>Der Schritt bleibt kürzer</translation>
    </message>
</context>
<context>
    <name>SensitivityCommand</name>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>das Modell kann diesen Entwurf nicht fahren lassen (siehe &apos;zindle-cli analyze&apos;)</translation>
    </message>
</context>
<context>
    <name>SensitivityView</name>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>Working out which change matters most...</source>
        <translation>Es wird ermittelt, welche Änderung am meisten ausmacht...</translation>
    </message>
</context>
<context>
    <name>SheetEditing</name>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>To draw a shape, click points on the drawing sheet.  Double-click to finish (or press Cancel to abort).</source>
        <translation>Um eine Form zu zeichnen, klicke Punkte auf das Zeichenblatt.  Doppelklicke zum Beenden (oder drücke „Abbrechen“).</translation>
    </message>
    <message>
        <source>Click where the front axle goes, right of the drive axle.  A click anywhere else, Cancel or Esc leaves it where it is.</source>
        <translation>Klicke dorthin, wo die Vorderachse hin soll, rechts von der Antriebsachse.  Ein Klick woanders, „Abbrechen“ oder Esc lässt sie, wo sie ist.</translation>
    </message>
    <message>
        <source>Click where the weight goes on the drawing sheet, then say how heavy it is.  Cancel or Esc adds none.</source>
        <translation>Klicke auf dem Zeichenblatt dorthin, wo das Gewicht hin soll, und gib dann an, wie schwer es ist.  „Abbrechen“ oder Esc fügt keins hinzu.</translation>
    </message>
    <message>
        <source>Click the weight to remove.  Cancel or Esc removes none.</source>
        <translation>Klicke auf das Gewicht, das weg soll.  „Abbrechen“ oder Esc entfernt keins.</translation>
    </message>
    <message>
        <source>Clear outer layer</source>
        <translation>Außenlage löschen</translation>
    </message>
    <message>
        <source>Clear inner layer</source>
        <translation>Innenlage löschen</translation>
    </message>
    <message>
        <source>Clear shapes and weights</source>
        <translation>Formen und Gewichte löschen</translation>
    </message>
    <message>
        <source>Move front axle</source>
        <translation>Vorderachse verschieben</translation>
    </message>
    <message>
        <source>Add weight</source>
        <translation>Gewicht hinzufügen</translation>
    </message>
    <message>
        <source>Remove weight</source>
        <translation>Gewicht entfernen</translation>
    </message>
    <message>
        <source>Draw outer layer</source>
        <translation>Außenlage zeichnen</translation>
    </message>
    <message>
        <source>Draw inner layer</source>
        <translation>Innenlage zeichnen</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>--track needs a design file, whose folder holds the class&apos;s logbook</source>
        <translation>--track braucht eine Entwurfsdatei, in deren Ordner das Fahrtenbuch der Klasse liegt</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; das Fahrtenbuch bleibt, wie es ist</translation>
    </message>
    <message>
        <source>%1 holds no calibration for &quot;%2&quot; (see &apos;zindle-cli calibrate&apos;)</source>
        <translation>%1 enthält keine Kalibrierung für „%2“ (siehe &apos;zindle-cli calibrate&apos;)</translation>
    </message>
</context>
<context>
    <name>SimulationLabels</name>
    <message>
        <source>%1 of %2 ft</source>
        <translation>%1 von %2 ft</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rev %1 of %2: Front</source>
        <translation>U. %1 von %2: vorne</translation>
    </message>
    <message>
        <source>Rev %1 of %2: Rear</source>
        <translation>U. %1 von %2: hinten</translation>
    </message>
</context>
<context>
    <name>StandingsChart</name>
    <message>
        <source>Leader</source>
        <translation>Spitze</translation>
    </message>
</context>
<context>
    <name>SweepCommand</name>
    <message>
        <source>--threads takes a whole number from 1 to 256</source>
        <translation>--threads nimmt eine ganze Zahl von 1 bis 256</translation>
    </message>
    <message>
        <source>a map shows two ranges; fix the third (give it F:F:S)</source>
        <translation>eine Karte zeigt zwei Bereiche; leg den dritten fest (gib ihm F:F:S)</translation>
    </message>
    <message>
        <source>these ranges make %1 simulations, more than %2; narrow them or add --force</source>
        <translation>diese Bereiche ergeben %1 Simulationen, mehr als %2; grenze sie ein oder füge --force hinzu</translation>
    </message>
    <message>
        <source>Sweep: %1 of %2 simulated</source>
        <translation>Durchlauf: %1 von %2 simuliert</translation>
    </message>
    <message>
        <source>no combination was simulated</source>
        <translation>keine Kombination wurde simuliert</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 simulations; the best so far is printed</source>
        <translation>nach %1 von %2 Simulationen angehalten; das bisher Beste wird ausgegeben</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>This layer should remain unglued to provide spring access.</source>
        <translation>Diese Lage bleibt unverklebt, damit du an die Feder kommst.</translation>
    </message>
    <message>
        <source>%1 (%2 in)</source>
        <translation>%1 (%2 in)</translation>
    </message>
    <message>
        <source>%1: Wheels </source>
        <translation>%1: Räder </translation>
    </message>
    <message>
        <source>Drive wheels: %1</source>
        <translation>Antriebsräder: %1</translation>
    </message>
    <message>
        <source>Other wheels: %1</source>
        <translation>Andere Räder: %1</translation>
    </message>
    <message>
        <source>%1: Outer Layer template</source>
        <translation>%1: Schablone der Außenlage</translation>
    </message>
    <message>
        <source>%1: Outer Layer %2</source>
        <translation>%1: Außenlage %2</translation>
    </message>
    <message>
        <source>%1: Inner Layer template</source>
        <translation>%1: Schablone der Innenlage</translation>
    </message>
    <message>
        <source>%1: Inner Layer %2</source>
        <translation>%1: Innenlage %2</translation>
    </message>
</context>
<context>
    <name>TemplatesCommand</name>
    <message>
        <source>unknown page size &apos;%1&apos; (a4 or letter)</source>
        <translation>unbekanntes Papierformat &apos;%1&apos; (a4 oder letter)</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>Die PDF-Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>--page is an option of PDF files; cut files take --board</source>
        <translation>--page ist eine Option für PDF-Dateien; Schneidedateien nehmen --board</translation>
    </message>
    <message>
        <source>the report is not a cut part (cut files take all, inner, outer or wheels)</source>
        <translation>der Bericht ist kein Schneideteil (Schneidedateien nehmen all, inner, outer oder wheels)</translation>
    </message>
    <message>
        <source>unknown set &apos;%1&apos;</source>
        <translation>unbekannter Satz &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad board size &apos;%1&apos; (WxH in inches, or WxHmm; each side above 0 and up to 1000 in)</source>
        <translation>ungültige Plattengröße &apos;%1&apos; (BxH in Zoll oder BxHmm; jede Seite über 0 und höchstens 1000 in)</translation>
    </message>
    <message>
        <source>unknown profile &apos;%1&apos; (laser, plotter or print)</source>
        <translation>unbekanntes Profil &apos;%1&apos; (laser, plotter oder print)</translation>
    </message>
    <message>
        <source>bad kerf &apos;%1&apos; (inches, from 0 to 0.25)</source>
        <translation>ungültige Schnittbreite &apos;%1&apos; (Zoll, von 0 bis 0.25)</translation>
    </message>
    <message>
        <source>unknown colour &apos;%1&apos; (a name such as red or green, or #rrggbb)</source>
        <translation>unbekannte Farbe &apos;%1&apos; (ein Name wie red oder green, oder #rrggbb)</translation>
    </message>
    <message>
        <source>%1 is an option of .svg and .dxf cut files</source>
        <translation>%1 ist eine Option für .svg- und .dxf-Schneidedateien</translation>
    </message>
    <message>
        <source>bad --kerf-for &apos;%1&apos; (MATERIAL=IN, the kerf in inches from 0 to 0.25)</source>
        <translation>ungültiges --kerf-for &apos;%1&apos; (MATERIAL=IN, die Schnittbreite in Zoll von 0 bis 0.25)</translation>
    </message>
    <message>
        <source>material &apos;%1&apos; is given twice</source>
        <translation>das Material &apos;%1&apos; ist doppelt angegeben</translation>
    </message>
    <message>
        <source>unknown board material &apos;%1&apos; (the catalogue has %2)</source>
        <translation>unbekanntes Plattenmaterial &apos;%1&apos; (der Katalog hat %2)</translation>
    </message>
</context>
<context>
    <name>TestRunsReport</name>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>%1 ft: measured %2 s; the prediction comes to rest before it</source>
        <translation>%1 ft: gemessen %2 s; die Vorhersage kommt vorher zum Stehen</translation>
    </message>
    <message>
        <source>%1 ft: measured %2 s, predicted %3 s, error %4</source>
        <translation>%1 ft: gemessen %2 s, vorhergesagt %3 s, Fehler %4</translation>
    </message>
    <message>
        <source>Rest: measured %1 ft, predicted still rolling when the run&apos;s time ends</source>
        <translation>Halt: gemessen %1 ft, vorhergesagt noch rollend, wenn die Zeit der Fahrt endet</translation>
    </message>
    <message>
        <source>Rest: measured %1 ft, predicted %2 ft</source>
        <translation>Halt: gemessen %1 ft, vorhergesagt %2 ft</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 Fahrt</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 Fahrten</translation>
    </message>
    <message>
        <source>%1: no timed mark the prediction reaches (%2)</source>
        <translation>%1: keine gestoppte Marke, die die Vorhersage erreicht (%2)</translation>
    </message>
    <message>
        <source>%1: RMS error %2 s over 1 mark (%3)</source>
        <translation>%1: RMS-Fehler %2 s über 1 Marke (%3)</translation>
    </message>
    <message>
        <source>%1: RMS error %2 s over %3 marks (%4)</source>
        <translation>%1: RMS-Fehler %2 s über %3 Marken (%4)</translation>
    </message>
    <message>
        <source>Test runs of %1</source>
        <translation>Testfahrten von %1</translation>
    </message>
    <message>
        <source>Predicted with coasting by the design&apos;s own model; an error is measured minus predicted.</source>
        <translation>Vorhergesagt mit Ausrollen nach dem eigenen Modell des Entwurfs; ein Fehler ist gemessen minus vorhergesagt.</translation>
    </message>
    <message>
        <source>Predicted with coasting; an error is measured minus predicted.</source>
        <translation>Vorhergesagt mit Ausrollen; ein Fehler ist gemessen minus vorhergesagt.</translation>
    </message>
    <message>
        <source>Predictions %1</source>
        <translation>Vorhersagen %1</translation>
    </message>
    <message>
        <source>Error by track</source>
        <translation>Fehler nach Strecke</translation>
    </message>
</context>
<context>
    <name>TestRunsView</name>
    <message>
        <source>Test runs</source>
        <translation>Testfahrten</translation>
    </message>
    <message>
        <source>Power Designer</source>
        <translation>Antriebsplaner</translation>
    </message>
    <message>
        <source>Power Designer (calibrated for %1)</source>
        <translation>Antriebsplaner (kalibriert für %1)</translation>
    </message>
    <message>
        <source>Predictions %1 (the design&apos;s own texts are unchanged).</source>
        <translation>Vorhersagen %1 (die Werte des Entwurfs selbst bleiben unverändert).</translation>
    </message>
</context>
<context>
    <name>ToleranceChart</name>
    <message>
        <source>No builds were run.</source>
        <translation>Es wurden keine Bauten gerechnet.</translation>
    </message>
    <message>
        <source>Every one of %1 builds reaches 15 ft.</source>
        <translation>Jeder der %1 Bauten erreicht 15 ft.</translation>
    </message>
    <message>
        <source>%1 % of %2 builds reach 15 ft.</source>
        <translation>%1 % von %2 Bauten erreichen 15 ft.</translation>
    </message>
    <message>
        <source>Time to 15 ft over the builds</source>
        <translation>Zeit bis 15 ft über die Bauten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Zeit bis 15 ft (s)</translation>
    </message>
    <message>
        <source>Builds</source>
        <translation>Bauten</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>Builds per time</source>
        <translation>Bauten je Zeit</translation>
    </message>
    <message>
        <source>9 in 10 builds: %1 to %2</source>
        <translation>9 von 10 Bauten: %1 bis %2</translation>
    </message>
    <message>
        <source>Half the builds: %1</source>
        <translation>Die Hälfte der Bauten: %1</translation>
    </message>
    <message>
        <source>As drawn: %1</source>
        <translation>Wie gezeichnet: %1</translation>
    </message>
    <message>
        <source>What makes the time spread (share of the spread)</source>
        <translation>Was die Zeit streuen lässt (Anteil an der Streuung)</translation>
    </message>
</context>
<context>
    <name>ToleranceTexts</name>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 s every time.</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreicht dein Fahrzeug 15 ft jedes Mal in %1 s.</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 s every time; the %2 matters most (%3 % of the spread).</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreicht dein Fahrzeug 15 ft jedes Mal in %1 s. Am meisten zählt: %2 (%3 % der Streuung).</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 builds), typically %3 s.</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreicht dein Fahrzeug 15 ft in %1 bis %2 s (9 von 10 Bauten), meist in %3 s.</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 builds), typically %3 s; the %4 matters most (%5 % of the spread).</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreicht dein Fahrzeug 15 ft in %1 bis %2 s (9 von 10 Bauten), meist in %3 s. Am meisten zählt: %4 (%5 % der Streuung).</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds by %2 s.</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreichen nur %1 von 100 deiner Fahrzeuge 15 ft, die Hälfte aller Bauten bis %2 s.</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds by %2 s; the %3 matters most (%4 % of the spread).</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreichen nur %1 von 100 deiner Fahrzeuge 15 ft, die Hälfte aller Bauten bis %2 s. Am meisten zählt: %3 (%4 % der Streuung).</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft.</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreichen nur %1 von 100 deiner Fahrzeuge 15 ft.</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft; the %2 matters most (%3 % of the spread).</source>
        <translation>Innerhalb dieser Toleranzen gebaut, erreichen nur %1 von 100 deiner Fahrzeuge 15 ft. Am meisten zählt: %2 (%3 % der Streuung).</translation>
    </message>
</context>
<context>
    <name>Tolerances</name>
    <message>
        <source>The model cannot run this design.</source>
        <translation>Das Modell kann diesen Entwurf nicht fahren lassen.</translation>
    </message>
</context>
<context>
    <name>TolerancesCommand</name>
    <message>
        <source>--tolerance %1 takes inches from 0 to 0.5 (0.0625 or 1/16)</source>
        <translation>--tolerance %1 nimmt Zoll von 0 bis 0.5 (0.0625 oder 1/16)</translation>
    </message>
    <message>
        <source>--tolerance %1 takes a percentage from 0 to 50</source>
        <translation>--tolerance %1 nimmt einen Prozentwert von 0 bis 50</translation>
    </message>
    <message>
        <source>--tolerance takes NAME=VALUE with NAME one of thickness, density, outline, wheel, torque, friction, weights (not &apos;%1&apos;)</source>
        <translation>--tolerance nimmt NAME=VALUE, wobei NAME eines von thickness, density, outline, wheel, torque, friction, weights ist (nicht &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 nimmt eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>das Modell kann diesen Entwurf nicht fahren lassen (siehe &apos;zindle-cli analyze&apos;)</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 builds; what they show is printed</source>
        <translation>nach %1 von %2 Bauten angehalten; was sie zeigen, wird ausgegeben</translation>
    </message>
</context>
<context>
    <name>TrackCalibration</name>
    <message>
        <source>On %1 your cars behave as if rolling friction were %2 lb and springs gave %3 % of their rated torque; predictions now differ from your runs by %4 s on average.</source>
        <translation>Auf %1 verhalten sich deine Fahrzeuge so, als wäre die Rollreibung %2 lb und als gäben die Federn %3 % ihres Nenndrehmoments; die Vorhersagen weichen jetzt im Mittel um %4 s von deinen Fahrten ab.</translation>
    </message>
    <message>
        <source>Only the rolling friction was fitted: 1 timed mark and resting distance are too few for two factors, so the springs are taken at their rated torque.</source>
        <translation>Nur die Rollreibung wurde angepasst: 1 gestoppte Marke und Ruhestrecke sind zu wenig für zwei Faktoren, deshalb gelten die Federn mit ihrem Nenndrehmoment.</translation>
    </message>
    <message>
        <source>Only the rolling friction was fitted: %1 timed marks and resting distances are too few for two factors, so the springs are taken at their rated torque.</source>
        <translation>Nur die Rollreibung wurde angepasst: %1 gestoppte Marken und Ruhestrecken sind zu wenig für zwei Faktoren, deshalb gelten die Federn mit ihrem Nenndrehmoment.</translation>
    </message>
    <message>
        <source>calibrated for %1: friction %2 lb, springs at %3 % of their rated torque</source>
        <translation>kalibriert für %1: Reibung %2 lb, Federn bei %3 % ihres Nenndrehmoments</translation>
    </message>
</context>
<context>
    <name>TrackFit</name>
    <message>
        <source>Note: the runs of %1 are left out: its file &quot;%2&quot; is not in %3.</source>
        <translation>Hinweis: Die Fahrten von %1 fehlen in der Kalibrierung. Die Datei „%2“ ist nicht in %3.</translation>
    </message>
    <message>
        <source>Note: the runs of %1 are left out: the model cannot run the design.</source>
        <translation>Hinweis: Die Fahrten von %1 fehlen in der Kalibrierung. Das Modell kann den Entwurf nicht fahren lassen.</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; das Fahrtenbuch bleibt, wie es ist</translation>
    </message>
    <message>
        <source>%1 holds no run on &quot;%2&quot; of a design the model can run; nothing was fitted</source>
        <translation>%1 enthält keine Fahrt auf „%2“ von einem Entwurf, den das Modell fahren lassen kann. Nichts wurde angepasst</translation>
    </message>
    <message>
        <source>the runs of %1 are left out: its file &quot;%2&quot; is not in %3</source>
        <translation>die Fahrten von %1 fehlen in der Kalibrierung: Die Datei „%2“ ist nicht in %3</translation>
    </message>
    <message>
        <source>the runs of %1 are left out: the model cannot run the design</source>
        <translation>die Fahrten von %1 fehlen in der Kalibrierung: Das Modell kann den Entwurf nicht fahren lassen</translation>
    </message>
</context>
<context>
    <name>WeightTools</name>
    <message>
        <source>Added weights must be nonzero and are limited to 1 pound (positive or negative).  If you need to add more than that, you may use multiple weights.</source>
        <translation>Zusätzliche Gewichte dürfen nicht null sein und höchstens 1 Pfund betragen (positiv oder negativ).  Wenn du mehr brauchst, nimm mehrere Gewichte.</translation>
    </message>
    <message>
        <source>The non-drive axle cannot be placed, because a four-wheel drive car does not have one.</source>
        <translation>Die nicht angetriebene Achse kann nicht gesetzt werden, weil ein Fahrzeug mit Allradantrieb keine hat.</translation>
    </message>
</context>
<context>
    <name>WhatIf</name>
    <message>
        <source>Change spring length</source>
        <translation>Federlänge ändern</translation>
    </message>
    <message>
        <source>Change spring width</source>
        <translation>Federbreite ändern</translation>
    </message>
    <message>
        <source>Change drive wheel diameter</source>
        <translation>Durchmesser des Antriebsrads ändern</translation>
    </message>
    <message>
        <source>Change weight</source>
        <translation>Gewicht ändern</translation>
    </message>
    <message>
        <source>Move weight</source>
        <translation>Gewicht verschieben</translation>
    </message>
    <message>
        <source>Change friction</source>
        <translation>Reibung ändern</translation>
    </message>
    <message>
        <source>The car cannot run with this value.</source>
        <translation>Mit diesem Wert kann das Auto nicht fahren.</translation>
    </message>
</context>
<context>
    <name>WheelPages</name>
    <message>
        <source>hole: %1 in dia</source>
        <translation>Loch: %1 in Durchm.</translation>
    </message>
</context>
<context>
    <name>WhyFastPage</name>
    <message>
        <source>%1: why it is fast, and how sure</source>
        <translation>%1: warum es schnell ist, und wie sicher</translation>
    </message>
    <message>
        <source>The builds within the class&apos;s tolerances could not be run.</source>
        <translation>Die Bauten innerhalb der Toleranzen der Klasse konnten nicht fahren.</translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>Define materials</source>
        <translation>Materialien festlegen</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Voreinstellungen ändern</translation>
    </message>
</context>
<context>
    <name>zindle::AboutDialog</name>
    <message>
        <source>About Zindle</source>
        <translation>Über Zindle</translation>
    </message>
    <message>
        <source>Version 4.1</source>
        <translation>Version 4.1</translation>
    </message>
    <message>
        <source>Visit the Zindle help pages</source>
        <translation>Die Zindle-Hilfeseiten besuchen (auf Englisch)</translation>
    </message>
    <message>
        <source>Download latest version</source>
        <translation>Neueste Version herunterladen</translation>
    </message>
    <message>
        <source>20 Oct 03</source>
        <translation>20. Okt. 03</translation>
    </message>
    <message>
        <source>Start designing</source>
        <translation>Mit dem Entwerfen beginnen</translation>
    </message>
</context>
<context>
    <name>zindle::AdvisoriesWindow</name>
    <message>
        <source>Advisories</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Indicates that the outer layer has no outline, so the car cannot be weighed or run. Draw the outer layer of the body.</source>
        <translation>Zeigt an, dass die Außenlage keinen Umriss hat; das Auto kann deshalb weder gewogen werden noch fahren. Zeichne die Außenlage der Karosserie.</translation>
    </message>
    <message>
        <source>Indicates that a value read from the design file is not a number, so the car cannot be analysed or run. Type a number into that field.</source>
        <translation>Zeigt an, dass ein Wert aus der Entwurfsdatei keine Zahl ist; das Auto kann deshalb weder analysiert werden noch fahren. Gib in dieses Feld eine Zahl ein.</translation>
    </message>
    <message>
        <source>Indicates that the spring delivers no revolutions: it is too short for its drive axle and chamber. Use a longer spring, a thinner drive axle or a smaller case ratio.</source>
        <translation>Zeigt an, dass die Feder keine Umdrehungen liefert: Sie ist zu kurz für ihre Antriebsachse und ihre Kammer. Nimm eine längere Feder, eine dünnere Antriebsachse oder ein kleineres Gehäuseverhältnis.</translation>
    </message>
    <message>
        <source>Indicates that the whole car weighs less than 0.01 lb (negative added weights can do this), so its balance cannot be found and it cannot be run. Remove or lighten negative weights.</source>
        <translation>Zeigt an, dass das ganze Auto weniger als 0.01 lb wiegt (negative Gewichte können das bewirken); sein Gleichgewicht lässt sich deshalb nicht finden, und es kann nicht fahren. Entferne negative Gewichte oder mach sie leichter.</translation>
    </message>
    <message>
        <source>Indicates that the drive and front axles are less than 0.1 inch apart, so the weight of the car cannot be shared between its wheels and it cannot be run. Move the front axle.</source>
        <translation>Zeigt an, dass Antriebs- und Vorderachse weniger als 0.1 Zoll auseinander sind; das Gewicht des Autos lässt sich deshalb nicht auf seine Räder verteilen, und es kann nicht fahren. Verschiebe die Vorderachse.</translation>
    </message>
    <message>
        <source>Indicates that the drive wheels are likely to lose traction while accelerating.</source>
        <translation>Zeigt an, dass die Antriebsräder beim Beschleunigen wahrscheinlich durchdrehen.</translation>
    </message>
    <message>
        <source>Indicates that part of the car body will exceed the dimensions of the paper and will be clipped.</source>
        <translation>Zeigt an, dass ein Teil der Karosserie über das Papier hinausragt und abgeschnitten wird.</translation>
    </message>
    <message>
        <source>Indicates that the non-drive axle is not connected to the rest of the car.</source>
        <translation>Zeigt an, dass die nicht angetriebene Achse nicht mit dem Rest des Autos verbunden ist.</translation>
    </message>
    <message>
        <source>Indicates that the spring case/drive axle assembly is not connected to the rest of the car.</source>
        <translation>Zeigt an, dass die Einheit aus Federgehäuse und Antriebsachse nicht mit dem Rest des Autos verbunden ist.</translation>
    </message>
    <message>
        <source>Indicates that the two spring chambers in a four-wheel-drive car are interfering with each other.</source>
        <translation>Zeigt an, dass sich die beiden Federkammern eines Autos mit Allradantrieb gegenseitig stören.</translation>
    </message>
    <message>
        <source>Indicates that some parts of the body are not connected to anything.</source>
        <translation>Zeigt an, dass manche Teile der Karosserie mit nichts verbunden sind.</translation>
    </message>
</context>
<context>
    <name>zindle::AnalyzePanel</name>
    <message>
        <source>Element size (in)</source>
        <translation>Elementgröße (in)</translation>
    </message>
</context>
<context>
    <name>zindle::BuildPanel</name>
    <message>
        <source>Rewind</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Von vorn beginnen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Draw the next layer</source>
        <translation>Die nächste Lage zeichnen</translation>
    </message>
    <message>
        <source>To end</source>
        <translation>Zum Ende</translation>
    </message>
    <message>
        <source>Draw the whole car</source>
        <translation>Das ganze Fahrzeug zeichnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Size of 3D image (smaller is faster).  Press Build button to redraw.</source>
        <translation>Größe des 3D-Bilds (kleiner ist schneller).  Drücke „Bauen“, um neu zu zeichnen.</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
</context>
<context>
    <name>zindle::ChallengeEditor</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>Time to 15 ft</source>
        <translation>Zeit bis 15 ft</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Closest to a target time</source>
        <translation>Am nächsten an einer Zielzeit</translation>
    </message>
    <message>
        <source>Energy efficiency</source>
        <translation>Energieeffizienz</translation>
    </message>
    <message>
        <source>Target time in seconds</source>
        <translation>Zielzeit in Sekunden</translation>
    </message>
    <message>
        <source>target (s):</source>
        <translation>Ziel (s):</translation>
    </message>
    <message>
        <source>&amp;Scoring:</source>
        <translation>&amp;Wertung:</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regeln:</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Rubric:</source>
        <translation>Bewertungsraster:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewichtung</translation>
    </message>
    <message>
        <source>Prompts:</source>
        <translation>Fragen:</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>before the first simulation</source>
        <translation>vor der ersten Simulation</translation>
    </message>
    <message>
        <source>after a race</source>
        <translation>nach einem Rennen</translation>
    </message>
    <message>
        <source>The target time must be a number of seconds above 0.</source>
        <translation>Die Zielzeit muss eine Zahl von Sekunden über 0 sein.</translation>
    </message>
    <message>
        <source>The weight of rubric row %1 is not a number.</source>
        <translation>Die Gewichtung der Zeile %1 des Bewertungsrasters ist keine Zahl.</translation>
    </message>
    <message>
        <source>Save Challenge</source>
        <translation>Aufgabe speichern</translation>
    </message>
</context>
<context>
    <name>zindle::ChartWindow</name>
    <message>
        <source>Save Chart...</source>
        <translation>Diagramm speichern...</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>A chart is saved as .png, .svg or .pdf.</source>
        <translation>Ein Diagramm wird als .png, .svg oder .pdf gespeichert.</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <translation>Das Diagramm konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>zindle::ClassResultsDialog</name>
    <message>
        <source>Class results</source>
        <translation>Klassenergebnisse</translation>
    </message>
    <message>
        <source>Predict for track:</source>
        <translation>Vorhersage für Strecke:</translation>
    </message>
    <message>
        <source>Only the runs on this track are compared, and every design is predicted with the track&apos;s calibration from the class&apos;s logbook.</source>
        <translation>Nur die Fahrten auf dieser Strecke werden verglichen, und jeder Entwurf wird mit der Kalibrierung der Strecke aus dem Fahrtenbuch der Klasse vorhergesagt.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Zeit bis 15 ft (s)</translation>
    </message>
    <message>
        <source>Measured (sec)</source>
        <translation>Gemessen (s)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Spitzengeschw. (ft/s)</translation>
    </message>
    <message>
        <source>Powered distance (ft)</source>
        <translation>Strecke mit Antrieb (ft)</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Gesamtmasse (lbm)</translation>
    </message>
    <message>
        <source>Advisories</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Double-click a design to open it.</source>
        <translation>Doppelklicke auf einen Entwurf, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>%1: ranking %2 design files...</source>
        <translation>%1: %2 Entwurfsdateien werden gereiht...</translation>
    </message>
    <message>
        <source>(stopped: %1 of %2 files ranked)</source>
        <translation>(gestoppt: %1 von %2 Dateien gereiht)</translation>
    </message>
    <message>
        <source>%1: %2 design</source>
        <translation>%1: %2 Entwurf</translation>
    </message>
    <message>
        <source>%1: %2 designs</source>
        <translation>%1: %2 Entwürfe</translation>
    </message>
    <message>
        <source>%1: %2 design, %3 file could not be read</source>
        <translation>%1: %2 Entwurf, %3 Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2 designs, %3 file could not be read</source>
        <translation>%1: %2 Entwürfe, %3 Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2 design, %3 files could not be read</source>
        <translation>%1: %2 Entwurf, %3 Dateien konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2 designs, %3 files could not be read</source>
        <translation>%1: %2 Entwürfe, %3 Dateien konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: no design files (.zndl) in this folder</source>
        <translation>%1: keine Entwurfsdateien (.zndl) in diesem Ordner</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Export class results</source>
        <translation>Klassenergebnisse exportieren</translation>
    </message>
    <message>
        <source>Web page|*.html</source>
        <translation>Webseite|*.html</translation>
    </message>
    <message>
        <source>PDF document|*.pdf</source>
        <translation>PDF-Dokument|*.pdf</translation>
    </message>
    <message>
        <source>Table (CSV)|*.csv</source>
        <translation>Tabelle (CSV)|*.csv</translation>
    </message>
    <message>
        <source>The PDF of the class results could not be made.</source>
        <translation>Das PDF der Klassenergebnisse konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Class results are exported as .html, .pdf or .csv, not as &quot;%1&quot;.</source>
        <translation>Klassenergebnisse werden als .html, .pdf oder .csv exportiert, nicht als „%1“.</translation>
    </message>
</context>
<context>
    <name>zindle::ConvertDialog</name>
    <message>
        <source>Convert to 4.1 file format</source>
        <translation>In das Dateiformat 4.1 umwandeln</translation>
    </message>
    <message>
        <source>This feature converts old car files to a new format for
use with Zindle 4.1.  You will first be asked to locate
a .zndl file from a previous version of Zindle.  Then,
you will be asked to resave it.  To proceed, press &quot;Convert&quot;.</source>
        <translation>Hiermit wandelst du alte Fahrzeugdateien in ein neues Format
für Zindle 4.1 um.  Zuerst wirst du nach einer .zndl-Datei
aus einer früheren Version von Zindle gefragt.  Danach
speicherst du sie neu.  Klicke zum Weitermachen auf „Umwandeln“.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zindle::CutExportDialog</name>
    <message>
        <source>Export Cut Files</source>
        <translation>Schneidedateien exportieren</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Knife plotter</source>
        <translation>Messerplotter</translation>
    </message>
    <message>
        <source>Printed template</source>
        <translation>Gedruckte Schablone</translation>
    </message>
    <message>
        <source>&amp;Machine:</source>
        <translation>&amp;Maschine:</translation>
    </message>
    <message>
        <source>&amp;Kerf (in):</source>
        <translation>&amp;Schnittbreite (in):</translation>
    </message>
    <message>
        <source>Red cuts, blue engraves</source>
        <translation>Rot schneidet, Blau graviert</translation>
    </message>
    <message>
        <source>Green cuts, blue engraves</source>
        <translation>Grün schneidet, Blau graviert</translation>
    </message>
    <message>
        <source>One layer per operation (DXF)</source>
        <translation>Eine Ebene je Arbeitsgang (DXF)</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>Width x height in inches (add mm for millimetres), for example 20x30 or 500x750mm</source>
        <translation>Breite x Höhe in Zoll (hänge mm an für Millimeter), zum Beispiel 20x30 oder 500x750mm</translation>
    </message>
    <message>
        <source>&amp;Board size:</source>
        <translation>&amp;Plattengröße:</translation>
    </message>
    <message>
        <source>&amp;Gap between parts (in):</source>
        <translation>&amp;Abstand zwischen Teilen (in):</translation>
    </message>
    <message>
        <source>The kerf is a number of inches from 0 to 0.25.</source>
        <translation>Die Schnittbreite ist eine Zahl in Zoll von 0 bis 0.25.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board size; write it as 20x30 or 500x750mm.</source>
        <translation>„%1“ ist keine Plattengröße; schreib sie als 20x30 oder 500x750mm.</translation>
    </message>
    <message>
        <source>The gap between parts is a number of inches from 0.1 to 1.</source>
        <translation>Der Abstand zwischen Teilen ist eine Zahl in Zoll von 0.1 bis 1.</translation>
    </message>
    <message>
        <source>Kerf by material (in)</source>
        <translation>Schnittbreite je Material (in)</translation>
    </message>
    <message>
        <source>Leave it empty to use the kerf above.</source>
        <translation>Lass es leer, dann gilt die Schnittbreite oben.</translation>
    </message>
    <message>
        <source>The kerf for %1 is a number of inches from 0 to 0.25.</source>
        <translation>Die Schnittbreite für %1 ist eine Zahl in Zoll von 0 bis 0.25.</translation>
    </message>
</context>
<context>
    <name>zindle::DefineMaterialDialog</name>
    <message>
        <source>Define a Board Material</source>
        <translation>Plattenmaterial festlegen</translation>
    </message>
    <message>
        <source>Define an Axle Material</source>
        <translation>Achsmaterial festlegen</translation>
    </message>
    <message>
        <source>Define a Spring Material</source>
        <translation>Federmaterial festlegen</translation>
    </message>
    <message>
        <source>Define a Tread Material</source>
        <translation>Laufflächenmaterial festlegen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Board Name</source>
        <translation>Name der Platte</translation>
    </message>
    <message>
        <source>Board thickness (inches)</source>
        <translation>Dicke der Platte (Zoll)</translation>
    </message>
    <message>
        <source>Board density (lbm/cu in)</source>
        <translation>Dichte der Platte (lbm/cu in)</translation>
    </message>
    <message>
        <source>Name of axle material</source>
        <translation>Name des Achsmaterials</translation>
    </message>
    <message>
        <source>Density (lbm/cu in)</source>
        <translation>Dichte (lbm/cu in)</translation>
    </message>
    <message>
        <source>Name of spring material</source>
        <translation>Name des Federmaterials</translation>
    </message>
    <message>
        <source>Thickness (in)</source>
        <translation>Dicke (in)</translation>
    </message>
    <message>
        <source>Width of test sample (in)</source>
        <translation>Breite der Probe (in)</translation>
    </message>
    <message>
        <source>Name of tread material</source>
        <translation>Name des Laufflächenmaterials</translation>
    </message>
    <message>
        <source>Coefficient of static friction</source>
        <translation>Haftreibungszahl</translation>
    </message>
    <message>
        <source>Experimental Torque Curve</source>
        <translation>Gemessene Drehmomentkurve</translation>
    </message>
    <message>
        <source>Revs Unwound</source>
        <translation>Abgewickelte Umdrehungen</translation>
    </message>
    <message>
        <source>Torque (in-lb)</source>
        <translation>Drehmoment (in-lb)</translation>
    </message>
    <message>
        <source>0 (fully wound):</source>
        <translation>0 (ganz aufgezogen):</translation>
    </message>
    <message>
        <source>(remaining cells
are optional)</source>
        <translation>(die übrigen Zellen
sind freiwillig)</translation>
    </message>
    <message>
        <source>Choose color...</source>
        <translation>Farbe wählen...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zindle::DesignMapView</name>
    <message>
        <source>Not run: the sweep stopped before this combination</source>
        <translation>Nicht gefahren: Der Durchlauf hat vor dieser Kombination angehalten</translation>
    </message>
    <message>
        <source>Drive wheel dia %1 in (%2 in asked: enlarged to fit the spring)</source>
        <translation>Antriebsrad-Durchm. %1 in (%2 in gewünscht: vergrößert, damit die Feder passt)</translation>
    </message>
    <message>
        <source>Drive wheel dia %1 in</source>
        <translation>Antriebsrad-Durchm. %1 in</translation>
    </message>
    <message>
        <source>Spring length %1 in</source>
        <translation>Federlänge %1 in</translation>
    </message>
    <message>
        <source>Spring width %1 in</source>
        <translation>Federbreite %1 in</translation>
    </message>
    <message>
        <source>Does not reach 15 ft %1</source>
        <translation>Erreicht 15 ft nicht %1</translation>
    </message>
    <message>
        <source>Time to 15 ft %1 s (best)</source>
        <translation>Zeit bis 15 ft %1 s (beste)</translation>
    </message>
    <message>
        <source>Time to 15 ft %1 s</source>
        <translation>Zeit bis 15 ft %1 s</translation>
    </message>
    <message>
        <source>Click to put these sizes into the design</source>
        <translation>Klicke, um diese Maße in den Entwurf zu übernehmen</translation>
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
    <name>zindle::EventServer</name>
    <message>
        <source>the join code is missing or wrong</source>
        <translation>der Beitrittscode fehlt oder ist falsch</translation>
    </message>
</context>
<context>
    <name>zindle::HeatEntryPanel</name>
    <message>
        <source>Lane %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message>
        <source>(blocked)</source>
        <translation>(gesperrt)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Lane %1 time, %2</source>
        <translation>Zeit Bahn %1, %2</translation>
    </message>
    <message>
        <source>s, or D</source>
        <translation>s, oder D</translation>
    </message>
    <message>
        <source>Lane %1 has no time yet: type it, or D for a car that did not finish.</source>
        <translation>Bahn %1 hat noch keine Zeit: tippe sie ein, oder D für ein Fahrzeug, das nicht angekommen ist.</translation>
    </message>
    <message>
        <source>Lane %1: %2.</source>
        <translation>Bahn %1: %2.</translation>
    </message>
</context>
<context>
    <name>zindle::HowHeavyDialog</name>
    <message>
        <source>How heavy?</source>
        <translation>Wie schwer?</translation>
    </message>
    <message>
        <source>How heavy is this weight?</source>
        <translation>Wie schwer ist dieses Gewicht?</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
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
    <message>
        <source>The sweep stopped when a dialog opened.</source>
        <translation>Der Durchlauf hielt an, als sich ein Dialog öffnete.</translation>
    </message>
    <message>
        <source>Export run</source>
        <translation>Fahrt exportieren</translation>
    </message>
    <message>
        <source>Samples of every step (CSV)|*.csv</source>
        <translation>Werte jedes Schritts (CSV)|*.csv</translation>
    </message>
    <message>
        <source>Charts (PNG picture)|*.png</source>
        <translation>Diagramme (PNG-Bild)|*.png</translation>
    </message>
    <message>
        <source>Charts (SVG drawing)|*.svg</source>
        <translation>Diagramme (SVG-Zeichnung)|*.svg</translation>
    </message>
    <message>
        <source>Charts (PDF document)|*.pdf</source>
        <translation>Diagramme (PDF-Dokument)|*.pdf</translation>
    </message>
    <message>
        <source>The design file %1 is no longer there.</source>
        <translation>Die Entwurfsdatei %1 ist nicht mehr da.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Clear Recent Files</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>zindle::MaterialsDialog</name>
    <message>
        <source>Material Definitions</source>
        <translation>Materialien festlegen</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Platten</translation>
    </message>
    <message>
        <source>Axles</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>Springs</source>
        <translation>Federn</translation>
    </message>
    <message>
        <source>Treads</source>
        <translation>Laufflächen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Select the material to edit in the list first.</source>
        <translation>Wähle zuerst in der Liste das Material aus, das du bearbeiten willst.</translation>
    </message>
    <message>
        <source>Select the material to delete in the list first.</source>
        <translation>Wähle zuerst in der Liste das Material aus, das du löschen willst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is built in and cannot be edited. Press New to define a material of your own.</source>
        <translation>„%1“ ist eingebaut und kann nicht bearbeitet werden. Klicke auf „Neu“, um ein eigenes Material festzulegen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is built in and cannot be deleted. Press New to define a material of your own.</source>
        <translation>„%1“ ist eingebaut und kann nicht gelöscht werden. Klicke auf „Neu“, um ein eigenes Material festzulegen.</translation>
    </message>
    <message>
        <source>Delete the material &quot;%1&quot;? Parts made of it go back to the built-in material.</source>
        <translation>Das Material „%1“ löschen? Teile aus diesem Material bekommen wieder das eingebaute Material.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>zindle::NewEventDialog</name>
    <message>
        <source>New Event</source>
        <translation>Neuer Wettbewerb</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Klassenordner</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>&amp;Class folder:</source>
        <translation>&amp;Klassenordner:</translation>
    </message>
    <message>
        <source>as the logbook names it, for example Gym, lane tape</source>
        <translation>wie im Fahrtenbuch, zum Beispiel Turnhalle, Klebeband-Bahn</translation>
    </message>
    <message>
        <source>T&amp;rack:</source>
        <translation>St&amp;recke:</translation>
    </message>
    <message>
        <source>&amp;Lanes:</source>
        <translation>&amp;Bahnen:</translation>
    </message>
    <message>
        <source>none, or for example 2</source>
        <translation>keine, oder zum Beispiel 2</translation>
    </message>
    <message>
        <source>&amp;Blocked lanes:</source>
        <translation>&amp;Gesperrte Bahnen:</translation>
    </message>
    <message>
        <source>Lane-balanced chart</source>
        <translation>Plan mit ausgeglichenen Bahnen</translation>
    </message>
    <message>
        <source>Every car in every lane in turn</source>
        <translation>Jedes Fahrzeug nacheinander auf jeder Bahn</translation>
    </message>
    <message>
        <source>Fastest time rounds</source>
        <translation>Runden nach schnellster Zeit</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>R&amp;ounds (fastest time):</source>
        <translation>R&amp;unden (schnellste Zeit):</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Beste Zeit</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;Scoring:</source>
        <translation>&amp;Wertung:</translation>
    </message>
    <message>
        <source>&amp;Drop each car&apos;s slowest heat</source>
        <translation>Langsamsten Lauf jedes Fahrzeugs &amp;streichen</translation>
    </message>
    <message>
        <source>Choose the class folder whose designs race.</source>
        <translation>Wähle den Klassenordner, dessen Entwürfe fahren.</translation>
    </message>
    <message>
        <source>Blocked lanes are lane numbers from 1 to %1, separated by commas.</source>
        <translation>Gesperrte Bahnen sind Bahnnummern von 1 bis %1, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>Every lane is blocked: leave at least one open.</source>
        <translation>Alle Bahnen sind gesperrt: lass mindestens eine frei.</translation>
    </message>
</context>
<context>
    <name>zindle::OptimiserDialog</name>
    <message>
        <source>Optimiser</source>
        <translation>Optimierer</translation>
    </message>
    <message>
        <source>Sizes to vary</source>
        <translation>Größen zum Verändern</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Si&amp;zes to vary:</source>
        <translation>&amp;Größen zum Verändern:</translation>
    </message>
    <message>
        <source>Least time to 15 ft</source>
        <translation>Kürzeste Zeit bis 15 ft</translation>
    </message>
    <message>
        <source>Greatest distance</source>
        <translation>Größte Strecke</translation>
    </message>
    <message>
        <source>Closest to a target time</source>
        <translation>Am nächsten an einer Zielzeit</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>&amp;Target time (s):</source>
        <translation>Zielzei&amp;t (s):</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>keine Grenze</translation>
    </message>
    <message>
        <source>&amp;Mass limit (lb):</source>
        <translation>Höchst&amp;masse (lb):</translation>
    </message>
    <message>
        <source>No s&amp;kid</source>
        <translation>&amp;Kein Durchdrehen</translation>
    </message>
    <message>
        <source>No &amp;advisory (much slower)</source>
        <translation>Kein H&amp;inweis (viel langsamer)</translation>
    </message>
    <message>
        <source>The same seed gives the same designs again</source>
        <translation>Derselbe Startwert gibt wieder dieselben Entwürfe</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Start&amp;wert:</translation>
    </message>
    <message>
        <source>%1 per size</source>
        <translation>%1 pro Größe</translation>
    </message>
    <message>
        <source>How many designs to try at most</source>
        <translation>Wie viele Entwürfe du höchstens probierst</translation>
    </message>
    <message>
        <source>E&amp;valuations:</source>
        <translation>&amp;Auswertungen:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>ST&amp;OP</source>
        <translation>ST&amp;OPP</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sc&amp;hließen</translation>
    </message>
    <message>
        <source>Best designs</source>
        <translation>Beste Entwürfe</translation>
    </message>
    <message>
        <source>&amp;Best designs:</source>
        <translation>&amp;Beste Entwürfe:</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Put the chosen design&apos;s sizes into your design and show Simulate</source>
        <translation>Übernimm die Größen des gewählten Entwurfs in deinen Entwurf und zeige „Simulieren“</translation>
    </message>
    <message>
        <source>Tick at least one size to vary.</source>
        <translation>Kreuze mindestens eine Größe zum Verändern an.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Startet...</translation>
    </message>
    <message>
        <source>%1 designs tried, best %2 s</source>
        <translation>%1 Entwürfe probiert, bester %2 s</translation>
    </message>
    <message>
        <source>%1 designs tried, none reaches 15 ft yet</source>
        <translation>%1 Entwürfe probiert, noch keiner erreicht 15 ft</translation>
    </message>
    <message>
        <source>Stopped after %1 designs; the best so far are shown.</source>
        <translation>Nach %1 Entwürfen gestoppt; die bisher besten siehst du unten.</translation>
    </message>
    <message>
        <source>Nothing to show: %1.</source>
        <translation>Nichts zu zeigen: %1.</translation>
    </message>
    <message>
        <source>spring length</source>
        <translation>Federlänge</translation>
    </message>
    <message>
        <source>spring width</source>
        <translation>Federbreite</translation>
    </message>
    <message>
        <source>drive wheel</source>
        <translation>Antriebsrad</translation>
    </message>
    <message>
        <source>other wheel</source>
        <translation>anderes Rad</translation>
    </message>
    <message>
        <source>drive axle</source>
        <translation>Antriebsachse</translation>
    </message>
    <message>
        <source>other axle</source>
        <translation>andere Achse</translation>
    </message>
    <message>
        <source>front axle place</source>
        <translation>Position der Vorderachse</translation>
    </message>
    <message>
        <source>weight %1 mass</source>
        <translation>Masse von Gewicht %1</translation>
    </message>
    <message>
        <source>weight %1 place</source>
        <translation>Position von Gewicht %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>%1 (lb)</source>
        <translation>%1 (lb)</translation>
    </message>
    <message>
        <source>%1 (in)</source>
        <translation>%1 (in)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Strecke (ft)</translation>
    </message>
    <message>
        <source>What differs from your design</source>
        <translation>Was anders ist als in deinem Entwurf</translation>
    </message>
    <message>
        <source>%1 %2 → %3 lb</source>
        <translation>%1 %2 → %3 lb</translation>
    </message>
    <message>
        <source>%1 %2 → %3 in</source>
        <translation>%1 %2 → %3 in</translation>
    </message>
    <message>
        <source>short of 15 ft</source>
        <translation>erreicht 15 ft nicht</translation>
    </message>
    <message>
        <source>the same as your design</source>
        <translation>wie dein Entwurf</translation>
    </message>
    <message>
        <source>The design map needs two sizes varied.</source>
        <translation>Die Entwurfskarte braucht zwei veränderte Größen.</translation>
    </message>
    <message>
        <source>%1: time to 15 ft of the designs tried</source>
        <translation>%1: Zeit bis 15 ft der probierten Entwürfe</translation>
    </message>
    <message>
        <source>The map shows the first two sizes varied, %1 and %2; the others varied too.</source>
        <translation>Die Karte zeigt die ersten zwei veränderten Größen, %1 und %2; die anderen wurden auch verändert.</translation>
    </message>
    <message>
        <source>Dots: designs sampled. Lines: each local search, to the best design it found. Ring: your design.</source>
        <translation>Punkte: Stichproben. Linien: jede lokale Suche, bis zum besten Entwurf, den sie fand. Ring: dein Entwurf.</translation>
    </message>
    <message>
        <source>The design changed since the search; start it again to apply one of its designs.</source>
        <translation>Der Entwurf hat sich seit der Suche geändert; starte sie neu, um einen ihrer Entwürfe zu übernehmen.</translation>
    </message>
    <message>
        <source>The design is being edited; finish that first.</source>
        <translation>Der Entwurf wird gerade bearbeitet; schließ das zuerst ab.</translation>
    </message>
    <message>
        <source>Give %1 a number in From and in To.</source>
        <translation>Bei %1 fehlt eine Zahl in Von oder Bis.</translation>
    </message>
    <message>
        <source>The target time takes seconds above 0.</source>
        <translation>Die Zielzeit braucht Sekunden über 0.</translation>
    </message>
    <message>
        <source>The mass limit takes lb above 0, or nothing for no limit.</source>
        <translation>Die Höchstmasse braucht lb über 0, oder nichts für keine Grenze.</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>spring material</source>
        <translation>Federmaterial</translation>
    </message>
    <message>
        <source>tread material</source>
        <translation>Laufflächenmaterial</translation>
    </message>
    <message>
        <source>outer body material</source>
        <translation>Material des äußeren Rumpfs</translation>
    </message>
    <message>
        <source>inner body material</source>
        <translation>Material des inneren Rumpfs</translation>
    </message>
    <message>
        <source>drive wheel material</source>
        <translation>Material des Antriebsrads</translation>
    </message>
    <message>
        <source>other wheel material</source>
        <translation>Material des anderen Rads</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
</context>
<context>
    <name>zindle::PaperPrototypeDialog</name>
    <message>
        <source>Print Report Only</source>
        <translation>Nur den Bericht drucken</translation>
    </message>
    <message>
        <source>Print One Inner Layer Template</source>
        <translation>Eine Schablone der Innenlage drucken</translation>
    </message>
    <message>
        <source>Print One Outer Layer Template</source>
        <translation>Eine Schablone der Außenlage drucken</translation>
    </message>
    <message>
        <source>Print Wheel Templates</source>
        <translation>Radschablonen drucken</translation>
    </message>
    <message>
        <source>Print Entire Set </source>
        <translation>Den ganzen Satz drucken </translation>
    </message>
    <message>
        <source>Paper Prototype</source>
        <translation>Papiermodell</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Export Cut Files...</source>
        <translation>Schneidedateien exportieren...</translation>
    </message>
    <message>
        <source>Save every part as SVG or DXF for a laser cutter or cutting plotter</source>
        <translation>Jedes Teil als SVG oder DXF für einen Laserschneider oder Schneideplotter speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The printer could not print every page.</source>
        <translation>Der Drucker konnte nicht alle Seiten drucken.</translation>
    </message>
    <message>
        <source>Export Cut Files</source>
        <translation>Schneidedateien exportieren</translation>
    </message>
    <message>
        <source>SVG cut files</source>
        <translation>SVG-Schneidedateien</translation>
    </message>
    <message>
        <source>DXF cut files</source>
        <translation>DXF-Schneidedateien</translation>
    </message>
    <message>
        <source>Cut files are saved as .svg or .dxf files.</source>
        <translation>Schneidedateien werden als .svg- oder .dxf-Dateien gespeichert.</translation>
    </message>
    <message>
        <source>The templates fit on 1 board, written to %1.</source>
        <translation>Die Schablonen passen auf 1 Platte, gespeichert in %1.</translation>
    </message>
    <message>
        <source>The templates fit on %1 boards, written to %2.</source>
        <translation>Die Schablonen passen auf %1 Platten, gespeichert in %2.</translation>
    </message>
    <message>
        <source>Removed the boards of an earlier export: %1</source>
        <translation>Die Platten eines früheren Exports wurden entfernt: %1</translation>
    </message>
    <message>
        <source>Laying out the boards...</source>
        <translation>Die Platten werden belegt...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>zindle::PhysicsViews</name>
    <message>
        <source>Power Designer sweep</source>
        <translation>Durchlauf des Antriebsplaners</translation>
    </message>
    <message>
        <source>The sweep stopped when the window left Simulate.</source>
        <translation>Der Durchlauf hielt an, als das Fenster „Simulieren“ verließ.</translation>
    </message>
</context>
<context>
    <name>zindle::PowerDesignerDialog</name>
    <message>
        <source>Power Designer</source>
        <translation>Antriebsplaner</translation>
    </message>
    <message>
        <source>Spring Width (in)</source>
        <translation>Federbreite (in)</translation>
    </message>
    <message>
        <source>Width of the spring</source>
        <translation>Breite der Feder</translation>
    </message>
    <message>
        <source>Spring Length (in)</source>
        <translation>Federlänge (in)</translation>
    </message>
    <message>
        <source>Length of the spring</source>
        <translation>Länge der Feder</translation>
    </message>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Antriebsrad Ø (in)</translation>
    </message>
    <message>
        <source>Diameter of rear (drive) wheel.  Set to 0 for minimum allowable</source>
        <translation>Durchmesser des hinteren (Antriebs-)Rads.  Setze 0 für den kleinsten erlaubten Wert</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Show every combination</source>
        <translation>Jede Kombination zeigen</translation>
    </message>
    <message>
        <source>Run the combinations one after the other in the window, drawing each car (much slower)</source>
        <translation>Die Kombinationen nacheinander im Fenster fahren und jedes Auto zeichnen (viel langsamer)</translation>
    </message>
    <message>
        <source>Best Time to 15 ft</source>
        <translation>Beste Zeit bis 15 ft</translation>
    </message>
    <message>
        <source>at Spring Width = </source>
        <translation>bei Federbreite = </translation>
    </message>
    <message>
        <source>Spring Length = </source>
        <translation>Federlänge = </translation>
    </message>
    <message>
        <source>Drive Wheel Diameter = </source>
        <translation>Antriebsrad-Durchmesser = </translation>
    </message>
    <message>
        <source>Use best</source>
        <translation>Beste verwenden</translation>
    </message>
    <message>
        <source>Put the sizes of the best time into the design</source>
        <translation>Die Maße der besten Zeit in den Entwurf übernehmen</translation>
    </message>
    <message>
        <source>%v of %m combinations</source>
        <translation>%v von %m Kombinationen</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save map...</source>
        <translation>Karte speichern...</translation>
    </message>
    <message>
        <source>Save the design map as a picture (PNG, SVG, PDF) or its times (CSV)</source>
        <translation>Die Entwurfskarte als Bild (PNG, SVG, PDF) oder ihre Zeiten (CSV) speichern</translation>
    </message>
    <message>
        <source>Show in Simulate</source>
        <translation>In „Simulieren“ zeigen</translation>
    </message>
    <message>
        <source>Show the design with the sweep&apos;s sizes in Simulate mode</source>
        <translation>Den Entwurf mit den Maßen des Durchlaufs im Modus „Simulieren“ zeigen</translation>
    </message>
    <message>
        <source>The ranges are not valid yet</source>
        <translation>Die Bereiche sind noch nicht gültig</translation>
    </message>
    <message>
        <source>This map is of the previous sweep; the new sweep&apos;s map shows when it ends.</source>
        <translation>Diese Karte ist vom vorigen Durchlauf; die Karte des neuen Durchlaufs erscheint, wenn er endet.</translation>
    </message>
    <message>
        <source>%1 combinations are too many for the design map.</source>
        <translation>%1 Kombinationen sind zu viele für die Entwurfskarte.</translation>
    </message>
    <message>
        <source>The design changed during the sweep, so it keeps its own sizes; the map and the best show the design as it was swept.</source>
        <translation>Der Entwurf hat sich während des Durchlaufs geändert und behält deshalb seine eigenen Maße; Karte und Bestwerte zeigen den Entwurf, wie er beim Durchlauf war.</translation>
    </message>
    <message>
        <source>Power Designer sweep</source>
        <translation>Durchlauf des Antriebsplaners</translation>
    </message>
    <message>
        <source>The design was being edited when the sweep ended, so it keeps its own sizes.</source>
        <translation>Der Entwurf wurde gerade bearbeitet, als der Durchlauf endete; er behält deshalb seine eigenen Maße.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 combinations.</source>
        <translation>Gestoppt nach %1 von %2 Kombinationen.</translation>
    </message>
    <message>
        <source>%1 combinations.</source>
        <translation>%1 Kombinationen.</translation>
    </message>
    <message>
        <source>The design map shows two sizes against each other: this sweep varied all three. Give one of them the same from and to value for a map.</source>
        <translation>Die Entwurfskarte zeigt zwei Maße gegeneinander: Dieser Durchlauf hat alle drei verändert. Gib einem davon denselben Von- und Bis-Wert, um eine Karte zu bekommen.</translation>
    </message>
    <message>
        <source>Save design map</source>
        <translation>Entwurfskarte speichern</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Times of the cells (CSV)</source>
        <translation>Zeiten der Felder (CSV)</translation>
    </message>
    <message>
        <source>The design map could not be drawn.</source>
        <translation>Die Entwurfskarte konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>A design map is saved as .png, .svg, .pdf or .csv, not as &quot;%1&quot;.</source>
        <translation>Eine Entwurfskarte wird als .png, .svg, .pdf oder .csv gespeichert, nicht als „%1“.</translation>
    </message>
    <message>
        <source>This map is of %1 as it was swept; the design has changed since, so its sizes cannot go into it. Press GO for a map of the design as it is.</source>
        <translation>Diese Karte zeigt %1 zum Zeitpunkt des Durchlaufs; der Entwurf hat sich seitdem geändert, deshalb können ihre Maße nicht in ihn übernommen werden. Drücke LOS für eine Karte des Entwurfs, wie er jetzt ist.</translation>
    </message>
    <message>
        <source>This map is of %1, not of the design now in the window, so its sizes cannot go into it. Press GO for a map of this design.</source>
        <translation>Diese Karte ist von %1, nicht vom Entwurf, der jetzt im Fenster ist; deshalb können ihre Maße nicht in ihn übernommen werden. Drücke LOS für eine Karte dieses Entwurfs.</translation>
    </message>
    <message>
        <source>Apply design map cell</source>
        <translation>Feld der Entwurfskarte übernehmen</translation>
    </message>
    <message>
        <source>Use best combination</source>
        <translation>Beste Kombination verwenden</translation>
    </message>
    <message>
        <source>The design changed during the sweep, so the sweep stopped there: every combination shown ran with the design as it was at GO.</source>
        <translation>Der Entwurf hat sich während des Durchlaufs geändert, deshalb hat der Durchlauf dort angehalten: Jede gezeigte Kombination fuhr mit dem Entwurf, wie er bei LOS war.</translation>
    </message>
</context>
<context>
    <name>zindle::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Finite element size (pixels)</source>
        <translation>Größe der finiten Elemente (Pixel)</translation>
    </message>
    <message>
        <source>Size of the squares used to estimate mass of the car (smaller values are more accurate but take more time to compute)</source>
        <translation>Größe der Quadrate, mit denen die Masse des Fahrzeugs geschätzt wird (kleinere Werte sind genauer, brauchen aber mehr Rechenzeit)</translation>
    </message>
    <message>
        <source>Size of the squares used to estimate mass of the car (smaller is more accurate)</source>
        <translation>Größe der Quadrate, mit denen die Masse des Fahrzeugs geschätzt wird (kleiner ist genauer)</translation>
    </message>
    <message>
        <source>Spring to Case Area Ratio (%)</source>
        <translation>Flächenverhältnis Feder zu Gehäuse (%)</translation>
    </message>
    <message>
        <source>Percent of the spring chamber that is occupied by the spring.  Larger values lead to a smaller spring chamber but fewer revolutions.</source>
        <translation>Anteil der Federkammer in Prozent, den die Feder ausfüllt.  Größere Werte ergeben eine kleinere Federkammer, aber weniger Umdrehungen.</translation>
    </message>
    <message>
        <source>Ratio of spring area to case area.  Larger --&gt; smaller spring case but fewer revolutions</source>
        <translation>Verhältnis der Federfläche zur Gehäusefläche.  Größer --&gt; kleineres Federgehäuse, aber weniger Umdrehungen</translation>
    </message>
    <message>
        <source>An assumed friction force that represents the rolling friction of your car</source>
        <translation>Eine angenommene Reibungskraft, die für die Rollreibung deines Fahrzeugs steht</translation>
    </message>
    <message>
        <source>Friction force (lb)</source>
        <translation>Reibungskraft (lb)</translation>
    </message>
    <message>
        <source>Chamber</source>
        <translation>Kammer</translation>
    </message>
    <message>
        <source>Shape of spring chamber</source>
        <translation>Form der Federkammer</translation>
    </message>
    <message>
        <source>Shape for the spring chamber and its outer surface (an octagonal shape may be easier to cut by hand)</source>
        <translation>Form der Federkammer und ihrer Außenfläche (eine achteckige Form lässt sich von Hand oft leichter schneiden)</translation>
    </message>
    <message>
        <source>Octagonal</source>
        <translation>Achteckig</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. </source>
        <translation>Die Größe der finiten Elemente muss positiv sein, größer als 2 Pixel und nicht mehr als 72 Pixel. </translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>The case ratio must be positive, not less than 4 percent, and less than 99 percent. </source>
        <translation>Das Gehäuseverhältnis muss positiv sein, nicht weniger als 4 Prozent und weniger als 99 Prozent. </translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. </source>
        <translation>Die Reibungskraft muss positiv sein, größer als 0.01 lb und nicht mehr als 0.25 lb. </translation>
    </message>
</context>
<context>
    <name>zindle::PreviewPanel</name>
    <message>
        <source>Rewind</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Preview the first template</source>
        <translation>Vorschau der ersten Schablone</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Preview the next template</source>
        <translation>Vorschau der nächsten Schablone</translation>
    </message>
</context>
<context>
    <name>zindle::ProjectorWindow</name>
    <message>
        <source>Race Day - Projector</source>
        <translation>Renntag - Beamer</translation>
    </message>
</context>
<context>
    <name>zindle::RaceDayWindow</name>
    <message>
        <source>Fitting the model to the runs on %1...</source>
        <translation>Das Modell wird an die Fahrten auf %1 angepasst...</translation>
    </message>
    <message>
        <source>simulated %1</source>
        <translation>simuliert %1</translation>
    </message>
    <message>
        <source>predicted %1</source>
        <translation>vorhergesagt %1</translation>
    </message>
    <message>
        <source>Heat %1, lanes 1 to %2: %3</source>
        <translation>Lauf %1, Bahnen 1 bis %2: %3</translation>
    </message>
    <message>
        <source>No heat after this one.</source>
        <translation>Nach diesem kommt kein Lauf mehr.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Fahrten</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simuliert</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Standings (simulated times %1)</source>
        <translation>Wertung (simulierte Zeiten %1)</translation>
    </message>
    <message>
        <source>%1 (withdrawn)</source>
        <translation>%1 (zurückgezogen)</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Lane %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message>
        <source>%1 (re-run)</source>
        <translation>%1 (wiederholt)</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>%1 faster</source>
        <translation>%1 schneller</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 daneben</translation>
    </message>
    <message>
        <source>No heat recorded yet.</source>
        <translation>Noch kein Lauf eingetragen.</translation>
    </message>
    <message>
        <source>Now racing: heat %1 of %2</source>
        <translation>Jetzt am Start: Lauf %1 von %2</translation>
    </message>
    <message>
        <source>On deck: heat %1</source>
        <translation>Als Nächstes: Lauf %1</translation>
    </message>
    <message>
        <source>Every heat is run</source>
        <translation>Alle Läufe sind gefahren</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Race Day</source>
        <translation>Renntag</translation>
    </message>
    <message>
        <source>No event open: open one, or make a new one from a class folder.</source>
        <translation>Kein Wettbewerb offen: Öffne einen oder erstelle einen neuen aus einem Klassenordner.</translation>
    </message>
    <message>
        <source>Open Event...</source>
        <translation>Wettbewerb öffnen...</translation>
    </message>
    <message>
        <source>New Event...</source>
        <translation>Neuer Wettbewerb...</translation>
    </message>
    <message>
        <source>Projector View</source>
        <translation>Beameransicht</translation>
    </message>
    <message>
        <source>Start Page for Phones</source>
        <translation>Seite für Handys starten</translation>
    </message>
    <message>
        <source>Race day status</source>
        <translation>Stand des Renntags</translation>
    </message>
    <message>
        <source>Now racing</source>
        <translation>Jetzt am Start</translation>
    </message>
    <message>
        <source>Record Heat</source>
        <translation>Lauf eintragen</translation>
    </message>
    <message>
        <source>Re-run Heat</source>
        <translation>Lauf wiederholen</translation>
    </message>
    <message>
        <source>Type each lane&apos;s time (155 is 1.55 s; D: did not finish), then Enter.</source>
        <translation>Tippe die Zeit jeder Bahn ein (155 ist 1.55 s; D: nicht angekommen), dann Enter.</translation>
    </message>
    <message>
        <source>On deck</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>Heats (choose a recorded heat to run it again)</source>
        <translation>Läufe (wähle einen eingetragenen Lauf, um ihn zu wiederholen)</translation>
    </message>
    <message>
        <source>Late Entry...</source>
        <translation>Nachmeldung...</translation>
    </message>
    <message>
        <source>Withdraw Car</source>
        <translation>Fahrzeug zurückziehen</translation>
    </message>
    <message>
        <source>Calibrate Track</source>
        <translation>Strecke kalibrieren</translation>
    </message>
    <message>
        <source>%1 exists already; an event file is made once and never over another file.</source>
        <translation>%1 gibt es schon; eine Wettbewerbsdatei wird einmal erstellt und nie über eine andere Datei geschrieben.</translation>
    </message>
    <message>
        <source>%1 was not saved, so it is not recorded: %2</source>
        <translation>%1 wurde nicht gespeichert, also ist es nicht eingetragen: %2</translation>
    </message>
    <message>
        <source>%1 saved; the logbook holds the event&apos;s %2 runs.</source>
        <translation>%1 gespeichert; das Fahrtenbuch enthält die %2 Fahrten des Wettbewerbs.</translation>
    </message>
    <message>
        <source>%1 saved in the event file, but not in the logbook: %2</source>
        <translation>%1 in der Wettbewerbsdatei gespeichert, aber nicht im Fahrtenbuch: %2</translation>
    </message>
    <message>
        <source>Heat %1</source>
        <translation>Lauf %1</translation>
    </message>
    <message>
        <source>Choose a recorded heat in the chart to run it again.</source>
        <translation>Wähle in der Tabelle einen eingetragenen Lauf, um ihn zu wiederholen.</translation>
    </message>
    <message>
        <source>Re-run of heat %1: its new times replace the old</source>
        <translation>Wiederholung von Lauf %1: die neuen Zeiten ersetzen die alten</translation>
    </message>
    <message>
        <source>Open Event</source>
        <translation>Wettbewerb öffnen</translation>
    </message>
    <message>
        <source>Race day events|*.zevent</source>
        <translation>Renntag-Wettbewerbe|*.zevent</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Neuer Wettbewerb</translation>
    </message>
    <message>
        <source>Late Entry</source>
        <translation>Nachmeldung</translation>
    </message>
    <message>
        <source>Zindle designs|*.zndl</source>
        <translation>Zindle-Entwürfe|*.zndl</translation>
    </message>
    <message>
        <source>A late car races from the event&apos;s class folder, %1: copy its design there first.</source>
        <translation>Ein nachgemeldetes Fahrzeug fährt aus dem Klassenordner des Wettbewerbs, %1: kopiere seinen Entwurf zuerst dorthin.</translation>
    </message>
    <message>
        <source>The late entry of %1</source>
        <translation>Die Nachmeldung von %1</translation>
    </message>
    <message>
        <source>Withdraw %1? Its times stay; it runs no more heats.</source>
        <translation>%1 zurückziehen? Seine Zeiten bleiben; es fährt keine Läufe mehr.</translation>
    </message>
    <message>
        <source>The withdrawal of %1</source>
        <translation>Das Zurückziehen von %1</translation>
    </message>
    <message>
        <source>The page for phones could not be served: %1</source>
        <translation>Die Seite für Handys konnte nicht bereitgestellt werden: %1</translation>
    </message>
    <message>
        <source>Heat %1 was entered from a phone. %2</source>
        <translation>Lauf %1 wurde auf einem Handy eingetragen. %2</translation>
    </message>
    <message>
        <source>Stop Page for Phones</source>
        <translation>Seite für Handys beenden</translation>
    </message>
    <message>
        <source>Phones follow the race at %1; the timekeeper enters times there with the join code %2.</source>
        <translation>Handys verfolgen das Rennen unter %1; die Zeitnehmerin oder der Zeitnehmer trägt dort die Zeiten mit dem Code %2 ein.</translation>
    </message>
    <message>
        <source>The page for phones is no longer served.</source>
        <translation>Die Seite für Handys wird nicht mehr bereitgestellt.</translation>
    </message>
    <message>
        <source>The logbook was not updated: %1</source>
        <translation>Das Fahrtenbuch wurde nicht aktualisiert: %1</translation>
    </message>
    <message>
        <source>%1, %2 cars, %3 heats</source>
        <translation>%1, %2 Fahrzeuge, %3 Läufe</translation>
    </message>
    <message>
        <source>Heat %1 of %2</source>
        <translation>Lauf %1 von %2</translation>
    </message>
    <message>
        <source>Every heat is run: the standings are final.</source>
        <translation>Alle Läufe sind gefahren: die Wertung steht fest.</translation>
    </message>
</context>
<context>
    <name>zindle::RacePanel</name>
    <message>
        <source>Race playback speed</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <source>Race playback speed (0.25x is slow motion, 1x is real time).</source>
        <translation>Wiedergabegeschwindigkeit des Rennens (0.25x ist Zeitlupe, 1x ist Echtzeit).</translation>
    </message>
    <message>
        <source>indicates the selected design.</source>
        <translation>zeigt den ausgewählten Entwurf.</translation>
    </message>
    <message>
        <source>indicates skidding.</source>
        <translation>zeigt Durchdrehen an.</translation>
    </message>
    <message>
        <source>A car design appears on the racetrack if it has been Simulated since its last design change.</source>
        <translation>Ein Entwurf erscheint auf der Rennstrecke, wenn er seit seiner letzten Änderung simuliert wurde.</translation>
    </message>
    <message>
        <source>Race Chart</source>
        <translation>Renndiagramm</translation>
    </message>
    <message>
        <source>Distance against time for every raced design</source>
        <translation>Strecke über der Zeit für jeden Entwurf im Rennen</translation>
    </message>
</context>
<context>
    <name>zindle::ResultDetailsWindow</name>
    <message>
        <source>Results in Detail</source>
        <translation>Ergebnisse im Detail</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>%1: activate for its help page</source>
        <translation>%1: aktiviere es für seine Hilfeseite</translation>
    </message>
    <message>
        <source>%1, enlarged to fit the spring case</source>
        <translation>%1, vergrößert, damit das Federgehäuse passt</translation>
    </message>
    <message>
        <source>No results of %1 as it stands yet: press Analyze or Simulate to compute them.</source>
        <translation>Noch keine Ergebnisse von %1 im jetzigen Zustand: Drücke „Analysieren“ oder „Simulieren“, um sie zu berechnen.</translation>
    </message>
    <message>
        <source>%1 has not been run as it stands: press Simulate for its time and speed.</source>
        <translation>%1 ist im jetzigen Zustand noch nicht gefahren: Drücke „Simulieren“ für Zeit und Geschwindigkeit.</translation>
    </message>
</context>
<context>
    <name>zindle::SimulatePanel</name>
    <message>
        <source>Wind up the spring</source>
        <translation>Die Feder spannen</translation>
    </message>
    <message>
        <source>Step forward in time</source>
        <translation>In der Zeit vorwärts gehen</translation>
    </message>
    <message>
        <source>View the entire cycle</source>
        <translation>Den ganzen Ablauf ansehen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Revs (left)</source>
        <translation>Umdr. (links)</translation>
    </message>
    <message>
        <source>Revs (right)</source>
        <translation>Umdr. (rechts)</translation>
    </message>
    <message>
        <source>Run Charts</source>
        <translation>Fahrtdiagramme</translation>
    </message>
    <message>
        <source>Distance, speed, and propulsion against traction over the whole run (Ctrl+R)</source>
        <translation>Strecke, Geschwindigkeit und Vortrieb gegen Traktion über die ganze Fahrt (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>zindle::TestRunsWindow</name>
    <message>
        <source>Fitting the model to the runs on %1...</source>
        <translation>Das Modell wird an die Fahrten auf %1 angepasst...</translation>
    </message>
    <message>
        <source>Test runs</source>
        <translation>Testfahrten</translation>
    </message>
    <message>
        <source>%1; it is left as it is until it is mended.</source>
        <translation>%1; es bleibt unverändert, bis es repariert ist.</translation>
    </message>
    <message>
        <source>%1 has no design file yet. Save it in its class folder, and its runs are kept in the class&apos;s logbook beside it.</source>
        <translation>%1 hat noch keine Entwurfsdatei. Speichere den Entwurf im Ordner deiner Klasse, dann werden seine Fahrten im Fahrtenbuch der Klasse daneben aufbewahrt.</translation>
    </message>
    <message>
        <source>Runs of %1, kept in %2.</source>
        <translation>Fahrten von %1, aufbewahrt in %2.</translation>
    </message>
    <message>
        <source>the design&apos;s own model</source>
        <translation>das eigene Modell des Entwurfs</translation>
    </message>
    <message>
        <source>%1, rest %2</source>
        <translation>%1, Halt %2</translation>
    </message>
    <message>
        <source>Simulate the design to compare its runs with the prediction with coasting.</source>
        <translation>Simuliere den Entwurf, um seine Fahrten mit der Vorhersage mit Ausrollen zu vergleichen.</translation>
    </message>
    <message>
        <source>the model with coasting: %1 s</source>
        <translation>das Modell mit Ausrollen: %1 s</translation>
    </message>
    <message>
        <source>the model with coasting: does not reach 15 ft</source>
        <translation>das Modell mit Ausrollen: erreicht 15 ft nicht</translation>
    </message>
    <message>
        <source>your runs: %1 s</source>
        <translation>deine Fahrten: %1 s</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting differs from 1 run by %2 s (RMS).</source>
        <translation>Auf %1 weicht die Vorhersage mit Ausrollen um %2 s (RMS) von 1 Fahrt ab.</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting differs from %2 runs by %3 s (RMS).</source>
        <translation>Auf %1 weicht die Vorhersage mit Ausrollen um %3 s (RMS) von %2 Fahrten ab.</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated) differs from 1 run by %2 s (RMS).</source>
        <translation>Auf %1 weicht die Vorhersage mit Ausrollen (kalibriert) um %2 s (RMS) von 1 Fahrt ab.</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated) differs from %2 runs by %3 s (RMS).</source>
        <translation>Auf %1 weicht die Vorhersage mit Ausrollen (kalibriert) um %3 s (RMS) von %2 Fahrten ab.</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated for %2) differs from 1 run by %3 s (RMS).</source>
        <translation>Auf %1 weicht die Vorhersage mit Ausrollen (kalibriert für %2) um %3 s (RMS) von 1 Fahrt ab.</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated for %2) differs from %3 runs by %4 s (RMS).</source>
        <translation>Auf %1 weicht die Vorhersage mit Ausrollen (kalibriert für %2) um %4 s (RMS) von %3 Fahrten ab.</translation>
    </message>
    <message>
        <source>Your prediction is a time above 0 and up to 100 s.</source>
        <translation>Deine Vorhersage ist eine Zeit über 0 und bis zu 100 s.</translation>
    </message>
    <message>
        <source>The logbook holds 1 run of &quot;%1&quot; in %2, a file no longer in this folder. Are they the runs of %3, renamed and moved?</source>
        <translation>Das Fahrtenbuch enthält 1 Fahrt von „%1“ in %2, einer Datei, die nicht mehr in diesem Ordner ist. Ist das eine Fahrt von %3, umbenannt und verschoben?</translation>
    </message>
    <message>
        <source>The logbook holds %1 runs of &quot;%2&quot; in %3, a file no longer in this folder. Are they the runs of %4, renamed and moved?</source>
        <translation>Das Fahrtenbuch enthält %1 Fahrten von „%2“ in %3, einer Datei, die nicht mehr in diesem Ordner ist. Sind das die Fahrten von %4, umbenannt und verschoben?</translation>
    </message>
    <message>
        <source>Your prediction, time to 15 ft (s):</source>
        <translation>Deine Vorhersage, Zeit bis 15 ft (s):</translation>
    </message>
    <message>
        <source>before you simulate</source>
        <translation>bevor du simulierst</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Marks (ft:s)</source>
        <translation>Marken (ft:s)</translation>
    </message>
    <message>
        <source>Rest (ft)</source>
        <translation>Halt (ft)</translation>
    </message>
    <message>
        <source>Mass (lb)</source>
        <translation>Masse (lb)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>Room 12 corridor, tile</source>
        <translation>Flur bei Raum 12, Fliesen</translation>
    </message>
    <message>
        <source>Add Run</source>
        <translation>Fahrt hinzufügen</translation>
    </message>
    <message>
        <source>Predicted (ft:s)</source>
        <translation>Vorhergesagt (ft:s)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Delete Run</source>
        <translation>Fahrt löschen</translation>
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
        <source>Earlier Runs...</source>
        <translation>Frühere Fahrten...</translation>
    </message>
    <message>
        <source>Runs in the logbook of a design whose name and file both changed</source>
        <translation>Fahrten im Fahrtenbuch von einem Entwurf, dessen Name und Datei sich beide geändert haben</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Fit the model to the runs on</source>
        <translation>Modell an die Fahrten anpassen auf</translation>
    </message>
    <message>
        <source>Predict for track:</source>
        <translation>Vorhersage für Strecke:</translation>
    </message>
</context>
<context>
    <name>zindle::TolerancesWindow</name>
    <message>
        <source>board thickness</source>
        <translation>Plattendicke</translation>
    </message>
    <message>
        <source>board density</source>
        <translation>Plattendichte</translation>
    </message>
    <message>
        <source>outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>wheel diameter</source>
        <translation>Raddurchmesser</translation>
    </message>
    <message>
        <source>spring torque</source>
        <translation>Federdrehmoment</translation>
    </message>
    <message>
        <source>rolling friction</source>
        <translation>Rollreibung</translation>
    </message>
    <message>
        <source>weight mass</source>
        <translation>Masse der Gewichte</translation>
    </message>
    <message>
        <source>Build Tolerances</source>
        <translation>Bautoleranzen</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Builds</source>
        <translation>Bauten</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Race Chances</source>
        <translation>Rennchancen</translation>
    </message>
    <message>
        <source>How often each design that raced beats each other, every car built within these tolerances</source>
        <translation>Wie oft jeder Entwurf, der im Rennen war, jeden anderen schlägt, wenn jedes Auto innerhalb dieser Toleranzen gebaut wird</translation>
    </message>
    <message>
        <source>%1 - Build Tolerances</source>
        <translation>%1 - Bautoleranzen</translation>
    </message>
    <message>
        <source>Press Run to build %1 within these tolerances.</source>
        <translation>Drücke „Starten“, um %1 innerhalb dieser Toleranzen zu bauen.</translation>
    </message>
    <message>
        <source>The %1 tolerance is a number of inches from 0 to 0.5, such as 0.0625 or 1/16.</source>
        <translation>Die Toleranz „%1“ ist eine Anzahl Zoll von 0 bis 0.5, zum Beispiel 0.0625 oder 1/16.</translation>
    </message>
    <message>
        <source>The %1 tolerance is a percentage from 0 to 50.</source>
        <translation>Die Toleranz „%1“ ist ein Prozentwert von 0 bis 50.</translation>
    </message>
    <message>
        <source>Build tolerances</source>
        <translation>Bautoleranzen</translation>
    </message>
    <message>
        <source>The number of builds is a whole number from 1 to 100000.</source>
        <translation>Die Anzahl der Bauten ist eine ganze Zahl von 1 bis 100000.</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 up.</source>
        <translation>Der Startwert ist eine ganze Zahl ab 0.</translation>
    </message>
    <message>
        <source>%1 of %2 builds</source>
        <translation>%1 von %2 Bauten</translation>
    </message>
    <message>
        <source>At least two designs must have raced (been simulated since their last change) to say who beats whom.</source>
        <translation>Mindestens zwei Entwürfe müssen im Rennen gewesen sein (seit ihrer letzten Änderung simuliert), um zu sagen, wer wen schlägt.</translation>
    </message>
    <message>
        <source>Building %1 designs</source>
        <translation>%1 Entwürfe werden gebaut</translation>
    </message>
    <message>
        <source>Building %1 designs, %2 builds each</source>
        <translation>%1 Entwürfe werden gebaut, je %2 Bauten</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Row beats column in this share of builds</source>
        <translation>Zeile schlägt Spalte in diesem Anteil der Bauten</translation>
    </message>
    <message>
        <source>Not built: %1</source>
        <translation>Nicht gebaut: %1</translation>
    </message>
    <message>
        <source>%1 beats %2 in %3 % of builds</source>
        <translation>%1 schlägt %2 in %3 % der Bauten</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 builds</source>
        <translation>Gestoppt nach %1 von %2 Bauten</translation>
    </message>
    <message>
        <source>%1 builds</source>
        <translation>%1 Bauten</translation>
    </message>
</context>
<context>
    <name>zindle::WhatIfWindow</name>
    <message>
        <source>falls short of 15 ft (its run ends at %1 s)</source>
        <translation>schafft keine 15 ft (die Fahrt endet nach %1 s)</translation>
    </message>
    <message>
        <source>%1 s to 15 ft</source>
        <translation>%1 s bis 15 ft</translation>
    </message>
    <message>
        <source>What if</source>
        <translation>Was wäre wenn</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Federlänge</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Federbreite</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Durchmesser des Antriebsrads</translation>
    </message>
    <message>
        <source>Weight mass</source>
        <translation>Masse des Gewichts</translation>
    </message>
    <message>
        <source>Weight %1 mass</source>
        <translation>Masse von Gewicht %1</translation>
    </message>
    <message>
        <source>Weight position</source>
        <translation>Position des Gewichts</translation>
    </message>
    <message>
        <source>Weight %1 position</source>
        <translation>Position von Gewicht %1</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Reibung</translation>
    </message>
    <message>
        <source>Apply spring length %1 to the design</source>
        <translation>Federlänge %1 in den Entwurf übernehmen</translation>
    </message>
    <message>
        <source>Apply spring width %1 to the design</source>
        <translation>Federbreite %1 in den Entwurf übernehmen</translation>
    </message>
    <message>
        <source>Apply drive wheel diameter %1 to the design</source>
        <translation>Antriebsrad-Durchmesser %1 in den Entwurf übernehmen</translation>
    </message>
    <message>
        <source>Apply weight %1 mass %2 to the design</source>
        <translation>Masse %2 von Gewicht %1 in den Entwurf übernehmen</translation>
    </message>
    <message>
        <source>Apply weight %1 position %2 to the design</source>
        <translation>Position %2 von Gewicht %1 in den Entwurf übernehmen</translation>
    </message>
    <message>
        <source>Apply friction %1 to the design</source>
        <translation>Reibung %1 in den Entwurf übernehmen</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>Was wäre wenn</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <source>%1 - What If</source>
        <translation>%1 - Was wäre wenn</translation>
    </message>
    <message>
        <source>Weight %1 (%2 lb)</source>
        <translation>Gewicht %1 (%2 lb)</translation>
    </message>
    <message>
        <source>The design has no added weight</source>
        <translation>Der Entwurf hat kein Gewicht</translation>
    </message>
    <message>
        <source>%1 (built with a %2 in drive wheel, to fit the spring&apos;s case)</source>
        <translation>%1 (gebaut mit einem Antriebsrad von %2 in, passend zum Federgehäuse)</translation>
    </message>
    <message>
        <source>Now: %1; before: %2</source>
        <translation>Jetzt: %1; vorher: %2</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Jetzt: %1</translation>
    </message>
</context>
</TS>
