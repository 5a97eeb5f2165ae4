<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Advisories</name>
    <message>
        <source>Front axle not connected.</source>
        <translation>Eje delantero no conectado.</translation>
    </message>
    <message>
        <source>Some parts are floating.</source>
        <translation>Algunas piezas están sueltas.</translation>
    </message>
    <message>
        <source>Spring case is not connected.</source>
        <translation>La caja del resorte no está conectada.</translation>
    </message>
    <message>
        <source>Spring case not connected.</source>
        <translation>Caja del resorte no conectada.</translation>
    </message>
    <message>
        <source>Spring cases interfere.</source>
        <translation>Las cajas de los resortes se solapan.</translation>
    </message>
    <message>
        <source>Car overlaps paper edge.</source>
        <translation>El coche se sale del borde de la hoja.</translation>
    </message>
    <message>
        <source>Skid advisory.</source>
        <translation>Aviso: las ruedas patinan.</translation>
    </message>
    <message>
        <source>No car body drawn.</source>
        <translation>No hay carrocería dibujada.</translation>
    </message>
    <message>
        <source>Spring gives no revolutions.</source>
        <translation>El resorte no da ninguna vuelta.</translation>
    </message>
    <message>
        <source>Car weighs less than 0.01 lb.</source>
        <translation>El coche pesa menos de 0.01 lb.</translation>
    </message>
    <message>
        <source>Axles less than 0.1 in apart.</source>
        <translation>Ejes a menos de 0.1 in uno de otro.</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <source>the element size must be a whole number of points</source>
        <translation>el tamaño del elemento debe ser un número entero de puntos</translation>
    </message>
</context>
<context>
    <name>BuildView3D</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>CalibrateCommand</name>
    <message>
        <source>calibrate needs FOLDER and --track</source>
        <translation>calibrate necesita FOLDER y --track</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» no es una carpeta</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>unknown rule &quot;%1&quot;; the rules are: %2</source>
        <translation>regla desconocida «%1»; las reglas son: %2</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; takes no value</source>
        <translation>la regla «%1» no lleva valor</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs &lt;=, &gt;= or = and a number</source>
        <translation>la regla «%1» necesita &lt;=, &gt;= o = y un número</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs = and one of: %2</source>
        <translation>la regla «%1» necesita = y uno de: %2</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs = and a material&apos;s name</source>
        <translation>la regla «%1» necesita = y el nombre de un material</translation>
    </message>
</context>
<context>
    <name>ChallengeCheck</name>
    <message>
        <source>%1: not known for this car</source>
        <translation>%1: no se conoce para este coche</translation>
    </message>
    <message>
        <source>%1 %2: within the %3 limit</source>
        <translation>%1 %2: dentro del límite de %3</translation>
    </message>
    <message>
        <source>%1 %2: over the %3 limit</source>
        <translation>%1 %2: por encima del límite de %3</translation>
    </message>
    <message>
        <source>%1 %2: at least the %3 minimum</source>
        <translation>%1 %2: al menos el mínimo de %3</translation>
    </message>
    <message>
        <source>%1 %2: under the %3 minimum</source>
        <translation>%1 %2: por debajo del mínimo de %3</translation>
    </message>
    <message>
        <source>%1 %2: the %3 asked for</source>
        <translation>%1 %2: los %3 pedidos</translation>
    </message>
    <message>
        <source>%1 %2: not the %3 asked for</source>
        <translation>%1 %2: no son los %3 pedidos</translation>
    </message>
    <message>
        <source>%1 %2: allowed</source>
        <translation>%1 %2: permitido</translation>
    </message>
    <message>
        <source>%1 %2: not allowed (%3)</source>
        <translation>%1 %2: no permitido (%3)</translation>
    </message>
    <message>
        <source>Skid advisory: the drive wheels skid</source>
        <translation>Aviso: las ruedas motrices patinan</translation>
    </message>
    <message>
        <source>No skid advisory</source>
        <translation>Ningún aviso de patinaje</translation>
    </message>
    <message>
        <source>Reaches 15 ft in %1 s</source>
        <translation>Llega a 15 ft en %1 s</translation>
    </message>
    <message>
        <source>Stops short of 15 ft, at %1 ft</source>
        <translation>Se para antes de 15 ft, a %1 ft</translation>
    </message>
    <message>
        <source>Does not reach 15 ft: the model cannot run this car</source>
        <translation>No llega a 15 ft: el modelo no puede hacer correr este coche</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Body length</source>
        <translation>Largo de la carrocería</translation>
    </message>
    <message>
        <source>Body height</source>
        <translation>Alto de la carrocería</translation>
    </message>
    <message>
        <source>Drive wheel</source>
        <translation>Rueda motriz</translation>
    </message>
    <message>
        <source>Other wheel</source>
        <translation>Otra rueda</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Largo del resorte</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Ancho del resorte</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Tracción</translation>
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
        <translation>Se cumplen todas las reglas.</translation>
    </message>
    <message>
        <source>1 rule broken.</source>
        <translation>1 regla incumplida.</translation>
    </message>
    <message>
        <source>%1 rules broken.</source>
        <translation>%1 reglas incumplidas.</translation>
    </message>
    <message>
        <source>Challenge checklist</source>
        <translation>Lista de comprobación del reto</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
    <message>
        <source>Checked as the design stands.</source>
        <translation>Comprobado con el diseño tal como está.</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>Checked in Design mode.</source>
        <translation>Se comprueba en el modo Diseño.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <translation>Cumplida: %1</translation>
    </message>
    <message>
        <source>Broken: %1</source>
        <translation>Incumplida: %1</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <translation>No puede rodar: %1</translation>
    </message>
</context>
<context>
    <name>ChallengeCommand</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>--scoring is time, distance, target:SECONDS or efficiency, not &quot;%1&quot;</source>
        <translation>--scoring es time, distance, target:SECONDS o efficiency, no «%1»</translation>
    </message>
    <message>
        <source>--rubric takes a weight of 0 or more, a colon and the row&apos;s text, not &quot;%1&quot;</source>
        <translation>--rubric lleva un peso de 0 o más, dos puntos y el texto de la fila, no «%1»</translation>
    </message>
    <message>
        <source>%1 exists already; add --force to replace it</source>
        <translation>%1 ya existe; añade --force para reemplazarlo</translation>
    </message>
</context>
<context>
    <name>ChallengeView</name>
    <message>
        <source>Open C&amp;hallenge...</source>
        <translation>Abrir re&amp;to...</translation>
    </message>
    <message>
        <source>Close Challen&amp;ge</source>
        <translation>Cerrar r&amp;eto</translation>
    </message>
    <message>
        <source>Ne&amp;w Challenge...</source>
        <translation>Nuevo ret&amp;o...</translation>
    </message>
    <message>
        <source>Ed&amp;it Challenge...</source>
        <translation>Ed&amp;itar reto...</translation>
    </message>
    <message>
        <source>Open Challenge</source>
        <translation>Abrir reto</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
</context>
<context>
    <name>ChartViews</name>
    <message>
        <source>Simulate the design to see the charts of its run.</source>
        <translation>Simula el diseño para ver las gráficas de su carrera.</translation>
    </message>
    <message>
        <source>This car cannot be run, so there is no run to chart.</source>
        <translation>Este coche no puede correr, así que no hay carrera que representar.</translation>
    </message>
    <message>
        <source>Simulate the design to see where its spring&apos;s energy went.</source>
        <translation>Simula el diseño para ver adónde fue la energía de su resorte.</translation>
    </message>
    <message>
        <source>A car design appears on the race chart if it has been Simulated since its last design change.</source>
        <translation>Un diseño aparece en la gráfica de competición si se ha simulado desde su último cambio.</translation>
    </message>
    <message>
        <source>Run Charts</source>
        <translation>Gráficas de la carrera</translation>
    </message>
    <message>
        <source>Race Chart</source>
        <translation>Gráfica de competición</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
</context>
<context>
    <name>ClassStandings</name>
    <message>
        <source>Cannot open &quot;%1&quot;: the design list is full</source>
        <translation>No se puede abrir «%1»: la lista de diseños está llena</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 needs a file name ending in .png, .svg or .pdf, not &quot;%2&quot;</source>
        <translation>%1 necesita un nombre de archivo que termine en .png, .svg o .pdf, no «%2»</translation>
    </message>
    <message>
        <source>Cannot draw the chart for &quot;%1&quot;</source>
        <translation>No se puede dibujar la gráfica de «%1»</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>Cannot write to standard output</source>
        <translation>No se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>option %1 is given twice</source>
        <translation>la opción %1 aparece dos veces</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
</context>
<context>
    <name>CutFiles</name>
    <message>
        <source>&quot;%1&quot; was kept: it is named like a board but was not written as one.</source>
        <translation>Se ha conservado «%1»: se llama como un cartón pluma, pero no se escribió como tal.</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;, a board of an earlier export: %2</source>
        <translation>No se puede quitar «%1», un cartón pluma de una exportación anterior: %2</translation>
    </message>
    <message>
        <source>The design has no parts to cut; draw the body&apos;s outline first.</source>
        <translation>El diseño no tiene piezas que cortar; dibuja primero el contorno de la carrocería.</translation>
    </message>
</context>
<context>
    <name>CutProfile</name>
    <message>
        <source>Many school labs forbid foam board on a laser cutter: cutting it gives off fumes. A knife plotter cuts it safely, or print the templates and cut them by hand.</source>
        <translation>Muchos talleres escolares prohíben el cartón pluma en la cortadora láser: al cortarlo desprende humos. Un plóter de cuchilla lo corta sin peligro, o imprime las plantillas y recórtalas a mano.</translation>
    </message>
</context>
<context>
    <name>CutSheets</name>
    <message>
        <source>The design has %1 layers; at most %2 layers can be cut.</source>
        <translation>El diseño tiene %1 capas; se pueden cortar como mucho %2 capas.</translation>
    </message>
    <message>
        <source>The part &quot;%1&quot; (%2) does not fit on the board (%3, with %4 kept free along each edge).</source>
        <translation>La pieza «%1» (%2) no cabe en el cartón pluma (%3, con %4 libres en cada borde).</translation>
    </message>
</context>
<context>
    <name>DesignListBar</name>
    <message>
        <source>Select an existing car design, or edit the name of a custom design.</source>
        <translation>Elige un diseño de coche existente o edita el nombre de un diseño propio.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Start a new design.  New designs start with the default shape.</source>
        <translation>Empezar un diseño nuevo.  Los diseños nuevos empiezan con la forma predeterminada.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Load a previously saved design from disk</source>
        <translation>Cargar un diseño guardado antes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the currently selected design to disk</source>
        <translation>Guardar el diseño seleccionado</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the currently selected design from the list (can reload later if saved).  The five standard designs cannot be removed.</source>
        <translation>Quitar de la lista el diseño seleccionado (si está guardado, se puede volver a cargar).  Los cinco diseños estándar no se pueden quitar.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Rename the selected design</source>
        <translation>Renombrar el diseño seleccionado</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materiales</translation>
    </message>
    <message>
        <source>Define your own materials</source>
        <translation>Definir tus propios materiales</translation>
    </message>
</context>
<context>
    <name>DesignListOps</name>
    <message>
        <source>All Files|*.*</source>
        <translation>Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Zindle Design Portfolio|*.zddp</source>
        <translation>Portafolio de diseños de Zindle|*.zddp</translation>
    </message>
    <message>
        <source>Choose a .zndl file</source>
        <translation>Elige un archivo .zndl</translation>
    </message>
    <message>
        <source>Save car as:</source>
        <translation>Guardar coche como:</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Lo siento</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Input Box</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Please type a new name for %1</source>
        <translation>Escribe un nombre nuevo para %1</translation>
    </message>
    <message>
        <source>Name revised</source>
        <translation>Nombre corregido</translation>
    </message>
</context>
<context>
    <name>DesignLogEdits</name>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; el cuaderno de carreras se queda como está</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was shown here, so nothing was changed; close and open the Test runs window to see it as it is now</source>
        <translation>%1 fue cambiado por otro programa desde que se mostró aquí, así que no se cambió nada; cierra y abre la ventana Carreras de prueba para verlo como está ahora</translation>
    </message>
</context>
<context>
    <name>DesignMap</name>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Diám. rueda motriz (in)</translation>
    </message>
    <message>
        <source>Spring Length (in)</source>
        <translation>Largo del resorte (in)</translation>
    </message>
    <message>
        <source>Spring Width (in)</source>
        <translation>Ancho del resorte (in)</translation>
    </message>
    <message>
        <source>wheel enlarged (size shown)</source>
        <translation>rueda agrandada (se ve el tamaño)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>no 15 ft</source>
        <translation>sin 15 ft</translation>
    </message>
    <message>
        <source>best</source>
        <translation>mejor</translation>
    </message>
</context>
<context>
    <name>DesignReport</name>
    <message>
        <source>%1 (t= %2 in, dens= %3 lb/cu in)</source>
        <translation>%1 (e= %2 in, dens.= %3 lb/in³)</translation>
    </message>
    <message>
        <source>%1 (t= %2 in, dens=%3 lb/cu in)</source>
        <translation>%1 (e= %2 in, dens.= %3 lb/in³)</translation>
    </message>
    <message>
        <source>%1 (%2 lbm/cu in)</source>
        <translation>%1 (%2 lbm/in³)</translation>
    </message>
    <message>
        <source>ZINDLE Design Report for %1</source>
        <translation>Informe de diseño ZINDLE de %1</translation>
    </message>
    <message>
        <source>Design Parameters:</source>
        <translation>Parámetros del diseño:</translation>
    </message>
    <message>
        <source>Spring Width: %1 in</source>
        <translation>Ancho del resorte: %1 in</translation>
    </message>
    <message>
        <source>Spring Length: %1 in</source>
        <translation>Largo del resorte: %1 in</translation>
    </message>
    <message>
        <source>Drive Axle Length: %1 in</source>
        <translation>Largo del eje motriz: %1 in</translation>
    </message>
    <message>
        <source>Other Axle Length: %1 in</source>
        <translation>Largo del otro eje: %1 in</translation>
    </message>
    <message>
        <source>Drive Wheel Dia: %1 in</source>
        <translation>Diám. rueda motriz: %1 in</translation>
    </message>
    <message>
        <source>Other Wheel Dia: %1 in</source>
        <translation>Diám. otra rueda: %1 in</translation>
    </message>
    <message>
        <source>Drive Axle Dia: %1 in</source>
        <translation>Diám. eje motriz: %1 in</translation>
    </message>
    <message>
        <source>Other Axle Dia: %1 in</source>
        <translation>Diám. otro eje: %1 in</translation>
    </message>
    <message>
        <source>Materials and Assumptions: </source>
        <translation>Materiales y supuestos: </translation>
    </message>
    <message>
        <source>Outer layers: %1</source>
        <translation>Capas exteriores: %1</translation>
    </message>
    <message>
        <source>Inner layers: %1</source>
        <translation>Capas interiores: %1</translation>
    </message>
    <message>
        <source>Drive wheels: %1</source>
        <translation>Ruedas motrices: %1</translation>
    </message>
    <message>
        <source>Other wheels: %1</source>
        <translation>Otras ruedas: %1</translation>
    </message>
    <message>
        <source>Drive axle: %1</source>
        <translation>Eje motriz: %1</translation>
    </message>
    <message>
        <source>Other axle: %1</source>
        <translation>Otro eje: %1</translation>
    </message>
    <message>
        <source>Spring: %1 (t=%2 in)</source>
        <translation>Resorte: %1 (e=%2 in)</translation>
    </message>
    <message>
        <source>Tread: %1 (mu=%2)</source>
        <translation>Banda de rodadura: %1 (µ=%2)</translation>
    </message>
    <message>
        <source>Maximum torque: %1 in-lb (width= %2 in)</source>
        <translation>Par máximo: %1 in-lb (ancho= %2 in)</translation>
    </message>
    <message>
        <source>Finite element size: %1 pixels</source>
        <translation>Tamaño del elemento: %1 píxeles</translation>
    </message>
    <message>
        <source>Predicted Performance and Physical Characteristics:</source>
        <translation>Rendimiento previsto y características físicas:</translation>
    </message>
    <message>
        <source>ADVISORIES: </source>
        <translation>AVISOS: </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Detalles:</translation>
    </message>
    <message>
        <source>Skid advisory!</source>
        <translation>¡Aviso de patinaje!</translation>
    </message>
    <message>
        <source>No advisories</source>
        <translation>Ningún aviso</translation>
    </message>
</context>
<context>
    <name>DriveCaption</name>
    <message>
        <source>All wheel drive</source>
        <translation>Tracción total</translation>
    </message>
    <message>
        <source>Front wheel drive</source>
        <translation>Tracción delantera</translation>
    </message>
    <message>
        <source>Rear wheel drive</source>
        <translation>Tracción trasera</translation>
    </message>
</context>
<context>
    <name>EnergyChart</name>
    <message>
        <source>Car&apos;s motion</source>
        <translation>Movimiento del coche</translation>
    </message>
    <message>
        <source>Wheels&apos; share</source>
        <translation>Parte de las ruedas</translation>
    </message>
    <message>
        <source>Rolling friction</source>
        <translation>Fricción de rodadura</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Patinaje</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Frenado</translation>
    </message>
    <message>
        <source>Where the spring&apos;s energy went</source>
        <translation>Adónde fue la energía del resorte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Energy (ft.lb)</source>
        <translation>Energía (ft.lb)</translation>
    </message>
    <message>
        <source>At %1 s: the spring has delivered %2 ft.lb</source>
        <translation>A los %1 s: el resorte ha entregado %2 ft.lb</translation>
    </message>
</context>
<context>
    <name>EnergyCommand</name>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>el modelo no puede hacer correr este diseño (mira &apos;zindle-cli analyze&apos;)</translation>
    </message>
</context>
<context>
    <name>EventCommand</name>
    <message>
        <source>every lane is blocked</source>
        <translation>todos los carriles están bloqueados</translation>
    </message>
    <message>
        <source>--blocked names lanes from 1 to %1, not &quot;%2&quot;</source>
        <translation>--blocked indica carriles de 1 a %1, no «%2»</translation>
    </message>
    <message>
        <source>%1 exists already; an event file is made once and never over another file</source>
        <translation>%1 ya existe; un archivo de competición se crea una vez y nunca encima de otro archivo</translation>
    </message>
    <message>
        <source>new needs --roster and --lanes</source>
        <translation>new necesita --roster y --lanes</translation>
    </message>
    <message>
        <source>--lanes must be a whole number from 1 to %1</source>
        <translation>--lanes debe ser un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>--format is balanced, rotation or fastest</source>
        <translation>--format es balanced, rotation o fastest</translation>
    </message>
    <message>
        <source>--rounds must be a whole number from 1 to %1</source>
        <translation>--rounds debe ser un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>--scoring is average, best or points</source>
        <translation>--scoring es average, best o points</translation>
    </message>
    <message>
        <source>--track-ft must lie above 0 and up to 100 ft</source>
        <translation>--track-ft debe ser mayor que 0 y como mucho 100 ft</translation>
    </message>
    <message>
        <source>--date is a day as YYYY-MM-DD</source>
        <translation>--date es un día en la forma YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--code must be 1 to 64 characters</source>
        <translation>--code debe tener de 1 a 64 caracteres</translation>
    </message>
    <message>
        <source>record needs --heat and --times</source>
        <translation>record necesita --heat y --times</translation>
    </message>
    <message>
        <source>--heat is a heat&apos;s number, counted from 1</source>
        <translation>--heat es el número de una manga, contando desde 1</translation>
    </message>
    <message>
        <source>%1 is not a design file of the roster folder</source>
        <translation>%1 no es un archivo de diseño de la carpeta de participantes</translation>
    </message>
    <message>
        <source>serve needs --port, a number from 1 to 65535</source>
        <translation>serve necesita --port, un número de 1 a 65535</translation>
    </message>
    <message>
        <source>--address is an IP address such as 127.0.0.1</source>
        <translation>--address es una dirección IP como 127.0.0.1</translation>
    </message>
    <message>
        <source>the event has no join code; give one with --code</source>
        <translation>la competición no tiene código; da uno con --code</translation>
    </message>
    <message>
        <source>no action given</source>
        <translation>no se ha indicado ninguna acción</translation>
    </message>
    <message>
        <source>&quot;%1&quot; with %2 arguments is not an action</source>
        <translation>«%1» con %2 argumentos no es una acción</translation>
    </message>
