<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Anglais (English)</translation>
    </message>
    <message>
        <source>Chinese (简体中文)</source>
        <translation>Chinois (简体中文)</translation>
    </message>
    <message>
        <source>French (Français)</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German (Deutsch)</source>
        <translation>Allemand (Deutsch)</translation>
    </message>
    <message>
        <source>Hebrew (עברית)</source>
        <translation>Hébreu (עברית)</translation>
    </message>
    <message>
        <source>Hungarian (Magyar)</source>
        <translation>Hongrois (Magyar)</translation>
    </message>
    <message>
        <source>Italian (Italiano)</source>
        <translation>Italien (Italiano)</translation>
    </message>
    <message>
        <source>Korean (한국어)</source>
        <translation>Coréen (한국어)</translation>
    </message>
    <message>
        <source>Polish (Polski)</source>
        <translation>Polonais (Polski)</translation>
    </message>
    <message>
        <source>Portuguese (Português)</source>
        <translation>Portugais (Português)</translation>
    </message>
    <message>
        <source>Portuguese, Brazilian (Português Brasileiro)</source>
        <translation>Portugais du Brésil (Português Brasileiro)</translation>
    </message>
    <message>
        <source>Russian (Русский)</source>
        <translation>Russe (Русский)</translation>
    </message>
    <message>
        <source>Slovak (Slovenčina)</source>
        <translation>Slovaque (Slovenčina)</translation>
    </message>
    <message>
        <source>Spanish (Español)</source>
        <translation>Espagnol (Español)</translation>
    </message>
    <message>
        <source>Swedish (Svenska)</source>
        <translation>Suédois (Svenska)</translation>
    </message>
    <message>
        <source>Ukrainian (Українська)</source>
        <translation>Ukrainien (Українська)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Orvane.ENG</source>
        <translation>Orvane.FRA</translation>
    </message>
    <message>
        <source>The default language of Orvane is English, you are using a localized version.</source>
        <translation>La langue par défaut d’Orvane est l’anglais ; vous utilisez une version traduite.</translation>
    </message>
    <message>
        <source>Localization file:</source>
        <translation>Fichier de langue :</translation>
    </message>
    <message>
        <source>Localized by: </source>
        <translation>Traduit par : équipe de traduction d’Orvane (français)</translation>
    </message>
    <message>
        <source>You can change language from Settings/Options/Language</source>
        <translation>Vous pouvez changer de langue dans Paramètres/Options/Langue.</translation>
    </message>
    <message>
        <source>Failed to read INI file. The file is being used by another process.</source>
        <translation>Impossible de lire le fichier INI. Il est utilisé par un autre processus.</translation>
    </message>
    <message>
        <source>Could not open file: </source>
        <translation>Impossible d’ouvrir le fichier : </translation>
    </message>
    <message>
        <source>Save changes to text?</source>
        <translation>Enregistrer les modifications du texte ?</translation>
    </message>
    <message>
        <source>No printer found</source>
        <translation>Aucune imprimante trouvée</translation>
    </message>
    <message>
        <source>No default printer found, try to print anyway?</source>
        <translation>Aucune imprimante par défaut trouvée. Imprimer quand même ?</translation>
    </message>
    <message>
        <source>Click to open link\n</source>
        <translation>Cliquez pour ouvrir le lien\n</translation>
    </message>
    <message>
        <source>Click to compose e-mail\n</source>
        <translation>Cliquez pour écrire un e-mail\n</translation>
    </message>
    <message>
        <source>Double click to open link\n</source>
        <translation>Double-cliquez pour ouvrir le lien\n</translation>
    </message>
    <message>
        <source>CTRL + click to open link\n</source>
        <translation>CTRL + clic pour ouvrir le lien\n</translation>
    </message>
    <message>
        <source>Double click to compose e-mail\n</source>
        <translation>Double-cliquez pour écrire un e-mail\n</translation>
    </message>
    <message>
        <source>CTRL + click to compose e-mail\n</source>
        <translation>CTRL + clic pour écrire un e-mail\n</translation>
    </message>
    <message>
        <source>, Col: </source>
        <translation>, Col : </translation>
    </message>
    <message>
        <source>Ln: </source>
        <translation>Ln : </translation>
    </message>
    <message>
        <source>You have selected to not allow changes to the text. This can be turned off under the Settings menu.</source>
        <translation>Vous avez choisi d’interdire toute modification du texte. Vous pouvez désactiver ce choix dans le menu Paramètres.</translation>
    </message>
    <message>
        <source>Change zoom level with Ctrl + mouse wheel or Ctrl + plus/minus</source>
        <translation>Changez le zoom avec Ctrl + molette de la souris ou Ctrl + plus/moins</translation>
    </message>
    <message>
        <source>Reset with Ctrl + 0 or double click this text</source>
        <translation>Réinitialisez avec Ctrl + 0 ou double-cliquez sur ce texte</translation>
    </message>
    <message>
        <source>This will reset all Orvane settings, including file history.\n\nAre you sure you want to continue?</source>
        <translation>Tous les paramètres d’Orvane seront réinitialisés, y compris l’historique des fichiers.\n\nVoulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Auto width: only integer values allowed.</source>
        <translation>Largeur automatique : seuls les nombres entiers sont autorisés.</translation>
    </message>
    <message>
        <source>Auto width: padding can not be blank (use 0 for no padding)</source>
        <translation>Largeur automatique : la marge ne peut pas être vide (0 pour aucune marge).</translation>
    </message>
    <message>
        <source>Auto width: min width can not be blank</source>
        <translation>Largeur automatique : la largeur minimale ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Auto width: max width can not be blank</source>
        <translation>Largeur automatique : la largeur maximale ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Auto width: max width can not be smaller than min width.</source>
        <translation>Largeur automatique : la largeur maximale ne peut pas être inférieure à la largeur minimale.</translation>
    </message>
    <message>
        <source>Tab size must be a positive integer. Default is 8.</source>
        <translation>La taille des tabulations doit être un entier positif. La valeur par défaut est 8.</translation>
    </message>
    <message>
        <source>Text: </source>
        <translation>Texte : </translation>
    </message>
    <message>
        <source>Failed to write to INI file, make sure the file is not write protected. Do you want store program settings to the registry instead?</source>
        <translation>Impossible d’écrire dans le fichier INI ; vérifiez qu’il n’est pas protégé en écriture. Voulez-vous plutôt enregistrer les paramètres dans le registre ?</translation>
    </message>
    <message>
        <source>is not a valid integer value.</source>
        <translation>n’est pas un nombre entier valide.</translation>
    </message>
    <message>
        <source>Occurences in text: </source>
        <translation>Occurrences dans le texte : </translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Replaced </source>
        <translation>Remplacé : </translation>
    </message>
    <message>
        <source> occurrences in the text.</source>
        <translation> occurrences dans le texte.</translation>
    </message>
    <message>
        <source>Text not found: </source>
        <translation>Texte introuvable : </translation>
    </message>
    <message>
        <source>The application must be restarted for some of the settings to take effect</source>
        <translation>Certains paramètres ne prendront effet qu’au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Sel: </source>
        <translation>Sél : </translation>
    </message>
    <message>
        <source>There was an error writing the registry key. This could be because your user account doesn&apos;t have the required administrator rights to write to the Windows registry.</source>
        <translation>Une erreur s’est produite lors de l’écriture de la clé de registre. Votre compte utilisateur ne dispose peut-être pas des droits d’administrateur nécessaires pour écrire dans le registre.</translation>
    </message>
    <message>
        <source>Failed to set the program language.</source>
        <translation>Impossible de définir la langue du programme.</translation>
    </message>
    <message>
        <source>Failed to locate the language file:</source>
        <translation>Fichier de langue introuvable :</translation>
    </message>
    <message>
        <source>Try reinstalling the program and make sure you add the languages you want to use.</source>
        <translation>Réinstallez le programme en veillant à inclure les langues que vous souhaitez utiliser.</translation>
    </message>
    <message>
        <source>Alpha blend value is set so low that the window will be almost invisible, are you sure you want to continue?</source>
        <translation>La valeur de transparence est si basse que la fenêtre sera presque invisible. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>You have selected to not allow anything to be written to the registry, change this setting in the Options dialog, press OK and try again.</source>
        <translation>Vous avez choisi de ne rien écrire dans le registre. Modifiez ce paramètre dans la boîte de dialogue Options, cliquez sur OK et réessayez.</translation>
    </message>
    <message>
        <source>Are you sure you want to disable all write access to the windows registry?\n\nOrvane will not be able to:\n - Change application language from the Options dialog\n - Integrate into shell\n - Associate files\n - Make Orvane searchable from the start menu without a shortcut\n</source>
        <translation>Voulez-vous vraiment désactiver tout accès en écriture au registre ?\n\nOrvane ne pourra plus :\n - changer la langue du programme depuis la boîte de dialogue Options\n - s’intégrer à l’environnement de bureau\n - associer des types de fichiers\n - être trouvé depuis le menu Démarrer sans raccourci\n</translation>
    </message>
    <message>
        <source>Are you sure you want to hide the menu bar? You can always bring it up again by pressing ALT.</source>
        <translation>Voulez-vous vraiment masquer la barre de menus ? Vous pourrez toujours la réafficher en appuyant sur ALT.</translation>
    </message>
    <message>
        <source>(Double click to copy)</source>
        <translation>(Double-cliquez pour copier)</translation>
    </message>
    <message>
        <source>You can also try to start Orvane as administrator (available when right clicking the Orvane shortcut in windows).</source>
        <translation>Vous pouvez aussi essayer de lancer Orvane en tant qu’administrateur (depuis le menu contextuel du raccourci d’Orvane).</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Encoding:</source>
        <translation>Codage :</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>The file is too large (%1 MB; at most %2 MB can be opened).</source>
        <translation>Le fichier est trop volumineux (%1 Mo ; %2 Mo au maximum peuvent être ouverts).</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Il s’agit d’un dossier, pas d’un fichier.</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a regular file.</source>
        <translation>Il s’agit d’un périphérique ou d’un tube, pas d’un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Could not save file: </source>
        <translation>Impossible d’enregistrer le fichier : </translation>
    </message>
    <message>
        <source>The file is read-only or not a regular file.</source>
        <translation>Le fichier est en lecture seule ou n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>ANSI</source>
        <translation>ANSI</translation>
    </message>
    <message>
        <source>UTF-8 (Default Unicode)</source>
        <translation>UTF-8 (Unicode par défaut)</translation>
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
        <translation>Mémoire libre insuffisante pour ouvrir le fichier (%1 Mo ; il faut environ %2 Mo de mémoire, %3 Mo sont libres).</translation>
    </message>
    <message>
        <source>The file name is not valid in the system&apos;s encoding and cannot be read.</source>
        <translation>Le nom du fichier n’est pas valide dans le codage du système ; le fichier ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>TformAddRemovePrefix</name>
    <message>
        <source>Add/remove prefix</source>
        <translation>Ajouter/supprimer un préfixe</translation>
    </message>
    <message>
        <source>String to add/remove at the start of the selected lines:</source>
        <translation>Texte à ajouter/supprimer au début des lignes sélectionnées :</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remember string after exit</source>
        <translation>Retenir le texte à la sortie</translation>
    </message>
