#include "settingsstorage.h"

#include "inifile.h"
#include "l10n/messages.h"
#include "settingstable.h"
#include "text/detection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString settingsKeyPath = QStringLiteral("\\Software\\Orvane");
const QString iniSection = QStringLiteral("Settings");
const QString iniFileName = QStringLiteral("settings.ini");
const QString appDataSubfolder = QStringLiteral("Orvane");

} // namespace

StoragePaths StoragePaths::standard(const QString &exeFolder)
{
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Without a known configuration folder the usual one under home is as good as any.
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return { exeFolder, config };
}

SettingsStorage::SettingsStorage(const StoragePaths &paths, RegistryStore &registry)
    : m_paths(paths)
    , m_registry(registry)
{ }

SettingsStorage::~SettingsStorage()
{
    // The registry may outlive this storage; its guard must not ask us then.
    m_registry.setWriteDenied({});
}

void SettingsStorage::attach(SettingsTable *table)
{
    m_table = table;
    m_registry.setWriteDenied([this] {
        return m_table && m_table->size() == settingsCount
            && (*m_table)[SettingKey::noRegistryWrite].isOn();
    });
}

QString SettingsStorage::chooseStorageAtStart()
{
    m_useIniFile = true;
    if (iniFileExists(IniLocation::ProgramFolder))
        m_iniFileInAppData = false;
    else if (iniFileExists(IniLocation::AppData))
        m_iniFileInAppData = true;
    else
        m_useIniFile = m_iniFileInAppData = false;

    // A registry that says "not INI" wins over an INI file lying around, unless
    // the INI file forbade registry writes: then the registry never heard of
    // the switch to INI and its saveToIni is out of date.
    QString stored;
    if (m_useIniFile && !iniForbidsRegistryWrites()
        && m_registry.readRegistryString(
            settingsKeyPath, QStringLiteral("saveToIni"), RegistryRoot::CurrentUser, stored)) {
        if (m_table)
            (*m_table)[SettingKey::saveToIni].assignValue(stored);
        if (stored != QLatin1String("1")) {
            m_useIniFile = false;
            deleteIniFile();
        }
    }
    if (m_useIniFile && !testIniRead())
        return message(Msg::iniFail);
    return {};
}

bool SettingsStorage::iniForbidsRegistryWrites() const
{
    return readIniValue(activeIniFilePath(), iniSection, QStringLiteral("noRegistryWrite"))
        == QLatin1String("1");
}

void SettingsStorage::beginReadBatch()
{
    ++m_batchDepth;
    m_registry.beginReadBatch();
}

void SettingsStorage::endReadBatch()
{
    m_registry.endReadBatch();
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        m_batchIni.reset();
}

QString SettingsStorage::readIni(const QString &key, const QString &def)
{
    if (m_batchDepth == 0)
        return readIniValue(activeIniFilePath(), iniSection, key).value_or(def);
    const QString path = activeIniFilePath();
    if (!m_batchIni || m_batchIniPath != path) {
        m_batchIni = readIniSection(path, iniSection);
        m_batchIniPath = path;
    }
    return m_batchIni->value(key).value_or(def);
}

QString SettingsStorage::readStoredValue(const QString &key, const QString &def)
{
    if (m_useIniFile)
        return readIni(key, def);
    QString value = def;
    m_registry.readRegistryString(settingsKeyPath, key, RegistryRoot::CurrentUser, value);
    return value;
}

void SettingsStorage::writeStoredValue(const QString &key, const QString &value)
{
    if (!m_useIniFile) {
        m_registry.writeRegistryString(key, value, settingsKeyPath, RegistryRoot::CurrentUser);
        return;
    }
    if (writeIni(key, value))
        return;
    // Once more after making the file writable (and its folder, for the
    // application-data location); a setting written once is not lost.
    clearIniReadOnly();
    if (m_iniFileInAppData)
        createAppDataFolder();
    writeIni(key, value);
}

bool SettingsStorage::writeIni(const QString &key, const QString &value)
{
    m_batchIni.reset();
    return writeIniValue(activeIniFilePath(), iniSection, key, value).ok;
}

QString SettingsStorage::appDataOrvaneFolder() const
{
    return QDir::cleanPath(m_paths.appDataFolder + QLatin1Char('/') + appDataSubfolder);
}