</context>
<context>
    <name>EventPage</name>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in &lt;html lang=&quot;en&quot;&gt;</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>Race day</source>
        <translation>Día de carrera</translation>
    </message>
    <message>
        <source>Now racing</source>
        <translation>Ahora en carrera</translation>
    </message>
    <message>
        <source>On deck</source>
        <translation>A continuación</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Enter times</source>
        <translation>Introduce los tiempos</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>Record heat</source>
        <translation>Registrar manga</translation>
    </message>
    <message>
        <source>Lane %1</source>
        <translation>Carril %1</translation>
    </message>
    <message>
        <source>s or DNF</source>
        <translation>s o DNF</translation>
    </message>
    <message>
        <source>Now racing: heat %1</source>
        <translation>Ahora en carrera: manga %1</translation>
    </message>
    <message>
        <source>Every heat is recorded</source>
        <translation>Todas las mangas están registradas</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>%1 (withdrawn)</source>
        <translation>%1 (retirado)</translation>
    </message>
    <message>
        <source>No heat to record.</source>
        <translation>No hay ninguna manga que registrar.</translation>
    </message>
    <message>
        <source>Type a time in seconds or DNF.</source>
        <translation>Escribe un tiempo en segundos o DNF.</translation>
    </message>
    <message>
        <source>Heat %1 recorded.</source>
        <translation>Manga %1 registrada.</translation>
    </message>
    <message>
        <source>Not recorded.</source>
        <translation>No registrado.</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>it is not a Zindle design file; as one of an earlier release, %1</source>
        <translation>no es un archivo de diseño de Zindle; leído como uno de una versión anterior: %1</translation>
    </message>
    <message>
        <source>it is not a Zindle 4.1 design file</source>
        <translation>no es un archivo de diseño de Zindle 4.1</translation>
    </message>
    <message>
        <source>%1 bytes after the end of the design were ignored</source>
        <translation>se ignoraron %1 bytes después del final del diseño</translation>
    </message>
    <message>
        <source>the spring width</source>
        <translation>el ancho del resorte</translation>
    </message>
    <message>
        <source>the spring length</source>
        <translation>el largo del resorte</translation>
    </message>
    <message>
        <source>the drive wheel diameter</source>
        <translation>el diámetro de la rueda motriz</translation>
    </message>
    <message>
        <source>the drive axle diameter</source>
        <translation>el diámetro del eje motriz</translation>
    </message>
    <message>
        <source>the drive axle length</source>
        <translation>el largo del eje motriz</translation>
    </message>
    <message>
        <source>the other wheel diameter</source>
        <translation>el diámetro de la otra rueda</translation>
    </message>
    <message>
        <source>the other axle diameter</source>
        <translation>el diámetro del otro eje</translation>
    </message>
    <message>
        <source>the other axle length</source>
        <translation>el largo del otro eje</translation>
    </message>
    <message>
        <source>a spring thickness</source>
        <translation>un grosor de resorte</translation>
    </message>
    <message>
        <source>a spring density</source>
        <translation>una densidad de resorte</translation>
    </message>
    <message>
        <source>a spring sample width</source>
        <translation>un ancho de muestra de resorte</translation>
    </message>
    <message>
        <source>a spring torque</source>
        <translation>un par del resorte</translation>
    </message>
    <message>
        <source>it holds an impossible number of board materials (%1)</source>
        <translation>tiene un número imposible de materiales de cartón (%1)</translation>
    </message>
    <message>
        <source>a board thickness</source>
        <translation>un grosor de cartón</translation>
    </message>
    <message>
        <source>a board density</source>
        <translation>una densidad de cartón</translation>
    </message>
    <message>
        <source>it holds an impossible number of axle materials (%1)</source>
        <translation>tiene un número imposible de materiales de eje (%1)</translation>
    </message>
    <message>
        <source>an axle density</source>
        <translation>una densidad de eje</translation>
    </message>
    <message>
        <source>it holds an impossible number of spring materials (%1)</source>
        <translation>tiene un número imposible de materiales de resorte (%1)</translation>
    </message>
    <message>
        <source>it holds an impossible number of tread materials (%1)</source>
        <translation>tiene un número imposible de materiales de banda de rodadura (%1)</translation>
    </message>
    <message>
        <source>a tread friction</source>
        <translation>una fricción de banda de rodadura</translation>
    </message>
    <message>
        <source>part %1 names material %2, which the file does not hold</source>
        <translation>la pieza %1 nombra el material %2, que el archivo no tiene</translation>
    </message>
    <message>
        <source>the element size</source>
        <translation>el tamaño del elemento</translation>
    </message>
    <message>
        <source>the case ratio</source>
        <translation>la proporción de la caja</translation>
    </message>
    <message>
        <source>the rolling friction</source>
        <translation>la fricción de rodadura</translation>
    </message>
    <message>
        <source>it holds an impossible number of weights (%1)</source>
        <translation>tiene un número imposible de pesos (%1)</translation>
    </message>
    <message>
        <source>the position of weight %1</source>
        <translation>la posición del peso %1</translation>
    </message>
    <message>
        <source>the front axle&apos;s x</source>
        <translation>la x del eje delantero</translation>
    </message>
    <message>
        <source>the front axle&apos;s y</source>
        <translation>la y del eje delantero</translation>
    </message>
    <message>
        <source>it holds an impossible number of outer outline points (%1)</source>
        <translation>tiene un número imposible de puntos del contorno exterior (%1)</translation>
    </message>
    <message>
        <source>outer outline point %1</source>
        <translation>el punto %1 del contorno exterior</translation>
    </message>
    <message>
        <source>it holds an impossible number of inner outline points (%1)</source>
        <translation>tiene un número imposible de puntos del contorno interior (%1)</translation>
    </message>
    <message>
        <source>inner outline point %1</source>
        <translation>el punto %1 del contorno interior</translation>
    </message>
    <message>
        <source>%1 has no text &quot;%2&quot;</source>
        <translation>%1 no tiene el texto «%2»</translation>
    </message>
    <message>
        <source>%1 has no number &quot;%2&quot;</source>
        <translation>%1 no tiene el número «%2»</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a whole number from %3 to %4</source>
        <translation>%1 tiene un «%2» que no es un número entero de %3 a %4</translation>
    </message>
    <message>
        <source>%1 has a time that is neither null nor above 0 and up to 100 s</source>
        <translation>%1 tiene un tiempo que no es null ni está entre más de 0 y 100 s</translation>
    </message>
    <message>
        <source>%1 has no list &quot;%2&quot;</source>
        <translation>%1 no tiene la lista «%2»</translation>
    </message>
    <message>
        <source>%1 has %2 lanes; the track has %3</source>
        <translation>%1 tiene %2 calles; la pista tiene %3</translation>
    </message>
    <message>
        <source>%1 names a car in lane %2 that is not entered</source>
        <translation>%1 nombra en la calle %2 un coche que no está inscrito</translation>
    </message>
    <message>
        <source>%1 has no true or false &quot;%2&quot;</source>
        <translation>%1 no tiene el verdadero o falso «%2»</translation>
    </message>
    <message>
        <source>%1 has %2 times for %3 lanes</source>
        <translation>%1 tiene %2 tiempos para %3 calles</translation>
    </message>
    <message>
        <source>%1 has a time in lane %2, which has no car</source>
        <translation>%1 tiene un tiempo en la calle %2, que no tiene coche</translation>
    </message>
    <message>
        <source>it is not an event (not JSON: %1 at byte %2)</source>
        <translation>no es un evento (no es JSON: %1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is not a race-day event</source>
        <translation>no es un evento de día de carreras</translation>
    </message>
    <message>
        <source>it is not an event of version %1, which this release reads</source>
        <translation>no es un evento de la versión %1, la que lee esta versión</translation>
    </message>
    <message>
        <source>the event</source>
        <translation>el evento</translation>
    </message>
    <message>
        <source>the event&apos;s trackFt must lie above 0 and up to 100 ft</source>
        <translation>el trackFt del evento debe estar entre más de 0 y 100 ft</translation>
    </message>
    <message>
        <source>the event blocks a lane the track does not have</source>
        <translation>el evento bloquea una calle que la pista no tiene</translation>
    </message>
    <message>
        <source>the event&apos;s chart is not balanced, rotation or fastest</source>
        <translation>el cuadro del evento no es balanced, rotation ni fastest</translation>
    </message>
    <message>
        <source>the event&apos;s scoring is not average, best or points</source>
        <translation>la puntuación del evento no es average, best ni points</translation>
    </message>
    <message>
        <source>the event has more than %1 cars</source>
        <translation>el evento tiene más de %1 coches</translation>
    </message>
    <message>
        <source>car %1</source>
        <translation>el coche %1</translation>
    </message>
    <message>
        <source>%1 has an empty file name or one entered before</source>
        <translation>%1 tiene un nombre de archivo vacío o uno ya inscrito antes</translation>
    </message>
    <message>
        <source>heat %1</source>
        <translation>la manga %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 no es un objeto</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, far more than any design file</source>
        <translation>ocupa más de %1 bytes, mucho más que cualquier archivo de diseño</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot;, but %2</source>
        <translation>Se leyó «%1», pero %2</translation>
    </message>
    <message>
        <source>the file ends before the design does (at byte %1)</source>
        <translation>el archivo termina antes que el diseño (en el byte %1)</translation>
    </message>
    <message>
        <source>a text of %1 bytes at byte %2 runs past the end of the file</source>
        <translation>un texto de %1 bytes en el byte %2 pasa del final del archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at byte %2 is not a number</source>
        <translation>«%1» en el byte %2 no es un número</translation>
    </message>
    <message>
        <source>the file ends before the design does (after line %1)</source>
        <translation>el archivo termina antes que el diseño (después de la línea %1)</translation>
    </message>
    <message>
        <source>line %1 should hold a whole number but holds &quot;%2&quot;</source>
        <translation>la línea %1 debería tener un número entero, pero tiene «%2»</translation>
    </message>
    <message>
        <source>line %1 should hold a number but holds &quot;%2&quot;</source>
        <translation>la línea %1 debería tener un número, pero tiene «%2»</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a number</source>
        <translation>%1 tiene un «%2» que no es un número</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a list</source>
        <translation>%1 tiene un «%2» que no es una lista</translation>
    </message>
    <message>
        <source>%1, mark %2,</source>
        <translation>%1, marca %2,</translation>
    </message>
    <message>
        <source>%1 lacks its distance or its time</source>
        <translation>a %1 le falta la distancia o el tiempo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 has its marks out of order of distance</source>
        <translation>%1 tiene sus marcas desordenadas por distancia</translation>
    </message>
    <message>
        <source>design entry %1</source>
        <translation>la entrada de diseño %1</translation>
    </message>
    <message>
        <source>%1 names no design (neither &quot;name&quot; nor &quot;file&quot;), so its runs belong to none</source>
        <translation>%1 no nombra ningún diseño (ni «name» ni «file»), así que sus carreras no son de ninguno</translation>
    </message>
    <message>
        <source>design &quot;%1&quot;</source>
        <translation>el diseño «%1»</translation>
    </message>
    <message>
        <source>run %1 of %2</source>
        <translation>la carrera %1 de %2</translation>
    </message>
    <message>
        <source>%1 has a prediction that is not a time above 0 and up to 100 s</source>
        <translation>%1 tiene una predicción que no es un tiempo de más de 0 y hasta 100 s</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is neither true nor false</source>
        <translation>%1 tiene un «%2» que no es ni verdadero ni falso</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a count</source>
        <translation>%1 tiene un «%2» que no es un recuento</translation>
    </message>
    <message>
        <source>the calibration of &quot;%1&quot;</source>
        <translation>la calibración de «%1»</translation>
    </message>
    <message>
        <source>%1 lacks a friction above 0 and below 1 lb or a spring efficiency above 0 and below 2</source>
        <translation>a %1 le falta una fricción de más de 0 y menos de 1 lb o una eficiencia del resorte de más de 0 y menos de 2</translation>
    </message>
    <message>
        <source>it is not a logbook (not JSON: %1 at byte %2)</source>
        <translation>no es un cuaderno de carreras (no es JSON: %1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is not a logbook (no JSON object)</source>
        <translation>no es un cuaderno de carreras (no hay objeto JSON)</translation>
    </message>
    <message>
        <source>it is not a logbook of version %1, which this release reads</source>
        <translation>no es un cuaderno de carreras de la versión %1, la que lee esta versión</translation>
    </message>
    <message>
        <source>the logbook</source>
        <translation>el cuaderno de carreras</translation>
    </message>
    <message>
        <source>design entry %1 lists &quot;%2&quot; (%3) a second time</source>
        <translation>la entrada de diseño %1 lista «%2» (%3) por segunda vez</translation>
    </message>
    <message>
        <source>the logbook has &quot;calibrations&quot; that are not an object keyed by track</source>
        <translation>el cuaderno de carreras tiene «calibrations» que no son un objeto con las pistas como claves</translation>
    </message>
    <message>
        <source>%1 %2 is beyond what a design can hold (%3)</source>
        <translation>%1 %2 supera lo que un diseño puede tener (%3)</translation>
    </message>
    <message>
        <source>at most %1 points from the sheet&apos;s corner</source>
        <translation>como mucho %1 puntos desde la esquina de la hoja</translation>
    </message>
    <message>
        <source>at most %1 in</source>
        <translation>como mucho %1 in</translation>
    </message>
    <message>
        <source>at most 1000000</source>
        <translation>como mucho 1000000</translation>
    </message>
    <message>
        <source>the mass of weight %1</source>
        <translation>la masa del peso %1</translation>
    </message>
    <message>
        <source>at most %1 lb either way</source>
        <translation>como mucho %1 lb en cualquier sentido</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>its version is not 3</source>
        <translation>su versión no es 3</translation>
    </message>
    <message>
        <source>A run is exported as .csv, .png, .svg or .pdf, not as &quot;%1&quot;.</source>
        <translation>Una carrera se exporta como .csv, .png, .svg o .pdf, no como «%1».</translation>
    </message>
    <message>
        <source>This car cannot be run, so there is no run to export.</source>
        <translation>Este coche no puede correr, así que no hay carrera que exportar.</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <translation>No se pudo dibujar la gráfica.</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere (%1)</source>
        <translation>es un enlace que no lleva a ninguna parte (%1)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket)</source>
        <translation>no es un archivo normal (es un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>it is the same file as &quot;%1&quot;</source>
        <translation>es el mismo archivo que «%1»</translation>
    </message>
    <message>
        <source>%1; %2 of the %3 files before it were replaced already</source>
        <translation>%1; %2 de los %3 archivos anteriores ya se reemplazaron</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>cut files end in .svg or .dxf</source>
        <translation>los archivos de corte terminan en .svg o .dxf</translation>
    </message>
    <message>
        <source>the board could not be drawn</source>
        <translation>no se pudo dibujar el cartón</translation>
    </message>
    <message>
        <source>nothing could be printed into it</source>
        <translation>no se pudo imprimir nada en él</translation>
    </message>
    <message>
        <source>it is not a design file</source>
        <translation>no es un archivo de diseño</translation>
    </message>
    <message>
        <source>its path is longer than the system&apos;s limit of %1 bytes</source>
        <translation>su ruta es más larga que el límite del sistema de %1 bytes</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>la carpeta no se puede leer: %1</translation>
    </message>
    <message>
        <source>its path is longer than the system&apos;s limit of %1 bytes; the designs in it were not read</source>
        <translation>su ruta es más larga que el límite del sistema de %1 bytes; los diseños que contiene no se leyeron</translation>
    </message>
    <message>
        <source>it is not a challenge (not JSON: %1 at byte %2)</source>
        <translation>no es un reto (no es JSON: %1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is not a challenge</source>
        <translation>no es un reto</translation>
    </message>
    <message>
        <source>the challenge has no version</source>
        <translation>el reto no tiene versión</translation>
    </message>
    <message>
        <source>it is a challenge of version %1, made by a later release; this release reads version %2</source>
        <translation>es un reto de la versión %1, hecho por una versión posterior; esta versión lee la versión %2</translation>
    </message>
    <message>
        <source>the challenge</source>
        <translation>el reto</translation>
    </message>
    <message>
        <source>rule %1 is not a text</source>
        <translation>la regla %1 no es un texto</translation>
    </message>
    <message>
        <source>the challenge&apos;s scoring is not time, distance, target:SECONDS or efficiency</source>
        <translation>la puntuación del reto no es time, distance, target:SECONDS ni efficiency</translation>
    </message>
    <message>
        <source>rubric row %1</source>
        <translation>fila %1 de la rúbrica</translation>
    </message>
    <message>
        <source>rubric row %1 has a weight that is not a number of 0 or more</source>
        <translation>la fila %1 de la rúbrica tiene un peso que no es un número de 0 o más</translation>
    </message>
    <message>
        <source>prompt %1</source>
        <translation>pregunta %1</translation>
    </message>
    <message>
        <source>prompt %1 is asked neither before-first-simulation nor after-race</source>
        <translation>la pregunta %1 no se hace ni before-first-simulation ni after-race</translation>
    </message>
    <message>
        <source>%1 has no time &quot;when&quot;</source>
        <translation>%1 no tiene una hora «when»</translation>
    </message>
    <message>
        <source>%1 has a design that is not Base64</source>
        <translation>%1 tiene un diseño que no está en Base64</translation>
    </message>
    <message>
        <source>%1 has a &quot;reaches15ft&quot; that is neither true nor false</source>
        <translation>%1 tiene un «reaches15ft» que no es ni true ni false</translation>
    </message>
    <message>
        <source>it is not a design journal (not JSON: %1 at byte %2)</source>
        <translation>no es un diario de diseño (no es JSON: %1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is not a design journal</source>
        <translation>no es un diario de diseño</translation>
    </message>
    <message>
        <source>the design journal has no version</source>
        <translation>el diario de diseño no tiene versión</translation>
    </message>
    <message>
        <source>it is a design journal of version %1, made by a later release; this release reads version %2</source>
        <translation>es un diario de diseño de la versión %1, creado por una edición posterior; esta edición lee la versión %2</translation>
    </message>
    <message>
        <source>the design journal</source>
        <translation>el diario de diseño</translation>
    </message>
    <message>
        <source>the design journal has no list &quot;versions&quot;</source>
        <translation>el diario de diseño no tiene una lista «versions»</translation>
    </message>
    <message>
        <source>journal version %1</source>
        <translation>versión %1 del diario</translation>
    </message>
    <message>
        <source>the design journal has no list &quot;answers&quot;</source>
        <translation>el diario del diseño no tiene la lista «answers»</translation>
    </message>
    <message>
        <source>journal answer %1</source>
        <translation>respuesta %1 del diario</translation>
    </message>
</context>
<context>
    <name>JournalChart</name>
    <message>
        <source>Time to 15 ft over the versions</source>
        <translation>Tiempo hasta 15 ft a lo largo de las versiones</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Tiempo hasta 15 ft (s)</translation>
    </message>
    <message>
        <source>Reaches 15 ft</source>
        <translation>Llega a 15 ft</translation>
    </message>
    <message>
        <source>Stops short of 15 ft (×)</source>
        <translation>Se detiene antes de 15 ft (×)</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>[%1 s] short of 15 ft</source>
        <translation>[%1 s] no llega a 15 ft</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Time to 15 ft</source>
        <translation>Tiempo hasta 15 ft</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Journal versions</source>
        <translation>Versiones del diario</translation>
    </message>
    <message>
        <source>Time to 15 ft over the versions</source>
        <translation>Tiempo hasta 15 ft a lo largo de las versiones</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>My answer</source>
        <translation>Mi respuesta</translation>
    </message>
    <message>
        <source>The challenge&apos;s questions and my answers</source>
        <translation>Las preguntas del reto y mis respuestas</translation>
    </message>
    <message>
        <source>Each Simulate run of a changed design keeps a version. Double-click a note to write what you changed and why, or an answer to the challenge&apos;s questions.</source>
        <translation>Cada simulación de un diseño cambiado guarda una versión. Haga doble clic en una nota para escribir qué cambió y por qué, o en una respuesta a las preguntas del reto.</translation>
    </message>
    <message>
        <source>Journal of %1 (versions: %2)</source>
        <translation>Diario de %1 (versiones: %2)</translation>
    </message>
    <message>
        <source>%1. It is not written over; the versions of this run are kept until Zindle closes.</source>
        <translation>%1. No se sobrescribe; las versiones de esta sesión se conservan hasta que Zindle se cierre.</translation>
    </message>
    <message>
        <source>The design has no file yet: its journal is written beside it when it is saved.</source>
        <translation>El diseño aún no tiene archivo: su diario se escribe junto a él cuando se guarde.</translation>
    </message>
</context>
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
<context>
    <name>LeagueCommand</name>
    <message>
        <source>--track needs the name of a track</source>
        <translation>--track necesita el nombre de una pista</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to 256</source>
        <translation>--threads admite un número de 1 a 256</translation>
    </message>
    <message>
        <source>only one output can go to standard output</source>
        <translation>solo una salida puede ir a la salida estándar</translation>
    </message>
    <message>
        <source>no design files found</source>
        <translation>no se encontraron archivos de diseño</translation>
    </message>
    <message>
        <source>stopped by Ctrl+C after %1 of %2 designs</source>
        <translation>detenido con Ctrl+C tras %1 de %2 diseños</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the PDF could not be made</source>
        <translation>No se puede escribir «%1»: no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>no design could be read</source>
        <translation>no se pudo leer ningún diseño</translation>
    </message>
    <message>
        <source>--class-csv needs --challenge</source>
        <translation>--class-csv necesita --challenge</translation>
    </message>
</context>
<context>
    <name>LeaguePages</name>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Tiempo hasta 15 ft (s)</translation>
    </message>
    <message>
        <source>Time (sec)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Velocidad máx. (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Velocidad máx.</translation>
    </message>
    <message>
        <source>Powered distance (ft)</source>
        <translation>Distancia con impulso (ft)</translation>
    </message>
    <message>
        <source>Powered distance</source>
        <translation>Distancia con impulso</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Masa total del coche (lbm)</translation>
    </message>
    <message>
        <source>Mass (lbm)</source>
        <translation>Masa (lbm)</translation>
    </message>
    <message>
        <source>Advisories</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Measured (sec)</source>
        <translation>Medido (s)</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Medido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Predictions %1 (designs in %2)</source>
        <translation>Previsiones %1 (diseños en %2)</translation>
    </message>
    <message>
        <source>Predictions %1</source>
        <translation>Previsiones %1</translation>
    </message>
    <message>
        <source>1 design</source>
        <translation>1 diseño</translation>
    </message>
    <message>
        <source>%1 designs</source>
        <translation>%1 diseños</translation>
    </message>
    <message>
        <source>1 design, 1 file could not be read</source>
        <translation>1 diseño, 1 archivo no se pudo leer</translation>
    </message>
    <message>
        <source>1 design, %1 files could not be read</source>
        <translation>1 diseño, %1 archivos no se pudieron leer</translation>
    </message>
    <message>
        <source>%1 designs, 1 file could not be read</source>
        <translation>%1 diseños, 1 archivo no se pudo leer</translation>
    </message>
    <message>
        <source>%1 designs, %2 files could not be read</source>
        <translation>%1 diseños, %2 archivos no se pudieron leer</translation>
    </message>
    <message>
        <source>1 car</source>
        <translation>1 coche</translation>
    </message>
    <message>
        <source>%1 cars</source>
        <translation>%1 coches</translation>
    </message>
    <message>
        <source>Final (%1)</source>
        <translation>Final (%1)</translation>
    </message>
    <message>
        <source>Round %1, heat %2 of %3 (%4)</source>
        <translation>Ronda %1, manga %2 de %3 (%4)</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Ganador: %1</translation>
    </message>
    <message>
        <source>Goes on: %1</source>
        <translation>Pasa a la siguiente ronda: %1</translation>
    </message>
    <message>
        <source>Class standings</source>
        <translation>Clasificación de la clase</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in &lt;html lang=&quot;en&quot;&gt;</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>Distance and time of the first eight</source>
        <translation>Distancia y tiempo de los ocho primeros</translation>
    </message>
    <message>
        <source>Distance against time of the first eight cars</source>
        <translation>Distancia frente al tiempo de los ocho primeros coches</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>No leídos</translation>
    </message>
    <message>
        <source>Heats</source>
        <translation>Mangas</translation>
    </message>
    <message>
        <source>The cars</source>
        <translation>Los coches</translation>
    </message>
    <message>
        <source>Side view of %1</source>
        <translation>Vista lateral de %1</translation>
    </message>
    <message>
        <source>Not read: %1: %2</source>
        <translation>No leído: %1: %2</translation>
    </message>
    <message>
        <source>no skid</source>
        <translation>sin patinaje</translation>
    </message>
    <message>
        <source>skid</source>
        <translation>patinaje</translation>
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
        <translation>puntuado por el tiempo hasta 15 ft, el más rápido primero</translation>
    </message>
    <message>
        <source>scored by the powered distance, farthest first</source>
        <translation>puntuado por la distancia impulsada, la mayor primero</translation>
    </message>
    <message>
        <source>scored by the time to 15 ft nearest %1 s, the cars short of 15 ft after them, farthest first</source>
        <translation>puntuado por el tiempo hasta 15 ft más cercano a %1 s, después los coches que no llegan a 15 ft, el que más lejos llega primero</translation>
    </message>
    <message>
        <source>scored by efficiency, the powered distance (ft) per ft.lb the spring delivered, greatest first</source>
        <translation>puntuado por la eficiencia, la distancia impulsada (ft) por ft.lb que entregó el resorte, la mayor primero</translation>
    </message>
    <message>
        <source>Challenge: %1</source>
        <translation>Reto: %1</translation>
    </message>
    <message>
        <source>Challenge &quot;%1&quot;: %2</source>
        <translation>Reto «%1»: %2</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Reglamentario</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>ListMessages</name>
    <message>
        <source>Current design &quot;%1&quot; is not saved. Save it?</source>
        <translation>El diseño actual «%1» no está guardado. ¿Guardarlo?</translation>
    </message>
    <message>
        <source>Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be renamed.
However, you may save this design under a different name.</source>
        <translation>Default design, Racer, Pickup, Tow Truck y Wheelie no se pueden renombrar.
Pero puedes guardar este diseño con otro nombre.</translation>
    </message>
    <message>
        <source>Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be deleted from the list.</source>
        <translation>Default design, Racer, Pickup, Tow Truck y Wheelie no se pueden quitar de la lista.</translation>
    </message>
    <message>
        <source>The name you suggested has been revised to eliminate any commas (,), slashes (\ or /), or colons (:).</source>
        <translation>Se han quitado del nombre propuesto las comas (,), las barras (\ o /) y los dos puntos (:).</translation>
    </message>
    <message>
        <source>The car name must be 32 characters or less. </source>
        <translation>El nombre del coche debe tener 32 caracteres o menos. </translation>
    </message>
    <message>
        <source>Are you sure that you wish to remove this design from the list?</source>
        <translation>¿Seguro que quieres quitar este diseño de la lista?</translation>
    </message>
    <message>
        <source>The design list is full (257 designs).  Remove a design from the list before you add another.</source>
        <translation>La lista de diseños está llena (257 diseños).  Quita un diseño de la lista antes de añadir otro.</translation>
    </message>
</context>
<context>
    <name>LiveReadout</name>
    <message>
        <source>no advisories</source>
        <translation>ningún aviso</translation>
    </message>
    <message>
        <source>1 advisory</source>
        <translation>1 aviso</translation>
    </message>
    <message>
        <source>%1 advisories</source>
        <translation>%1 avisos</translation>
    </message>
    <message>
        <source>15 ft in %1 s</source>
        <translation>15 ft en %1 s</translation>
    </message>
    <message>
        <source>15 ft not reached in %1 s</source>
        <translation>15 ft no alcanzados en %1 s</translation>
    </message>
    <message>
        <source>peak %1 ft/s</source>
        <translation>máx. %1 ft/s</translation>
    </message>
    <message>
        <source>%1 lb</source>
        <translation>%1 lb</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <translation>No puede correr: %1</translation>
    </message>
    <message>
        <source>As Simulate will show the design, computed while you edit it:</source>
        <translation>Así mostrará «Simular» el diseño, calculado mientras lo editas:</translation>
    </message>
    <message>
        <source> (in brackets: 15 ft not reached, the time the run ended)</source>
        <translation> (entre corchetes: 15 ft no alcanzados, el tiempo en que terminó la carrera)</translation>
    </message>
    <message>
        <source>No advisories.</source>
        <translation>Ningún aviso.</translation>
    </message>
    <message>
        <source>Advisories:</source>
        <translation>Avisos:</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>Live:</source>
        <translation>En vivo:</translation>
    </message>
    <message>
        <source>computing…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>(updating)</source>
        <translation>(actualizando)</translation>
    </message>
</context>
<context>
    <name>LoggedRuns</name>
    <message>
        <source>%1; the logbook is left as it is, and its runs are left out</source>
        <translation>%1; el cuaderno de carreras se queda como está y sus carreras se dejan fuera</translation>
    </message>
    <message>
        <source>%1 holds no calibration for &quot;%2&quot;: its designs are predicted with their own model</source>
        <translation>%1 no contiene ninguna calibración para «%2»: sus diseños se predicen con su propio modelo</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Car File...</source>
        <translation>&amp;Abrir archivo de coche...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Con&amp;vert file...</source>
        <translation>&amp;Convertir archivo...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Export templates...</source>
        <translation>E&amp;xportar plantillas...</translation>
    </message>
    <message>
        <source>E&amp;xport run...</source>
        <translation>Expor&amp;tar carrera...</translation>
    </message>
    <message>
        <source>C&amp;lass results...</source>
        <translation>Resultados de la c&amp;lase...</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Race &amp;Day...</source>
        <translation>&amp;Día de carrera...</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>Re&amp;nombrar...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Quitar...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Points...</source>
        <translation>&amp;Puntos...</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Define &amp;Materials...</source>
        <translation>Definir &amp;materiales...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>Choose &amp;Background Color...</source>
        <translation>Elegir color de &amp;fondo...</translation>
    </message>
    <message>
        <source>&amp;High-Contrast Sheet</source>
        <translation>Hoja de alto &amp;contraste</translation>
    </message>
    <message>
        <source>&amp;Modes</source>
        <translation>&amp;Modos</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Diseño</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>C&amp;onstruir</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simular</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>Ca&amp;rrera</translation>
    </message>
    <message>
        <source>Pre&amp;view Templates</source>
        <translation>&amp;Vista previa de plantillas</translation>
    </message>
    <message>
        <source>&amp;Print Templates...</source>
        <translation>&amp;Imprimir plantillas...</translation>
    </message>
    <message>
        <source>Po&amp;wer Designer...</source>
        <translation>Diseñador de &amp;potencia...</translation>
    </message>
    <message>
        <source>Results &amp;in Detail...</source>
        <translation>Resultados en de&amp;talle...</translation>
    </message>
    <message>
        <source>R&amp;un Charts...</source>
        <translation>&amp;Gráficas de la carrera...</translation>
    </message>
    <message>
        <source>Race &amp;Chart...</source>
        <translation>Gráfica de &amp;competición...</translation>
    </message>
    <message>
        <source>&amp;Test Runs...</source>
        <translation>Carreras de pr&amp;ueba...</translation>
    </message>
    <message>
        <source>&amp;Energy...</source>
        <translation>&amp;Energía...</translation>
    </message>
    <message>
        <source>W&amp;hat If...</source>
        <translation>¿&amp;Qué pasaría si...?</translation>
    </message>
    <message>
        <source>Se&amp;nsitivity...</source>
        <translation>Se&amp;nsibilidad...</translation>
    </message>
    <message>
        <source>Build T&amp;olerances...</source>
        <translation>To&amp;lerancias de construcción...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Zindle Discussion &amp;Forum</source>
        <translation>&amp;Foro de debate de Zindle</translation>
    </message>
    <message>
        <source>Zindle &amp;Help in your web browser</source>
        <translation>&amp;Ayuda de Zindle en el navegador (en inglés)</translation>
    </message>
    <message>
        <source>Zindle Home &amp;Page</source>
        <translation>&amp;Página de inicio de Zindle</translation>
    </message>
    <message>
        <source>&amp;About Zindle 4.1...</source>
        <translation>A&amp;cerca de Zindle 4.1...</translation>
    </message>
    <message>
        <source>&amp;Check for latest version...</source>
        <translation>Buscar la última &amp;versión...</translation>
    </message>
    <message>
        <source>Opti&amp;miser...</source>
        <translation>Opti&amp;mizador...</translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation>&amp;Diario...</translation>
    </message>
</context>
<context>
    <name>MaterialEditing</name>
    <message>
        <source>Please try again</source>
        <translation>Inténtalo de nuevo</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Please enter a name for this board.</source>
        <translation>Escribe un nombre para este cartón.</translation>
    </message>
    <message>
        <source>The thickness must be positive, greater than 0.05 inches, and less than 6 inches. </source>
        <translation>El grosor debe ser positivo, mayor que 0.05 pulgadas y menor que 6 pulgadas. </translation>
    </message>
    <message>
        <source>The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch.</source>
        <translation>La densidad debe ser positiva, mayor que 0.0001 y de 0.5 libras por pulgada cúbica como máximo.</translation>
    </message>
    <message>
        <source>Please enter a name for this axle material.</source>
        <translation>Escribe un nombre para este material de eje.</translation>
    </message>
    <message>
        <source>The axle density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch. </source>
        <translation>La densidad del eje debe ser positiva, mayor que cero y de 0.5 libras por pulgada cúbica como máximo. </translation>
    </message>
    <message>
        <source>Please enter a name for this spring material.</source>
        <translation>Escribe un nombre para este material de resorte.</translation>
    </message>
    <message>
        <source>The thickness must be positive, greater than zero, and no more than 0.125 inches. </source>
        <translation>El grosor debe ser positivo, mayor que cero y de 0.125 pulgadas como máximo. </translation>
    </message>
    <message>
        <source>The density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch.</source>
        <translation>La densidad debe ser positiva, mayor que cero y de 0.5 libras por pulgada cúbica como máximo.</translation>
    </message>
    <message>
        <source>The width of your test sample must be positive, greater than zero, and no more than 6 inches.</source>
        <translation>El ancho de tu muestra debe ser positivo, mayor que cero y de 6 pulgadas como máximo.</translation>
    </message>
    <message>
        <source>The maximum torque must be positive, greater than zero, and no more than 10 lb-inches.</source>
        <translation>El par máximo debe ser positivo, mayor que cero y de 10 lb-in como máximo.</translation>
    </message>
    <message>
        <source>All torque values must be positive, greater than zero, and no more than 3 lb-inches -- some values are not valid.</source>
        <translation>Todos los valores de par deben ser positivos, mayores que cero y de 3 lb-in como máximo -- algunos valores no son válidos.</translation>
    </message>
    <message>
        <source>Please enter a name for this tread material.</source>
        <translation>Escribe un nombre para este material de banda de rodadura.</translation>
    </message>
    <message>
        <source>The coefficient of static friction must be positive, greater than zero, and less than 2. </source>
        <translation>El coeficiente de rozamiento estático debe ser positivo, mayor que cero y menor que 2. </translation>
    </message>
    <message>
        <source>There is already a material named &quot;%1&quot;. Type another name, or select &quot;%1&quot; in the list and press Edit to change it.</source>
        <translation>Ya hay un material llamado «%1». Escribe otro nombre, o elige «%1» en la lista y pulsa «Editar» para cambiarlo.</translation>
    </message>
    <message>
        <source>The list of board materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La lista de materiales de cartón está llena (100 materiales).  Borra un material antes de definir uno nuevo.</translation>
    </message>
    <message>
        <source>The list of axle materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La lista de materiales de eje está llena (100 materiales).  Borra un material antes de definir uno nuevo.</translation>
    </message>
    <message>
        <source>The list of spring materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La lista de materiales de resorte está llena (100 materiales).  Borra un material antes de definir uno nuevo.</translation>
    </message>
    <message>
        <source>The list of tread materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La lista de materiales de banda de rodadura está llena (100 materiales).  Borra un material antes de definir uno nuevo.</translation>
    </message>
    <message>
        <source>Sorry, this computer does not have the ColorPicker component installed.  A default color will be used instead.</source>
        <translation>Este ordenador no tiene instalado el selector de color.  Se usará un color predeterminado.</translation>
    </message>
    <message>
        <source>Colors not available</source>
        <translation>Colores no disponibles</translation>
    </message>
</context>
<context>
    <name>MeasuredOverlay</name>
    <message>
        <source>%1 and measured runs, RMS error %2 s</source>
        <translation>%1 y carreras medidas, error RMS %2 s</translation>
    </message>
    <message>
        <source>%1 and measured runs</source>
        <translation>%1 y carreras medidas</translation>
    </message>
    <message>
        <source>With coasting</source>
        <translation>Con rodadura libre</translation>
    </message>
    <message>
        <source>Runs on %1:</source>
        <translation>Carreras en %1:</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Carrera %1: %2</translation>
    </message>
    <message>
        <source>and %1 more runs</source>
        <translation>y %1 carreras más</translation>
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
        <translation>La marca «%1» no es pies:segundos (por ejemplo 5:0.71).</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; distance</source>
        <translation>Distancia de la marca «%1»</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; time</source>
        <translation>Tiempo de la marca «%1»</translation>
    </message>
    <message>
        <source>The run has no valid date (YYYY-MM-DD).</source>
        <translation>La carrera no tiene una fecha válida (AAAA-MM-DD).</translation>
    </message>
    <message>
        <source>The run needs the name of its track.</source>
        <translation>La carrera necesita el nombre de su pista.</translation>
    </message>
    <message>
        <source>The run needs at least one mark or the distance where the car came to rest.</source>
        <translation>La carrera necesita al menos una marca o la distancia a la que se detuvo el coche.</translation>
    </message>
    <message>
        <source>A mark at %1 is not on a track: distances lie above 0 and up to 100 ft.</source>
        <translation>Una marca a %1 no está en una pista: las distancias van de más de 0 hasta 100 ft.</translation>
    </message>
    <message>
        <source>The time %1 at %2 cannot be measured: times lie above 0 and up to 100 s.</source>
        <translation>El tiempo %1 a %2 no se puede medir: los tiempos van de más de 0 hasta 100 s.</translation>
    </message>
    <message>
        <source>There are two marks at %1.</source>
        <translation>Hay dos marcas a %1.</translation>
    </message>
    <message>
        <source>The car cannot reach %1 at %2 when it reached %3 at %4: times must grow with the distance.</source>
        <translation>El coche no puede llegar a %1 en %2 si llegó a %3 en %4: los tiempos deben crecer con la distancia.</translation>
    </message>
    <message>
        <source>The resting distance %1 is not on a track: distances lie above 0 and up to 100 ft.</source>
        <translation>La distancia de parada %1 no está en una pista: las distancias van de más de 0 hasta 100 ft.</translation>
    </message>
    <message>
        <source>The car cannot come to rest at %1 before its last mark at %2.</source>
        <translation>El coche no puede detenerse a %1 antes de su última marca a %2.</translation>
    </message>
    <message>
        <source>A car of %1 lbm cannot be weighed: masses lie above 0 and up to 10 lbm.</source>
        <translation>Un coche de %1 lbm no se puede pesar: las masas van de más de 0 hasta 10 lbm.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a day written YYYY-MM-DD</source>
        <translation>%1: «%2» no es un día escrito AAAA-MM-DD</translation>
    </message>
</context>
<context>
    <name>ModeButtons</name>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Edit the car design</source>
        <translation>Editar el diseño del coche</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Construir</translation>
    </message>
    <message>
        <source>&quot;Build&quot; a virtual prototype</source>
        <translation>«Construir» un prototipo virtual</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Compute the physical properties of the design</source>
        <translation>Calcular las propiedades físicas del diseño</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simular</translation>
    </message>
    <message>
        <source>Dynamically simulate the design</source>
        <translation>Simular el diseño en movimiento</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Race against other designs</source>
        <translation>Competir contra otros diseños</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Inspect the parts-cutting templates for the main car body, before printing them</source>
        <translation>Revisar las plantillas de corte de la carrocería antes de imprimirlas</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print parts-cutting templates to help you build the car</source>
        <translation>Imprimir plantillas de corte que te ayudan a construir el coche</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>No number was typed (a period is the decimal point). </source>
        <translation>No se ha escrito ningún número (el separador decimal es el punto). </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (a period is the decimal point). </source>
        <translation>«%1» no es un número (el separador decimal es el punto). </translation>
    </message>
</context>
<context>
    <name>OptimiseCommand</name>
    <message>
        <source>--goal takes time, distance or target:T with T seconds above 0</source>
        <translation>--goal admite time, distance o target:T con T segundos mayor que 0</translation>
    </message>
    <message>
        <source>--max-mass takes a mass in lb above 0</source>
        <translation>--max-mass admite una masa en lb mayor que 0</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0</source>
        <translation>--seed admite un número entero desde 0</translation>
    </message>
    <message>
        <source>--threads takes a whole number from 1 to 256</source>
        <translation>--threads admite un número entero de 1 a 256</translation>
    </message>
    <message>
        <source>--evaluations takes a whole number from 1 to %1</source>
        <translation>--evaluations admite un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>unknown parameter %1; this design has %2</source>
        <translation>parámetro desconocido %1; este diseño tiene %2</translation>
    </message>
    <message>
        <source>parameter %1 is given twice</source>
        <translation>el parámetro %1 aparece dos veces</translation>
    </message>
    <message>
        <source>--range takes P:LOW:HIGH, such as drive-wheel:2.6:7.5</source>
        <translation>--range admite P:LOW:HIGH, por ejemplo drive-wheel:2.6:7.5</translation>
    </message>
    <message>
        <source>--range names %1, which --vary does not</source>
        <translation>--range nombra %1, pero --vary no</translation>
    </message>
    <message>
        <source>%1 designs tried, best %2 s</source>
        <translation>%1 diseños probados, el mejor %2 s</translation>
    </message>
    <message>
        <source>%1 designs tried, none reaches 15 ft yet</source>
        <translation>%1 diseños probados, ninguno llega aún a 15 ft</translation>
    </message>
    <message>
        <source>stopped before any design ran</source>
        <translation>detenido antes de probar ningún diseño</translation>
    </message>
    <message>
        <source>stopped after %1 designs; the best so far is printed</source>
        <translation>detenido tras %1 diseños; se muestra el mejor hasta ahora</translation>
    </message>
</context>
<context>
    <name>Optimiser</name>
    <message>
        <source>choose at least one size to vary</source>
        <translation>elige al menos una medida para variar</translation>
    </message>
    <message>
        <source>no design within these ranges meets the constraints</source>
        <translation>ningún diseño dentro de estos rangos cumple las condiciones</translation>
    </message>
    <message>
        <source>the range of %1 is empty: %2 is more than %3</source>
        <translation>el rango de %1 está vacío: %2 es mayor que %3</translation>
    </message>
    <message>
        <source>%1 takes values from %2 to %3</source>
        <translation>%1 admite valores de %2 a %3</translation>
    </message>
    <message>
        <source>the challenge&apos;s rules leave %1 no value</source>
        <translation>las reglas del reto no dejan ningún valor a %1</translation>
    </message>
    <message>
        <source>%1 is a choice and takes no range</source>
        <translation>%1 es una elección y no admite intervalo</translation>
    </message>
</context>
<context>
    <name>OptimiserDialog</name>
    <message>
        <source>rear</source>
        <translation>trasera</translation>
    </message>
    <message>
        <source>front</source>
        <translation>delantera</translation>
    </message>
    <message>
        <source>all</source>
        <translation>total</translation>
    </message>
</context>
<context>
    <name>OptimiserView</name>
    <message>
        <source>Optimiser design</source>
        <translation>Diseño del optimizador</translation>
    </message>
</context>
<context>
    <name>OutlinePoints</name>
    <message>
        <source>An outline needs at least 5 points; this one has %1.</source>
        <translation>Un contorno necesita al menos 5 puntos; este tiene %1.</translation>
    </message>
    <message>
        <source>An outline holds at most %1 points; this one has %2.</source>
        <translation>Un contorno tiene como máximo %1 puntos; este tiene %2.</translation>
    </message>
    <message>
        <source>Point %1: %2Its place is two numbers of inches, across and down.</source>
        <translation>Punto %1: %2Su posición son dos números en pulgadas, a lo ancho y hacia abajo.</translation>
    </message>
    <message>
        <source>Point %1 is off the sheet: it must lie 0 to 10 in across and 0 to 7.5 in down.</source>
        <translation>El punto %1 está fuera de la hoja: debe estar entre 0 y 10 in a lo ancho y entre 0 y 7.5 in hacia abajo.</translation>
    </message>
</context>
<context>
    <name>ParallelSweep</name>
    <message>
        <source>Drive wheel dia</source>
        <translation>Diám. rueda motriz</translation>
    </message>
    <message>
        <source>Spring Length</source>
        <translation>Largo del resorte</translation>
    </message>
    <message>
        <source>Spring Width</source>
        <translation>Ancho del resorte</translation>
    </message>
    <message>
        <source>time to 15 ft</source>
        <translation>tiempo hasta 15 ft</translation>
    </message>
    <message>
        <source>time to 15 ft, %1 %2 in</source>
        <translation>tiempo hasta 15 ft, %1 %2 in</translation>
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
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The drive wheel diameter must be positive, greater than the spring chamber outer diameter, and no more than 7.5 inches.</source>
        <translation>El diámetro de la rueda motriz debe ser positivo, mayor que el diámetro exterior de la cámara del resorte y no más de 7.5 pulgadas.</translation>
    </message>
    <message>
        <source>The non-drive wheel diameter must be positive, greater than 0.25 inches, no more than 7.5 inches, and greater than the axle diameter.</source>
        <translation>El diámetro de la rueda no motriz debe ser positivo, mayor que 0.25 pulgadas, no más de 7.5 pulgadas y mayor que el diámetro del eje.</translation>
    </message>
    <message>
        <source>The drive axle diameter must be positive, greater than zero, and no more than 2 inches.</source>
        <translation>El diámetro del eje motriz debe ser positivo, mayor que cero y no más de 2 pulgadas.</translation>
    </message>
    <message>
        <source>The drive axle length must be positive, greater than zero, and no more than 36 inches.</source>
        <translation>El largo del eje motriz debe ser positivo, mayor que cero y no más de 36 pulgadas.</translation>
    </message>
    <message>
        <source>The non-drive axle diameter must be positive, greater than zero, no more than 1 inch, and less than the wheel diameter.</source>
        <translation>El diámetro del eje no motriz debe ser positivo, mayor que cero, no más de 1 pulgada y menor que el diámetro de la rueda.</translation>
    </message>
    <message>
        <source>The non-drive axle length must be positive, greater than zero, and no more than 36 inches.</source>
        <translation>El largo del eje no motriz debe ser positivo, mayor que cero y no más de 36 pulgadas.</translation>
    </message>
    <message>
        <source>The spring width must be positive, no less than 0.1 inch, and no more than 6 inches.</source>
        <translation>El ancho del resorte debe ser positivo, no menos de 0.1 pulgadas y no más de 6 pulgadas.</translation>
    </message>
    <message>
        <source>The spring length must be positive, no less than 3 inches, and no more than 240 inches.</source>
        <translation>El largo del resorte debe ser positivo, no menos de 3 pulgadas y no más de 240 pulgadas.</translation>
    </message>
    <message>
        <source>The case ratio must be positive, no less than 4 percent, and no more than 99 percent.</source>
        <translation>La relación de la caja debe ser positiva, no menor que el 4 por ciento y no mayor que el 99 por ciento.</translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.</source>
        <translation>La fuerza de rozamiento debe ser positiva, mayor que 0.01 lb y no más de 0.25 lb.</translation>
    </message>
    <message>
        <source>The diameter of the drive wheel must be larger than the diameter of the drive axle.</source>
        <translation>El diámetro de la rueda motriz debe ser mayor que el diámetro del eje motriz.</translation>
    </message>
    <message>
        <source>The diameter of the non-drive wheel must be larger than the diameter of the non-drive axle.</source>
        <translation>El diámetro de la rueda no motriz debe ser mayor que el diámetro del eje no motriz.</translation>
    </message>
</context>
<context>
    <name>PointsDialog</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Across (in)</source>
        <translation>Hacia la derecha (in)</translation>
    </message>
    <message>
        <source>Down (in)</source>
        <translation>Hacia abajo (in)</translation>
    </message>
    <message>
        <source>&amp;Layer:</source>
        <translation>&amp;Capa:</translation>
    </message>
    <message>
        <source>Outer layer</source>
        <translation>Capa exterior</translation>
    </message>
    <message>
        <source>Inner layer</source>
        <translation>Capa interior</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Inches from the sheet&apos;s top left corner. Insert adds a point after the current one, Delete removes it.</source>
        <translation>Pulgadas desde la esquina superior izquierda de la hoja. Insert añade un punto después del actual, Supr lo quita.</translation>
    </message>
    <message>
        <source>Outline points</source>
        <translation>Puntos del contorno</translation>
    </message>
    <message>
        <source>&amp;Add Point</source>
        <translation>&amp;Añadir punto</translation>
    </message>
    <message>
        <source>&amp;Remove Point</source>
        <translation>&amp;Quitar punto</translation>
    </message>
</context>
<context>
    <name>Portfolio</name>
    <message>
        <source>%1 s at %2 ft</source>
        <translation>%1 s a %2 ft</translation>
    </message>
    <message>
        <source>Drive wheel diameter (in)</source>
        <translation>Diámetro de la rueda motriz (in)</translation>
    </message>
    <message>
        <source>Other wheel diameter (in)</source>
        <translation>Diámetro de las otras ruedas (in)</translation>
    </message>
    <message>
        <source>Drive axle diameter (in)</source>
        <translation>Diámetro del eje motriz (in)</translation>
    </message>
    <message>
        <source>Spring width (in)</source>
        <translation>Ancho del resorte (in)</translation>
    </message>
    <message>
        <source>Spring length (in)</source>
        <translation>Largo del resorte (in)</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Tiempo hasta 15 ft (s)</translation>
    </message>
    <message>
        <source>Top speed (ft/s)</source>
        <translation>Velocidad final (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/s)</source>
        <translation>Velocidad máxima (ft/s)</translation>
    </message>
    <message>
        <source>Mass (lb)</source>
        <translation>Masa (lb)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portafolio</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Prediction, simulation and runs</source>
        <translation>Predicción, simulación y carreras</translation>
    </message>
    <message>
        <source>My prediction (s)</source>
        <translation>Mi predicción (s)</translation>
    </message>
    <message>
        <source>Simulated time to 15 ft (s)</source>
        <translation>Tiempo simulado hasta 15 ft (s)</translation>
    </message>
    <message>
        <source>Measured, mean of the runs (s)</source>
        <translation>Medido, media de las carreras (s)</translation>
    </message>
    <message>
        <source>Runs not shown: %1</source>
        <translation>Carreras no mostradas: %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>No challenge was given.</source>
        <translation>No se dio ningún reto.</translation>
    </message>
    <message>
        <source>Every rule kept</source>
        <translation>Todas las reglas cumplidas</translation>
    </message>
    <message>
        <source>Rules broken: %1</source>
        <translation>Reglas incumplidas: %1</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>cumplida</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>incumplida</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>No versions yet.</source>
        <translation>Todavía no hay versiones.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Versions left out: %1</source>
        <translation>Versiones omitidas: %1</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>The challenge asks no questions.</source>
        <translation>El reto no hace preguntas.</translation>
    </message>
    <message>
        <source>Not answered.</source>
        <translation>Sin responder.</translation>
    </message>
</context>
<context>
    <name>PortfolioCommand</name>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo PDF «%1».</translation>
    </message>
</context>
<context>
    <name>PowerDesigner</name>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The starting spring width must be positive, greater than 0.1 inch, and not more than 6 inches. </source>
        <translation>El ancho inicial del resorte debe ser positivo, mayor que 0.1 pulgadas y no más de 6 pulgadas. </translation>
    </message>
    <message>
        <source>The ending spring width must be positive, not less than 0.1 inch, and not more than 6 inches. </source>
        <translation>El ancho final del resorte debe ser positivo, no menos de 0.1 pulgadas y no más de 6 pulgadas. </translation>
    </message>
    <message>
        <source>The spring width step size must be positive, greater than 0.01 inch, and not more than 6 inches. </source>
        <translation>El paso del ancho del resorte debe ser positivo, mayor que 0.01 pulgadas y no más de 6 pulgadas. </translation>
    </message>
    <message>
        <source>The starting spring length must be positive, no less than 1 inch, and not more than 240 inches. </source>
        <translation>El largo inicial del resorte debe ser positivo, no menos de 1 pulgada y no más de 240 pulgadas. </translation>
    </message>
    <message>
        <source>The ending spring length must be positive, not less than 1 inch, and not more than 240 inches. </source>
        <translation>El largo final del resorte debe ser positivo, no menos de 1 pulgada y no más de 240 pulgadas. </translation>
    </message>
    <message>
        <source>The spring length step size must be positive, greater than 0.01 inch, and not more than 120 inches. </source>
        <translation>El paso del largo del resorte debe ser positivo, mayor que 0.01 pulgadas y no más de 120 pulgadas. </translation>
    </message>
    <message>
        <source>The starting drive wheel diameter must be positive, greater than 0.1 inch, and not more than 7.5 inches. </source>
        <translation>El diámetro inicial de la rueda motriz debe ser positivo, mayor que 0.1 pulgadas y no más de 7.5 pulgadas. </translation>
    </message>
    <message>
        <source>The ending drive wheel diameter must be positive, not less than 0.1 inch, and not more than 7.5 inches. </source>
        <translation>El diámetro final de la rueda motriz debe ser positivo, no menos de 0.1 pulgadas y no más de 7.5 pulgadas. </translation>
    </message>
    <message>
        <source>The drive wheel diameter step size must be positive, greater than 0.01 inch, and not more than 7.5 inches. </source>
        <translation>El paso del diámetro de la rueda motriz debe ser positivo, mayor que 0.01 pulgadas y no más de 7.5 pulgadas. </translation>
    </message>
    <message>
        <source>All ending values must be greater than their corresponding starting values.  Please double-check all of the ranges. </source>
        <translation>Cada valor final debe ser mayor que su valor inicial. Revisa todos los rangos otra vez. </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>The case ratio must be positive, no less than 4 percent, and no more than 99 percent.</source>
        <translation>La relación de la caja debe ser positiva, no menor que el 4 por ciento y no mayor que el 99 por ciento.</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.</source>
        <translation>La fuerza de rozamiento debe ser positiva, mayor que 0.01 lb y no más de 0.25 lb.</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>The design has %1 layers; at most %2 layer templates can be printed.</source>
        <translation>El diseño tiene %1 capas; se pueden imprimir como mucho %2 plantillas de capa.</translation>
    </message>
</context>
<context>
    <name>PrintedPage</name>
    <message>
        <source>Print at 100 % (actual size)</source>
        <translation>Imprime al 100 % (tamaño real)</translation>
    </message>
    <message>
        <source>Tile %1 of %2</source>
        <translation>Hoja %1 de %2</translation>
    </message>
</context>
<context>
    <name>ProjectorPage</name>
    <message>
        <source>Lane %1</source>
        <translation>Carril %1</translation>
    </message>
    <message>
        <source>Lane %1   %2</source>
        <translation>Carril %1   %2</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Times are entered at the teacher&apos;s computer.</source>
        <translation>Los tiempos se anotan en el ordenador del profesor.</translation>
    </message>
    <message>
        <source>Follow on your phone: %1</source>
        <translation>Síguelo en tu móvil: %1</translation>
    </message>
    <message>
        <source>Join code for the timekeeper: %1</source>
        <translation>Código de acceso para el cronometrador: %1</translation>
    </message>
</context>
<context>
    <name>RaceAwards</name>
    <message>
        <source>Closest to its prediction</source>
        <translation>Más cerca de su previsión</translation>
    </message>
    <message>
        <source>Closest to its simulation</source>
        <translation>Más cerca de su simulación</translation>
    </message>
    <message>
        <source>Best improvement</source>
        <translation>Mayor mejora</translation>
    </message>
    <message>
        <source>Fastest run</source>
        <translation>Carrera más rápida</translation>
    </message>
</context>
<context>
    <name>RaceChart</name>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distancia (ft)</translation>
    </message>
    <message>
        <source>Finish 15 ft</source>
        <translation>Meta 15 ft</translation>
    </message>
    <message>
        <source>Winner %1 s</source>
        <translation>Ganador %1 s</translation>
    </message>
    <message>
        <source>Selected design</source>
        <translation>Diseño elegido</translation>
    </message>
    <message>
        <source>Other designs</source>
        <translation>Otros diseños</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Patinaje</translation>
    </message>
    <message>
        <source>No simulated design</source>
        <translation>Ningún diseño simulado</translation>
    </message>
</context>
<context>
    <name>RaceCommand</name>
    <message>
        <source>at most %1 designs can race, %2 were given</source>
        <translation>como mucho %1 diseños pueden correr, se indicaron %2</translation>
    </message>
    <message>
        <source>%1 is named twice and races once</source>
        <translation>%1 aparece dos veces y corre una vez</translation>
    </message>
    <message>
        <source>%1 cannot race: it has no run</source>
        <translation>%1 no puede correr: no tiene carrera</translation>
    </message>
</context>
<context>
    <name>RaceDay</name>
    <message>
        <source>an event holds at most %1 cars</source>
        <translation>una competición admite como mucho %1 coches</translation>
    </message>
    <message>
        <source>there is no heat %1; the event has %2</source>
        <translation>no hay manga %1; la competición tiene %2</translation>
    </message>
    <message>
        <source>heat %1 has %2 lanes, and %3 times were given</source>
        <translation>la manga %1 tiene %2 carriles y se dieron %3 tiempos</translation>
    </message>
    <message>
        <source>lane %1 of heat %2 has no car, so it has no time</source>
        <translation>el carril %1 de la manga %2 no tiene coche, así que no tiene tiempo</translation>
    </message>
    <message>
        <source>the time in lane %1 must lie above 0 and up to 100 s</source>
        <translation>el tiempo del carril %1 debe ser de más de 0 hasta 100 s</translation>
    </message>
    <message>
        <source>a car needs the file name of its design</source>
        <translation>un coche necesita el nombre de archivo de su diseño</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already entered</source>
        <translation>«%1» ya está inscrito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not entered</source>
        <translation>«%1» no está inscrito</translation>
    </message>
</context>
<context>
    <name>RaceDayLog</name>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; el cuaderno de carreras se queda como está</translation>
    </message>
    <message>
        <source>%1 holds no design file (*.zndl) to race</source>
        <translation>%1 no contiene ningún archivo de diseño (*.zndl) para correr</translation>
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
        <translation>el modelo no puede hacer correr el diseño, así que sus carreras de prueba no se comparan</translation>
    </message>
</context>
<context>
    <name>ResultFields</name>
    <message>
        <source>Inner Layers</source>
        <translation>Capas interiores</translation>
    </message>
    <message>
        <source>Number of inner layers in the car body</source>
        <translation>Número de capas interiores de la carrocería</translation>
    </message>
    <message>
        <source>Cored layers: </source>
        <translation>Capas huecas: </translation>
    </message>
    <message>
        <source>Outer Layers</source>
        <translation>Capas exteriores</translation>
    </message>
    <message>
        <source>Number of outer layers in the car body (always 2)</source>
        <translation>Número de capas exteriores de la carrocería (siempre 2)</translation>
    </message>
    <message>
        <source>Non-cored layers: </source>
        <translation>Capas macizas: </translation>
    </message>
    <message>
        <source>Number of Layers</source>
        <translation>Número de capas</translation>
    </message>
    <message>
        <source>= CarWidth/BoardThickness</source>
        <translation>= AnchoCoche/GrosorCartón</translation>
    </message>
    <message>
        <source>Total number of layers: </source>
        <translation>Número total de capas: </translation>
    </message>
    <message>
        <source> layers</source>
        <translation> capas</translation>
    </message>
    <message>
        <source>Case width (in)</source>
        <translation>Ancho de la caja (in)</translation>
    </message>
    <message>
        <source>Width of the stack of cored layers</source>
        <translation>Ancho de la pila de capas huecas</translation>
    </message>
    <message>
        <source>Chamber width: </source>
        <translation>Ancho de la cámara: </translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>Body width (in)</source>
        <translation>Ancho de la carrocería (in)</translation>
    </message>
    <message>
        <source>Width of body (inches)</source>
        <translation>Ancho de la carrocería (pulgadas)</translation>
    </message>
    <message>
        <source>Car width: </source>
        <translation>Ancho del coche: </translation>
    </message>
    <message>
        <source>Case inner dia (in)</source>
        <translation>Diám. interior de la caja (in)</translation>
    </message>
    <message>
        <source>Necessary inner diameter of the spring chamber, to accommodate the spring</source>
        <translation>Diámetro interior necesario de la cámara para que quepa el resorte</translation>
    </message>
    <message>
        <source>Chamber inner diameter: </source>
        <translation>Diámetro interior de la cámara: </translation>
    </message>
    <message>
        <source>Case outer dia (in)</source>
        <translation>Diám. exterior de la caja (in)</translation>
    </message>
    <message>
        <source>The diameter of the drive wheel(s) must be equal to or larger than the outer diameter of the spring chamber.</source>
        <translation>El diámetro de las ruedas motrices debe ser igual o mayor que el diámetro exterior de la cámara del resorte.</translation>
    </message>
    <message>
        <source>Chamber outer diameter: </source>
        <translation>Diámetro exterior de la cámara: </translation>
    </message>
    <message>
        <source>Bottles needed</source>
        <translation>Botellas necesarias</translation>
    </message>
    <message>
        <source>= (SpringLength/12.)/(6/SpringWidth)</source>
        <translation>= (LargoResorte/12.)/(6/AnchoResorte)</translation>
    </message>
    <message>
        <source>Bottles needed: </source>
        <translation>Botellas necesarias: </translation>
    </message>
    <message>
        <source>Dia (in):</source>
        <translation>Diám. (in):</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Diámetro de la rueda motriz</translation>
    </message>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Diám. rueda motriz (in)</translation>
    </message>
    <message>
        <source>Other (non-drive) wheel diameter</source>
        <translation>Diámetro de la otra rueda (no motriz)</translation>
    </message>
    <message>
        <source>Other wheel dia (in)</source>
        <translation>Diám. otra rueda (in)</translation>
    </message>
    <message>
        <source>Width (in):</source>
        <translation>Ancho (in):</translation>
    </message>
    <message>
        <source>Width of the spring strip</source>
        <translation>Ancho de la tira del resorte</translation>
    </message>
    <message>
        <source>Spring width (in)</source>
        <translation>Ancho del resorte (in)</translation>
    </message>
    <message>
        <source>Length (in):</source>
        <translation>Largo (in):</translation>
    </message>
    <message>
        <source>Length of the spring strip</source>
        <translation>Largo de la tira del resorte</translation>
    </message>
    <message>
        <source>Spring length (in)</source>
        <translation>Largo del resorte (in)</translation>
    </message>
    <message>
        <source>Max Torque (in-lb)</source>
        <translation>Par máx. (in-lb)</translation>
    </message>
    <message>
        <source>Maximum torque of the spring</source>
        <translation>Par máximo del resorte</translation>
    </message>
    <message>
        <source>Predicted Max Torque: </source>
        <translation>Par máx. previsto: </translation>
    </message>
    <message>
        <source> in-lb</source>
        <translation> in-lb</translation>
    </message>
    <message>
        <source>Propulsion, left (lb)</source>
        <translation>Propulsión, izquierda (lb)</translation>
    </message>
    <message>
        <source>Static propulsive force of the drive axle</source>
        <translation>Fuerza de propulsión del eje motriz en reposo</translation>
    </message>
    <message>
        <source>Predicted propulsive force: </source>
        <translation>Fuerza de propulsión prevista: </translation>
    </message>
    <message>
        <source> lb</source>
        <translation> lb</translation>
    </message>
    <message>
        <source>Propulsion, right (lb)</source>
        <translation>Propulsión, derecha (lb)</translation>
    </message>
    <message>
        <source>Static propulsive force of the second drive axle (all-wheel drive)</source>
        <translation>Fuerza de propulsión del segundo eje motriz en reposo (tracción total)</translation>
    </message>
    <message>
        <source>Spring Mass (lbm)</source>
        <translation>Masa del resorte (lbm)</translation>
    </message>
    <message>
        <source>Mass of the spring(s)</source>
        <translation>Masa del resorte o los resortes</translation>
    </message>
    <message>
        <source>Spring Mass: </source>
        <translation>Masa del resorte: </translation>
    </message>
    <message>
        <source> lbm</source>
        <translation> lbm</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Masa total del coche (lbm)</translation>
    </message>
    <message>
        <source>Mass of the whole car</source>
        <translation>Masa del coche entero</translation>
    </message>
    <message>
        <source>Total Car Mass: </source>
        <translation>Masa total del coche: </translation>
    </message>
    <message>
        <source>Board Mass (lbm)</source>
        <translation>Masa del cartón (lbm)</translation>
    </message>
    <message>
        <source>Mass of the body and all four wheels</source>
        <translation>Masa de la carrocería y de las cuatro ruedas</translation>
    </message>
    <message>
        <source>Board Mass: </source>
        <translation>Masa del cartón: </translation>
    </message>
    <message>
        <source>Axle Mass (lbm)</source>
        <translation>Masa de los ejes (lbm)</translation>
    </message>
    <message>
        <source>Mass of both axles</source>
        <translation>Masa de los dos ejes</translation>
    </message>
    <message>
        <source>Axle Mass: </source>
        <translation>Masa de los ejes: </translation>
    </message>
    <message>
        <source>x-centroid (in)</source>
        <translation>Centroide x (in)</translation>
    </message>
    <message>
        <source>Measured from left edge, in inches</source>
        <translation>Medido desde el borde izquierdo, en pulgadas</translation>
    </message>
    <message>
        <source>x-centroid: </source>
        <translation>Centroide x: </translation>
    </message>
    <message>
        <source>y-centroid (in)</source>
        <translation>Centroide y (in)</translation>
    </message>
    <message>
        <source>Measured down from top edge, in inches</source>
        <translation>Medido hacia abajo desde el borde superior, en pulgadas</translation>
    </message>
    <message>
        <source>y-centroid: </source>
        <translation>Centroide y: </translation>
    </message>
    <message>
        <source>Normal force static (lb)</source>
        <translation>Fuerza normal en reposo (lb)</translation>
    </message>
    <message>
        <source>Force on rear wheels when spring is not wound</source>
        <translation>Fuerza sobre las ruedas traseras con el resorte sin tensar</translation>
    </message>
    <message>
        <source>Normal force on drive wheel, unwound: </source>
        <translation>Fuerza normal en la rueda motriz, sin tensar: </translation>
    </message>
    <message>
        <source>Normal force, left (lb)</source>
        <translation>Fuerza normal, izquierda (lb)</translation>
    </message>
    <message>
        <source>Force acting on rear wheels when spring is wound</source>
        <translation>Fuerza sobre las ruedas traseras con el resorte tensado</translation>
    </message>
    <message>
        <source>Normal force on drive wheel, wound: </source>
        <translation>Fuerza normal en la rueda motriz, tensado: </translation>
    </message>
    <message>
        <source>Normal force, right (lb)</source>
        <translation>Fuerza normal, derecha (lb)</translation>
    </message>
    <message>
        <source>= (BodyMass*CentroidInX/DistanceBetweenWheels) - (MaxTorque/DistanceBetweenWheels)</source>
        <translation>= (MasaCarrocería*CentroideX/DistanciaEntreRuedas) - (ParMáx/DistanciaEntreRuedas)</translation>
    </message>
    <message>
        <source>Normal force, other wheel: </source>
        <translation>Fuerza normal, otra rueda: </translation>
    </message>
    <message>
        <source>Traction, left (lb)</source>
        <translation>Adherencia, izquierda (lb)</translation>
    </message>
    <message>
        <source>= CoeffofFriction * NormalForceWound</source>
        <translation>= CoefRozamiento * FuerzaNormalTensado</translation>
    </message>
    <message>
        <source>Predicted traction, left: </source>
        <translation>Adherencia prevista, izquierda: </translation>
    </message>
    <message>
        <source>Traction, right (lb)</source>
        <translation>Adherencia, derecha (lb)</translation>
    </message>
    <message>
        <source>= CoeffofFriction * NormalForceFront (0 when the front lifts)</source>
        <translation>= CoefRozamiento * FuerzaNormalDelantera (0 si la parte delantera se levanta)</translation>
    </message>
    <message>
        <source>Predicted traction, right: </source>
        <translation>Adherencia prevista, derecha: </translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Vueltas</translation>
    </message>
    <message>
        <source>Revolutions the spring delivers</source>
        <translation>Vueltas que da el resorte</translation>
    </message>
    <message>
        <source>Revolutions: </source>
        <translation>Vueltas: </translation>
    </message>
    <message>
        <source> turns</source>
        <translation> vueltas</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distancia (ft)</translation>
    </message>
    <message>
        <source>Predicted powered distance</source>
        <translation>Distancia con propulsión prevista</translation>
    </message>
    <message>
        <source>Projected Distance: </source>
        <translation>Distancia prevista: </translation>
    </message>
    <message>
        <source> ft</source>
        <translation> ft</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Tiempo hasta 15 ft (s)</translation>
    </message>
    <message>
        <source>Time to 15 ft; in brackets the time of a car that stopped short</source>
        <translation>Tiempo hasta 15 ft; entre corchetes, el tiempo de un coche que se paró antes</translation>
    </message>
    <message>
        <source>Time to 15 ft: </source>
        <translation>Tiempo hasta 15 ft: </translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Top speed (ft/sec)</source>
        <translation>Velocidad final (ft/s)</translation>
    </message>
    <message>
        <source>Speed at the end of the run, when the spring ran out or the time ran out</source>
        <translation>Velocidad al final de la carrera, cuando se acabó el resorte o el tiempo</translation>
    </message>
    <message>
        <source>Speed at 15 ft: </source>
        <translation>Velocidad a 15 ft: </translation>
    </message>
    <message>
        <source> ft/sec</source>
        <translation> ft/s</translation>
    </message>
    <message>
        <source>Speed at the end of the run (ft/sec)</source>
        <translation>Velocidad al final de la carrera (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Velocidad máx. (ft/s)</translation>
    </message>
    <message>
        <source>Highest speed of the run</source>
        <translation>Velocidad máxima de la carrera</translation>
    </message>
    <message>
        <source>The prediction a run fell short of</source>
        <translation>La previsión que una carrera no alcanzó</translation>
    </message>
</context>
<context>
    <name>RunCharts</name>
    <message>
        <source>%1 (calibrated)</source>
        <translation>%1 (calibrado)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>9 in 10 builds</source>
        <translation>9 de cada 10 construcciones</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distancia (ft)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Speed (ft/s)</source>
        <translation>Velocidad (ft/s)</translation>
    </message>
    <message>
        <source>Propulsion and traction</source>
        <translation>Propulsión y adherencia</translation>
    </message>
    <message>
        <source>Force (lb)</source>
        <translation>Fuerza (lb)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Propulsion</source>
        <translation>Propulsión</translation>
    </message>
    <message>
        <source>Traction</source>
        <translation>Adherencia</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Patinaje</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>Sin carrera</translation>
    </message>
</context>
<context>
    <name>RunEnergy</name>
    <message>
        <source>Skidding wasted %1 % of your spring&apos;s energy: more weight on the drive wheels or a grippier tread would help</source>
        <translation>El patinaje desperdició el %1 % de la energía de tu resorte: más peso sobre las ruedas de tracción o una banda de rodadura con más agarre ayudaría</translation>
    </message>
    <message>
        <source>Rolling friction took %1 % of your spring&apos;s energy: a smoother floor, truer axles or a lighter car would help</source>
        <translation>La fricción de rodadura se llevó el %1 % de la energía de tu resorte: un suelo más liso, ejes más rectos o un coche más ligero ayudaría</translation>
    </message>
    <message>
        <source>Spinning the wheels up took %1 % of your spring&apos;s energy: lighter wheels would help</source>
        <translation>Hacer girar las ruedas se llevó el %1 % de la energía de tu resorte: unas ruedas más ligeras ayudarían</translation>
    </message>
    <message>
        <source>Stopping the car took %1 % of your spring&apos;s energy: a spring that drives the car farther would help</source>
        <translation>Detener el coche se llevó el %1 % de la energía de tu resorte: un resorte que lleve el coche más lejos ayudaría</translation>
    </message>
</context>
<context>
    <name>RunsCommand</name>
    <message>
        <source>&quot;%1&quot; is a built-in design, which has no class folder; save it as a design file first</source>
        <translation>«%1» es un diseño incorporado, que no tiene carpeta de clase; guárdalo primero como archivo de diseño</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; el cuaderno de carreras se queda como está</translation>
    </message>
    <message>
        <source>--index: &quot;%1&quot; is not a run number (1, 2, ...)</source>
        <translation>--index: «%1» no es un número de carrera (1, 2, ...)</translation>
    </message>
    <message>
        <source>%1 has no run #%2 on &quot;%3&quot; (it has %4 there)</source>
        <translation>%1 no tiene carrera #%2 en «%3» (allí tiene %4)</translation>
    </message>
    <message>
        <source>add needs DESIGN and --track</source>
        <translation>add necesita DESIGN y --track</translation>
    </message>
    <message>
        <source>list needs one DESIGN or FOLDER</source>
        <translation>list necesita un DESIGN o una FOLDER</translation>
    </message>
    <message>
        <source>remove needs DESIGN, --track and --index</source>
        <translation>remove necesita DESIGN, --track y --index</translation>
    </message>
    <message>
        <source>add, list or remove?</source>
        <translation>¿add, list o remove?</translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos;</source>
        <translation>acción desconocida «%1»</translation>
    </message>
</context>
<context>
    <name>Sensitivity</name>
    <message>
        <source>The model cannot run this design.</source>
        <translation>El modelo no puede hacer correr este diseño.</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Largo del resorte</translation>
    </message>
    <message>
        <source>The spring length</source>
        <translation>El largo del resorte</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Ancho del resorte</translation>
    </message>
    <message>
        <source>The spring width</source>
        <translation>El ancho del resorte</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Diámetro de la rueda motriz</translation>
    </message>
    <message>
        <source>The drive wheel diameter</source>
        <translation>El diámetro de la rueda motriz</translation>
    </message>
    <message>
        <source>Other wheel diameter</source>
        <translation>Diámetro de la otra rueda</translation>
    </message>
    <message>
        <source>The other wheel diameter</source>
        <translation>El diámetro de la otra rueda</translation>
    </message>
    <message>
        <source>Drive axle diameter</source>
        <translation>Diámetro del eje motriz</translation>
    </message>
    <message>
        <source>The drive axle diameter</source>
        <translation>El diámetro del eje motriz</translation>
    </message>
    <message>
        <source>Other axle diameter</source>
        <translation>Diámetro del otro eje</translation>
    </message>
    <message>
        <source>The other axle diameter</source>
        <translation>El diámetro del otro eje</translation>
    </message>
    <message>
        <source>Front axle position</source>
        <translation>Posición del eje delantero</translation>
    </message>
    <message>
        <source>The front axle position</source>
        <translation>La posición del eje delantero</translation>
    </message>
    <message>
        <source>%1 farther back</source>
        <translation>%1 más atrás</translation>
    </message>
    <message>
        <source>%1 farther forward</source>
        <translation>%1 más adelante</translation>
    </message>
    <message>
        <source>Weight %1 mass</source>
        <translation>Masa del peso %1</translation>
    </message>
    <message>
        <source>The weight %1 mass</source>
        <translation>La masa del peso %1</translation>
    </message>
    <message>
        <source>%1 heavier</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 lighter</source>
        <translation>%1 menos</translation>
    </message>
    <message>
        <source>Weight %1 position</source>
        <translation>Posición del peso %1</translation>
    </message>
    <message>
        <source>The weight %1 position</source>
        <translation>La posición del peso %1</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Fricción</translation>
    </message>
    <message>
        <source>The friction</source>
        <translation>La fricción</translation>
    </message>
    <message>
        <source>Board density</source>
        <translation>Densidad del cartón</translation>
    </message>
    <message>
        <source>The board density</source>
        <translation>La densidad del cartón</translation>
    </message>
    <message>
        <source>%1 denser</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>Board thickness</source>
        <translation>Grosor del cartón</translation>
    </message>
    <message>
        <source>The board thickness</source>
        <translation>El grosor del cartón</translation>
    </message>
    <message>
        <source>%1 thicker</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 thinner</source>
        <translation>%1 menos</translation>
    </message>
    <message>
        <source>Tread friction</source>
        <translation>Fricción de la banda de rodadura</translation>
    </message>
    <message>
        <source>The tread friction</source>
        <translation>La fricción de la banda de rodadura</translation>
    </message>
    <message>
        <source>%1 grippier</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 slipperier</source>
        <translation>%1 menos</translation>
    </message>
    <message>
        <source>%1: the car no longer reaches 15 ft</source>
        <translation>%1: el coche ya no llega a 15 ft</translation>
    </message>
    <message>
        <source>%1: changes nothing</source>
        <translation>%1: no cambia nada</translation>
    </message>
    <message>
        <source>%1: saves %2 s</source>
        <translation>%1: ahorra %2 s</translation>
    </message>
    <message>
        <source>%1: costs %2 s</source>
        <translation>%1: cuesta %2 s</translation>
    </message>
    <message>
        <source>%1: goes %2 ft farther</source>
        <translation>%1: llega %2 ft más lejos</translation>
    </message>
    <message>
        <source>%1: falls %2 ft shorter</source>
        <translation>%1: se queda %2 ft más corto</translation>
    </message>
    <message>
        <source>%1 (the build keeps the drive wheel as it is)</source>
        <translation>%1 (la construcción deja la rueda motriz como está)</translation>
    </message>
    <message>
        <source>%1 (the track&apos;s calibrated friction is used instead)</source>
        <translation>%1 (se usa la fricción calibrada de la pista)</translation>
    </message>
    <message>
        <source>%1 matters most: %2 and the car no longer reaches 15 ft.</source>
        <translation>%1 es lo que más importa: con %2, el coche ya no llega a 15 ft.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 saves %3 s.</source>
        <translation>%1 es lo que más importa: %2 ahorra %3 s.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 costs %3 s.</source>
        <translation>%1 es lo que más importa: %2 cuesta %3 s.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 goes %3 ft farther.</source>
        <translation>%1 es lo que más importa: con %2, el coche llega %3 ft más lejos.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 falls %3 ft shorter.</source>
        <translation>%1 es lo que más importa: con %2, el coche se queda %3 ft más corto.</translation>
    </message>
    <message>
        <source>No small change of one input changes this car&apos;s time.</source>
        <translation>Ningún cambio pequeño de una sola entrada cambia el tiempo de este coche.</translation>
    </message>
    <message>
        <source>No small change of one input changes this car&apos;s distance.</source>
        <translation>Ningún cambio pequeño de una sola entrada cambia la distancia de este coche.</translation>
    </message>
    <message>
        <source>%1 larger</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 smaller</source>
        <translation>%1 menos</translation>
    </message>
</context>
<context>
    <name>SensitivityChart</name>
    <message>
        <source>What a small change does to the time to 15 ft</source>
        <translation>Qué hace un pequeño cambio al tiempo hasta 15 ft</translation>
    </message>
    <message>
        <source>What a small change does to the distance reached</source>
        <translation>Qué hace un pequeño cambio a la distancia alcanzada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The step saves time</source>
        <translation>El paso ahorra tiempo</translation>
    </message>
    <message>
        <source>The step goes farther</source>
        <translation>El paso llega más lejos</translation>
    </message>
    <message>
        <source>The step costs time</source>
        <translation>El paso cuesta tiempo</translation>
    </message>
    <message>
        <source>The step falls shorter</source>
        <translation>El paso se queda más corto</translation>
    </message>
</context>
<context>
    <name>SensitivityCommand</name>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>el modelo no puede hacer correr este diseño (mira &apos;zindle-cli analyze&apos;)</translation>
    </message>
</context>
<context>
    <name>SensitivityView</name>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Working out which change matters most...</source>
        <translation>Calculando qué cambio importa más...</translation>
    </message>
</context>
<context>
    <name>SheetEditing</name>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>To draw a shape, click points on the drawing sheet.  Double-click to finish (or press Cancel to abort).</source>
        <translation>Para dibujar una forma, haz clic en puntos de la hoja.  Haz doble clic para terminar (o pulsa «Cancelar» para abandonar).</translation>
    </message>
    <message>
        <source>Click where the front axle goes, right of the drive axle.  A click anywhere else, Cancel or Esc leaves it where it is.</source>
        <translation>Haz clic donde va el eje delantero, a la derecha del eje motriz.  Un clic en otro sitio, «Cancelar» o Esc lo deja donde está.</translation>
    </message>
    <message>
        <source>Click where the weight goes on the drawing sheet, then say how heavy it is.  Cancel or Esc adds none.</source>
        <translation>Haz clic en la hoja donde va el peso y después di cuánto pesa.  «Cancelar» o Esc no añade ninguno.</translation>
    </message>
    <message>
        <source>Click the weight to remove.  Cancel or Esc removes none.</source>
        <translation>Haz clic en el peso que quieres quitar.  «Cancelar» o Esc no quita ninguno.</translation>
    </message>
    <message>
        <source>Clear outer layer</source>
        <translation>Borrar capa exterior</translation>
    </message>
    <message>
        <source>Clear inner layer</source>
        <translation>Borrar capa interior</translation>
    </message>
    <message>
        <source>Clear shapes and weights</source>
        <translation>Borrar formas y pesos</translation>
    </message>
    <message>
        <source>Move front axle</source>
        <translation>Mover eje delantero</translation>
    </message>
    <message>
        <source>Add weight</source>
        <translation>Añadir peso</translation>
    </message>
    <message>
        <source>Remove weight</source>
        <translation>Quitar peso</translation>
    </message>
    <message>
        <source>Draw outer layer</source>
        <translation>Dibujar capa exterior</translation>
    </message>
    <message>
        <source>Draw inner layer</source>
        <translation>Dibujar capa interior</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>--track needs a design file, whose folder holds the class&apos;s logbook</source>
        <translation>--track necesita un archivo de diseño, en cuya carpeta está el cuaderno de carreras de la clase</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; el cuaderno de carreras se queda como está</translation>
    </message>
    <message>
        <source>%1 holds no calibration for &quot;%2&quot; (see &apos;zindle-cli calibrate&apos;)</source>
        <translation>%1 no tiene ninguna calibración para «%2» (mira &apos;zindle-cli calibrate&apos;)</translation>
    </message>
</context>
<context>
    <name>SimulationLabels</name>
    <message>
        <source>%1 of %2 ft</source>
        <translation>%1 de %2 ft</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rev %1 of %2: Front</source>
        <translation>Vuelta %1 de %2: delante</translation>
    </message>
    <message>
        <source>Rev %1 of %2: Rear</source>
        <translation>Vuelta %1 de %2: detrás</translation>
    </message>
</context>
<context>
    <name>StandingsChart</name>
    <message>
        <source>Leader</source>
        <translation>Líder</translation>
    </message>
</context>
<context>
    <name>SweepCommand</name>
    <message>
        <source>--threads takes a whole number from 1 to 256</source>
        <translation>--threads admite un número entero de 1 a 256</translation>
    </message>
    <message>
        <source>a map shows two ranges; fix the third (give it F:F:S)</source>
        <translation>un mapa muestra dos rangos; fija el tercero (dale F:F:S)</translation>
    </message>
    <message>
        <source>these ranges make %1 simulations, more than %2; narrow them or add --force</source>
        <translation>estos rangos dan %1 simulaciones, más de %2; redúcelos o añade --force</translation>
    </message>
    <message>
        <source>Sweep: %1 of %2 simulated</source>
        <translation>Barrido: %1 de %2 simulados</translation>
    </message>
    <message>
        <source>no combination was simulated</source>
        <translation>no se simuló ninguna combinación</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 simulations; the best so far is printed</source>
        <translation>detenido tras %1 de %2 simulaciones; se muestra lo mejor hasta ahora</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>This layer should remain unglued to provide spring access.</source>
        <translation>Esta capa debe quedar sin pegar para poder llegar al resorte.</translation>
    </message>
    <message>
        <source>%1 (%2 in)</source>
        <translation>%1 (%2 in)</translation>
    </message>
    <message>
        <source>%1: Wheels </source>
        <translation>%1: Ruedas </translation>
    </message>
    <message>
        <source>Drive wheels: %1</source>
        <translation>Ruedas motrices: %1</translation>
    </message>
    <message>
        <source>Other wheels: %1</source>
        <translation>Otras ruedas: %1</translation>
    </message>
    <message>
        <source>%1: Outer Layer template</source>
        <translation>%1: plantilla de capa exterior</translation>
    </message>
    <message>
        <source>%1: Outer Layer %2</source>
        <translation>%1: capa exterior %2</translation>
    </message>
    <message>
        <source>%1: Inner Layer template</source>
        <translation>%1: plantilla de capa interior</translation>
    </message>
    <message>
        <source>%1: Inner Layer %2</source>
        <translation>%1: capa interior %2</translation>
    </message>
</context>
<context>
    <name>TemplatesCommand</name>
    <message>
        <source>unknown page size &apos;%1&apos; (a4 or letter)</source>
        <translation>tamaño de página desconocido &apos;%1&apos; (a4 o letter)</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo PDF «%1».</translation>
    </message>
    <message>
        <source>--page is an option of PDF files; cut files take --board</source>
        <translation>--page es una opción de los archivos PDF; los archivos de corte admiten --board</translation>
    </message>
    <message>
        <source>the report is not a cut part (cut files take all, inner, outer or wheels)</source>
        <translation>el informe no es una pieza de corte (los archivos de corte admiten all, inner, outer o wheels)</translation>
    </message>
    <message>
        <source>unknown set &apos;%1&apos;</source>
        <translation>conjunto desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad board size &apos;%1&apos; (WxH in inches, or WxHmm; each side above 0 and up to 1000 in)</source>
        <translation>tamaño de cartón no válido &apos;%1&apos; (WxH en pulgadas, o WxHmm; cada lado mayor que 0 y como mucho 1000 in)</translation>
    </message>
    <message>
        <source>unknown profile &apos;%1&apos; (laser, plotter or print)</source>
        <translation>perfil desconocido &apos;%1&apos; (laser, plotter o print)</translation>
    </message>
    <message>
        <source>bad kerf &apos;%1&apos; (inches, from 0 to 0.25)</source>
        <translation>ancho de corte no válido &apos;%1&apos; (pulgadas, de 0 a 0.25)</translation>
    </message>
    <message>
        <source>unknown colour &apos;%1&apos; (a name such as red or green, or #rrggbb)</source>
        <translation>color desconocido &apos;%1&apos; (un nombre como red o green, o #rrggbb)</translation>
    </message>
    <message>
        <source>%1 is an option of .svg and .dxf cut files</source>
        <translation>%1 es una opción de los archivos de corte .svg y .dxf</translation>
    </message>
    <message>
        <source>bad --kerf-for &apos;%1&apos; (MATERIAL=IN, the kerf in inches from 0 to 0.25)</source>
        <translation>--kerf-for no válido &apos;%1&apos; (MATERIAL=IN, el ancho de corte en pulgadas de 0 a 0.25)</translation>
    </message>
    <message>
        <source>material &apos;%1&apos; is given twice</source>
        <translation>el material &apos;%1&apos; aparece dos veces</translation>
    </message>
    <message>
        <source>unknown board material &apos;%1&apos; (the catalogue has %2)</source>
        <translation>material de cartón desconocido &apos;%1&apos; (el catálogo tiene %2)</translation>
    </message>
</context>
<context>
    <name>TestRunsReport</name>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>%1 ft: measured %2 s; the prediction comes to rest before it</source>
        <translation>%1 ft: medido %2 s; la previsión se detiene antes</translation>
    </message>
    <message>
        <source>%1 ft: measured %2 s, predicted %3 s, error %4</source>
        <translation>%1 ft: medido %2 s, previsto %3 s, error %4</translation>
    </message>
    <message>
        <source>Rest: measured %1 ft, predicted still rolling when the run&apos;s time ends</source>
        <translation>Parada: medido %1 ft, previsto aún rodando cuando termina el tiempo de la carrera</translation>
    </message>
    <message>
        <source>Rest: measured %1 ft, predicted %2 ft</source>
        <translation>Parada: medido %1 ft, previsto %2 ft</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 carrera</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 carreras</translation>
    </message>
    <message>
        <source>%1: no timed mark the prediction reaches (%2)</source>
        <translation>%1: ninguna marca cronometrada que la previsión alcance (%2)</translation>
    </message>
    <message>
        <source>%1: RMS error %2 s over 1 mark (%3)</source>
        <translation>%1: error RMS %2 s en 1 marca (%3)</translation>
    </message>
    <message>
        <source>%1: RMS error %2 s over %3 marks (%4)</source>
        <translation>%1: error RMS %2 s en %3 marcas (%4)</translation>
    </message>
    <message>
        <source>Test runs of %1</source>
        <translation>Carreras de prueba de %1</translation>
    </message>
    <message>
        <source>Predicted with coasting by the design&apos;s own model; an error is measured minus predicted.</source>
        <translation>Previsto con rodadura libre según el modelo propio del diseño; un error es lo medido menos lo previsto.</translation>
    </message>
    <message>
        <source>Predicted with coasting; an error is measured minus predicted.</source>
        <translation>Previsto con rodadura libre; un error es lo medido menos lo previsto.</translation>
    </message>
    <message>
        <source>Predictions %1</source>
        <translation>Previsiones %1</translation>
    </message>
    <message>
        <source>Error by track</source>
        <translation>Error por pista</translation>
    </message>
</context>
<context>
    <name>TestRunsView</name>
    <message>
        <source>Test runs</source>
        <translation>Carreras de prueba</translation>
    </message>
    <message>
        <source>Power Designer</source>
        <translation>Diseñador de potencia</translation>
    </message>
    <message>
        <source>Power Designer (calibrated for %1)</source>
        <translation>Diseñador de potencia (calibrado para %1)</translation>
    </message>
    <message>
        <source>Predictions %1 (the design&apos;s own texts are unchanged).</source>
        <translation>Previsiones %1 (los valores del propio diseño no cambian).</translation>
    </message>
</context>
<context>
    <name>ToleranceChart</name>
    <message>
        <source>No builds were run.</source>
        <translation>No se simuló ninguna construcción.</translation>
    </message>
    <message>
        <source>Every one of %1 builds reaches 15 ft.</source>
        <translation>Cada una de las %1 construcciones llega a 15 ft.</translation>
    </message>
    <message>
        <source>%1 % of %2 builds reach 15 ft.</source>
        <translation>El %1 % de %2 construcciones llega a 15 ft.</translation>
    </message>
    <message>
        <source>Time to 15 ft over the builds</source>
        <translation>Tiempo hasta 15 ft en las construcciones</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Tiempo hasta 15 ft (s)</translation>
    </message>
    <message>
        <source>Builds</source>
        <translation>Construcciones</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>no alcanzado</translation>
    </message>
    <message>
        <source>Builds per time</source>
        <translation>Construcciones por tiempo</translation>
    </message>
    <message>
        <source>9 in 10 builds: %1 to %2</source>
        <translation>9 de cada 10 construcciones: %1 a %2</translation>
    </message>
    <message>
        <source>Half the builds: %1</source>
        <translation>La mitad de las construcciones: %1</translation>
    </message>
    <message>
        <source>As drawn: %1</source>
        <translation>Como está dibujado: %1</translation>
    </message>
    <message>
        <source>What makes the time spread (share of the spread)</source>
        <translation>Qué hace variar el tiempo (parte de la variación)</translation>
    </message>
</context>
<context>
    <name>ToleranceTexts</name>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 s every time.</source>
        <translation>Construido dentro de estas tolerancias, tu coche llega a 15 ft en %1 s cada vez.</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 s every time; the %2 matters most (%3 % of the spread).</source>
        <translation>Construido dentro de estas tolerancias, tu coche llega a 15 ft en %1 s cada vez. Lo que más importa: %2 (%3 % de la dispersión).</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 builds), typically %3 s.</source>
        <translation>Construido dentro de estas tolerancias, tu coche llega a 15 ft en %1 a %2 s (9 de cada 10 construcciones), normalmente en %3 s.</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 builds), typically %3 s; the %4 matters most (%5 % of the spread).</source>
        <translation>Construido dentro de estas tolerancias, tu coche llega a 15 ft en %1 a %2 s (9 de cada 10 construcciones), normalmente en %3 s. Lo que más importa: %4 (%5 % de la dispersión).</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds by %2 s.</source>
        <translation>Construidos dentro de estas tolerancias, solo %1 de cada 100 de tus coches llegan a 15 ft, la mitad de todas las construcciones antes de %2 s.</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds by %2 s; the %3 matters most (%4 % of the spread).</source>
        <translation>Construidos dentro de estas tolerancias, solo %1 de cada 100 de tus coches llegan a 15 ft, la mitad de todas las construcciones antes de %2 s. Lo que más importa: %3 (%4 % de la dispersión).</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft.</source>
        <translation>Construidos dentro de estas tolerancias, solo %1 de cada 100 de tus coches llegan a 15 ft.</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft; the %2 matters most (%3 % of the spread).</source>
        <translation>Construidos dentro de estas tolerancias, solo %1 de cada 100 de tus coches llegan a 15 ft. Lo que más importa: %2 (%3 % de la dispersión).</translation>
    </message>
</context>
<context>
    <name>Tolerances</name>
    <message>
        <source>The model cannot run this design.</source>
        <translation>El modelo no puede hacer correr este diseño.</translation>
    </message>
</context>
<context>
    <name>TolerancesCommand</name>
    <message>
        <source>--tolerance %1 takes inches from 0 to 0.5 (0.0625 or 1/16)</source>
        <translation>--tolerance %1 admite pulgadas de 0 a 0.5 (0.0625 o 1/16)</translation>
    </message>
    <message>
        <source>--tolerance %1 takes a percentage from 0 to 50</source>
        <translation>--tolerance %1 admite un porcentaje de 0 a 50</translation>
    </message>
    <message>
        <source>--tolerance takes NAME=VALUE with NAME one of thickness, density, outline, wheel, torque, friction, weights (not &apos;%1&apos;)</source>
        <translation>--tolerance admite NAME=VALUE, donde NAME es uno de thickness, density, outline, wheel, torque, friction, weights (no &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 admite un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>el modelo no puede hacer correr este diseño (mira &apos;zindle-cli analyze&apos;)</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 builds; what they show is printed</source>
        <translation>detenido tras %1 de %2 construcciones; se muestra lo que indican</translation>
    </message>
</context>
<context>
    <name>TrackCalibration</name>
    <message>
        <source>On %1 your cars behave as if rolling friction were %2 lb and springs gave %3 % of their rated torque; predictions now differ from your runs by %4 s on average.</source>
        <translation>En %1 tus coches se comportan como si la fricción de rodadura fuera %2 lb y los resortes dieran el %3 % de su par nominal; ahora las previsiones se apartan de tus carreras %4 s de media.</translation>
    </message>
    <message>
        <source>Only the rolling friction was fitted: 1 timed mark and resting distance are too few for two factors, so the springs are taken at their rated torque.</source>
        <translation>Solo se ajustó la fricción de rodadura: 1 marca cronometrada y distancia de parada son muy pocas para dos factores, así que los resortes se toman con su par nominal.</translation>
    </message>
    <message>
        <source>Only the rolling friction was fitted: %1 timed marks and resting distances are too few for two factors, so the springs are taken at their rated torque.</source>
        <translation>Solo se ajustó la fricción de rodadura: %1 marcas cronometradas y distancias de parada son muy pocas para dos factores, así que los resortes se toman con su par nominal.</translation>
    </message>
    <message>
        <source>calibrated for %1: friction %2 lb, springs at %3 % of their rated torque</source>
        <translation>calibrado para %1: fricción %2 lb, resortes al %3 % de su par nominal</translation>
    </message>
</context>
<context>
    <name>TrackFit</name>
    <message>
        <source>Note: the runs of %1 are left out: its file &quot;%2&quot; is not in %3.</source>
        <translation>Nota: las carreras de %1 se dejan fuera. Su archivo «%2» no está en %3.</translation>
    </message>
    <message>
        <source>Note: the runs of %1 are left out: the model cannot run the design.</source>
        <translation>Nota: las carreras de %1 se dejan fuera. El modelo no puede hacer correr el diseño.</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1; el cuaderno de carreras se queda como está</translation>
    </message>
    <message>
        <source>%1 holds no run on &quot;%2&quot; of a design the model can run; nothing was fitted</source>
        <translation>%1 no tiene ninguna carrera en «%2» de un diseño que el modelo pueda hacer correr. No se ajustó nada</translation>
    </message>
    <message>
        <source>the runs of %1 are left out: its file &quot;%2&quot; is not in %3</source>
        <translation>las carreras de %1 se dejan fuera: su archivo «%2» no está en %3</translation>
    </message>
    <message>
        <source>the runs of %1 are left out: the model cannot run the design</source>
        <translation>las carreras de %1 se dejan fuera: el modelo no puede hacer correr el diseño</translation>
    </message>
</context>
<context>
    <name>WeightTools</name>
    <message>
        <source>Added weights must be nonzero and are limited to 1 pound (positive or negative).  If you need to add more than that, you may use multiple weights.</source>
        <translation>Los pesos añadidos no pueden ser cero y están limitados a 1 libra (positiva o negativa).  Si necesitas más, usa varios pesos.</translation>
    </message>
    <message>
        <source>The non-drive axle cannot be placed, because a four-wheel drive car does not have one.</source>
        <translation>El eje no motriz no se puede colocar, porque un coche con tracción total no tiene ninguno.</translation>
    </message>
</context>
<context>
    <name>WhatIf</name>
    <message>
        <source>Change spring length</source>
        <translation>Cambiar el largo del resorte</translation>
    </message>
    <message>
        <source>Change spring width</source>
        <translation>Cambiar el ancho del resorte</translation>
    </message>
    <message>
        <source>Change drive wheel diameter</source>
        <translation>Cambiar el diámetro de la rueda motriz</translation>
    </message>
    <message>
        <source>Change weight</source>
        <translation>Cambiar el peso</translation>
    </message>
    <message>
        <source>Move weight</source>
        <translation>Mover el peso</translation>
    </message>
    <message>
        <source>Change friction</source>
        <translation>Cambiar la fricción</translation>
    </message>
    <message>
        <source>The car cannot run with this value.</source>
        <translation>El coche no puede correr con este valor.</translation>
    </message>
</context>
<context>
    <name>WheelPages</name>
    <message>
        <source>hole: %1 in dia</source>
        <translation>agujero: %1 in de diám.</translation>
    </message>
</context>
<context>
    <name>WhyFastPage</name>
    <message>
        <source>%1: why it is fast, and how sure</source>
        <translation>%1: por qué es rápido, y con qué seguridad</translation>
    </message>
    <message>
        <source>The builds within the class&apos;s tolerances could not be run.</source>
        <translation>Las construcciones dentro de las tolerancias de la clase no se pudieron correr.</translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>Define materials</source>
        <translation>Definir materiales</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Cambiar preferencias</translation>
    </message>
</context>
<context>
    <name>zindle::AboutDialog</name>
    <message>
        <source>About Zindle</source>
        <translation>Acerca de Zindle</translation>
    </message>
    <message>
        <source>Version 4.1</source>
        <translation>Versión 4.1</translation>
    </message>
    <message>
        <source>Visit the Zindle help pages</source>
        <translation>Visitar las páginas de ayuda de Zindle (en inglés)</translation>
    </message>
    <message>
        <source>Download latest version</source>
        <translation>Descargar la última versión</translation>
    </message>
    <message>
        <source>20 Oct 03</source>
        <translation>20 oct. 03</translation>
    </message>
    <message>
        <source>Start designing</source>
        <translation>Empezar a diseñar</translation>
    </message>
</context>
<context>
    <name>zindle::AdvisoriesWindow</name>
    <message>
        <source>Advisories</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Indicates that the outer layer has no outline, so the car cannot be weighed or run. Draw the outer layer of the body.</source>
        <translation>Indica que la capa exterior no tiene contorno, así que el coche no se puede pesar ni correr. Dibuja la capa exterior de la carrocería.</translation>
    </message>
    <message>
        <source>Indicates that a value read from the design file is not a number, so the car cannot be analysed or run. Type a number into that field.</source>
        <translation>Indica que un valor leído del archivo del diseño no es un número, así que el coche no se puede analizar ni correr. Escribe un número en ese campo.</translation>
    </message>
    <message>
        <source>Indicates that the spring delivers no revolutions: it is too short for its drive axle and chamber. Use a longer spring, a thinner drive axle or a smaller case ratio.</source>
        <translation>Indica que el resorte no da ninguna vuelta: es demasiado corto para su eje motriz y su cámara. Usa un resorte más largo, un eje motriz más fino o una proporción de caja más pequeña.</translation>
    </message>
    <message>
        <source>Indicates that the whole car weighs less than 0.01 lb (negative added weights can do this), so its balance cannot be found and it cannot be run. Remove or lighten negative weights.</source>
        <translation>Indica que el coche entero pesa menos de 0.01 lb (los pesos negativos pueden causarlo), así que no se puede hallar su equilibrio y no puede correr. Quita los pesos negativos o hazlos más ligeros.</translation>
    </message>
    <message>
        <source>Indicates that the drive and front axles are less than 0.1 inch apart, so the weight of the car cannot be shared between its wheels and it cannot be run. Move the front axle.</source>
        <translation>Indica que el eje motriz y el delantero están a menos de 0.1 pulgadas, así que el peso del coche no se puede repartir entre sus ruedas y no puede correr. Mueve el eje delantero.</translation>
    </message>
    <message>
        <source>Indicates that the drive wheels are likely to lose traction while accelerating.</source>
        <translation>Indica que las ruedas motrices probablemente perderán tracción al acelerar.</translation>
    </message>
    <message>
        <source>Indicates that part of the car body will exceed the dimensions of the paper and will be clipped.</source>
        <translation>Indica que parte de la carrocería se saldrá del papel y quedará recortada.</translation>
    </message>
    <message>
        <source>Indicates that the non-drive axle is not connected to the rest of the car.</source>
        <translation>Indica que el eje no motriz no está unido al resto del coche.</translation>
    </message>
    <message>
        <source>Indicates that the spring case/drive axle assembly is not connected to the rest of the car.</source>
        <translation>Indica que el conjunto de caja del resorte y eje motriz no está unido al resto del coche.</translation>
    </message>
    <message>
        <source>Indicates that the two spring chambers in a four-wheel-drive car are interfering with each other.</source>
        <translation>Indica que las dos cámaras de resorte de un coche con tracción a las cuatro ruedas chocan entre sí.</translation>
    </message>
    <message>
        <source>Indicates that some parts of the body are not connected to anything.</source>
        <translation>Indica que algunas partes de la carrocería no están unidas a nada.</translation>
    </message>
</context>
<context>
    <name>zindle::AnalyzePanel</name>
    <message>
        <source>Element size (in)</source>
        <translation>Tamaño del elemento (in)</translation>
    </message>
</context>
<context>
    <name>zindle::BuildPanel</name>
    <message>
        <source>Rewind</source>
        <translation>Rebobinar</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Draw the next layer</source>
        <translation>Dibujar la capa siguiente</translation>
    </message>
    <message>
        <source>To end</source>
        <translation>Al final</translation>
    </message>
    <message>
        <source>Draw the whole car</source>
        <translation>Dibujar el coche entero</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Tamaño de la imagen</translation>
    </message>
    <message>
        <source>Size of 3D image (smaller is faster).  Press Build button to redraw.</source>
        <translation>Tamaño de la imagen 3D (más pequeña es más rápida).  Pulsa «Construir» para redibujar.</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
</context>
<context>
    <name>zindle::ChallengeEditor</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;xto:</translation>
    </message>
    <message>
        <source>Time to 15 ft</source>
        <translation>Tiempo hasta 15 ft</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Closest to a target time</source>
        <translation>Más cerca de un tiempo objetivo</translation>
    </message>
    <message>
        <source>Energy efficiency</source>
        <translation>Eficiencia energética</translation>
    </message>
    <message>
        <source>Target time in seconds</source>
        <translation>Tiempo objetivo en segundos</translation>
    </message>
    <message>
        <source>target (s):</source>
        <translation>objetivo (s):</translation>
    </message>
    <message>
        <source>&amp;Scoring:</source>
        <translation>&amp;Puntuación:</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Reglas:</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Rubric:</source>
        <translation>Rúbrica:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Prompts:</source>
        <translation>Preguntas:</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>before the first simulation</source>
        <translation>antes de la primera simulación</translation>
    </message>
    <message>
        <source>after a race</source>
        <translation>después de una carrera</translation>
    </message>
    <message>
        <source>The target time must be a number of seconds above 0.</source>
        <translation>El tiempo objetivo debe ser un número de segundos mayor que 0.</translation>
    </message>
    <message>
        <source>The weight of rubric row %1 is not a number.</source>
        <translation>El peso de la fila %1 de la rúbrica no es un número.</translation>
    </message>
    <message>
        <source>Save Challenge</source>
        <translation>Guardar reto</translation>
    </message>
</context>
<context>
    <name>zindle::ChartWindow</name>
    <message>
        <source>Save Chart...</source>
        <translation>Guardar gráfica...</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Guardar gráfica</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>A chart is saved as .png, .svg or .pdf.</source>
        <translation>Una gráfica se guarda como .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <translation>No se pudo dibujar la gráfica.</translation>
    </message>
</context>
<context>
    <name>zindle::ClassResultsDialog</name>
    <message>
        <source>Class results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Predict for track:</source>
        <translation>Prever para la pista:</translation>
    </message>
    <message>
        <source>Only the runs on this track are compared, and every design is predicted with the track&apos;s calibration from the class&apos;s logbook.</source>
        <translation>Solo se comparan las carreras en esta pista, y cada diseño se predice con la calibración de la pista del cuaderno de carreras de la clase.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Tiempo hasta 15 ft (s)</translation>
    </message>
    <message>
        <source>Measured (sec)</source>
        <translation>Medido (s)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Velocidad máx. (ft/s)</translation>
    </message>
    <message>
        <source>Powered distance (ft)</source>
        <translation>Distancia con impulso (ft)</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Masa total del coche (lbm)</translation>
    </message>
    <message>
        <source>Advisories</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Double-click a design to open it.</source>
        <translation>Haz doble clic en un diseño para abrirlo.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>%1: ranking %2 design files...</source>
        <translation>%1: clasificando %2 archivos de diseño...</translation>
    </message>
    <message>
        <source>(stopped: %1 of %2 files ranked)</source>
        <translation>(detenido: %1 de %2 archivos clasificados)</translation>
    </message>
    <message>
        <source>%1: %2 design</source>
        <translation>%1: %2 diseño</translation>
    </message>
    <message>
        <source>%1: %2 designs</source>
        <translation>%1: %2 diseños</translation>
    </message>
    <message>
        <source>%1: %2 design, %3 file could not be read</source>
        <translation>%1: %2 diseño, %3 archivo no se pudo leer</translation>
    </message>
    <message>
        <source>%1: %2 designs, %3 file could not be read</source>
        <translation>%1: %2 diseños, %3 archivo no se pudo leer</translation>
    </message>
    <message>
        <source>%1: %2 design, %3 files could not be read</source>
        <translation>%1: %2 diseño, %3 archivos no se pudieron leer</translation>
    </message>
    <message>
        <source>%1: %2 designs, %3 files could not be read</source>
        <translation>%1: %2 diseños, %3 archivos no se pudieron leer</translation>
    </message>
    <message>
        <source>%1: no design files (.zndl) in this folder</source>
        <translation>%1: no hay archivos de diseño (.zndl) en esta carpeta</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Export class results</source>
        <translation>Exportar resultados de la clase</translation>
    </message>
    <message>
        <source>Web page|*.html</source>
        <translation>Página web|*.html</translation>
    </message>
    <message>
        <source>PDF document|*.pdf</source>
        <translation>Documento PDF|*.pdf</translation>
    </message>
    <message>
        <source>Table (CSV)|*.csv</source>
        <translation>Tabla (CSV)|*.csv</translation>
    </message>
    <message>
        <source>The PDF of the class results could not be made.</source>
        <translation>No se pudo crear el PDF de los resultados de la clase.</translation>
    </message>
    <message>
        <source>Class results are exported as .html, .pdf or .csv, not as &quot;%1&quot;.</source>
        <translation>Los resultados de la clase se exportan como .html, .pdf o .csv, no como «%1».</translation>
    </message>
</context>
<context>
    <name>zindle::ConvertDialog</name>
    <message>
        <source>Convert to 4.1 file format</source>
        <translation>Convertir al formato de archivo 4.1</translation>
    </message>
    <message>
        <source>This feature converts old car files to a new format for
use with Zindle 4.1.  You will first be asked to locate
a .zndl file from a previous version of Zindle.  Then,
you will be asked to resave it.  To proceed, press &quot;Convert&quot;.</source>
        <translation>Esta función convierte archivos de coche antiguos a un formato
nuevo para Zindle 4.1.  Primero se te pedirá que busques
un archivo .zndl de una versión anterior de Zindle.  Después,
se te pedirá que lo vuelvas a guardar.  Para seguir, pulsa «Convertir».</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zindle::CutExportDialog</name>
    <message>
        <source>Export Cut Files</source>
        <translation>Exportar archivos de corte</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Láser</translation>
    </message>
    <message>
        <source>Knife plotter</source>
        <translation>Plóter de cuchilla</translation>
    </message>
    <message>
        <source>Printed template</source>
        <translation>Plantilla impresa</translation>
    </message>
    <message>
        <source>&amp;Machine:</source>
        <translation>&amp;Máquina:</translation>
    </message>
    <message>
        <source>&amp;Kerf (in):</source>
        <translation>&amp;Ancho de corte (in):</translation>
    </message>
    <message>
        <source>Red cuts, blue engraves</source>
        <translation>Rojo corta, azul graba</translation>
    </message>
    <message>
        <source>Green cuts, blue engraves</source>
        <translation>Verde corta, azul graba</translation>
    </message>
    <message>
        <source>One layer per operation (DXF)</source>
        <translation>Una capa por operación (DXF)</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Colores:</translation>
    </message>
    <message>
        <source>Width x height in inches (add mm for millimetres), for example 20x30 or 500x750mm</source>
        <translation>Ancho x alto en pulgadas (añade mm para milímetros), por ejemplo 20x30 o 500x750mm</translation>
    </message>
    <message>
        <source>&amp;Board size:</source>
        <translation>&amp;Tamaño del cartón:</translation>
    </message>
    <message>
        <source>&amp;Gap between parts (in):</source>
        <translation>&amp;Separación entre piezas (in):</translation>
    </message>
    <message>
        <source>The kerf is a number of inches from 0 to 0.25.</source>
        <translation>El ancho de corte es un número de pulgadas de 0 a 0.25.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board size; write it as 20x30 or 500x750mm.</source>
        <translation>«%1» no es un tamaño de cartón pluma; escríbelo como 20x30 o 500x750mm.</translation>
    </message>
    <message>
        <source>The gap between parts is a number of inches from 0.1 to 1.</source>
        <translation>La separación entre piezas es un número de pulgadas de 0.1 a 1.</translation>
    </message>
    <message>
        <source>Kerf by material (in)</source>
        <translation>Ancho de corte por material (in)</translation>
    </message>
    <message>
        <source>Leave it empty to use the kerf above.</source>
        <translation>Déjalo vacío para usar el ancho de corte de arriba.</translation>
    </message>
    <message>
        <source>The kerf for %1 is a number of inches from 0 to 0.25.</source>
        <translation>El ancho de corte para %1 es un número de pulgadas de 0 a 0.25.</translation>
    </message>
</context>
<context>
    <name>zindle::DefineMaterialDialog</name>
    <message>
        <source>Define a Board Material</source>
        <translation>Definir un material de cartón pluma</translation>
    </message>
    <message>
        <source>Define an Axle Material</source>
        <translation>Definir un material de eje</translation>
    </message>
    <message>
        <source>Define a Spring Material</source>
        <translation>Definir un material de resorte</translation>
    </message>
    <message>
        <source>Define a Tread Material</source>
        <translation>Definir un material de banda de rodadura</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valores por defecto</translation>
    </message>
    <message>
        <source>Board Name</source>
        <translation>Nombre del cartón pluma</translation>
    </message>
    <message>
        <source>Board thickness (inches)</source>
        <translation>Grosor del cartón pluma (pulgadas)</translation>
    </message>
    <message>
        <source>Board density (lbm/cu in)</source>
        <translation>Densidad del cartón pluma (lbm/cu in)</translation>
    </message>
    <message>
        <source>Name of axle material</source>
        <translation>Nombre del material del eje</translation>
    </message>
    <message>
        <source>Density (lbm/cu in)</source>
        <translation>Densidad (lbm/cu in)</translation>
    </message>
    <message>
        <source>Name of spring material</source>
        <translation>Nombre del material del resorte</translation>
    </message>
    <message>
        <source>Thickness (in)</source>
        <translation>Grosor (in)</translation>
    </message>
    <message>
        <source>Width of test sample (in)</source>
        <translation>Ancho de la muestra de prueba (in)</translation>
    </message>
    <message>
        <source>Name of tread material</source>
        <translation>Nombre del material de la banda de rodadura</translation>
    </message>
    <message>
        <source>Coefficient of static friction</source>
        <translation>Coeficiente de rozamiento estático</translation>
    </message>
    <message>
        <source>Experimental Torque Curve</source>
        <translation>Curva de par medida</translation>
    </message>
    <message>
        <source>Revs Unwound</source>
        <translation>Vueltas desenrolladas</translation>
    </message>
    <message>
        <source>Torque (in-lb)</source>
        <translation>Par (in-lb)</translation>
    </message>
    <message>
        <source>0 (fully wound):</source>
        <translation>0 (cargado del todo):</translation>
    </message>
    <message>
        <source>(remaining cells
are optional)</source>
        <translation>(las demás celdas
son opcionales)</translation>
    </message>
    <message>
        <source>Choose color...</source>
        <translation>Elegir color...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zindle::DesignMapView</name>
    <message>
        <source>Not run: the sweep stopped before this combination</source>
        <translation>Sin correr: el barrido se detuvo antes de esta combinación</translation>
    </message>
    <message>
        <source>Drive wheel dia %1 in (%2 in asked: enlarged to fit the spring)</source>
        <translation>Diám. rueda motriz %1 in (%2 in pedidas: agrandada para que quepa el resorte)</translation>
    </message>
    <message>
        <source>Drive wheel dia %1 in</source>
        <translation>Diám. rueda motriz %1 in</translation>
    </message>
    <message>
        <source>Spring length %1 in</source>
        <translation>Largo del resorte %1 in</translation>
    </message>
    <message>
        <source>Spring width %1 in</source>
        <translation>Ancho del resorte %1 in</translation>
    </message>
    <message>
        <source>Does not reach 15 ft %1</source>
        <translation>No llega a 15 ft %1</translation>
    </message>
    <message>
        <source>Time to 15 ft %1 s (best)</source>
        <translation>Tiempo hasta 15 ft %1 s (el mejor)</translation>
    </message>
    <message>
        <source>Time to 15 ft %1 s</source>
        <translation>Tiempo hasta 15 ft %1 s</translation>
    </message>
    <message>
        <source>Click to put these sizes into the design</source>
        <translation>Haz clic para poner estas medidas en el diseño</translation>
    </message>
</context>
<context>
    <name>zindle::DesignPanel</name>
    <message>
        <source>Inner layers</source>
        <translation>Capas interiores</translation>
    </message>
    <message>
        <source>Outer layer</source>
        <translation>Capa exterior</translation>
    </message>
    <message>
        <source>Wheel tread</source>
        <translation>Banda de rodadura</translation>
    </message>
    <message>
        <source>Drive wheels</source>
        <translation>Ruedas motrices</translation>
    </message>
    <message>
        <source>Other wheels</source>
        <translation>Otras ruedas</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Resorte</translation>
    </message>
    <message>
        <source>Drive axle</source>
        <translation>Eje motriz</translation>
    </message>
    <message>
        <source>Other axle</source>
        <translation>Otro eje</translation>
    </message>
    <message>
        <source>Inner layer</source>
        <translation>Capa interior</translation>
    </message>
    <message>
        <source>Drive wheel</source>
        <translation>Rueda motriz</translation>
    </message>
    <message>
        <source>Other wheel</source>
        <translation>Otra rueda</translation>
    </message>
    <message>
        <source>Change outer layer material</source>
        <translation>Cambiar el material de la capa exterior</translation>
    </message>
    <message>
        <source>Change inner layers material</source>
        <translation>Cambiar el material de las capas interiores</translation>
    </message>
    <message>
        <source>Change drive wheel material</source>
        <translation>Cambiar el material de la rueda motriz</translation>
    </message>
    <message>
        <source>Change other wheel material</source>
        <translation>Cambiar el material de la otra rueda</translation>
    </message>
    <message>
        <source>Change drive axle material</source>
        <translation>Cambiar el material del eje motriz</translation>
    </message>
    <message>
        <source>Change other axle material</source>
        <translation>Cambiar el material del otro eje</translation>
    </message>
    <message>
        <source>Change spring material</source>
        <translation>Cambiar el material del resorte</translation>
    </message>
    <message>
        <source>Change wheel tread material</source>
        <translation>Cambiar el material de la banda de rodadura</translation>
    </message>
    <message>
        <source>Choose rear wheel drive</source>
        <translation>Elegir tracción trasera</translation>
    </message>
    <message>
        <source>Choose front wheel drive</source>
        <translation>Elegir tracción delantera</translation>
    </message>
    <message>
        <source>Choose four wheel drive</source>
        <translation>Elegir tracción a las cuatro ruedas</translation>
    </message>
    <message>
        <source>Outer</source>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>Draw outer layer shape</source>
        <translation>Dibujar la forma de la capa exterior</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Clear the outer layer shape</source>
        <translation>Borrar la forma de la capa exterior</translation>
    </message>
    <message>
        <source>Inner</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Draw inner layer shape</source>
        <translation>Dibujar la forma de la capa interior</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Clear the inner layer shape</source>
        <translation>Borrar la forma de la capa interior</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Eje</translation>
    </message>
    <message>
        <source>Place the front axle</source>
        <translation>Colocar el eje delantero</translation>
    </message>
    <message>
        <source>+Wt</source>
        <translation>+Peso</translation>
    </message>
    <message>
        <source>Add a weight</source>
        <translation>Añadir un peso</translation>
    </message>
    <message>
        <source>-Wt</source>
        <translation>-Peso</translation>
    </message>
    <message>
        <source>Remove a weight</source>
        <translation>Quitar un peso</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Clear the shapes and the weights</source>
        <translation>Borrar las formas y los pesos</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Tracción</translation>
    </message>
    <message>
        <source>RWD</source>
        <translation>Tras.</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Del.</translation>
    </message>
    <message>
        <source>AWD</source>
        <translation>4x4</translation>
    </message>
    <message>
        <source>Rear wheel drive</source>
        <translation>Tracción trasera</translation>
    </message>
    <message>
        <source>Front wheel drive</source>
        <translation>Tracción delantera</translation>
    </message>
    <message>
        <source>Four wheel drive</source>
        <translation>Tracción a las cuatro ruedas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>To draw a shape, click points on the drawing sheet.  Double-click to finish (or press Cancel to abort).</source>
        <translation>Para dibujar una forma, haz clic en puntos de la hoja.  Haz doble clic para terminar (o pulsa «Cancelar» para abandonar).</translation>
    </message>
    <message>
        <source>Currently selected:</source>
        <translation>Seleccionado:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Width (in):</source>
        <translation>Ancho (in):</translation>
    </message>
    <message>
        <source>Length (in):</source>
        <translation>Largo (in):</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Select parts to edit their attributes. Click &quot;Apply&quot; to apply your changes.</source>
        <translation>Selecciona piezas para editar sus atributos. Haz clic en «Aplicar» para aplicar los cambios.</translation>
    </message>
    <message>
        <source>Dia (in):</source>
        <translation>Diám. (in):</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches dia).</source>
        <translation>Resaltado: %1 (%2, %3 pulgadas de diámetro).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches wide, %4 inches long).</source>
        <translation>Resaltado: %1 (%2, %3 pulgadas de ancho, %4 pulgadas de largo).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches dia, %4 inches long).</source>
        <translation>Resaltado: %1 (%2, %3 pulgadas de diámetro, %4 pulgadas de largo).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2).</source>
        <translation>Resaltado: %1 (%2).</translation>
    </message>
    <message>
        <source>Drive wheel enlarged to %1 in to fit the spring case</source>
        <translation>Rueda motriz ampliada a %1 in para que quepa la caja del resorte</translation>
    </message>
</context>
<context>
    <name>zindle::EventServer</name>
    <message>
        <source>the join code is missing or wrong</source>
        <translation>falta el código de acceso o es incorrecto</translation>
    </message>
</context>
<context>
    <name>zindle::HeatEntryPanel</name>
    <message>
        <source>Lane %1</source>
        <translation>Carril %1</translation>
    </message>
    <message>
        <source>(blocked)</source>
        <translation>(bloqueado)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Lane %1 time, %2</source>
        <translation>Tiempo del carril %1, %2</translation>
    </message>
    <message>
        <source>s, or D</source>
        <translation>s, o D</translation>
    </message>
    <message>
        <source>Lane %1 has no time yet: type it, or D for a car that did not finish.</source>
        <translation>El carril %1 aún no tiene tiempo: escríbelo, o D para un coche que no llegó.</translation>
    </message>
    <message>
        <source>Lane %1: %2.</source>
        <translation>Carril %1: %2.</translation>
    </message>
</context>
<context>
    <name>zindle::HowHeavyDialog</name>
    <message>
        <source>How heavy?</source>
        <translation>¿Cuánto pesa?</translation>
    </message>
    <message>
        <source>How heavy is this weight?</source>
        <translation>¿Cuánto pesa este peso?</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>zindle::MainWindow</name>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>The sweep stopped when a dialog opened.</source>
        <translation>El barrido se detuvo al abrirse un diálogo.</translation>
    </message>
    <message>
        <source>Export run</source>
        <translation>Exportar carrera</translation>
    </message>
    <message>
        <source>Samples of every step (CSV)|*.csv</source>
        <translation>Valores de cada paso (CSV)|*.csv</translation>
    </message>
    <message>
        <source>Charts (PNG picture)|*.png</source>
        <translation>Gráficas (imagen PNG)|*.png</translation>
    </message>
    <message>
        <source>Charts (SVG drawing)|*.svg</source>
        <translation>Gráficas (dibujo SVG)|*.svg</translation>
    </message>
    <message>
        <source>Charts (PDF document)|*.pdf</source>
        <translation>Gráficas (documento PDF)|*.pdf</translation>
    </message>
    <message>
        <source>The design file %1 is no longer there.</source>
        <translation>El archivo de diseño %1 ya no está.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Clear Recent Files</source>
        <translation>Borrar la lista</translation>
    </message>
</context>
<context>
    <name>zindle::MaterialsDialog</name>
    <message>
        <source>Material Definitions</source>
        <translation>Definiciones de materiales</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Cartón pluma</translation>
    </message>
    <message>
        <source>Axles</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>Springs</source>
        <translation>Resortes</translation>
    </message>
    <message>
        <source>Treads</source>
        <translation>Bandas de rodadura</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Select the material to edit in the list first.</source>
        <translation>Primero elige en la lista el material que quieres editar.</translation>
    </message>
    <message>
        <source>Select the material to delete in the list first.</source>
        <translation>Primero elige en la lista el material que quieres borrar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is built in and cannot be edited. Press New to define a material of your own.</source>
        <translation>«%1» viene incluido y no se puede editar. Pulsa «Nuevo» para definir un material propio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is built in and cannot be deleted. Press New to define a material of your own.</source>
        <translation>«%1» viene incluido y no se puede borrar. Pulsa «Nuevo» para definir un material propio.</translation>
    </message>
    <message>
        <source>Delete the material &quot;%1&quot;? Parts made of it go back to the built-in material.</source>
        <translation>¿Borrar el material «%1»? Las piezas hechas de él vuelven al material incluido.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>zindle::NewEventDialog</name>
    <message>
        <source>New Event</source>
        <translation>Nueva competición</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Carpeta de la clase</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>&amp;Class folder:</source>
        <translation>&amp;Carpeta de la clase:</translation>
    </message>
    <message>
        <source>as the logbook names it, for example Gym, lane tape</source>
        <translation>como la llama el cuaderno de carreras, por ejemplo Gimnasio, cinta</translation>
    </message>
    <message>
        <source>T&amp;rack:</source>
        <translation>&amp;Pista:</translation>
    </message>
    <message>
        <source>&amp;Lanes:</source>
        <translation>Ca&amp;rriles:</translation>
    </message>
    <message>
        <source>none, or for example 2</source>
        <translation>ninguno, o por ejemplo 2</translation>
    </message>
    <message>
        <source>&amp;Blocked lanes:</source>
        <translation>Carriles &amp;bloqueados:</translation>
    </message>
    <message>
        <source>Lane-balanced chart</source>
        <translation>Tabla equilibrada por carriles</translation>
    </message>
    <message>
        <source>Every car in every lane in turn</source>
        <translation>Cada coche en cada carril por turnos</translation>
    </message>
    <message>
        <source>Fastest time rounds</source>
        <translation>Rondas de tiempo más rápido</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>R&amp;ounds (fastest time):</source>
        <translation>R&amp;ondas (tiempo más rápido):</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>&amp;Scoring:</source>
        <translation>Puntuació&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Drop each car&apos;s slowest heat</source>
        <translation>&amp;Descartar la manga más lenta de cada coche</translation>
    </message>
    <message>
        <source>Choose the class folder whose designs race.</source>
        <translation>Elige la carpeta de clase cuyos diseños corren.</translation>
    </message>
    <message>
        <source>Blocked lanes are lane numbers from 1 to %1, separated by commas.</source>
        <translation>Los carriles bloqueados son números de carril del 1 al %1, separados por comas.</translation>
    </message>
    <message>
        <source>Every lane is blocked: leave at least one open.</source>
        <translation>Todos los carriles están bloqueados: deja al menos uno libre.</translation>
    </message>
</context>
<context>
    <name>zindle::OptimiserDialog</name>
    <message>
        <source>Optimiser</source>
        <translation>Optimizador</translation>
    </message>
    <message>
        <source>Sizes to vary</source>
        <translation>Medidas para variar</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Si&amp;zes to vary:</source>
        <translation>&amp;Medidas para variar:</translation>
    </message>
    <message>
        <source>Least time to 15 ft</source>
        <translation>Menor tiempo hasta 15 ft</translation>
    </message>
    <message>
        <source>Greatest distance</source>
        <translation>Mayor distancia</translation>
    </message>
    <message>
        <source>Closest to a target time</source>
        <translation>Lo más cerca de un tiempo objetivo</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Objetivo:</translation>
    </message>
    <message>
        <source>&amp;Target time (s):</source>
        <translation>&amp;Tiempo objetivo (s):</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>sin límite</translation>
    </message>
    <message>
        <source>&amp;Mass limit (lb):</source>
        <translation>Masa má&amp;xima (lb):</translation>
    </message>
    <message>
        <source>No s&amp;kid</source>
        <translation>Sin &amp;patinaje</translation>
    </message>
    <message>
        <source>No &amp;advisory (much slower)</source>
        <translation>Sin a&amp;viso (mucho más lento)</translation>
    </message>
    <message>
        <source>The same seed gives the same designs again</source>
        <translation>La misma semilla da otra vez los mismos diseños</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>%1 per size</source>
        <translation>%1 por medida</translation>
    </message>
    <message>
        <source>How many designs to try at most</source>
        <translation>Cuántos diseños probar como máximo</translation>
    </message>
    <message>
        <source>E&amp;valuations:</source>
        <translation>Evaluacio&amp;nes:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>ST&amp;OP</source>
        <translation>PA&amp;RAR</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Best designs</source>
        <translation>Mejores diseños</translation>
    </message>
    <message>
        <source>&amp;Best designs:</source>
        <translation>Mejores &amp;diseños:</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Put the chosen design&apos;s sizes into your design and show Simulate</source>
        <translation>Pon las medidas del diseño elegido en tu diseño y muestra Simular</translation>
    </message>
    <message>
        <source>Tick at least one size to vary.</source>
        <translation>Marca al menos una medida para variar.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>%1 designs tried, best %2 s</source>
        <translation>%1 diseños probados, el mejor %2 s</translation>
    </message>
    <message>
        <source>%1 designs tried, none reaches 15 ft yet</source>
        <translation>%1 diseños probados, ninguno llega aún a 15 ft</translation>
    </message>
    <message>
        <source>Stopped after %1 designs; the best so far are shown.</source>
        <translation>Parado tras %1 diseños; se muestran los mejores hasta ahora.</translation>
    </message>
    <message>
        <source>Nothing to show: %1.</source>
        <translation>Nada que mostrar: %1.</translation>
    </message>
    <message>
        <source>spring length</source>
        <translation>largo del resorte</translation>
    </message>
    <message>
        <source>spring width</source>
        <translation>ancho del resorte</translation>
    </message>
    <message>
        <source>drive wheel</source>
        <translation>rueda motriz</translation>
    </message>
    <message>
        <source>other wheel</source>
        <translation>otra rueda</translation>
    </message>
    <message>
        <source>drive axle</source>
        <translation>eje motriz</translation>
    </message>
    <message>
        <source>other axle</source>
        <translation>otro eje</translation>
    </message>
    <message>
        <source>front axle place</source>
        <translation>posición del eje delantero</translation>
    </message>
    <message>
        <source>weight %1 mass</source>
        <translation>masa del peso %1</translation>
    </message>
    <message>
        <source>weight %1 place</source>
        <translation>posición del peso %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
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
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distancia (ft)</translation>
    </message>
    <message>
        <source>What differs from your design</source>
        <translation>Qué cambia respecto a tu diseño</translation>
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
        <translation>no llega a 15 ft</translation>
    </message>
    <message>
        <source>the same as your design</source>
        <translation>igual que tu diseño</translation>
    </message>
    <message>
        <source>The design map needs two sizes varied.</source>
        <translation>El mapa de diseños necesita dos medidas variadas.</translation>
    </message>
    <message>
        <source>%1: time to 15 ft of the designs tried</source>
        <translation>%1: tiempo hasta 15 ft de los diseños probados</translation>
    </message>
    <message>
        <source>The map shows the first two sizes varied, %1 and %2; the others varied too.</source>
        <translation>El mapa muestra las dos primeras medidas variadas, %1 y %2; las otras también variaron.</translation>
    </message>
    <message>
        <source>Dots: designs sampled. Lines: each local search, to the best design it found. Ring: your design.</source>
        <translation>Puntos: diseños de muestra. Líneas: cada búsqueda local, hasta el mejor diseño que encontró. Anillo: tu diseño.</translation>
    </message>
    <message>
        <source>The design changed since the search; start it again to apply one of its designs.</source>
        <translation>El diseño cambió desde la búsqueda; iníciala otra vez para aplicar uno de sus diseños.</translation>
    </message>
    <message>
        <source>The design is being edited; finish that first.</source>
        <translation>El diseño se está editando; termina eso primero.</translation>
    </message>
    <message>
        <source>Give %1 a number in From and in To.</source>
        <translation>A %1 le falta un número en Desde o en Hasta.</translation>
    </message>
    <message>
        <source>The target time takes seconds above 0.</source>
        <translation>El tiempo objetivo necesita segundos mayores que 0.</translation>
    </message>
    <message>
        <source>The mass limit takes lb above 0, or nothing for no limit.</source>
        <translation>La masa máxima necesita lb mayores que 0, o nada para no tener límite.</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>tracción</translation>
    </message>
    <message>
        <source>spring material</source>
        <translation>material del muelle</translation>
    </message>
    <message>
        <source>tread material</source>
        <translation>material de la banda</translation>
    </message>
    <message>
        <source>outer body material</source>
        <translation>material de la carrocería exterior</translation>
    </message>
    <message>
        <source>inner body material</source>
        <translation>material de la carrocería interior</translation>
    </message>
    <message>
        <source>drive wheel material</source>
        <translation>material de la rueda motriz</translation>
    </message>
    <message>
        <source>other wheel material</source>
        <translation>material de la otra rueda</translation>
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
        <translation>Imprimir solo el informe</translation>
    </message>
    <message>
        <source>Print One Inner Layer Template</source>
        <translation>Imprimir una plantilla de capa interior</translation>
    </message>
    <message>
        <source>Print One Outer Layer Template</source>
        <translation>Imprimir una plantilla de capa exterior</translation>
    </message>
    <message>
        <source>Print Wheel Templates</source>
        <translation>Imprimir las plantillas de las ruedas</translation>
    </message>
    <message>
        <source>Print Entire Set </source>
        <translation>Imprimir el juego completo </translation>
    </message>
    <message>
        <source>Paper Prototype</source>
        <translation>Prototipo de papel</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>Export Cut Files...</source>
        <translation>Exportar archivos de corte...</translation>
    </message>
    <message>
        <source>Save every part as SVG or DXF for a laser cutter or cutting plotter</source>
        <translation>Guardar cada pieza como SVG o DXF para una cortadora láser o un plóter de corte</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The printer could not print every page.</source>
        <translation>La impresora no pudo imprimir todas las páginas.</translation>
    </message>
    <message>
        <source>Export Cut Files</source>
        <translation>Exportar archivos de corte</translation>
    </message>
    <message>
        <source>SVG cut files</source>
        <translation>Archivos de corte SVG</translation>
    </message>
    <message>
        <source>DXF cut files</source>
        <translation>Archivos de corte DXF</translation>
    </message>
    <message>
        <source>Cut files are saved as .svg or .dxf files.</source>
        <translation>Los archivos de corte se guardan como archivos .svg o .dxf.</translation>
    </message>
    <message>
        <source>The templates fit on 1 board, written to %1.</source>
        <translation>Las plantillas caben en 1 cartón pluma, guardadas en %1.</translation>
    </message>
    <message>
        <source>The templates fit on %1 boards, written to %2.</source>
        <translation>Las plantillas caben en %1 cartones pluma, guardadas en %2.</translation>
    </message>
    <message>
        <source>Removed the boards of an earlier export: %1</source>
        <translation>Se quitaron los cartones pluma de una exportación anterior: %1</translation>
    </message>
    <message>
        <source>Laying out the boards...</source>
        <translation>Colocando las piezas en los cartones...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>zindle::PhysicsViews</name>
    <message>
        <source>Power Designer sweep</source>
        <translation>Barrido del diseñador de potencia</translation>
    </message>
    <message>
        <source>The sweep stopped when the window left Simulate.</source>
        <translation>El barrido se detuvo cuando la ventana salió de «Simular».</translation>
    </message>
</context>
<context>
    <name>zindle::PowerDesignerDialog</name>
    <message>
        <source>Power Designer</source>
        <translation>Diseñador de potencia</translation>
    </message>
    <message>
        <source>Spring Width (in)</source>
        <translation>Ancho del resorte (in)</translation>
    </message>
    <message>
        <source>Width of the spring</source>
        <translation>Ancho del resorte</translation>
    </message>
    <message>
        <source>Spring Length (in)</source>
        <translation>Largo del resorte (in)</translation>
    </message>
    <message>
        <source>Length of the spring</source>
        <translation>Largo del resorte</translation>
    </message>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Diám. rueda motriz (in)</translation>
    </message>
    <message>
        <source>Diameter of rear (drive) wheel.  Set to 0 for minimum allowable</source>
        <translation>Diámetro de la rueda trasera (motriz).  Pon 0 para el mínimo permitido</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>step</source>
        <translation>paso</translation>
    </message>
    <message>
        <source>Show every combination</source>
        <translation>Mostrar cada combinación</translation>
    </message>
    <message>
        <source>Run the combinations one after the other in the window, drawing each car (much slower)</source>
        <translation>Correr las combinaciones una tras otra en la ventana, dibujando cada coche (mucho más lento)</translation>
    </message>
    <message>
        <source>Best Time to 15 ft</source>
        <translation>Mejor tiempo hasta 15 ft</translation>
    </message>
    <message>
        <source>at Spring Width = </source>
        <translation>con ancho del resorte = </translation>
    </message>
    <message>
        <source>Spring Length = </source>
        <translation>Largo del resorte = </translation>
    </message>
    <message>
        <source>Drive Wheel Diameter = </source>
        <translation>Diámetro de la rueda motriz = </translation>
    </message>
    <message>
        <source>Use best</source>
        <translation>Usar la mejor</translation>
    </message>
    <message>
        <source>Put the sizes of the best time into the design</source>
        <translation>Poner las medidas del mejor tiempo en el diseño</translation>
    </message>
    <message>
        <source>%v of %m combinations</source>
        <translation>%v de %m combinaciones</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save map...</source>
        <translation>Guardar mapa...</translation>
    </message>
    <message>
        <source>Save the design map as a picture (PNG, SVG, PDF) or its times (CSV)</source>
        <translation>Guardar el mapa de diseños como imagen (PNG, SVG, PDF) o sus tiempos (CSV)</translation>
    </message>
    <message>
        <source>Show in Simulate</source>
        <translation>Mostrar en «Simular»</translation>
    </message>
    <message>
        <source>Show the design with the sweep&apos;s sizes in Simulate mode</source>
        <translation>Mostrar el diseño con las medidas del barrido en el modo «Simular»</translation>
    </message>
    <message>
        <source>The ranges are not valid yet</source>
        <translation>Los intervalos aún no son válidos</translation>
    </message>
    <message>
        <source>This map is of the previous sweep; the new sweep&apos;s map shows when it ends.</source>
        <translation>Este mapa es del barrido anterior; el mapa del nuevo barrido aparece cuando termine.</translation>
    </message>
    <message>
        <source>%1 combinations are too many for the design map.</source>
        <translation>%1 combinaciones son demasiadas para el mapa de diseños.</translation>
    </message>
    <message>
        <source>The design changed during the sweep, so it keeps its own sizes; the map and the best show the design as it was swept.</source>
        <translation>El diseño cambió durante el barrido, así que conserva sus propias medidas; el mapa y los mejores valores muestran el diseño tal como era en el barrido.</translation>
    </message>
    <message>
        <source>Power Designer sweep</source>
        <translation>Barrido del diseñador de potencia</translation>
    </message>
    <message>
        <source>The design was being edited when the sweep ended, so it keeps its own sizes.</source>
        <translation>El diseño se estaba editando cuando terminó el barrido, así que conserva sus propias medidas.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 combinations.</source>
        <translation>Detenido tras %1 de %2 combinaciones.</translation>
    </message>
    <message>
        <source>%1 combinations.</source>
        <translation>%1 combinaciones.</translation>
    </message>
    <message>
        <source>The design map shows two sizes against each other: this sweep varied all three. Give one of them the same from and to value for a map.</source>
        <translation>El mapa de diseños muestra dos medidas una frente a otra: este barrido varió las tres. Da a una de ellas el mismo valor inicial y final para tener un mapa.</translation>
    </message>
    <message>
        <source>Save design map</source>
        <translation>Guardar mapa de diseños</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>Times of the cells (CSV)</source>
        <translation>Tiempos de las casillas (CSV)</translation>
    </message>
    <message>
        <source>The design map could not be drawn.</source>
        <translation>No se pudo dibujar el mapa de diseños.</translation>
    </message>
    <message>
        <source>A design map is saved as .png, .svg, .pdf or .csv, not as &quot;%1&quot;.</source>
        <translation>Un mapa de diseños se guarda como .png, .svg, .pdf o .csv, no como «%1».</translation>
    </message>
    <message>
        <source>This map is of %1 as it was swept; the design has changed since, so its sizes cannot go into it. Press GO for a map of the design as it is.</source>
        <translation>Este mapa es de %1 tal como era en el barrido; el diseño ha cambiado desde entonces, así que sus medidas no pueden pasar a él. Pulsa INICIAR para tener un mapa del diseño tal como está.</translation>
    </message>
    <message>
        <source>This map is of %1, not of the design now in the window, so its sizes cannot go into it. Press GO for a map of this design.</source>
        <translation>Este mapa es de %1, no del diseño que ahora está en la ventana, así que sus medidas no pueden pasar a él. Pulsa INICIAR para tener un mapa de este diseño.</translation>
    </message>
    <message>
        <source>Apply design map cell</source>
        <translation>Aplicar casilla del mapa de diseños</translation>
    </message>
    <message>
        <source>Use best combination</source>
        <translation>Usar la mejor combinación</translation>
    </message>
    <message>
        <source>The design changed during the sweep, so the sweep stopped there: every combination shown ran with the design as it was at GO.</source>
        <translation>El diseño cambió durante el barrido, así que el barrido se detuvo ahí: cada combinación mostrada corrió con el diseño tal como era al pulsar INICIAR.</translation>
    </message>
</context>
<context>
    <name>zindle::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valores por defecto</translation>
    </message>
    <message>
        <source>Finite element size (pixels)</source>
        <translation>Tamaño de los elementos finitos (píxeles)</translation>
    </message>
    <message>
        <source>Size of the squares used to estimate mass of the car (smaller values are more accurate but take more time to compute)</source>
        <translation>Tamaño de los cuadrados con que se estima la masa del coche (los valores pequeños son más precisos, pero tardan más en calcularse)</translation>
    </message>
    <message>
        <source>Size of the squares used to estimate mass of the car (smaller is more accurate)</source>
        <translation>Tamaño de los cuadrados con que se estima la masa del coche (más pequeño es más preciso)</translation>
    </message>
    <message>
        <source>Spring to Case Area Ratio (%)</source>
        <translation>Relación de área resorte/caja (%)</translation>
    </message>
    <message>
        <source>Percent of the spring chamber that is occupied by the spring.  Larger values lead to a smaller spring chamber but fewer revolutions.</source>
        <translation>Porcentaje de la cámara del resorte que ocupa el resorte.  Los valores grandes dan una cámara más pequeña, pero menos vueltas.</translation>
    </message>
    <message>
        <source>Ratio of spring area to case area.  Larger --&gt; smaller spring case but fewer revolutions</source>
        <translation>Relación entre el área del resorte y el área de la caja.  Mayor --&gt; caja del resorte más pequeña, pero menos vueltas</translation>
    </message>
    <message>
        <source>An assumed friction force that represents the rolling friction of your car</source>
        <translation>Una fuerza de rozamiento supuesta que representa el rozamiento de rodadura de tu coche</translation>
    </message>
    <message>
        <source>Friction force (lb)</source>
        <translation>Fuerza de rozamiento (lb)</translation>
    </message>
    <message>
        <source>Chamber</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Shape of spring chamber</source>
        <translation>Forma de la cámara del resorte</translation>
    </message>
    <message>
        <source>Shape for the spring chamber and its outer surface (an octagonal shape may be easier to cut by hand)</source>
        <translation>Forma de la cámara del resorte y de su superficie exterior (una forma octogonal puede ser más fácil de cortar a mano)</translation>
    </message>
    <message>
        <source>Octagonal</source>
        <translation>Octogonal</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. </source>
        <translation>El tamaño de los elementos finitos debe ser positivo, mayor que 2 píxeles y no más de 72 píxeles. </translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The case ratio must be positive, not less than 4 percent, and less than 99 percent. </source>
        <translation>La relación de la caja debe ser positiva, no menor que el 4 por ciento y menor que el 99 por ciento. </translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. </source>
        <translation>La fuerza de rozamiento debe ser positiva, mayor que 0.01 lb y no más de 0.25 lb. </translation>
    </message>
</context>
<context>
    <name>zindle::PreviewPanel</name>
    <message>
        <source>Rewind</source>
        <translation>Rebobinar</translation>
    </message>
    <message>
        <source>Preview the first template</source>
        <translation>Ver la primera plantilla</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Preview the next template</source>
        <translation>Ver la plantilla siguiente</translation>
    </message>
</context>
<context>
    <name>zindle::ProjectorWindow</name>
    <message>
        <source>Race Day - Projector</source>
        <translation>Día de carrera - Proyector</translation>
    </message>
</context>
<context>
    <name>zindle::RaceDayWindow</name>
    <message>
        <source>Fitting the model to the runs on %1...</source>
        <translation>Ajustando el modelo a las carreras en %1...</translation>
    </message>
    <message>
        <source>simulated %1</source>
        <translation>simulado %1</translation>
    </message>
    <message>
        <source>predicted %1</source>
        <translation>previsto %1</translation>
    </message>
    <message>
        <source>Heat %1, lanes 1 to %2: %3</source>
        <translation>Manga %1, carriles 1 a %2: %3</translation>
    </message>
    <message>
        <source>No heat after this one.</source>
        <translation>No hay ninguna manga después de esta.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Carreras</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simulado</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Predicción</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Standings (simulated times %1)</source>
        <translation>Clasificación (tiempos simulados %1)</translation>
    </message>
    <message>
        <source>%1 (withdrawn)</source>
        <translation>%1 (retirado)</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Manga</translation>
    </message>
    <message>
        <source>Lane %1</source>
        <translation>Carril %1</translation>
    </message>
    <message>
        <source>%1 (re-run)</source>
        <translation>%1 (repetida)</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>%1 faster</source>
        <translation>%1 más rápido</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 de diferencia</translation>
    </message>
    <message>
        <source>No heat recorded yet.</source>
        <translation>Todavía no hay ninguna manga registrada.</translation>
    </message>
    <message>
        <source>Now racing: heat %1 of %2</source>
        <translation>Ahora en carrera: manga %1 de %2</translation>
    </message>
    <message>
        <source>On deck: heat %1</source>
        <translation>A continuación: manga %1</translation>
    </message>
    <message>
        <source>Every heat is run</source>
        <translation>Todas las mangas están corridas</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Race Day</source>
        <translation>Día de carrera</translation>
    </message>
    <message>
        <source>No event open: open one, or make a new one from a class folder.</source>
        <translation>No hay ninguna competición abierta: abre una o crea una nueva a partir de una carpeta de clase.</translation>
    </message>
    <message>
        <source>Open Event...</source>
        <translation>Abrir competición...</translation>
    </message>
    <message>
        <source>New Event...</source>
        <translation>Nueva competición...</translation>
    </message>
    <message>
        <source>Projector View</source>
        <translation>Vista de proyector</translation>
    </message>
    <message>
        <source>Start Page for Phones</source>
        <translation>Iniciar página para móviles</translation>
    </message>
    <message>
        <source>Race day status</source>
        <translation>Estado del día de carrera</translation>
    </message>
    <message>
        <source>Now racing</source>
        <translation>Ahora en carrera</translation>
    </message>
    <message>
        <source>Record Heat</source>
        <translation>Registrar manga</translation>
    </message>
    <message>
        <source>Re-run Heat</source>
        <translation>Repetir manga</translation>
    </message>
    <message>
        <source>Type each lane&apos;s time (155 is 1.55 s; D: did not finish), then Enter.</source>
        <translation>Escribe el tiempo de cada carril (155 es 1.55 s; D: no llegó), luego Intro.</translation>
    </message>
    <message>
        <source>On deck</source>
        <translation>A continuación</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Heats (choose a recorded heat to run it again)</source>
        <translation>Mangas (elige una manga registrada para repetirla)</translation>
    </message>
    <message>
        <source>Late Entry...</source>
        <translation>Inscripción tardía...</translation>
    </message>
    <message>
        <source>Withdraw Car</source>
        <translation>Retirar coche</translation>
    </message>
    <message>
        <source>Calibrate Track</source>
        <translation>Calibrar pista</translation>
    </message>
    <message>
        <source>%1 exists already; an event file is made once and never over another file.</source>
        <translation>%1 ya existe; un archivo de competición se crea una vez y nunca encima de otro archivo.</translation>
    </message>
    <message>
        <source>%1 was not saved, so it is not recorded: %2</source>
        <translation>%1 no se guardó, así que no está registrado: %2</translation>
    </message>
    <message>
        <source>%1 saved; the logbook holds the event&apos;s %2 runs.</source>
        <translation>%1 guardado; el cuaderno de carreras tiene las %2 carreras de la competición.</translation>
    </message>
    <message>
        <source>%1 saved in the event file, but not in the logbook: %2</source>
        <translation>%1 guardado en el archivo de competición, pero no en el cuaderno de carreras: %2</translation>
    </message>
    <message>
        <source>Heat %1</source>
        <translation>Manga %1</translation>
    </message>
    <message>
        <source>Choose a recorded heat in the chart to run it again.</source>
        <translation>Elige una manga registrada en la tabla para repetirla.</translation>
    </message>
    <message>
        <source>Re-run of heat %1: its new times replace the old</source>
        <translation>Repetición de la manga %1: los nuevos tiempos sustituyen a los antiguos</translation>
    </message>
    <message>
        <source>Open Event</source>
        <translation>Abrir competición</translation>
    </message>
    <message>
        <source>Race day events|*.zevent</source>
        <translation>Competiciones de día de carrera|*.zevent</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nueva competición</translation>
    </message>
    <message>
        <source>Late Entry</source>
        <translation>Inscripción tardía</translation>
    </message>
    <message>
        <source>Zindle designs|*.zndl</source>
        <translation>Diseños de Zindle|*.zndl</translation>
    </message>
    <message>
        <source>A late car races from the event&apos;s class folder, %1: copy its design there first.</source>
        <translation>Un coche tardío corre desde la carpeta de clase de la competición, %1: copia allí su diseño primero.</translation>
    </message>
    <message>
        <source>The late entry of %1</source>
        <translation>La inscripción tardía de %1</translation>
    </message>
    <message>
        <source>Withdraw %1? Its times stay; it runs no more heats.</source>
        <translation>¿Retirar %1? Sus tiempos se quedan; no corre más mangas.</translation>
    </message>
    <message>
        <source>The withdrawal of %1</source>
        <translation>La retirada de %1</translation>
    </message>
    <message>
        <source>The page for phones could not be served: %1</source>
        <translation>No se pudo ofrecer la página para móviles: %1</translation>
    </message>
    <message>
        <source>Heat %1 was entered from a phone. %2</source>
        <translation>La manga %1 se registró desde un móvil. %2</translation>
    </message>
    <message>
        <source>Stop Page for Phones</source>
        <translation>Detener página para móviles</translation>
    </message>
    <message>
        <source>Phones follow the race at %1; the timekeeper enters times there with the join code %2.</source>
        <translation>Los móviles siguen la carrera en %1; el cronometrador registra allí los tiempos con el código %2.</translation>
    </message>
    <message>
        <source>The page for phones is no longer served.</source>
        <translation>La página para móviles ya no se ofrece.</translation>
    </message>
    <message>
        <source>The logbook was not updated: %1</source>
        <translation>El cuaderno de carreras no se actualizó: %1</translation>
    </message>
    <message>
        <source>%1, %2 cars, %3 heats</source>
        <translation>%1, %2 coches, %3 mangas</translation>
    </message>
    <message>
        <source>Heat %1 of %2</source>
        <translation>Manga %1 de %2</translation>
    </message>
    <message>
        <source>Every heat is run: the standings are final.</source>
        <translation>Todas las mangas están corridas: la clasificación es final.</translation>
    </message>
</context>
<context>
    <name>zindle::RacePanel</name>
    <message>
        <source>Race playback speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>Race playback speed (0.25x is slow motion, 1x is real time).</source>
        <translation>Velocidad de reproducción de la carrera (0.25x es cámara lenta, 1x es tiempo real).</translation>
    </message>
    <message>
        <source>indicates the selected design.</source>
        <translation>indica el diseño seleccionado.</translation>
    </message>
    <message>
        <source>indicates skidding.</source>
        <translation>indica que patina.</translation>
    </message>
    <message>
        <source>A car design appears on the racetrack if it has been Simulated since its last design change.</source>
        <translation>Un diseño aparece en la pista si se ha simulado desde su último cambio.</translation>
    </message>
    <message>
        <source>Race Chart</source>
        <translation>Gráfica de competición</translation>
    </message>
    <message>
        <source>Distance against time for every raced design</source>
        <translation>Distancia frente al tiempo de cada diseño de la carrera</translation>
    </message>
</context>
<context>
    <name>zindle::ResultDetailsWindow</name>
    <message>
        <source>Results in Detail</source>
        <translation>Resultados en detalle</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>%1: activate for its help page</source>
        <translation>%1: actívalo para ver su página de ayuda</translation>
    </message>
    <message>
        <source>%1, enlarged to fit the spring case</source>
        <translation>%1, agrandado para que quepa la caja del resorte</translation>
    </message>
    <message>
        <source>No results of %1 as it stands yet: press Analyze or Simulate to compute them.</source>
        <translation>Aún no hay resultados de %1 tal como está: pulsa «Analizar» o «Simular» para calcularlos.</translation>
    </message>
    <message>
        <source>%1 has not been run as it stands: press Simulate for its time and speed.</source>
        <translation>%1 no ha corrido tal como está: pulsa «Simular» para ver su tiempo y su velocidad.</translation>
    </message>
</context>
<context>
    <name>zindle::SimulatePanel</name>
    <message>
        <source>Wind up the spring</source>
        <translation>Tensar el resorte</translation>
    </message>
    <message>
        <source>Step forward in time</source>
        <translation>Avanzar en el tiempo</translation>
    </message>
    <message>
        <source>View the entire cycle</source>
        <translation>Ver el ciclo completo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Revs (left)</source>
        <translation>Vueltas (izq.)</translation>
    </message>
    <message>
        <source>Revs (right)</source>
        <translation>Vueltas (der.)</translation>
    </message>
    <message>
        <source>Run Charts</source>
        <translation>Gráficas de la carrera</translation>
    </message>
    <message>
        <source>Distance, speed, and propulsion against traction over the whole run (Ctrl+R)</source>
        <translation>Distancia, velocidad y propulsión frente a adherencia en toda la carrera (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>zindle::TestRunsWindow</name>
    <message>
        <source>Fitting the model to the runs on %1...</source>
        <translation>Ajustando el modelo a las carreras en %1...</translation>
    </message>
    <message>
        <source>Test runs</source>
        <translation>Carreras de prueba</translation>
    </message>
    <message>
        <source>%1; it is left as it is until it is mended.</source>
        <translation>%1; se deja como está hasta que se arregle.</translation>
    </message>
    <message>
        <source>%1 has no design file yet. Save it in its class folder, and its runs are kept in the class&apos;s logbook beside it.</source>
        <translation>%1 todavía no tiene archivo de diseño. Guárdalo en la carpeta de tu clase y sus carreras se guardarán en el cuaderno de registro de la clase, a su lado.</translation>
    </message>
    <message>
        <source>Runs of %1, kept in %2.</source>
        <translation>Carreras de %1, guardadas en %2.</translation>
    </message>
    <message>
        <source>the design&apos;s own model</source>
        <translation>el modelo propio del diseño</translation>
    </message>
    <message>
        <source>%1, rest %2</source>
        <translation>%1, parada %2</translation>
    </message>
    <message>
        <source>Simulate the design to compare its runs with the prediction with coasting.</source>
        <translation>Simula el diseño para comparar sus carreras con la previsión con rodaje libre.</translation>
    </message>
    <message>
        <source>the model with coasting: %1 s</source>
        <translation>el modelo con rodaje libre: %1 s</translation>
    </message>
    <message>
        <source>the model with coasting: does not reach 15 ft</source>
        <translation>el modelo con rodaje libre: no llega a 15 ft</translation>
    </message>
    <message>
        <source>your runs: %1 s</source>
        <translation>tus carreras: %1 s</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting differs from 1 run by %2 s (RMS).</source>
        <translation>En %1 la previsión con rodaje libre difiere de 1 carrera en %2 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting differs from %2 runs by %3 s (RMS).</source>
        <translation>En %1 la previsión con rodaje libre difiere de %2 carreras en %3 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated) differs from 1 run by %2 s (RMS).</source>
        <translation>En %1 la previsión con rodaje libre (calibrada) difiere de 1 carrera en %2 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated) differs from %2 runs by %3 s (RMS).</source>
        <translation>En %1 la previsión con rodaje libre (calibrada) difiere de %2 carreras en %3 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated for %2) differs from 1 run by %3 s (RMS).</source>
        <translation>En %1 la previsión con rodaje libre (calibrada para %2) difiere de 1 carrera en %3 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated for %2) differs from %3 runs by %4 s (RMS).</source>
        <translation>En %1 la previsión con rodaje libre (calibrada para %2) difiere de %3 carreras en %4 s (RMS).</translation>
    </message>
    <message>
        <source>Your prediction is a time above 0 and up to 100 s.</source>
        <translation>Tu previsión es un tiempo mayor que 0 y de hasta 100 s.</translation>
    </message>
    <message>
        <source>The logbook holds 1 run of &quot;%1&quot; in %2, a file no longer in this folder. Are they the runs of %3, renamed and moved?</source>
        <translation>El cuaderno de registro tiene 1 carrera de «%1» en %2, un archivo que ya no está en esta carpeta. ¿Es una carrera de %3, con otro nombre y en otro sitio?</translation>
    </message>
    <message>
        <source>The logbook holds %1 runs of &quot;%2&quot; in %3, a file no longer in this folder. Are they the runs of %4, renamed and moved?</source>
        <translation>El cuaderno de registro tiene %1 carreras de «%2» en %3, un archivo que ya no está en esta carpeta. ¿Son las carreras de %4, con otro nombre y en otro sitio?</translation>
    </message>
    <message>
        <source>Your prediction, time to 15 ft (s):</source>
        <translation>Tu previsión, tiempo hasta 15 ft (s):</translation>
    </message>
    <message>
        <source>before you simulate</source>
        <translation>antes de simular</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Marks (ft:s)</source>
        <translation>Marcas (ft:s)</translation>
    </message>
    <message>
        <source>Rest (ft)</source>
        <translation>Parada (ft)</translation>
    </message>
    <message>
        <source>Mass (lb)</source>
        <translation>Masa (lb)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>Room 12 corridor, tile</source>
        <translation>Pasillo del aula 12, baldosa</translation>
    </message>
    <message>
        <source>Add Run</source>
        <translation>Añadir carrera</translation>
    </message>
    <message>
        <source>Predicted (ft:s)</source>
        <translation>Prevista (ft:s)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Delete Run</source>
        <translation>Borrar carrera</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Earlier Runs...</source>
        <translation>Carreras anteriores...</translation>
    </message>
    <message>
        <source>Runs in the logbook of a design whose name and file both changed</source>
        <translation>Carreras del cuaderno de registro de un diseño que cambió de nombre y de archivo</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Fit the model to the runs on</source>
        <translation>Ajustar el modelo a las carreras en</translation>
    </message>
    <message>
        <source>Predict for track:</source>
        <translation>Prever para la pista:</translation>
    </message>
