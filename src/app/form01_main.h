#pragma once

#include "edit/editcommand.h"
#include "edit/prefixes.h"
#include "links/linkactions.h"
#include "links/linkfinder.h"
#include "platform/seams.h"
#include "settings/settingsstore.h"
#include "settings/settingstable.h"
#include "text/encodings.h"
#include "text/textsave.h"
#include "view/clicks.h"
#include "view/keytable.h"
#include "view/tmemopad.h"
#include "view/zoom.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class QAction;
class SettingsStorage;

namespace Ui {
class TformMain;
}

// What the main window is started with.
struct StartupOptions
{
    QString exePath; // the running program file
    QStringList arguments; // the command line without the program name
    SettingsStore *store = nullptr; // where settings live; none keeps nothing
    // Registry or INI file, chosen at start; when set it is the store too.
    SettingsStorage *storage = nullptr;
};

// What an editing command needs before it runs.
struct EditChecks
{
    bool focus = true; // nothing happens unless the editor has the focus
    bool selection = false; // nothing happens without a selection
};

// The main window: the editor above the status bar, and all document state.
class TformMain : public QMainWindow, private TMemoPadEvents
{
    Q_OBJECT

public:
    explicit TformMain(const StartupOptions &options, QWidget *parent = nullptr);
    ~TformMain() override;

    SettingsTable &settings() { return m_settings; }
    const QString &exePath() const { return m_exePath; }
    const QString &exeFolder() const { return m_exeFolder; }
    const QString &fileName() const { return m_fileName; }
    class TMemoPad *memo() const;
    // The registry or INI storage, or none when started with a plain store.
    SettingsStorage *storage() const { return m_storage; }

    // Document commands (form01_main_document.cpp).
    bool OpenFile(const QString &path, const QString &encodingName, bool resetCaret);
    // 0 nothing written, 1 written, 2 written after the Unicode warning.
    int WriteDocument(const QString &path, Encoding encoding);
    void NewDocument(bool ask);
    void OpenCommand();
    bool SaveDocument();
    bool SaveDocumentAs();
    void ReopenDocument();
    void ReopenCommand();
    void NewWindow();
    // Whether the caller may go on and replace the document.
    bool AskToSave();
    bool OpenPath(const QString &path, bool silent);
    void SetDocument(const QString &path, Encoding encoding, bool applyFont);
    void SetModified(bool modified);
    Encoding encoding() const { return m_encoding; }
    bool isModified() const { return m_modified; }
    const FileDialogState &openDialogState() const { return m_openDialog; }
    const FileDialogState &saveDialogState() const { return m_saveDialog; }

    // Fonts, colours and word wrap (form01_main_fonts.cpp).
    bool nfoFontActive() const { return m_nfoFontActive; }
    bool fontApplied() const { return m_fontApplied; }
    // The font set and colours for a document named fileName.
    void ApplyFont(const QString &fileName);
    void SetFontSelection(const QString &value);
    void UpdateFontSelectionMenu();
    void Wordwrap1Click();

    // Zoom and automatic width (form01_main_zoom.cpp).
    int zoomPercent() const { return m_view.zoomPercent; }
    void ChangeZoom(ZoomStep step);
    void AutoWidth();
    void AutoWidthFor(QStringView programText);

    // Window options (form01_main_window.cpp).
    void ApplyMenuBarSetting();
    void SetMenuBarVisible(bool visible);
    bool MenuBarVisible() const;

    // Links under the mouse in the editor (form01_main_links.cpp). The
    // editor's mouse handlers run these steps; press and double click tell
    // whether a link was opened or found, for the word selection after them.
    const LinkFinder &linkFinder() const { return m_linkFinder; }
    void LinkHoverStep(QPoint pos);
    bool LinkPressStep(QPoint pos, Qt::KeyboardModifiers modifiers);
    void LinkReleaseStep(Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers modifiers);
    LinkKind LinkDoubleClickStep(QPoint pos);
    bool overwriteMode() const { return m_overwriteMode; }

