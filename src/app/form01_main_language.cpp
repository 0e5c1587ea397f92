// The main window's part in the translation: the Help menu's information
// about the language file in use.
#include "form01_main.h"
#include "l10n/language.h"
#include "platform/messagebox.h"
#include "ui_form01_main.h"

void TformMain::SetupLanguage()
{
    // Offered only when a translation is in use.
    if (TranslationActive()) {
        ui->Localizationfile1->setVisible(true);
        ui->Localizationfile1->setEnabled(true);
    }
}

void TformMain::Localizationfile1Click()
{
    ShowMessageBox(LocalizationInfoText(), QStringLiteral("Orvane"), MB_OK);
}