</context>
<context>
    <name>zindle::TolerancesWindow</name>
    <message>
        <source>board thickness</source>
        <translation>grosor de la placa</translation>
    </message>
    <message>
        <source>board density</source>
        <translation>densidad de la placa</translation>
    </message>
    <message>
        <source>outline</source>
        <translation>contorno</translation>
    </message>
    <message>
        <source>wheel diameter</source>
        <translation>diámetro de rueda</translation>
    </message>
    <message>
        <source>spring torque</source>
        <translation>par del resorte</translation>
    </message>
    <message>
        <source>rolling friction</source>
        <translation>fricción de rodadura</translation>
    </message>
    <message>
        <source>weight mass</source>
        <translation>masa de los pesos</translation>
    </message>
    <message>
        <source>Build Tolerances</source>
        <translation>Tolerancias de construcción</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Builds</source>
        <translation>Construcciones</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Race Chances</source>
        <translation>Posibilidades en carrera</translation>
    </message>
    <message>
        <source>How often each design that raced beats each other, every car built within these tolerances</source>
        <translation>Cuántas veces cada diseño que corrió gana a cada uno de los otros, con cada coche construido dentro de estas tolerancias</translation>
    </message>
    <message>
        <source>%1 - Build Tolerances</source>
        <translation>%1 - Tolerancias de construcción</translation>
    </message>
    <message>
        <source>Press Run to build %1 within these tolerances.</source>
        <translation>Pulsa «Ejecutar» para construir %1 dentro de estas tolerancias.</translation>
    </message>
    <message>
        <source>The %1 tolerance is a number of inches from 0 to 0.5, such as 0.0625 or 1/16.</source>
        <translation>La tolerancia «%1» es un número de pulgadas de 0 a 0.5, como 0.0625 o 1/16.</translation>
    </message>
    <message>
        <source>The %1 tolerance is a percentage from 0 to 50.</source>
        <translation>La tolerancia «%1» es un porcentaje de 0 a 50.</translation>
    </message>
    <message>
        <source>Build tolerances</source>
        <translation>Tolerancias de construcción</translation>
    </message>
    <message>
        <source>The number of builds is a whole number from 1 to 100000.</source>
        <translation>El número de construcciones es un número entero de 1 a 100000.</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 up.</source>
        <translation>La semilla es un número entero desde 0.</translation>
    </message>
    <message>
        <source>%1 of %2 builds</source>
        <translation>%1 de %2 construcciones</translation>
    </message>
    <message>
        <source>At least two designs must have raced (been simulated since their last change) to say who beats whom.</source>
        <translation>Al menos dos diseños deben haber corrido (haber sido simulados desde su último cambio) para decir quién gana a quién.</translation>
    </message>
    <message>
        <source>Building %1 designs</source>
        <translation>Construyendo %1 diseños</translation>
    </message>
    <message>
        <source>Building %1 designs, %2 builds each</source>
        <translation>Construyendo %1 diseños, %2 construcciones cada uno</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Row beats column in this share of builds</source>
        <translation>La fila gana a la columna en esta proporción de construcciones</translation>
    </message>
    <message>
        <source>Not built: %1</source>
        <translation>No construidos: %1</translation>
    </message>
    <message>
        <source>%1 beats %2 in %3 % of builds</source>
        <translation>%1 gana a %2 en el %3 % de las construcciones</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 builds</source>
        <translation>Detenido tras %1 de %2 construcciones</translation>
    </message>
    <message>
        <source>%1 builds</source>
        <translation>%1 construcciones</translation>
    </message>