</context>
<context>
    <name>TformGoto</name>
    <message>
        <source>Go to line</source>
        <translation>Aller à la ligne</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Line number</source>
        <translation>Numéro de ligne</translation>
    </message>
    <message>
        <source>Type the line number you want to find in the text</source>
        <translation>Tapez le numéro de la ligne à atteindre dans le texte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation> Enregistrer le fichier INI dans : </translation>
    </message>
    <message>
        <source>Save in the Orvane directory for total portability</source>
        <translation>Enregistrer dans le dossier d’Orvane pour une portabilité totale</translation>
    </message>
    <message>
        <source>Same directory as Orvane</source>
        <translation>Dans le dossier d’Orvane</translation>
    </message>
    <message>
        <source>Saving INI to AppData will ensure Window&apos;s UAC doesn&apos;t show a warning when saving settings.</source>
        <translation>Dans le dossier de configuration de l’utilisateur, le fichier INI peut toujours être écrit sans avertissement lors de l’enregistrement des paramètres.</translation>
    </message>
    <message>
        <source>Current user&apos;s AppData folder</source>
        <translation>Dossier de configuration de l’utilisateur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Font Selection</source>
        <translation>&amp;Choix de la police</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>Nouvelle &amp;fenêtre</translation>
    </message>
    <message>
        <source>Ctrl+Alt+W</source>
        <translation>Ctrl+Alt+W</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Ctrl+Alt+S</source>
        <translation>Ctrl+Alt+S</translation>
    </message>
    <message>
        <source>Open Ne&amp;xt In Current Folder</source>
        <translation>Ouvrir le fichier sui&amp;vant du dossier</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Open Pre&amp;vious In Current Folder</source>
        <translation>Ouvrir le fichier &amp;précédent du dossier</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Sélectionner tout le texte</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Always use &amp;NFO font (ASCII)</source>
        <translation>Toujours utiliser la police &amp;NFO (ASCII)</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Always use &amp;text font</source>
        <translation>Toujours utiliser la police &amp;texte</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Determine by extension, default to n&amp;fo</source>
        <translation>Selon l’extension, n&amp;fo par défaut</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Determine by extension, default to t&amp;xt</source>
        <translation>Selon l’extension, t&amp;xt par défaut</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>&amp;Retour à la ligne</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Localization information</source>
        <translation>Informations de &amp;localisation</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>All text files (*.nfo *.diz *.txt)</source>
        <translation>Tous les fichiers texte (*.nfo *.diz *.txt)</translation>
    </message>
    <message>
        <source>Info files (*.nfo *.diz)</source>
        <translation>Fichiers d’information (*.nfo *.diz)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
    <message>
        <source>nfo file (*.nfo)</source>
        <translation>Fichier NFO (*.nfo)</translation>
    </message>
    <message>
        <source>diz file (*.diz)</source>
        <translation>Fichier DIZ (*.diz)</translation>
    </message>
    <message>
        <source>C&amp;hange Case</source>
        <translation>C&amp;hanger la casse</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Status Bar &amp;Items</source>
        <translation>Éléments de la barre d’&amp;état</translation>
    </message>
    <message>
        <source>A&amp;uto Window Width</source>
        <translation>Largeur de fenêtre a&amp;utomatique</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>Toujours au premier &amp;plan</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>&amp;Enable Alpha Blending</source>
        <translation>Activer la &amp;transparence</translation>
    </message>
    <message>
        <source>Ctrl+Alt+B</source>
        <translation>Ctrl+Alt+B</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Ctrl+Num+/</source>
        <translation>Ctrl+Num+/</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Menu Bar</source>
        <translation>Barre de &amp;menus</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>&amp;Delete Line</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <source>Shift+Del</source>
        <translation>Shift+Del</translation>
    </message>
    <message>
        <source>Tabify selected lines</source>
        <translation>Convertir les espaces des lignes sélectionnées en tabulations</translation>
    </message>
    <message>
        <source>Untabify selected lines</source>
        <translation>Convertir les tabulations des lignes sélectionnées en espaces</translation>
    </message>
    <message>
        <source>Sort selected lines A-&gt;Z</source>
        <translation>Trier les lignes sélectionnées A-&gt;Z</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Sort selected lines Z-&gt;A</source>
        <translation>Trier les lignes sélectionnées Z-&gt;A</translation>
    </message>
    <message>
        <source>Alt+Shift+T</source>
        <translation>Alt+Shift+T</translation>
    </message>
    <message>
        <source>Insert Time/Date</source>
        <translation>Insérer l’heure et la date</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Add/remove string to start of selected lines...</source>
        <translation>Ajouter/supprimer un texte au début des lignes sélectionnées...</translation>
    </message>
    <message>
        <source>Add last string to selected lines</source>
        <translation>Ajouter le dernier texte aux lignes sélectionnées</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Remove last string from selected lines</source>
        <translation>Supprimer le dernier texte des lignes sélectionnées</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;MAJUSCULES</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>m&amp;inuscules</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Sentence case.</source>
        <translation>Début de &amp;phrase en majuscule.</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>Majuscule à &amp;Chaque Mot</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;iNVERT cASE</source>
        <translation>i&amp;NVERSER lA cASSE</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Occurrence sui&amp;vante</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Occurrence &amp;précédente</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Shift+F3</translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation>R&amp;emplacer...</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>Aller à la &amp;ligne...</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Ctrl+F2</source>
        <translation>Ctrl+F2</translation>
    </message>
    <message>
        <source>&amp;Caret Position</source>
        <translation>Position du &amp;curseur</translation>
    </message>
    <message>
        <source>Selection &amp;Length</source>
        <translation>&amp;Longueur de la sélection</translation>
    </message>
    <message>
        <source>&amp;Read Only Indicator</source>
        <translation>Indicateur de lecture &amp;seule</translation>
    </message>
    <message>
        <source>&amp;Overwrite Indicator</source>
        <translation>Indicateur de mode &amp;refrappe</translation>
    </message>
    <message>
        <source>&amp;Unicode Indicator</source>
        <translation>Indicateur &amp;Unicode</translation>
    </message>
    <message>
        <source>File &amp;Size</source>
        <translation>&amp;Taille du fichier</translation>
    </message>
    <message>
        <source>&amp;Zoom Level</source>
        <translation>Niveau de &amp;zoom</translation>
    </message>
    <message>
        <source>File &amp;Path</source>
        <translation>Chemin du &amp;fichier</translation>
    </message>
    <message>
        <source>Loading... %1%</source>
        <translation>Chargement... %1 %</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>LECT. SEULE</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>REFRAPPE</translation>
    </message>
