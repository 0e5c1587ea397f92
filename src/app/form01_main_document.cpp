// The document commands of the main window: new, open, save, reopen, the
// question before unsaved changes are lost, the title and the ".LOG" stamp.
#include "document/documentrules.h"
#include "document/logstamp.h"
#include "document/openpath.h"
#include "document/timedate.h"
#include "form01_main.h"
#include "l10n/messages.h"
#include "platform/messagebox.h"
#include "platform/texthelpers.h"
#include "text/encodinglabels.h"
#include "text/form09_unicodewarning.h"
#include "text/textload.h"
#include "text/textsave.h"
#include "ui_form01_main.h"
#include "view/fontchoice.h"
#include "view/memoeditsource.h"
#include "view/resetscrolledposition.h"
#include "view/tmemopad.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace {

const QString separator = QStringLiteral("/");

// Shows the busy cursor for as long as it lives.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

QString EncodingEntry(const FileDialogState &dialog)
{
    const QStringList names = EncodingNames();
    return dialog.encodingIndex >= 0 && dialog.encodingIndex < names.size()
        ? names.at(dialog.encodingIndex)
        : QString();
}

// From this size a file waits for the window to be shown.
constexpr qint64 LargeFileBytes = 4 * 1024 * 1024;
// From this size the text goes into the editor in pieces, with progress.
// Smaller ones go in at once: that takes less memory, as the document's
// buffer does not grow piece by piece.
constexpr qint64 StepsFromBytes = 16 * 1024 * 1024;

// Progress of a long load in the status bar. While a large text goes into
// the editor the window keeps painting but takes no input: keys and clicks
// wait for the load, so nothing edits or saves a half-loaded text.
class LoadProgress
{
public:
    LoadProgress(QStatusBar *bar, qint64 fileSize)
        : m_bar(bar)
    {
        m_clock.start();
        // Reading and decoding come first and cannot report: a file this
        // large says at once that it is loading.
        if (fileSize >= ShowAtOnceBytes)
            Show(0);
    }
    ~LoadProgress()
    {
        if (m_shown)
            m_bar->clearMessage();
    }
    LoadProgress(const LoadProgress &) = delete;
    LoadProgress &operator=(const LoadProgress &) = delete;

