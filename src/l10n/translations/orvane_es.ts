<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Inglés (English)</translation>
    </message>
    <message>
        <source>Chinese (简体中文)</source>
        <translation>Chino (简体中文)</translation>
    </message>
    <message>
        <source>French (Français)</source>
        <translation>Francés (Français)</translation>
    </message>
    <message>
        <source>German (Deutsch)</source>
        <translation>Alemán (Deutsch)</translation>
    </message>
    <message>
        <source>Hebrew (עברית)</source>
        <translation>Hebreo (עברית)</translation>
    </message>
    <message>
        <source>Hungarian (Magyar)</source>
        <translation>Húngaro (Magyar)</translation>
    </message>
    <message>
        <source>Italian (Italiano)</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Korean (한국어)</source>
        <translation>Coreano (한국어)</translation>
    </message>
    <message>
        <source>Polish (Polski)</source>
        <translation>Polaco (Polski)</translation>
    </message>
    <message>
        <source>Portuguese (Português)</source>
        <translation>Portugués (Português)</translation>
    </message>
    <message>
        <source>Portuguese, Brazilian (Português Brasileiro)</source>
        <translation>Portugués de Brasil (Português Brasileiro)</translation>
    </message>
    <message>
        <source>Russian (Русский)</source>
        <translation>Ruso (Русский)</translation>
    </message>
    <message>
        <source>Slovak (Slovenčina)</source>
        <translation>Eslovaco (Slovenčina)</translation>
    </message>
    <message>
        <source>Spanish (Español)</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Swedish (Svenska)</source>
        <translation>Sueco (Svenska)</translation>
    </message>
    <message>
        <source>Ukrainian (Українська)</source>
        <translation>Ucraniano (Українська)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Orvane.ENG</source>
        <translation>Orvane.ESP</translation>
    </message>
    <message>
        <source>The default language of Orvane is English, you are using a localized version.</source>
        <translation>El idioma predeterminado de Orvane es el inglés; está usando una versión traducida.</translation>
    </message>
    <message>
        <source>Localization file:</source>
        <translation>Archivo de idioma:</translation>
    </message>
    <message>
        <source>Localized by: </source>
        <translation>Traducido por: equipo de traducción de Orvane (español)</translation>
    </message>
    <message>
        <source>You can change language from Settings/Options/Language</source>
        <translation>Puede cambiar el idioma en Configuración/Opciones/Idioma.</translation>
    </message>
    <message>
        <source>Failed to read INI file. The file is being used by another process.</source>
        <translation>No se pudo leer el archivo INI. Otro proceso lo está usando.</translation>
    </message>
    <message>
        <source>Could not open file: </source>
        <translation>No se pudo abrir el archivo: </translation>
    </message>
    <message>
        <source>Save changes to text?</source>
        <translation>¿Guardar los cambios del texto?</translation>
    </message>
    <message>
        <source>No printer found</source>
        <translation>No se encontró ninguna impresora</translation>
    </message>
    <message>
        <source>No default printer found, try to print anyway?</source>
        <translation>No se encontró ninguna impresora predeterminada. ¿Imprimir de todos modos?</translation>
    </message>
    <message>
        <source>Click to open link\n</source>
        <translation>Haga clic para abrir el enlace\n</translation>
    </message>
    <message>
        <source>Click to compose e-mail\n</source>
        <translation>Haga clic para escribir un correo\n</translation>
    </message>
    <message>
        <source>Double click to open link\n</source>
        <translation>Haga doble clic para abrir el enlace\n</translation>
    </message>
    <message>
        <source>CTRL + click to open link\n</source>
        <translation>CTRL + clic para abrir el enlace\n</translation>
    </message>
    <message>
        <source>Double click to compose e-mail\n</source>
        <translation>Haga doble clic para escribir un correo\n</translation>
    </message>
    <message>
        <source>CTRL + click to compose e-mail\n</source>
        <translation>CTRL + clic para escribir un correo\n</translation>
    </message>
    <message>
        <source>, Col: </source>
        <translation>, Col: </translation>
    </message>
    <message>
        <source>Ln: </source>
        <translation>Lín: </translation>
    </message>
    <message>
        <source>You have selected to not allow changes to the text. This can be turned off under the Settings menu.</source>
        <translation>Ha elegido no permitir cambios en el texto. Puede desactivarlo en el menú Configuración.</translation>
    </message>
    <message>
        <source>Change zoom level with Ctrl + mouse wheel or Ctrl + plus/minus</source>
        <translation>Cambie el zoom con Ctrl + rueda del ratón o Ctrl + más/menos</translation>
    </message>
    <message>
        <source>Reset with Ctrl + 0 or double click this text</source>
        <translation>Restablézcalo con Ctrl + 0 o haciendo doble clic en este texto</translation>
    </message>
    <message>
        <source>This will reset all Orvane settings, including file history.\n\nAre you sure you want to continue?</source>
        <translation>Se restablecerá toda la configuración de Orvane, incluido el historial de archivos.\n\n¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Auto width: only integer values allowed.</source>
        <translation>Ancho automático: solo se permiten números enteros.</translation>
    </message>
    <message>
        <source>Auto width: padding can not be blank (use 0 for no padding)</source>
        <translation>Ancho automático: el margen no puede estar vacío (use 0 para no dejar margen).</translation>
    </message>
    <message>
        <source>Auto width: min width can not be blank</source>
        <translation>Ancho automático: el ancho mínimo no puede estar vacío.</translation>
    </message>
    <message>
        <source>Auto width: max width can not be blank</source>
        <translation>Ancho automático: el ancho máximo no puede estar vacío.</translation>
    </message>
    <message>
        <source>Auto width: max width can not be smaller than min width.</source>
        <translation>Ancho automático: el ancho máximo no puede ser menor que el mínimo.</translation>
    </message>
    <message>
        <source>Tab size must be a positive integer. Default is 8.</source>
        <translation>El tamaño de tabulación debe ser un número entero positivo. El valor predeterminado es 8.</translation>
    </message>
    <message>
        <source>Text: </source>
        <translation>Texto: </translation>
    </message>
    <message>
        <source>Failed to write to INI file, make sure the file is not write protected. Do you want store program settings to the registry instead?</source>
        <translation>No se pudo escribir en el archivo INI; compruebe que no esté protegido contra escritura. ¿Desea guardar la configuración en el registro?</translation>
    </message>
    <message>
        <source>is not a valid integer value.</source>
        <translation>no es un número entero válido.</translation>
    </message>
    <message>
        <source>Occurences in text: </source>
        <translation>Apariciones en el texto: </translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Distinguir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Replaced </source>
        <translation>Reemplazadas: </translation>
    </message>
    <message>
        <source> occurrences in the text.</source>
        <translation> apariciones en el texto.</translation>
    </message>
    <message>
        <source>Text not found: </source>
        <translation>Texto no encontrado: </translation>
    </message>
    <message>
        <source>The application must be restarted for some of the settings to take effect</source>
        <translation>Debe reiniciar el programa para que algunos ajustes surtan efecto.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Sel: </source>
        <translation>Sel.: </translation>
    </message>
    <message>
        <source>There was an error writing the registry key. This could be because your user account doesn&apos;t have the required administrator rights to write to the Windows registry.</source>
        <translation>Se produjo un error al escribir la clave del registro. Es posible que su cuenta de usuario no tenga los permisos de administrador necesarios para escribir en el registro.</translation>
    </message>
    <message>
        <source>Failed to set the program language.</source>
        <translation>No se pudo establecer el idioma del programa.</translation>
    </message>
    <message>
        <source>Failed to locate the language file:</source>
        <translation>No se encontró el archivo de idioma:</translation>
    </message>
    <message>
        <source>Try reinstalling the program and make sure you add the languages you want to use.</source>
        <translation>Reinstale el programa y asegúrese de incluir los idiomas que desea usar.</translation>
    </message>
    <message>
        <source>Alpha blend value is set so low that the window will be almost invisible, are you sure you want to continue?</source>
        <translation>El valor de transparencia es tan bajo que la ventana será casi invisible. ¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>You have selected to not allow anything to be written to the registry, change this setting in the Options dialog, press OK and try again.</source>
        <translation>Ha elegido no permitir ninguna escritura en el registro. Cambie este ajuste en el cuadro de diálogo Opciones, pulse Aceptar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Are you sure you want to disable all write access to the windows registry?\n\nOrvane will not be able to:\n - Change application language from the Options dialog\n - Integrate into shell\n - Associate files\n - Make Orvane searchable from the start menu without a shortcut\n</source>
        <translation>¿Seguro que desea desactivar todo acceso de escritura al registro?\n\nOrvane no podrá:\n - cambiar el idioma del programa desde el cuadro de diálogo Opciones\n - integrarse en el entorno de escritorio\n - asociar tipos de archivo\n - aparecer en las búsquedas del menú Inicio sin un acceso directo\n</translation>
    </message>
    <message>
        <source>Are you sure you want to hide the menu bar? You can always bring it up again by pressing ALT.</source>
        <translation>¿Seguro que desea ocultar la barra de menús? Siempre puede volver a mostrarla pulsando ALT.</translation>
    </message>
    <message>
        <source>(Double click to copy)</source>
        <translation>(Doble clic para copiar)</translation>
    </message>
    <message>
        <source>You can also try to start Orvane as administrator (available when right clicking the Orvane shortcut in windows).</source>
        <translation>También puede intentar iniciar Orvane como administrador (desde el menú contextual del acceso directo de Orvane).</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Encoding:</source>
        <translation>Codificación:</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>This is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>The file is too large (%1 MB; at most %2 MB can be opened).</source>
        <translation>El archivo es demasiado grande (%1 MB; se pueden abrir como máximo %2 MB).</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a regular file.</source>
        <translation>Es un dispositivo o una tubería, no un archivo normal.</translation>
    </message>
    <message>
        <source>Could not save file: </source>
        <translation>No se pudo guardar el archivo: </translation>
    </message>
    <message>
        <source>The file is read-only or not a regular file.</source>
        <translation>El archivo es de solo lectura o no es un archivo normal.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>ANSI</source>
        <translation>ANSI</translation>
    </message>
    <message>
        <source>UTF-8 (Default Unicode)</source>
        <translation>UTF-8 (Unicode predeterminado)</translation>
    </message>
    <message>
        <source>UTF-16 (Little Endian)</source>
        <translation>UTF-16 (Little Endian)</translation>
    </message>
    <message>
        <source>UTF-16 (Big Endian)</source>
        <translation>UTF-16 (Big Endian)</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>There is not enough free memory to open the file (%1 MB; it needs about %2 MB of memory, %3 MB are free).</source>
        <translation>No hay memoria libre suficiente para abrir el archivo (%1 MB; se necesitan unos %2 MB de memoria y hay %3 MB libres).</translation>
    </message>
    <message>
        <source>The file name is not valid in the system&apos;s encoding and cannot be read.</source>
        <translation>El nombre del archivo no es válido en la codificación del sistema y no se puede leer.</translation>
    </message>
