<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Englisch (English)</translation>
    </message>
    <message>
        <source>Chinese (简体中文)</source>
        <translation>Chinesisch (简体中文)</translation>
    </message>
    <message>
        <source>French (Français)</source>
        <translation>Französisch (Français)</translation>
    </message>
    <message>
        <source>German (Deutsch)</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Hebrew (עברית)</source>
        <translation>Hebräisch (עברית)</translation>
    </message>
    <message>
        <source>Hungarian (Magyar)</source>
        <translation>Ungarisch (Magyar)</translation>
    </message>
    <message>
        <source>Italian (Italiano)</source>
        <translation>Italienisch (Italiano)</translation>
    </message>
    <message>
        <source>Korean (한국어)</source>
        <translation>Koreanisch (한국어)</translation>
    </message>
    <message>
        <source>Polish (Polski)</source>
        <translation>Polnisch (Polski)</translation>
    </message>
    <message>
        <source>Portuguese (Português)</source>
        <translation>Portugiesisch (Português)</translation>
    </message>
    <message>
        <source>Portuguese, Brazilian (Português Brasileiro)</source>
        <translation>Portugiesisch, Brasilien (Português Brasileiro)</translation>
    </message>
    <message>
        <source>Russian (Русский)</source>
        <translation>Russisch (Русский)</translation>
    </message>
    <message>
        <source>Slovak (Slovenčina)</source>
        <translation>Slowakisch (Slovenčina)</translation>
    </message>
    <message>
        <source>Spanish (Español)</source>
        <translation>Spanisch (Español)</translation>
    </message>
    <message>
        <source>Swedish (Svenska)</source>
        <translation>Schwedisch (Svenska)</translation>
    </message>
    <message>
        <source>Ukrainian (Українська)</source>
        <translation>Ukrainisch (Українська)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Orvane.ENG</source>
        <translation>Orvane.DEU</translation>
    </message>
    <message>
        <source>The default language of Orvane is English, you are using a localized version.</source>
        <translation>Die Standardsprache von Orvane ist Englisch; Sie verwenden eine übersetzte Fassung.</translation>
    </message>
    <message>
        <source>Localization file:</source>
        <translation>Sprachdatei:</translation>
    </message>
    <message>
        <source>Localized by: </source>
        <translation>Übersetzt von: Orvane-Übersetzungsteam (Deutsch)</translation>
    </message>
    <message>
        <source>You can change language from Settings/Options/Language</source>
        <translation>Die Sprache können Sie unter Einstellungen/Optionen/Sprache ändern.</translation>
    </message>
    <message>
        <source>Failed to read INI file. The file is being used by another process.</source>
        <translation>Die INI-Datei konnte nicht gelesen werden. Sie wird von einem anderen Prozess verwendet.</translation>
    </message>
    <message>
        <source>Could not open file: </source>
        <translation>Datei konnte nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Save changes to text?</source>
        <translation>Änderungen am Text speichern?</translation>
    </message>
    <message>
        <source>No printer found</source>
        <translation>Kein Drucker gefunden</translation>
    </message>
    <message>
        <source>No default printer found, try to print anyway?</source>
        <translation>Kein Standarddrucker gefunden. Trotzdem drucken?</translation>
    </message>
    <message>
        <source>Click to open link\n</source>
        <translation>Klicken, um den Link zu öffnen\n</translation>
    </message>
    <message>
        <source>Click to compose e-mail\n</source>
        <translation>Klicken, um eine E-Mail zu schreiben\n</translation>
    </message>
    <message>
        <source>Double click to open link\n</source>
        <translation>Doppelklicken, um den Link zu öffnen\n</translation>
    </message>
    <message>
        <source>CTRL + click to open link\n</source>
        <translation>STRG + Klick öffnet den Link\n</translation>
    </message>
    <message>
        <source>Double click to compose e-mail\n</source>
        <translation>Doppelklicken, um eine E-Mail zu schreiben\n</translation>
    </message>
    <message>
        <source>CTRL + click to compose e-mail\n</source>
        <translation>STRG + Klick schreibt eine E-Mail\n</translation>
    </message>
    <message>
        <source>, Col: </source>
        <translation>, Sp: </translation>
    </message>
    <message>
        <source>Ln: </source>
        <translation>Z: </translation>
    </message>
    <message>
        <source>You have selected to not allow changes to the text. This can be turned off under the Settings menu.</source>
        <translation>Sie haben eingestellt, dass der Text nicht geändert werden darf. Das lässt sich im Menü „Einstellungen“ wieder abschalten.</translation>
    </message>
    <message>
        <source>Change zoom level with Ctrl + mouse wheel or Ctrl + plus/minus</source>
        <translation>Zoomstufe mit Strg + Mausrad oder Strg + Plus/Minus ändern</translation>
    </message>
    <message>
        <source>Reset with Ctrl + 0 or double click this text</source>
        <translation>Zurücksetzen mit Strg + 0 oder Doppelklick auf diesen Text</translation>
    </message>
    <message>
        <source>This will reset all Orvane settings, including file history.\n\nAre you sure you want to continue?</source>
        <translation>Damit werden alle Einstellungen von Orvane zurückgesetzt, auch die Liste der zuletzt geöffneten Dateien.\n\nMöchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Auto width: only integer values allowed.</source>
        <translation>Automatische Breite: Nur ganze Zahlen sind erlaubt.</translation>
    </message>
    <message>
        <source>Auto width: padding can not be blank (use 0 for no padding)</source>
        <translation>Automatische Breite: Der Rand darf nicht leer sein (0 für keinen Rand).</translation>
    </message>
    <message>
        <source>Auto width: min width can not be blank</source>
        <translation>Automatische Breite: Die Mindestbreite darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Auto width: max width can not be blank</source>
        <translation>Automatische Breite: Die Höchstbreite darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Auto width: max width can not be smaller than min width.</source>
        <translation>Automatische Breite: Die Höchstbreite darf nicht kleiner als die Mindestbreite sein.</translation>
    </message>
    <message>
        <source>Tab size must be a positive integer. Default is 8.</source>
        <translation>Die Tabulatorweite muss eine positive ganze Zahl sein. Standard ist 8.</translation>
    </message>
    <message>
        <source>Text: </source>
        <translation>Text: </translation>
    </message>
    <message>
        <source>Failed to write to INI file, make sure the file is not write protected. Do you want store program settings to the registry instead?</source>
        <translation>In die INI-Datei konnte nicht geschrieben werden. Bitte prüfen Sie, ob sie schreibgeschützt ist. Möchten Sie die Einstellungen stattdessen in der Registrierung speichern?</translation>
    </message>
    <message>
        <source>is not a valid integer value.</source>
        <translation>ist keine gültige ganze Zahl.</translation>
    </message>
    <message>
        <source>Occurences in text: </source>
        <translation>Vorkommen im Text: </translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Replaced </source>
        <translation>Ersetzt: </translation>
    </message>
    <message>
        <source> occurrences in the text.</source>
        <translation> Vorkommen im Text.</translation>
    </message>
    <message>
        <source>Text not found: </source>
        <translation>Text nicht gefunden: </translation>
    </message>
    <message>
        <source>The application must be restarted for some of the settings to take effect</source>
        <translation>Damit einige Einstellungen wirksam werden, muss das Programm neu gestartet werden.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Sel: </source>
        <translation>Ausw.: </translation>
    </message>
    <message>
        <source>There was an error writing the registry key. This could be because your user account doesn&apos;t have the required administrator rights to write to the Windows registry.</source>
        <translation>Beim Schreiben des Registrierungsschlüssels ist ein Fehler aufgetreten. Möglicherweise fehlen Ihrem Benutzerkonto die Administratorrechte, die zum Schreiben in die Registrierung nötig sind.</translation>
    </message>
    <message>
        <source>Failed to set the program language.</source>
        <translation>Die Programmsprache konnte nicht eingestellt werden.</translation>
    </message>
    <message>
        <source>Failed to locate the language file:</source>
        <translation>Die Sprachdatei wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>Try reinstalling the program and make sure you add the languages you want to use.</source>
        <translation>Installieren Sie das Programm neu und wählen Sie dabei die gewünschten Sprachen aus.</translation>
    </message>
    <message>
        <source>Alpha blend value is set so low that the window will be almost invisible, are you sure you want to continue?</source>
        <translation>Der Transparenzwert ist so niedrig, dass das Fenster kaum noch zu sehen sein wird. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>You have selected to not allow anything to be written to the registry, change this setting in the Options dialog, press OK and try again.</source>
        <translation>Sie haben eingestellt, dass nichts in die Registrierung geschrieben werden darf. Ändern Sie diese Einstellung im Dialog „Optionen“, klicken Sie auf OK und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Are you sure you want to disable all write access to the windows registry?\n\nOrvane will not be able to:\n - Change application language from the Options dialog\n - Integrate into shell\n - Associate files\n - Make Orvane searchable from the start menu without a shortcut\n</source>
        <translation>Möchten Sie wirklich jeden Schreibzugriff auf die Registrierung abschalten?\n\nOrvane kann dann nicht mehr:\n - die Programmsprache im Dialog „Optionen“ ändern\n - sich in die Arbeitsumgebung einbinden\n - Dateitypen zuordnen\n - sich ohne Verknüpfung über das Startmenü finden lassen\n</translation>
    </message>
    <message>
        <source>Are you sure you want to hide the menu bar? You can always bring it up again by pressing ALT.</source>
        <translation>Möchten Sie die Menüleiste wirklich ausblenden? Mit der ALT-Taste können Sie sie jederzeit wieder einblenden.</translation>
    </message>
    <message>
        <source>(Double click to copy)</source>
        <translation>(Doppelklick zum Kopieren)</translation>
    </message>
    <message>
        <source>You can also try to start Orvane as administrator (available when right clicking the Orvane shortcut in windows).</source>
        <translation>Sie können auch versuchen, Orvane als Administrator zu starten (über das Kontextmenü der Orvane-Verknüpfung).</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Encoding:</source>
        <translation>Kodierung:</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>This is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>The file is too large (%1 MB; at most %2 MB can be opened).</source>
        <translation>Die Datei ist zu groß (%1 MB; höchstens %2 MB lassen sich öffnen).</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a regular file.</source>
        <translation>Das ist ein Gerät oder eine Pipe, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Could not save file: </source>
        <translation>Datei konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>The file is read-only or not a regular file.</source>
        <translation>Die Datei ist schreibgeschützt oder keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ANSI</source>
        <translation>ANSI</translation>
    </message>
    <message>
        <source>UTF-8 (Default Unicode)</source>
        <translation>UTF-8 (Standard-Unicode)</translation>
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
        <translation>Zum Öffnen der Datei ist nicht genug freier Speicher vorhanden (%1 MB; benötigt werden etwa %2 MB Arbeitsspeicher, frei sind %3 MB).</translation>
    </message>
    <message>
        <source>The file name is not valid in the system&apos;s encoding and cannot be read.</source>
        <translation>Der Dateiname ist in der Zeichenkodierung des Systems ungültig; die Datei kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>TformAddRemovePrefix</name>
    <message>
        <source>Add/remove prefix</source>
        <translation>Präfix hinzufügen/entfernen</translation>
    </message>
    <message>
        <source>String to add/remove at the start of the selected lines:</source>
        <translation>Text, der am Anfang der markierten Zeilen hinzugefügt/entfernt wird:</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <source>Remember string after exit</source>
        <translation>Text nach dem Beenden merken</translation>
    </message>
