// The main window's part in the translation: the Help menu's information
// about the language file in use.
#include "form01_main.h"
#include "l10n/language.h"
#include "platform/messagebox.h"
#include "settings/settingsstorage.h"
#include "ui_form01_main.h"

void TformMain::SetupLanguage()
{
    // Offered only when a translation is in use.
    if (TranslationActive()) {
        ui->Localizationfile1->setVisible(true);
        ui->Localizationfile1->setEnabled(true);
    }
}

void TformMain::RegisterLanguage()
{
    if (!m_storage)
        return;
    registerLanguageChoice(m_storage->registry(), m_exePath,
        m_settings[SettingKey::languageSelect].value(),
        m_settings[SettingKey::noRegistryWrite].isOn());
}

void TformMain::Localizationfile1Click()
{
    ShowMessageBox(LocalizationInfoText(), QStringLiteral("Orvane"), MB_OK);
}
