// Window options: always on top, translucency, the hidden menu bar.
#include "form01_main.h"
#include "l10n/messages.h"
#include "platform/messagebox.h"
#include "ui_form01_main.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QWindow>

void TformMain::SetupWindowOptions()
{
    // Shortcuts keep working while the menus are hidden.
    addActions(findChildren<QAction *>());
    ui->Topmost1->setChecked(m_settings[SettingKey::alwaysOnTop].isOn());
    ApplyTopmost();
    ui->alphablend1->setChecked(m_settings[SettingKey::alphaBlend].isOn());
    ApplyAlphaBlend();
    ui->MenuBar1->setChecked(m_settings[SettingKey::showMenuBar].isOn());
    ApplyMenuBarSetting();
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive)
                ApplicationEventsDeactivate();
        });
}

void TformMain::Topmost1Click()
{
    m_settings[SettingKey::alwaysOnTop].toggle();
    ApplyTopmost();
    ui->Topmost1->setChecked(m_settings[SettingKey::alwaysOnTop].isOn());
}

// Only the window system hears of the change: setting the widget's flags
// would hide and re-create the window, and it could move.
void TformMain::ApplyTopmost()
{
    const bool on = m_settings[SettingKey::alwaysOnTop].isOn();
    Qt::WindowFlags flags = windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    overrideWindowFlags(flags);
    if (QWindow *window = windowHandle())
        window->setFlags(flags);
}

void TformMain::alphablend1Click()
{
    m_settings[SettingKey::alphaBlend].toggle();
    ui->alphablend1->setChecked(m_settings[SettingKey::alphaBlend].isOn());
    ApplyAlphaBlend();
}

void TformMain::ApplyAlphaBlend()
{
    const bool on = m_settings[SettingKey::alphaBlend].isOn();
    const int amount = std::clamp(m_settings[SettingKey::alphaBlendAmount].intValue(), 0, 255);
    setWindowOpacity(on ? amount / 255.0 : 1.0);
}

void TformMain::MenuBarMenuClick()
{
    SettingsValue &show = m_settings[SettingKey::showMenuBar];
    if (show.isOn()) {
        if (ShowQuestionBox(message(Msg::noMenuWarning), MB_YESNO) == IDYES)
            show.setOn(false);
    } else {
        show.setOn(true);
    }
    ui->MenuBar1->setChecked(show.isOn());
    ApplyMenuBarSetting();
}

void TformMain::ApplyMenuBarSetting()
{
    SetMenuBarVisible(m_settings[SettingKey::showMenuBar].isOn());
}

bool TformMain::MenuBarVisible() const
{
    return ui->File1->menuAction()->isVisible();
}

void TformMain::SetMenuBarVisible(bool visible)
{
    if (MenuBarVisible() == visible)
        return;
    for (QAction *menu : menuBar()->actions())
        menu->setVisible(visible);
    // With no menu showing the bar takes no space.
    menuBar()->setVisible(visible);
}

// The menus shown by Alt while the setting hides them.
bool TformMain::MenuBarShownForAMoment() const
{
    return !m_settings[SettingKey::showMenuBar].isOn() && MenuBarVisible();
}

void TformMain::MenuBarStep(Qt::KeyboardModifiers modifiers, bool keyPress)
{
    if (m_settings[SettingKey::showMenuBar].isOn())
        return;
    const bool alt = modifiers & Qt::AltModifier;
    if (!keyPress) {
        if (!alt)
            ApplyMenuBarSetting();
        return;
    }
    if (!alt)
        SetMenuBarVisible(false);
    else if (!(modifiers & Qt::ControlModifier))
        SetMenuBarVisible(true);
}

void TformMain::ApplicationEventsDeactivate()
{
    ApplyMenuBarSetting();
    m_clicks.EndDrag();
}
