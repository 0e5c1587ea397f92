#include "form01_main.h"

#include "commandline.h"
#include "l10n/language.h"
#include "platform/messagebox.h"
#include "platform/placement.h"
#include "platform/texthelpers.h"
#include "settings/settingsstorage.h"
#include "ui_form01_main.h"
#include "view/tmemopad.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace {

TformMain *mainForm = nullptr;

SettingsStore *StoreOrNull(const StartupOptions &options, std::unique_ptr<SettingsStore> &own)
{
    if (options.storage)
        return options.storage;
    if (options.store)
        return options.store;
    own = std::make_unique<NullSettingsStore>();
    return own.get();
}

QRect VirtualDesktop()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

} // namespace

TformMain *MainForm()
{
    return mainForm;
}

TformMain::TformMain(const StartupOptions &options, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TformMain>())
    , m_storage(options.storage)
    , m_settings(StoreOrNull(options, m_ownStore), CjkLanguageActive())
{
    ui->setupUi(this);
    mainForm = this;
    SetDialogOwner(this);
    InitMembers();
    ui->Memo1->viewport()->installEventFilter(this);
    SetupExePath(options.exePath);
    LoadSettings();
    CheckVersion();
    StartFonts();
    ApplyReadOnly();
    PlaceWindow();
    ApplyWordDetection();
    SetupLinks();
    SetupInput();
    SetupZoom();
    SetupWindowOptions();
    StartFontSet();
    SetupDocumentCommands();
    SetupLineCommands();
    SetupSearch();
    SetupStatusBar();
    SetupRecentFiles();
    SetupLanguage();
    ProcessCommandLine(options.arguments);
    UpdateStatusBar(false);
}

TformMain::~TformMain()
{
    FormDestroy();
    if (mainForm == this)
        mainForm = nullptr;
    if (DialogOwner() == this)
        SetDialogOwner(nullptr);
}

TMemoPad *TformMain::memo() const
{
    return ui->Memo1;
}

void TformMain::InitMembers()
{
    m_fileName = untitledName;
    m_versionText = QString::fromLatin1(versionText);
    m_modified = false;
    m_nfoFontActive = m_fontApplied = m_suppressChange = false;
    m_overwriteMode = false;
    m_view.zoomPercent = 100;

    // The form's own look, until the document's font set is applied.
    QPalette palette = ui->Memo1->palette();
    palette.setColor(QPalette::Base, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::Text, Qt::white);
    ui->Memo1->setPalette(palette);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(16);
    ui->Memo1->setFont(font);

    ConnectCommands();
    GroupFontMenu();
}

void TformMain::SetupExePath(const QString &exePath)
{
    const QString canonical = QFileInfo(exePath).canonicalFilePath();
    m_exePath = canonical.isEmpty() ? exePath : canonical;
    const int slash = m_exePath.lastIndexOf(QLatin1Char('/'));
    m_exeFolder = slash < 0 ? m_exePath : m_exePath.left(slash + 1);
    m_isCjkLanguage = CjkLanguageActive();
}

void TformMain::LoadSettings()
{
    m_settings.createDefaultSettings();
    ChooseStorage();
    m_settings.loadAllSettings();
}

void TformMain::CheckVersion()
{
    // The one-time setup after an install or version change starts by
    // recording the running version, so it runs once.
    if (m_settings[SettingKey::currentVersion].value() == m_versionText)
        return;
    m_settings[SettingKey::currentVersion].setValue(m_versionText);
    RunStorageSetup();
    RegisterLanguage();
}

void TformMain::ApplyReadOnly()
{
    ui->Memo1->setReadOnly(!m_settings[SettingKey::allowTextChanges].isOn());
}

void TformMain::PlaceWindow()
{
    const QSize size(m_settings[SettingKey::windowWidth].intValue(),
        m_settings[SettingKey::windowHeight].intValue());
    resize(size);
    const QPoint wanted(m_settings[SettingKey::windowPosX].intValue(),
        m_settings[SettingKey::windowPosY].intValue());
    move(WindowPositionOnDesktop(wanted, frameGeometry().size(), VirtualDesktop()));
    if (m_settings[SettingKey::windowIsMaximized].isOn())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TformMain::ApplyWordDetection()
{
    ui->Memo1->SetUseCustomWordSelection(m_settings[SettingKey::useWordDetection].isOn());
}

void TformMain::ProcessCommandLine(const QStringList &arguments)
{
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (!commandLine.path.isEmpty())
        OpenPath(commandLine.path, false);
    if (commandLine.topLeft)
        move(*commandLine.topLeft);
}

void TformMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TformMain::FormShow()
{
    ui->Memo1->setFocus();
}

void TformMain::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TformMain::FormCloseQuery()
{
    return AskToSave();
}

void TformMain::FormClose()
{
    if (!m_settings[SettingKey::saveWindowPos].isOn())
        return;
    const bool maximized = isMaximized();
    m_settings[SettingKey::windowIsMaximized].setOn(maximized);
    if (maximized)
        return; // keeps the normal-size placement of an earlier run
    m_settings[SettingKey::windowPosY].setInt(y());
    m_settings[SettingKey::windowPosX].setInt(x());
    m_settings[SettingKey::windowWidth].setInt(width());
    m_settings[SettingKey::windowHeight].setInt(height());
}

bool TformMain::eventFilter(QObject *watched, QEvent *event)
{
    // The editor would take a dropped file as text; the window opens it instead.
    if (watched == ui->Memo1->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDropEvent *>(event);
            if (!drag->mimeData()->hasUrls())
                break; // plain text drags stay the editor's
            if (AcceptsDrop(drag->mimeData()))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            if (!drop->mimeData()->hasUrls())
                break;
            if (!AcceptsDrop(drop->mimeData())) {
                drop->ignore();
                return true;
            }
            QStringList paths;
            for (const QUrl &url : drop->mimeData()->urls())
                paths << url.toLocalFile();
            drop->acceptProposedAction();
            WMDropFiles(paths);
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TformMain::AcceptsDrop(const QMimeData *data) const
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return false;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return false;
    }
    return true;
}

void TformMain::WMDropFiles(const QStringList &paths)
{
    if (!paths.isEmpty())
        emit fileDropped(paths.first());
}
