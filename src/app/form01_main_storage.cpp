// The main window's part in keeping settings: choosing registry or INI file
// at start and the storage steps of the one-time setup.
#include "form01_main.h"
#include "platform/messagebox.h"
#include "settings/settingsstorage.h"

void TformMain::ChooseStorage()
{
    if (!m_storage)
        return;
    m_storage->attach(&m_settings);
    const QString failure = m_storage->chooseStorageAtStart();
    if (!failure.isEmpty())
        ShowErrorBox(failure);
}

void TformMain::RunStorageSetup()
{
    if (!m_storage)
        return;
    m_storage->removeLegacyRegistryValues();
    m_storage->upgradeIniEncoding();
}