</context>
<context>
    <name>TformAddRemovePrefix</name>
    <message>
        <source>Add/remove prefix</source>
        <translation>Añadir/quitar prefijo</translation>
    </message>
    <message>
        <source>String to add/remove at the start of the selected lines:</source>
        <translation>Texto que se añade/quita al principio de las líneas seleccionadas:</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
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
        <source>Remember string after exit</source>
        <translation>Recordar el texto al salir</translation>
    </message>
</context>
<context>
    <name>TformGoto</name>
    <message>
        <source>Go to line</source>
        <translation>Ir a la línea</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Line number</source>
        <translation>Número de línea</translation>
    </message>
    <message>
        <source>Type the line number you want to find in the text</source>
        <translation>Escriba el número de la línea del texto a la que quiere ir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TformIniFileLocation</name>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source> Save INI file to: </source>
        <translation> Guardar el archivo INI en: </translation>
    </message>
    <message>
        <source>Save in the Orvane directory for total portability</source>
        <translation>Guardar en la carpeta de Orvane para que sea totalmente portátil</translation>
    </message>
    <message>
        <source>Same directory as Orvane</source>
        <translation>En la misma carpeta que Orvane</translation>
    </message>
    <message>
        <source>Saving INI to AppData will ensure Window&apos;s UAC doesn&apos;t show a warning when saving settings.</source>
        <translation>En la carpeta de configuración del usuario, el archivo INI siempre se puede escribir sin advertencias al guardar la configuración.</translation>
    </message>
    <message>
        <source>Current user&apos;s AppData folder</source>
        <translation>Carpeta de configuración del usuario actual</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TformMain</name>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Font Selection</source>
        <translation>&amp;Selección de fuente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>Nueva &amp;ventana</translation>
    </message>
    <message>
        <source>Ctrl+Alt+W</source>
        <translation>Ctrl+Alt+W</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Ctrl+Alt+S</source>
        <translation>Ctrl+Alt+S</translation>
    </message>
    <message>
        <source>Open Ne&amp;xt In Current Folder</source>
        <translation>Abrir el archivo &amp;siguiente de la carpeta</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Open Pre&amp;vious In Current Folder</source>
        <translation>Abrir el archivo an&amp;terior de la carpeta</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Seleccionar todo el texto</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Always use &amp;NFO font (ASCII)</source>
        <translation>Usar siempre la fuente &amp;NFO (ASCII)</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Always use &amp;text font</source>
        <translation>Usar siempre la fuente de &amp;texto</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Determine by extension, default to n&amp;fo</source>
        <translation>Según la extensión, n&amp;fo por defecto</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Determine by extension, default to t&amp;xt</source>
        <translation>Según la extensión, t&amp;xt por defecto</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>&amp;Ajuste de línea</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Localization information</source>
        <translation>Información de &amp;localización</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>All text files (*.nfo *.diz *.txt)</source>
        <translation>Todos los archivos de texto (*.nfo *.diz *.txt)</translation>
    </message>
    <message>
        <source>Info files (*.nfo *.diz)</source>
        <translation>Archivos de información (*.nfo *.diz)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>nfo file (*.nfo)</source>
        <translation>Archivo NFO (*.nfo)</translation>
    </message>
    <message>
        <source>diz file (*.diz)</source>
        <translation>Archivo DIZ (*.diz)</translation>
    </message>
    <message>
        <source>C&amp;hange Case</source>
        <translation>Cambiar ma&amp;yúsculas/minúsculas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Status Bar &amp;Items</source>
        <translation>&amp;Elementos de la barra de estado</translation>
    </message>
    <message>
        <source>A&amp;uto Window Width</source>
        <translation>Ancho de ventana a&amp;utomático</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>Siempre &amp;encima</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>&amp;Enable Alpha Blending</source>
        <translation>Activar &amp;transparencia</translation>
    </message>
    <message>
        <source>Ctrl+Alt+B</source>
        <translation>Ctrl+Alt+B</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Ctrl+Num+/</source>
        <translation>Ctrl+Num+/</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Restablecer el zoom</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Menu Bar</source>
        <translation>Barra de &amp;menús</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>&amp;Delete Line</source>
        <translation>&amp;Eliminar línea</translation>
    </message>
    <message>
        <source>Shift+Del</source>
        <translation>Shift+Del</translation>
    </message>
    <message>
        <source>Tabify selected lines</source>
        <translation>Convertir espacios en tabulaciones en las líneas seleccionadas</translation>
    </message>
    <message>
        <source>Untabify selected lines</source>
        <translation>Convertir tabulaciones en espacios en las líneas seleccionadas</translation>
    </message>
    <message>
        <source>Sort selected lines A-&gt;Z</source>
        <translation>Ordenar las líneas seleccionadas A-&gt;Z</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Sort selected lines Z-&gt;A</source>
        <translation>Ordenar las líneas seleccionadas Z-&gt;A</translation>
    </message>
    <message>
        <source>Alt+Shift+T</source>
        <translation>Alt+Shift+T</translation>
    </message>
    <message>
        <source>Insert Time/Date</source>
        <translation>Insertar hora/fecha</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Add/remove string to start of selected lines...</source>
        <translation>Añadir/quitar texto al principio de las líneas seleccionadas...</translation>
    </message>
    <message>
        <source>Add last string to selected lines</source>
        <translation>Añadir el último texto a las líneas seleccionadas</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Remove last string from selected lines</source>
        <translation>Quitar el último texto de las líneas seleccionadas</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;MAYÚSCULAS</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>mi&amp;núsculas</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Sentence case.</source>
        <translation>Tipo &amp;oración.</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>&amp;Tipo Título</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;iNVERT cASE</source>
        <translation>&amp;iNVERTIR mAYÚSCULAS</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Buscar a&amp;nterior</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Shift+F3</translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation>&amp;Reemplazar...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Ir a...</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Ctrl+F2</source>
        <translation>Ctrl+F2</translation>
    </message>
    <message>
        <source>&amp;Caret Position</source>
        <translation>Posición del &amp;cursor</translation>
    </message>
    <message>
        <source>Selection &amp;Length</source>
        <translation>&amp;Longitud de la selección</translation>
    </message>
    <message>
        <source>&amp;Read Only Indicator</source>
        <translation>Indicador de &amp;solo lectura</translation>
    </message>
    <message>
        <source>&amp;Overwrite Indicator</source>
        <translation>Indicador de so&amp;brescritura</translation>
    </message>
    <message>
        <source>&amp;Unicode Indicator</source>
        <translation>Indicador &amp;Unicode</translation>
    </message>
    <message>
        <source>File &amp;Size</source>
        <translation>&amp;Tamaño del archivo</translation>
    </message>
    <message>
        <source>&amp;Zoom Level</source>
        <translation>Nivel de &amp;zoom</translation>
    </message>
    <message>
        <source>File &amp;Path</source>
        <translation>&amp;Ruta del archivo</translation>
    </message>
    <message>
        <source>Loading... %1%</source>
        <translation>Cargando... %1 %</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>SOLO LECT.</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>SOBRESCR.</translation>
    </message>