QString SettingsStorage::iniFilePath(IniLocation location) const
{
    if (location == IniLocation::AppData)
        return appDataOrvaneFolder() + QLatin1Char('/') + iniFileName;
    return QDir::cleanPath(m_paths.programFolder + QLatin1Char('/') + iniFileName);
}

bool SettingsStorage::iniFileExists(IniLocation location) const
{
    return QFileInfo::exists(iniFilePath(location));
}

QString SettingsStorage::activeIniFilePath() const
{
    return iniFilePath(m_iniFileInAppData ? IniLocation::AppData : IniLocation::ProgramFolder);
}

bool SettingsStorage::testIniRead() const
{
    return checkIniReadable(activeIniFilePath()).ok;
}

IniWriteTest SettingsStorage::testIniWrite(bool retry)
{
    const IniResult result = writeAndRemoveIniKey(
        activeIniFilePath(), iniSection, QStringLiteral("iniFileTest"), QStringLiteral("0"));
    if (result.ok)
        return { true, {} };
    if (retry && m_iniFileInAppData) {
        createAppDataFolder();
        return testIniWrite(false);
    }
    return { false, result.error };
}

void SettingsStorage::clearIniReadOnly()
{
    const QString path = activeIniFilePath();
    if (isReadOnlyFile(path))
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
}

void SettingsStorage::deleteIniFile()
{
    m_batchIni.reset();
    QFile::remove(activeIniFilePath());
}

bool SettingsStorage::iniFileIsUtf16() const
{
    // Detection opens the file, which would block on a pipe.
    if (!QFileInfo(activeIniFilePath()).isFile())
        return false;
    return DetectEncoding(activeIniFilePath(), false).encoding == Encoding::Utf16LE;
}

bool SettingsStorage::createAppDataFolder()
{
    // Parents too: a fresh account may not have its configuration folder yet.
    return QDir().mkpath(appDataOrvaneFolder());
}

bool SettingsStorage::removeAppDataFolder()
{
    const QString folder = appDataOrvaneFolder();
    return !QFileInfo::exists(folder) || QDir().rmdir(folder);
}

void SettingsStorage::removeLegacyRegistryValues()
{
    // Early versions stored their settings under numbers; "5" marks them.
    if (!m_registry.registryValueMatches(
            settingsKeyPath, QStringLiteral("5"), RegistryRoot::CurrentUser, QStringLiteral("0")))
        return;
    for (int i = 0; i <= 34; ++i)
        m_registry.deleteRegistryValue(
            settingsKeyPath, QString::number(i), RegistryRoot::CurrentUser);
}

void SettingsStorage::upgradeIniEncoding()
{
    if (!m_table || !(*m_table)[SettingKey::saveToIni].isOn() || iniFileIsUtf16())
        return;
    // What cannot be read was loaded as defaults; rewriting would lose the file.
    if (!testIniRead())
        return;
    clearIniReadOnly();
    deleteIniFile();
    m_table->saveAllSettings();
}

void SettingsStorage::switchStorage()
{
    const bool toIni = !m_useIniFile;
    // This write still goes to the old place, so it knows what happened.
    (*m_table)[SettingKey::saveToIni].setOn(toIni);
    m_useIniFile = toIni;
    m_table->saveAllSettings();
    if (toIni) {
        m_registry.deleteRegistryKey(settingsKeyPath, RegistryRoot::CurrentUser);
    } else {
        clearIniReadOnly();
        deleteIniFile();
        removeAppDataFolder();
    }
}

void SettingsStorage::setAppDataFolderFor(bool inAppData)
{
    if (inAppData)
        createAppDataFolder();
    else
        removeAppDataFolder();
}

QString SettingsStorage::moveIniFile(bool toAppData)
{
    if (toAppData == m_iniFileInAppData)
        return {};
    const bool oldPlace = m_iniFileInAppData;
    clearIniReadOnly();
    deleteIniFile();
    m_iniFileInAppData = toAppData;
    setAppDataFolderFor(toAppData);
    const IniWriteTest test = testIniWrite(true);
    if (test.ok) {
        clearIniReadOnly();
        deleteIniFile();
    } else {
        m_iniFileInAppData = oldPlace;
        setAppDataFolderFor(oldPlace);
    }
    if (m_useIniFile && m_table)
        m_table->saveAllSettings();
    return test.ok ? QString() : test.error;
}
