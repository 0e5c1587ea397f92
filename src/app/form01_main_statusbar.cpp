// The status bar: caret, selection, indicators, size, zoom and path.
#include "form01_main.h"
#include "platform/texthelpers.h"
#include "ui_form01_main.h"
#include "view/clipboardtext.h"
#include "view/memoeditsource.h"
#include "view/statusbarpanels.h"
#include "view/tmemopad.h"

#include <QFileInfo>

namespace {

// The menu item, setting and panel of each status bar item.
struct StatusItem
{
    QAction *Ui::TformMain::*item;
    SettingKey key;
};

constexpr StatusItem statusItems[statusPanelCount] = {
    { &Ui::TformMain::CaretpositionMenu, SettingKey::showStatusBarItemCaret },
    { &Ui::TformMain::SelectionlengthMenu, SettingKey::showStatusBarItemSelLength },
    { &Ui::TformMain::ReadonlyindicatorMenu, SettingKey::showStatusBarItemReadOnly },
    { &Ui::TformMain::OverwriteindicatorMenu, SettingKey::showStatusBarItemInputMode },
    { &Ui::TformMain::UnicodeindicatorMenu, SettingKey::showStatusBarItemUnicode },
    { &Ui::TformMain::FilesizeMenu, SettingKey::showStatusBarItemFileSize },
    { &Ui::TformMain::ZoomLevelMenu, SettingKey::showStatusBarItemZoomLevel },
    { &Ui::TformMain::FilepathMenu, SettingKey::showStatusBarItemPath },
};

bool IsReadOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isWritable();
}

} // namespace

void TformMain::SetupStatusBar()
{
    m_statusPanels = new TStatusPanels(ui->StatusBar1);
    ui->StatusBar1->addWidget(m_statusPanels, 1);
    ui->StatusBar1->setSizeGripEnabled(true);
    const bool shown = m_settings[SettingKey::showStatusBar].isOn();
    ui->StatusBar1->setVisible(shown);
    ui->StatusbarMenu->setChecked(shown);
    for (const StatusItem &row : statusItems)
        (ui.get()->*row.item)->setChecked(m_settings[row.key].isOn());
    connect(m_statusPanels, &TStatusPanels::MouseMoved, this, &TformMain::StatusBar1MouseMove);
    connect(m_statusPanels, &TStatusPanels::DoubleClicked, this, &TformMain::StatusBar1DblClick);
    // Every caret or selection change, by key, mouse or command, refreshes
    // the caret panels; the input steps need no refresh of their own.
    const auto caretOnly = [this] { UpdateStatusBar(true); };
    connect(ui->Memo1, &QPlainTextEdit::cursorPositionChanged, this, caretOnly);
    connect(ui->Memo1, &QPlainTextEdit::selectionChanged, this, caretOnly);
}