    // Line commands and line prefixes (form01_main_lines.cpp). The key
    // handling offers Tab (indent) and Shift+Tab to IndentLines, which is true
    // when it took the key; and Alt+A / Alt+R to AskPrefix while the quick
    // prefix commands are disabled.
    bool IndentLines(bool indent, bool fromMenu);
    void AskPrefix(const QString &prefix, bool add);
    void AddRemovePrefix(const QString &prefix, bool add);
    void SetLastPrefix(const QString &prefix);
    const PrefixMemory &prefixMemory() const { return m_prefixMemory; }
    // Search (form01_main_search.cpp): the find dialog lives for the whole run.
    class TformMyFind *findDialog() const { return m_findDialog; }
    void SelectAndReveal(int start, int length, int margin);

    // Status bar (form01_main_statusbar.cpp).
    class TStatusPanels *statusPanels() const { return m_statusPanels; }
    void UpdateStatusBar(bool caretOnly);

    // Recent files and folder navigation (form01_main_recent.cpp).
    void RebuildRecentMenu();
    void ClearRecentFiles();
    void OpenNeighbourFile(bool previous);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction steps, in the order they run.
    void InitMembers();
    void SetupExePath(const QString &exePath);
    void LoadSettings();
    void CheckVersion();
    void ApplyReadOnly();
    void PlaceWindow();
    void ApplyWordDetection();
    void ProcessCommandLine(const QStringList &arguments);
    void StartFonts();
    void ApplyWordWrapSetting();
    void StartFontSet();
    void GroupFontMenu();
    void ChooseFontSelection(const QAction *item);

    // The command table and the editing-command frame (form01_main_commands.cpp).
    void ConnectCommands();
    // Runs command on the editor after the checks and the read-only message;
    // its result becomes one undoable edit. True when the text was changed.
    bool RunEditCommand(const EditCommand &command, EditChecks checks = {});

    // Menu handlers.
    void New1Click();
    void Save1Click();
    void SaveAs1Click();
    void Quit1Click();
    void Undo1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void SelectAll1Click();
    void AlwaysNfoFont1Click();
    void AlwaysTextFont1Click();
    void ExtensionDefaultNfo1Click();
    void ExtensionDefaultTxt1Click();

    // Case conversion (form01_main_case.cpp).
    void Makeuppercase1Click();
    void Makelowercase1Click();
    void SentenceCase1Click();
    void MakeWordCase1Click();
    void InvertCase1Click();

    // Search and go to line (form01_main_search.cpp).
    void SetupSearch();
    void Findtext1Click();
    void Findnext1Click();
    void Findprevious1Click();
    void Replace1Click();
    void Goto1Click();

    // Status bar (form01_main_statusbar.cpp).
    void SetupStatusBar();
    void ToggleStatusItem(QAction *item, SettingKey key, bool caretOnly);
    void StatusbarMenuClick();
    void CaretpositionMenuClick();
    void SelectionlengthMenuClick();
    void ReadonlyindicatorMenuClick();
    void OverwriteindicatorMenuClick();
    void UnicodeindicatorMenuClick();
    void FilesizeMenuClick();
    void FilepathMenuClick();
    void ZoomLevelMenuClick();
    void StatusBar1MouseMove(int x);
    void StatusBar1DblClick();

    // Settings storage (form01_main_storage.cpp).
    void ChooseStorage();
    void RunStorageSetup();

    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();

    bool AcceptsDrop(const class QMimeData *data) const;
    void WMDropFiles(const QStringList &paths);

    // Document commands (form01_main_document.cpp).
    void SetupDocumentCommands();
    void Memo1Change();
    void UpdateTitle();
    void SetEncoding(Encoding encoding);
    void PreselectSaveEncoding();
    void PrepareSaveDialog();
    void StampLogFile();
    void OpenDroppedFile(const QString &path);
    UnicodeWarningAnswer ShowUnicodeWarning(Encoding encoding);
    bool FontSetChanges(const QString &path);
    bool LoadFile(const QString &path, const QString &encodingName, bool resetCaret);

signals:
    // The first file of a drop; opening it belongs to the document commands.
    void fileDropped(const QString &path);

private:
    std::unique_ptr<Ui::TformMain> ui;
    std::unique_ptr<SettingsStore> m_ownStore;
    SettingsStorage *m_storage = nullptr;
    SettingsTable m_settings;

    QString m_exePath;
    QString m_exeFolder;
    QString m_fileName;
    QString m_versionText;
    bool m_modified = false;
    bool m_nfoFontActive = false;
    bool m_fontApplied = false;
    bool m_suppressChange = false;
    bool m_overwriteMode = false;
    bool m_isCjkLanguage = false;

