<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</context>
</TS>