</context>
<context>
    <name>zindle::WhatIfWindow</name>
    <message>
        <source>falls short of 15 ft (its run ends at %1 s)</source>
        <translation>no llega a 15 ft (la carrera termina a los %1 s)</translation>
    </message>
    <message>
        <source>%1 s to 15 ft</source>
        <translation>%1 s hasta 15 ft</translation>
    </message>
    <message>
        <source>What if</source>
        <translation>¿Qué pasaría si?</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Largo del resorte</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Ancho del resorte</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Diámetro de la rueda motriz</translation>
    </message>
    <message>
        <source>Weight mass</source>
        <translation>Masa del peso</translation>
    </message>
    <message>
        <source>Weight %1 mass</source>
        <translation>Masa del peso %1</translation>
    </message>
    <message>
        <source>Weight position</source>
        <translation>Posición del peso</translation>
    </message>
    <message>
        <source>Weight %1 position</source>
        <translation>Posición del peso %1</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Fricción</translation>
    </message>
    <message>
        <source>Apply spring length %1 to the design</source>
        <translation>Aplicar el largo del resorte %1 al diseño</translation>
    </message>
    <message>
        <source>Apply spring width %1 to the design</source>
        <translation>Aplicar el ancho del resorte %1 al diseño</translation>
    </message>
    <message>
        <source>Apply drive wheel diameter %1 to the design</source>
        <translation>Aplicar el diámetro de la rueda motriz %1 al diseño</translation>
    </message>
    <message>
        <source>Apply weight %1 mass %2 to the design</source>
        <translation>Aplicar la masa %2 del peso %1 al diseño</translation>
    </message>
    <message>
        <source>Apply weight %1 position %2 to the design</source>
        <translation>Aplicar la posición %2 del peso %1 al diseño</translation>
    </message>
    <message>
        <source>Apply friction %1 to the design</source>
        <translation>Aplicar la fricción %1 al diseño</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>¿Qué pasaría si?</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>%1 - What If</source>
        <translation>%1 - ¿Qué pasaría si?</translation>
    </message>
    <message>
        <source>Weight %1 (%2 lb)</source>
        <translation>Peso %1 (%2 lb)</translation>
    </message>
    <message>
        <source>The design has no added weight</source>
        <translation>El diseño no tiene ningún peso</translation>
    </message>
    <message>
        <source>%1 (built with a %2 in drive wheel, to fit the spring&apos;s case)</source>
        <translation>%1 (construido con una rueda motriz de %2 in, para que quepa la caja del resorte)</translation>
    </message>
    <message>
        <source>Now: %1; before: %2</source>
        <translation>Ahora: %1; antes: %2</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Ahora: %1</translation>
    </message>
</context>
</TS>