    // Document state (form01_main_document.cpp).
    Encoding m_encoding = Encoding::None;
    // What the last loaded text was decoded with; saving with no encoding uses it.
    Encoding m_loadEncoding = Encoding::None;
    // The loaded file's line ends and byte order mark, kept for saving.
    FileForm m_fileForm;
    FileDialogState m_openDialog;
    FileDialogState m_saveDialog;
    class TformUnicodeWarning *m_unicodeWarning = nullptr;

    // Line commands and line prefixes (form01_main_lines.cpp).
    void SetupLineCommands();
    void ApplyKeepingView(const TextEdit &edit, bool restoreSelection, int shift);
    void Deleteline1Click();
    void T1Click();
    void Untabifyselectedlines1Click();
    void SortselectedlinesAZ1Click();
    void SortselectedlinesZA1Click();
    void insertDate1Click();
    void Appendcustomstringtoselectedlines1Click();
    void Appendlaststringtoselectedlines1Click();
    void Removelaststringtoselectedlines1Click();
    PrefixMemory m_prefixMemory;
    class TformAddRemovePrefix *m_addRemovePrefix = nullptr;
    class TformMyFind *m_findDialog = nullptr;
    class TStatusPanels *m_statusPanels = nullptr;

    // Links (form01_main_links.cpp).
    void SetupLinks();
    LinkSettings CurrentLinkSettings() const;
    LinkFinder m_linkFinder;
    LinkHover m_linkHover;

    // Keys and mouse in the editor (form01_main_input.cpp): every event
    // runs its steps in order, each step saying whether it took the event.
    void SetupInput();
    bool MemoKeyDown(QKeyEvent *event) override;
    void MemoMouseDown(QMouseEvent *event) override;
    void MouseDownSteps(QMouseEvent *event);
    void MemoMouseMove(QMouseEvent *event) override;
    void MemoMouseUp(QMouseEvent *event) override;
    void MemoDblClick(QMouseEvent *event) override;
    bool FormShortCut(const QKeyEvent &event);
    bool Memo1KeyDown(const QKeyEvent &event);
    bool FormKeyPress(const QKeyEvent &event);
    bool RunKeyAction(KeyAction action, const QKeyEvent &event);
    bool DeleteWordLeft();
    void MoveByWord(bool left, bool extend);
    void DirectScroll(KeyAction action);
    void OverwriteStep(const QKeyEvent &event);
    void EscapeKey();
    bool IsDirectScrollingActive(Qt::KeyboardModifiers modifiers) const;
    void TripleClick();
    void WordPress(QPoint pos, Qt::KeyboardModifiers modifiers);
    void ExtendSelection(QPoint pos, Qt::KeyboardModifiers modifiers);
    void CopyOnSelect();
    void Memo1DblClick(QPoint pos);
    ClickState m_clicks;

    // Zoom and automatic width (form01_main_zoom.cpp).
    void SetupZoom();
    void ZoomIn1Click();
    void ZoomOut1Click();
    void ResetZoom1Click();
    void autoWidth1Click();
    ViewState m_view;

    // Window options (form01_main_window.cpp).
    void SetupWindowOptions();
    void Topmost1Click();
    void alphablend1Click();
    void MenuBarMenuClick();
    void ApplyTopmost();
    void ApplyAlphaBlend();
    void MenuBarStep(Qt::KeyboardModifiers modifiers, bool keyPress);
    bool MenuBarShownForAMoment() const;
    void ApplicationEventsDeactivate();

    // Recent files (form01_main_recent.cpp).
    void SetupRecentFiles();
    void File1Click();
    void NextFile1Click();
    void PreviousFile1Click();
    void RecentItemClick(int index);
    void AddRecentFile(const QString &path);
    void RemoveRecentFile(const QString &path);
    class QAction *m_recentSeparator = nullptr;
    std::array<class QAction *, 20> m_recentItems {};

    // Language (form01_main_language.cpp).
    void SetupLanguage();
    // The version setup's last step: the stored language choice for this program.
    void RegisterLanguage();
    void Localizationfile1Click();
};

// The one main window of the process, for dialogs and messages.
TformMain *MainForm();