</context>
<context>
    <name>TformMyFind</name>
    <message>
        <source>Find text</source>
        <translation>Buscar texto</translation>
    </message>
    <message>
        <source>Type the text you want to find here</source>
        <translation>Escriba aquí el texto que quiere buscar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Click to search or press enter</source>
        <translation>Haga clic o pulse Intro para buscar</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Reemplazar por:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Click to find and replace the match with the text typed to the left</source>
        <translation>Haga clic para buscar la coincidencia y reemplazarla por el texto escrito a la izquierda</translation>
    </message>
    <message>
        <source>Count search hits</source>
        <translation>Contar coincidencias</translation>
    </message>
    <message>
        <source>Counts the number of occurences of the search string in the text</source>
        <translation>Cuenta cuántas veces aparece el texto buscado en el texto</translation>
    </message>
    <message>
        <source>Type the text you want to replace with here</source>
        <translation>Escriba aquí el texto de reemplazo</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Reemplazar todo</translation>
    </message>
    <message>
        <source>Replace all instances in the text with the text typed to the left of the Replace button. There is no undo on this operation.</source>
        <translation>Reemplaza todas las apariciones en el texto por el texto escrito a la izquierda del botón Reemplazar. Esta operación no se puede deshacer.</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Coincidir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Only finds the text if the casing matches</source>
        <translation>Solo encuentra el texto si coinciden las mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Search up</source>
        <translation>Buscar hacia arriba</translation>
    </message>
    <message>
        <source>Reverse search direction</source>
        <translation>Invierte la dirección de búsqueda</translation>
    </message>
    <message>
        <source>Loop search</source>
        <translation>Búsqueda circular</translation>
    </message>
    <message>
        <source>Will continue searching from the top of the text when the bottom is reached</source>
        <translation>Continúa buscando desde el principio del texto al llegar al final</translation>
    </message>
    <message>
        <source>Always start new search from the top</source>
        <translation>Empezar siempre una búsqueda nueva desde el principio</translation>
    </message>
    <message>
        <source>Always starts searching from the top for a new word</source>
        <translation>Empieza siempre desde el principio al buscar una palabra nueva</translation>
    </message>
    <message>
        <source>Close dialog on Find</source>
        <translation>Cerrar el cuadro de diálogo al encontrar</translation>
    </message>
    <message>
        <source>Will close the dialog if a match is found (use F3 to find next match)</source>
        <translation>Cierra el cuadro de diálogo al encontrar una coincidencia (F3 busca la siguiente)</translation>
    </message>
    <message>
        <source>Search while typing</source>
        <translation>Buscar mientras escribe</translation>
    </message>
    <message>
        <source>Text not found</source>
        <translation>Texto no encontrado</translation>
    </message>
</context>
<context>
    <name>TformUnicodeWarning</name>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>The text contains characters that will be lost if saved with the selected encoding.</source>
        <translation>El texto contiene caracteres que se perderán al guardarlo con la codificación elegida.</translation>
    </message>
    <message>
        <source>Save as Unicode</source>
        <translation>Guardar como Unicode</translation>
    </message>
    <message>
        <source>Save as UTF-8</source>
        <translation>Guardar como UTF-8</translation>
    </message>
    <message>
        <source>Save anyway (not recommended)</source>
        <translation>Guardar de todos modos (no recomendado)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source> byte</source>
        <translation> B</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>UTF-16 LE</source>
        <translation>UTF-16 LE</translation>
    </message>
    <message>
        <source>UTF-16 BE</source>
        <translation>UTF-16 BE</translation>
    </message>
    <message>
        <source>Codepage: </source>
        <translation>Página de códigos: </translation>
    </message>
</context>
</TS>