</context>
<context>
    <name>TformGoto</name>
    <message>
        <source>Go to line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Line number</source>
        <translation>Zeilennummer</translation>
    </message>
    <message>
        <source>Type the line number you want to find in the text</source>
        <translation>Geben Sie die Nummer der Zeile ein, zu der Sie springen möchten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation> INI-Datei speichern in: </translation>
    </message>
    <message>
        <source>Save in the Orvane directory for total portability</source>
        <translation>Im Orvane-Ordner speichern, damit das Programm vollständig portabel bleibt</translation>
    </message>
    <message>
        <source>Same directory as Orvane</source>
        <translation>Im selben Ordner wie Orvane</translation>
    </message>
    <message>
        <source>Saving INI to AppData will ensure Window&apos;s UAC doesn&apos;t show a warning when saving settings.</source>
        <translation>Im persönlichen Einstellungsordner kann die INI-Datei immer geschrieben werden, ohne dass beim Speichern eine Warnung erscheint.</translation>
    </message>
    <message>
        <source>Current user&apos;s AppData folder</source>
        <translation>Einstellungsordner des aktuellen Benutzers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Font Selection</source>
        <translation>&amp;Schriftauswahl</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>Neues &amp;Fenster</translation>
    </message>
    <message>
        <source>Ctrl+Alt+W</source>
        <translation>Ctrl+Alt+W</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Erneut laden</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Ctrl+Alt+S</source>
        <translation>Ctrl+Alt+S</translation>
    </message>
    <message>
        <source>Open Ne&amp;xt In Current Folder</source>
        <translation>Nä&amp;chste Datei im Ordner öffnen</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Open Pre&amp;vious In Current Folder</source>
        <translation>&amp;Vorherige Datei im Ordner öffnen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Den ganzen Text markieren</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Always use &amp;NFO font (ASCII)</source>
        <translation>Immer &amp;NFO-Schrift verwenden (ASCII)</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Always use &amp;text font</source>
        <translation>Immer &amp;Textschrift verwenden</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Determine by extension, default to n&amp;fo</source>
        <translation>Nach Dateiendung, sonst n&amp;fo</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Determine by extension, default to t&amp;xt</source>
        <translation>Nach Dateiendung, sonst t&amp;xt</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>&amp;Zeilenumbruch</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Localization information</source>
        <translation>Informationen zur &amp;Übersetzung</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All text files (*.nfo *.diz *.txt)</source>
        <translation>Alle Textdateien (*.nfo *.diz *.txt)</translation>
    </message>
    <message>
        <source>Info files (*.nfo *.diz)</source>
        <translation>Infodateien (*.nfo *.diz)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>nfo file (*.nfo)</source>
        <translation>NFO-Datei (*.nfo)</translation>
    </message>
    <message>
        <source>diz file (*.diz)</source>
        <translation>DIZ-Datei (*.diz)</translation>
    </message>
    <message>
        <source>C&amp;hange Case</source>
        <translation>Schrei&amp;bweise ändern</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Status Bar &amp;Items</source>
        <translation>&amp;Elemente der Statusleiste</translation>
    </message>
    <message>
        <source>A&amp;uto Window Width</source>
        <translation>Automatische Fenster&amp;breite</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>&amp;Enable Alpha Blending</source>
        <translation>&amp;Transparenz einschalten</translation>
    </message>
    <message>
        <source>Ctrl+Alt+B</source>
        <translation>Ctrl+Alt+B</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Ctrl+Num+/</source>
        <translation>Ctrl+Num+/</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Menu Bar</source>
        <translation>&amp;Menüleiste</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>&amp;Delete Line</source>
        <translation>Zeile &amp;löschen</translation>
    </message>
    <message>
        <source>Shift+Del</source>
        <translation>Shift+Del</translation>
    </message>
    <message>
        <source>Tabify selected lines</source>
        <translation>Leerzeichen der markierten Zeilen in Tabulatoren umwandeln</translation>
    </message>
    <message>
        <source>Untabify selected lines</source>
        <translation>Tabulatoren der markierten Zeilen in Leerzeichen umwandeln</translation>
    </message>
    <message>
        <source>Sort selected lines A-&gt;Z</source>
        <translation>Markierte Zeilen sortieren A-&gt;Z</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Sort selected lines Z-&gt;A</source>
        <translation>Markierte Zeilen sortieren Z-&gt;A</translation>
    </message>
    <message>
        <source>Alt+Shift+T</source>
        <translation>Alt+Shift+T</translation>
    </message>
    <message>
        <source>Insert Time/Date</source>
        <translation>Uhrzeit/Datum einfügen</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Add/remove string to start of selected lines...</source>
        <translation>Text am Anfang der markierten Zeilen hinzufügen/entfernen...</translation>
    </message>
    <message>
        <source>Add last string to selected lines</source>
        <translation>Letzten Text den markierten Zeilen voranstellen</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Remove last string from selected lines</source>
        <translation>Letzten Text von den markierten Zeilen entfernen</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>&amp;kleinbuchstaben</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Sentence case.</source>
        <translation>&amp;Satzanfang groß.</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>&amp;Wortanfänge Groß</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;iNVERT cASE</source>
        <translation>gROSS/kLEIN &amp;tAUSCHEN</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>&amp;Vorheriges suchen</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Shift+F3</translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation>Erse&amp;tzen...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>Gehe &amp;zu...</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Ctrl+F2</source>
        <translation>Ctrl+F2</translation>
    </message>
    <message>
        <source>&amp;Caret Position</source>
        <translation>&amp;Cursorposition</translation>
    </message>
    <message>
        <source>Selection &amp;Length</source>
        <translation>Länge der &amp;Auswahl</translation>
    </message>
    <message>
        <source>&amp;Read Only Indicator</source>
        <translation>&amp;Schreibschutz-Anzeige</translation>
    </message>
    <message>
        <source>&amp;Overwrite Indicator</source>
        <translation>&amp;Überschreibmodus-Anzeige</translation>
    </message>
    <message>
        <source>&amp;Unicode Indicator</source>
        <translation>&amp;Unicode-Anzeige</translation>
    </message>
    <message>
        <source>File &amp;Size</source>
        <translation>Datei&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Zoom Level</source>
        <translation>&amp;Zoomstufe</translation>
    </message>
    <message>
        <source>File &amp;Path</source>
        <translation>Datei&amp;pfad</translation>
    </message>
    <message>
        <source>Loading... %1%</source>
        <translation>Wird geladen... %1 %</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>NUR LESEN</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>ÜBERSCHR.</translation>
    </message>