void TformMain::UpdateStatusBar(bool caretOnly)
{
    if (!ui->StatusBar1->isVisibleTo(this))
        return;
    TMemoPad *memo = ui->Memo1;
    TStatusPanels *bar = m_statusPanels;
    const auto on = [this](int panel) { return m_settings[statusItems[panel].key].isOn(); };
    if (on(caretPanel)) {
        const TMemoPad::LineOfChar line = memo->LineFromChar(-1);
        bar->SetPanel(caretPanel, statusPanelWidths[caretPanel],
            CaretPositionText(line.line, memo->SelStart() - line.lineStart));
    } else {
        bar->SetWidth(caretPanel, 0);
    }
    if (on(selectionPanel)) {
        const MemoEditSource source(*memo);
        bar->SetPanel(selectionPanel, statusPanelWidths[selectionPanel],
            SelectionLengthText({ source, memo->Anchor(), memo->Caret() }));
    } else {
        bar->SetWidth(selectionPanel, 0);
    }
    if (caretOnly)
        return;

    bar->RememberWidth(readOnlyPanel);
    const bool readOnly = memo->isReadOnly() || IsReadOnlyFile(m_fileName);
    bar->SetPanel(readOnlyPanel,
        on(readOnlyPanel) && readOnly ? bar->RememberedWidth(readOnlyPanel) : 0, tr("READ ONLY"));
    bar->RememberWidth(overwritePanel);
    bar->SetPanel(overwritePanel,
        on(overwritePanel) && m_overwriteMode ? bar->RememberedWidth(overwritePanel) : 0,
        tr("OVERWRITE"));
    const QString unicode = UnicodeIndicatorText(m_encoding);
    bar->SetPanel(unicodePanel,
        on(unicodePanel) && !unicode.isEmpty() ? statusPanelWidths[unicodePanel] : 0, unicode);
    const bool titled = m_fileName != untitledName;
    const bool sized = on(fileSizePanel) && titled;
    bar->SetPanel(fileSizePanel, sized ? statusPanelWidths[fileSizePanel] : 0,
        sized ? FileSizeTextOf(m_fileName) : QString());
    const bool zoom = on(zoomPanel);
    bar->SetPanel(zoomPanel, zoom ? statusPanelWidths[zoomPanel] : 0,
        zoom ? QString::number(m_view.zoomPercent) + QLatin1Char('%') : QString());
    const bool path = on(pathPanel);
    bar->SetPanel(pathPanel, path ? statusPanelWidths[pathPanel] : 0,
        path && titled ? m_fileName : QString());
}

void TformMain::StatusbarMenuClick()
{
    m_settings[SettingKey::showStatusBar].toggle();
    const bool shown = m_settings[SettingKey::showStatusBar].isOn();
    ui->StatusBar1->setVisible(shown);
    ui->StatusbarMenu->setChecked(shown);
    UpdateStatusBar(false);
}

void TformMain::ToggleStatusItem(QAction *item, SettingKey key, bool caretOnly)
{
    m_settings[key].toggle();
    item->setChecked(m_settings[key].isOn());
    UpdateStatusBar(caretOnly);
}

void TformMain::CaretpositionMenuClick()
{
    ToggleStatusItem(ui->CaretpositionMenu, SettingKey::showStatusBarItemCaret, true);
}

void TformMain::SelectionlengthMenuClick()
{
    ToggleStatusItem(ui->SelectionlengthMenu, SettingKey::showStatusBarItemSelLength, true);
}

void TformMain::ReadonlyindicatorMenuClick()
{
    ToggleStatusItem(ui->ReadonlyindicatorMenu, SettingKey::showStatusBarItemReadOnly, false);
}

void TformMain::OverwriteindicatorMenuClick()
{
    ToggleStatusItem(ui->OverwriteindicatorMenu, SettingKey::showStatusBarItemInputMode, false);
}

void TformMain::UnicodeindicatorMenuClick()
{
    ToggleStatusItem(ui->UnicodeindicatorMenu, SettingKey::showStatusBarItemUnicode, false);
}

void TformMain::FilesizeMenuClick()
{
    ToggleStatusItem(ui->FilesizeMenu, SettingKey::showStatusBarItemFileSize, false);
}

void TformMain::FilepathMenuClick()
{
    ToggleStatusItem(ui->FilepathMenu, SettingKey::showStatusBarItemPath, false);
}

void TformMain::ZoomLevelMenuClick()
{
    ToggleStatusItem(ui->ZoomLevelMenu, SettingKey::showStatusBarItemZoomLevel, false);
}

void TformMain::StatusBar1MouseMove(int x)
{
    const int panel = StatusPanelAt(m_statusPanels->Widths(), x);
    const QString fileName = m_fileName == untitledName ? QString() : m_fileName;
    m_statusPanels->SetHint(StatusBarHint(panel, fileName, m_encoding));
}

void TformMain::StatusBar1DblClick()
{
    if (m_statusPanels->tag() == zoomPanel) {
        ChangeZoom(ZoomStep::Reset);
        return;
    }
    if (m_statusPanels->tag() != pathPanel)
        return;
    const QString &path = m_statusPanels->PanelText(pathPanel);
    if (!path.isEmpty())
        CopyTextToClipboard(path, true);
}