</context>
<context>
    <name>TformMyFind</name>
    <message>
        <source>Find text</source>
        <translation>Rechercher du texte</translation>
    </message>
    <message>
        <source>Type the text you want to find here</source>
        <translation>Tapez ici le texte à rechercher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Click to search or press enter</source>
        <translation>Cliquez ou appuyez sur Entrée pour rechercher</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Click to find and replace the match with the text typed to the left</source>
        <translation>Cliquez pour rechercher l’occurrence et la remplacer par le texte saisi à gauche</translation>
    </message>
    <message>
        <source>Count search hits</source>
        <translation>Compter les occurrences</translation>
    </message>
    <message>
        <source>Counts the number of occurences of the search string in the text</source>
        <translation>Compte le nombre d’occurrences du texte recherché</translation>
    </message>
    <message>
        <source>Type the text you want to replace with here</source>
        <translation>Tapez ici le texte de remplacement</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Replace all instances in the text with the text typed to the left of the Replace button. There is no undo on this operation.</source>
        <translation>Remplace toutes les occurrences du texte par le texte saisi à gauche du bouton Remplacer. Cette opération ne peut pas être annulée.</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Only finds the text if the casing matches</source>
        <translation>Ne trouve le texte que si la casse correspond</translation>
    </message>
    <message>
        <source>Search up</source>
        <translation>Rechercher vers le haut</translation>
    </message>
    <message>
        <source>Reverse search direction</source>
        <translation>Inverse le sens de la recherche</translation>
    </message>
    <message>
        <source>Loop search</source>
        <translation>Recherche en boucle</translation>
    </message>
    <message>
        <source>Will continue searching from the top of the text when the bottom is reached</source>
        <translation>Reprend la recherche au début du texte une fois la fin atteinte</translation>
    </message>
    <message>
        <source>Always start new search from the top</source>
        <translation>Toujours commencer une nouvelle recherche au début</translation>
    </message>
    <message>
        <source>Always starts searching from the top for a new word</source>
        <translation>Commence toujours la recherche d’un nouveau mot au début du texte</translation>
    </message>
    <message>
        <source>Close dialog on Find</source>
        <translation>Fermer la boîte de dialogue après la recherche</translation>
    </message>
    <message>
        <source>Will close the dialog if a match is found (use F3 to find next match)</source>
        <translation>Ferme la boîte de dialogue dès qu’une occurrence est trouvée (F3 pour la suivante)</translation>
    </message>
    <message>
        <source>Search while typing</source>
        <translation>Rechercher pendant la saisie</translation>
    </message>
    <message>
        <source>Text not found</source>
        <translation>Texte introuvable</translation>
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
        <translation>Le texte contient des caractères qui seront perdus avec le codage choisi.</translation>
    </message>
    <message>
        <source>Save as Unicode</source>
        <translation>Enregistrer en Unicode</translation>
    </message>
    <message>
        <source>Save as UTF-8</source>
        <translation>Enregistrer en UTF-8</translation>
    </message>
    <message>
        <source>Save anyway (not recommended)</source>
        <translation>Enregistrer quand même (déconseillé)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source> MB</source>
        <translation> Mo</translation>
    </message>
    <message>
        <source> byte</source>
        <translation> o</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> Ko</translation>
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
        <translation>Page de codes : </translation>
    </message>
</context>
</TS>