    void Step(int percent)
    {
        if (m_shown || m_clock.elapsed() >= ShowAfterMs)
            Show(percent);
        else
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    static constexpr qint64 ShowAtOnceBytes = 32 * 1024 * 1024;
    static constexpr qint64 ShowAfterMs = 500;

    void Show(int percent)
    {
        m_bar->showMessage(QCoreApplication::translate("TformMain", "Loading... %1%").arg(percent));
        m_shown = true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    QStatusBar *m_bar;
    QElapsedTimer m_clock;
    bool m_shown = false;
};

} // namespace

void TformMain::SetupDocumentCommands()
{
    m_openDialog.filters = { tr("All files (*)"), tr("All text files (*.nfo *.diz *.txt)"),
        tr("Info files (*.nfo *.diz)"), tr("Text files (*.txt)") };
    m_openDialog.defaultSuffix = QStringLiteral("nfo");
    m_openDialog.encodings = EncodingLabels();
    m_saveDialog.filters = { tr("Text file (*.txt)"), tr("nfo file (*.nfo)"),
        tr("diz file (*.diz)"), tr("All files (*)") };
    m_saveDialog.defaultSuffix = QStringLiteral("txt");
    m_saveDialog.confirmOverwrite = true;
    m_saveDialog.encodings = EncodingLabels();
    m_unicodeWarning = new TformUnicodeWarning(this);

    connect(ui->Memo1, &QPlainTextEdit::textChanged, this, &TformMain::Memo1Change);
    connect(this, &TformMain::fileDropped, this, &TformMain::OpenDroppedFile);

    PreselectSaveEncoding();
    PrepareSaveDialog();
    UpdateTitle();
}

// A large file opens once the window is on the screen, with no layout
// for a size the window does not end up with.
bool TformMain::OpenFile(const QString &path, const QString &encodingName, bool resetCaret)
{
    if (!windowHandle() && QFileInfo(path).size() >= LargeFileBytes) {
        QTimer::singleShot(0, this,
            [this, path, encodingName, resetCaret] { LoadFile(path, encodingName, resetCaret); });
        return true;
    }
    return LoadFile(path, encodingName, resetCaret);
}

bool TformMain::LoadFile(const QString &path, const QString &encodingName, bool resetCaret)
{
    LoadRequest request;
    request.path = path;
    request.chosen = EncodingFromName(encodingName);
    request.westernLatinForNfo
        = m_settings[SettingKey::forceUSCodePageForNfo].isOn() && UseNfoFont(path, m_settings);
    const qint64 fileSize = QFileInfo(path).size();
    LoadProgress progress(ui->StatusBar1, fileSize);
    LoadResult loaded;
    {
        BusyCursor busy;
        loaded = LoadTextFile(request);
    }
    if (!loaded.ok) {
        ShowErrorBox(loaded.error);
        // Never leave the previous text under the name of a file that failed.
        if (loaded.fileOpened)
            NewDocument(false);
        return false;
    }

    BusyCursor busy;
    // A new font set goes on the empty editor, so the text is laid out once.
    // The NFO faces draw Unicode text in faces of their own.
    const bool fontChanged = !loaded.nulPath
        && (FontSetChanges(path) || IsUnicode(loaded.documentEncoding) != IsUnicode(m_encoding));
    if (fontChanged) {
        ui->Memo1->clear();
        m_encoding = loaded.documentEncoding;
        ApplyFont(path);
    }
    // The window takes its width before the text goes in: a width change
    // afterwards lays every line out again.
    if (m_settings[SettingKey::autoWidth].isOn())
        AutoWidthFor(loaded.text);
    std::function<void(int)> step;
    if (fileSize >= StepsFromBytes)
        step = [&progress](int percent) { progress.Step(percent); };
    ui->Memo1->SetTextInSteps(std::move(loaded.text), step);
    if (loaded.loadEncoding)
        m_loadEncoding = *loaded.loadEncoding;
    m_fileForm = loaded.form;
    SetModified(false);
    if (resetCaret) {
        ui->Memo1->SetSel(0, 0);
        ui->Memo1->ScrollCaret();
    }
    StampLogFile();
    SetDocument(path, loaded.documentEncoding, !fontChanged);
    return true;
}

int TformMain::WriteDocument(const QString &path, Encoding encoding)
{
    SaveRequest request;
    request.path = path;
    request.encoding = encoding;
    request.loadEncoding = m_loadEncoding;
    request.form = m_fileForm;
    request.westernLatinForNfo
        = m_settings[SettingKey::forceUSCodePageForNfo].isOn() && UseNfoFont(path, m_settings);
    SaveResult saved;
    {
        BusyCursor busy;
        saved = SaveTextFile(request, ui->Memo1->text(), [this](Encoding failing) {
            QGuiApplication::restoreOverrideCursor();
            const UnicodeWarningAnswer answer = ShowUnicodeWarning(failing);
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            return answer;
        });
    }
    switch (saved.outcome) {
    case SaveOutcome::Cancelled:
        return 0;
    case SaveOutcome::Failed:
        // The file on disk is untouched and the document stays modified.
        ShowErrorBox(saved.error);
        return 0;
    default:
        break;
    }
    SetDocument(path, saved.encoding, true);
    SetModified(false);
    return saved.outcome == SaveOutcome::WrittenAfterWarning ? 2 : 1;
}

UnicodeWarningAnswer TformMain::ShowUnicodeWarning(Encoding encoding)
{
    return m_unicodeWarning->ShowUnicodeWarning(
        encoding, this, m_settings[SettingKey::alwaysOnTop].isOn());
}

void TformMain::NewDocument(bool ask)
{
    if (ask && !AskToSave())
        return;
    ui->Memo1->clear();
    m_fileForm = {};
    SetDocument(untitledName, Encoding::None, true);
    SetModified(false);
}

void TformMain::OpenCommand()
{
    if (!AskToSave())
        return;
    m_openDialog.encodingIndex = 0;
    if (!seams().openFileDialog(this, m_openDialog))
        return;
    OpenFile(m_openDialog.fileName, EncodingEntry(m_openDialog), true);
}

bool TformMain::SaveDocument()
{
    if (m_fileName == untitledName)
        return SaveDocumentAs();
    const int written = WriteDocument(m_fileName, m_encoding);
    if (written == 2)
        ReopenDocument(); // show what the file now holds
    return written != 0;
}

bool TformMain::SaveDocumentAs()
{
    const int before = m_saveDialog.encodingIndex;
    if (!seams().saveFileDialog(this, m_saveDialog))
        return false;
    const int selected = m_saveDialog.encodingIndex;
    const int written
        = WriteDocument(m_saveDialog.fileName, EncodingFromName(EncodingEntry(m_saveDialog)));
    if (written == 0)
        return false;
    if (selected != before || written == 2)
        ReopenDocument();
    return true;
}

void TformMain::ReopenDocument()
{
    if (m_fileName == untitledName)
        return;
    OpenFile(m_fileName, EncodingName(m_encoding), false);
}

void TformMain::ReopenCommand()
{
    if (!AskToSave())
        return;
    ResetScrolledPosition view(ui->Memo1, true);
    ReopenDocument();
    view.Restore();
    UpdateStatusBar(false);
}

void TformMain::NewWindow()
{
    seams().startProcess(
        m_exePath, { QStringLiteral("-w"), QString::number(y() + 15), QString::number(x() + 15) });
}

bool TformMain::AskToSave()
{
    if (!m_settings[SettingKey::askToSave].isOn() || !m_modified)
        return true;
    if (IsEmptyUntitled(m_fileName, MemoEditSource(*ui->Memo1)))
        return true;
    switch (ShowWarningBox(message(Msg::saveChanges), MB_YESNOCANCEL)) {
    case IDYES:
        return SaveDocument();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void TformMain::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    UpdateTitle();
}

void TformMain::Memo1Change()
{
    if (IsEmptyUntitled(m_fileName, MemoEditSource(*ui->Memo1)))
        SetModified(false);
    else if (!m_suppressChange)
        SetModified(true);
}

void TformMain::UpdateTitle()
{
    const QString title = TitleText(m_fileName, m_modified);
    setWindowTitle(title);
}

void TformMain::SetDocument(const QString &path, Encoding encoding, bool applyFont)
{
    const bool changed = path != m_fileName;
    const bool kindChanged = FontSetChanges(path);
    if (kindChanged && applyFont)
        ApplyFont(path);
    m_fileName = path;
    if (kindChanged || changed)
        PrepareSaveDialog();
    if (changed) {
        UpdateTitle();
        const bool titled = path != untitledName;
        if (titled && (m_openDialog.fileName.isEmpty() || m_openDialog.fileName == untitledName)) {
            m_openDialog.directory = FolderOf(path, separator);
            m_saveDialog.directory = m_openDialog.directory;
        }
        if (titled)
            AddRecentFile(path);
        ui->Reopen1->setEnabled(titled);
        ui->NextFile1->setEnabled(titled);
        ui->PreviousFile1->setEnabled(titled);
    }
    SetEncoding(encoding);
}

void TformMain::SetEncoding(Encoding encoding)
{
    const bool faceChanges = m_fontApplied && IsUnicode(encoding) != IsUnicode(m_encoding);
    m_encoding = encoding;
    if (faceChanges)
        ApplyFont(m_fileName);
    PreselectSaveEncoding();
    UpdateStatusBar(false);
}

void TformMain::PreselectSaveEncoding()
{
    const QStringList names = EncodingNames();
    Encoding preset = m_encoding;
    if (preset == Encoding::None || preset == Encoding::WesternLatin) {
        bool ok = false;
        const int index = m_settings[SettingKey::defaultSaveEncoding].value().toInt(&ok);
        if (ok && index >= 0 && index < names.size())
            preset = EncodingFromName(names.at(index));
    }
    m_saveDialog.encodingIndex = qMax(0, int(names.indexOf(EncodingName(preset))));
}

void TformMain::PrepareSaveDialog()
{
    m_saveDialog.filterIndex = SuggestedSaveFilterIndex(m_fileName, m_settings) - 1;
    m_saveDialog.fileName = ProposedSaveName(m_fileName);
}

bool TformMain::OpenPath(const QString &path, bool silent)
{
    if (const auto resolved = ResolveOpenPath(path)) {
        OpenFile(*resolved, QString(), true);
        return true;
    }
    if (!silent)
        OpenFile(PathCandidates(path).value(0), QString(), true); // reports why it fails
    return false;
}

void TformMain::OpenDroppedFile(const QString &path)
{
    if (AskToSave())
        OpenFile(path, QString(), true);
}

void TformMain::StampLogFile()
{
    const auto stamp = LogStamp(MemoEditSource(*ui->Memo1), TimeDateText());
    if (!stamp)
        return;
    ui->Memo1->ApplyEdit(*stamp);
    ui->Memo1->ScrollCaret();
}

// Whether opening path needs another font set than the one in use.
bool TformMain::FontSetChanges(const QString &path)
{
    return !m_fontApplied || UseNfoFont(m_fileName, m_settings) != UseNfoFont(path, m_settings);
}
