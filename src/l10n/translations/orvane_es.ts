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
        <translation>Sel: </translation>
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
</TS>