</context>
<context>
    <name>TformMyFind</name>
    <message>
        <source>Find text</source>
        <translation>Text suchen</translation>
    </message>
    <message>
        <source>Type the text you want to find here</source>
        <translation>Geben Sie hier den gesuchten Text ein</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Click to search or press enter</source>
        <translation>Klicken oder Eingabetaste drücken, um zu suchen</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Click to find and replace the match with the text typed to the left</source>
        <translation>Klicken, um den Fund zu suchen und durch den links eingegebenen Text zu ersetzen</translation>
    </message>
    <message>
        <source>Count search hits</source>
        <translation>Treffer zählen</translation>
    </message>
    <message>
        <source>Counts the number of occurences of the search string in the text</source>
        <translation>Zählt, wie oft der Suchtext im Text vorkommt</translation>
    </message>
    <message>
        <source>Type the text you want to replace with here</source>
        <translation>Geben Sie hier den Ersatztext ein</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>Replace all instances in the text with the text typed to the left of the Replace button. There is no undo on this operation.</source>
        <translation>Ersetzt alle Fundstellen im Text durch den Text links neben der Schaltfläche „Ersetzen“. Dieser Vorgang lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Only finds the text if the casing matches</source>
        <translation>Findet den Text nur bei gleicher Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Search up</source>
        <translation>Aufwärts suchen</translation>
    </message>
    <message>
        <source>Reverse search direction</source>
        <translation>Suchrichtung umkehren</translation>
    </message>
    <message>
        <source>Loop search</source>
        <translation>Am Ende von vorn beginnen</translation>
    </message>
    <message>
        <source>Will continue searching from the top of the text when the bottom is reached</source>
        <translation>Setzt die Suche am Textanfang fort, wenn das Ende erreicht ist</translation>
    </message>
    <message>
        <source>Always start new search from the top</source>
        <translation>Neue Suche immer am Anfang beginnen</translation>
    </message>
    <message>
        <source>Always starts searching from the top for a new word</source>
        <translation>Beginnt die Suche nach einem neuen Begriff immer am Textanfang</translation>
    </message>
    <message>
        <source>Close dialog on Find</source>
        <translation>Dialog nach dem Finden schließen</translation>
    </message>
    <message>
        <source>Will close the dialog if a match is found (use F3 to find next match)</source>
        <translation>Schließt den Dialog, sobald ein Treffer gefunden wurde (F3 sucht weiter)</translation>
    </message>
    <message>
        <source>Search while typing</source>
        <translation>Beim Tippen suchen</translation>
    </message>
    <message>
        <source>Text not found</source>
        <translation>Text nicht gefunden</translation>
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
        <translation>Der Text enthält Zeichen, die beim Speichern mit der gewählten Kodierung verloren gehen.</translation>
    </message>
    <message>
        <source>Save as Unicode</source>
        <translation>Als Unicode speichern</translation>
    </message>
    <message>
        <source>Save as UTF-8</source>
        <translation>Als UTF-8 speichern</translation>
    </message>
    <message>
        <source>Save anyway (not recommended)</source>
        <translation>Trotzdem speichern (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Codeseite: </translation>
    </message>
</context>
</TS>
