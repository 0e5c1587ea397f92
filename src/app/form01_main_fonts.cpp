// The main window's font sets, font selection menu and word wrap.
#include "form01_main.h"
#include "ui_form01_main.h"
#include "view/fontapply.h"
#include "view/fontchoice.h"
#include "view/fontregistry.h"
#include "view/resetscrolledposition.h"
#include "view/tmemopad.h"

#include <QActionGroup>

#include <utility>

void TformMain::GroupFontMenu()
{
    const std::pair<QAction *, QString> items[] = {
        { ui->AlwaysNfoFont1, QStringLiteral("alwaysAscii") },
        { ui->AlwaysTextFont1, QStringLiteral("alwaysAnsi") },
        { ui->ExtensionDefaultNfo1, QStringLiteral("extensionSelectDefaultAscii") },
        { ui->ExtensionDefaultTxt1, QStringLiteral("extensionSelectDefaultAnsi") },
    };
    auto *group = new QActionGroup(this);
    // Optional, so that a broken setting can show no item checked.
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto &[action, value] : items) {
        group->addAction(action);
        action->setData(value);
    }
}

void TformMain::ChooseFontSelection(const QAction *item)
{
    SetFontSelection(item->data().toString());
    UpdateFontSelectionMenu(); // a click on the checked item unchecked it
}

void TformMain::AlwaysNfoFont1Click()
{
    ChooseFontSelection(ui->AlwaysNfoFont1);
}

void TformMain::AlwaysTextFont1Click()
{
    ChooseFontSelection(ui->AlwaysTextFont1);
}

void TformMain::ExtensionDefaultNfo1Click()
{
    ChooseFontSelection(ui->ExtensionDefaultNfo1);
}

void TformMain::ExtensionDefaultTxt1Click()
{
    ChooseFontSelection(ui->ExtensionDefaultTxt1);
}

void TformMain::StartFonts()
{
    RegisterPrivateFonts(m_exeFolder);
    ApplyWordWrapSetting();
    RepairNfoFontSettings(m_settings);
}

void TformMain::ApplyWordWrapSetting()
{
    const bool wrap = m_settings[SettingKey::wordWrap].isOn();
    ApplyWrapScrollBars(ui->Memo1, wrap);
    ui->Memo1->SetWordWrap(wrap);
    ui->wordwrap1->setChecked(wrap);
}

void TformMain::StartFontSet()
{
    UpdateFontSelectionMenu();
    ApplyFont(m_fileName);
}

void TformMain::ApplyFont(const QString &fileName)
{
    // Changing the font leaves the text alone; the flag keeps change
    // handlers from taking the relayout for an edit all the same.
    const QString selection = m_settings[SettingKey::fontSelection].value();
    m_suppressChange = true;
    m_nfoFontActive = ::ApplyFont(ui->Memo1, m_settings, fileName, m_view.zoomPercent,
        m_view.tabStopsSet, IsUnicode(m_encoding));
    m_fontApplied = true;
    m_suppressChange = false;
    // A broken selection was just repaired: the menu shows the stored value.
    if (m_settings[SettingKey::fontSelection].value() != selection)
        UpdateFontSelectionMenu();
}

void TformMain::SetFontSelection(const QString &value)
{
    if (m_settings[SettingKey::fontSelection].value() == value)
        return;
    ResetScrolledPosition view(ui->Memo1, true);
    m_settings[SettingKey::fontSelection].setValue(value);
    ApplyFont(m_fileName);
    UpdateFontSelectionMenu();
    view.Restore();
    UpdateStatusBar(true);
}

void TformMain::UpdateFontSelectionMenu()
{
    const QString &value = m_settings[SettingKey::fontSelection].value();
    for (QAction *action : { ui->AlwaysNfoFont1, ui->AlwaysTextFont1, ui->ExtensionDefaultNfo1,
             ui->ExtensionDefaultTxt1 })
        action->setChecked(action->data().toString() == value);
}

void TformMain::Wordwrap1Click()
{
    ResetScrolledPosition view(ui->Memo1, true);
    m_settings[SettingKey::wordWrap].toggle();
    ApplyWordWrapSetting();
    ApplyTabStops(ui->Memo1, m_settings, m_nfoFontActive, m_view.tabStopsSet);
    view.Restore();
}

void TformMain::FormDestroy()
{
    UnregisterPrivateFonts();
}
