#include "recentfiles.h"

#include "platform/texthelpers.h"
#include "settings/settingstable.h"

#include <QDir>

#include <algorithm>

namespace {

const QString separator = QStringLiteral("/");

SettingsValue &entry(SettingsTable &settings, int i)
{
    return settings[recentFileKey(i + 1)];
}

} // namespace

int RecentCountFromSetting(const QString &text)
{
    return std::clamp(parseSettingInt(text), 0, recentFileSlots);
}

RecentList WithoutRecentFile(RecentList list, const QString &path)
{
    const auto found = std::find(list.begin(), list.end(), path);
    if (found == list.end())
        return list;
    std::move(found + 1, list.end(), found);
    list.back().clear();
    return list;
}

RecentList WithRecentFile(RecentList list, const QString &path)
{
    list = WithoutRecentFile(std::move(list), path);
    const QString lower = path.toLower();
    const bool caseVariant = std::any_of(
        list.begin(), list.end(), [&](const QString &e) { return e.toLower() == lower; });
    if (caseVariant)
        return list;
    std::move_backward(list.begin(), list.end() - 1, list.end());
    list.front() = path;
    return list;
}

std::vector<RecentMenuItem> RecentMenuItems(const RecentList &list, int count, bool fullPaths)
{
    std::vector<RecentMenuItem> items(list.size());
    for (int i = 0; i < recentFileSlots; ++i) {
        if (list[i].isEmpty())
            continue;
        items[i].visible = i < count;
        items[i].caption
            = fullPaths ? ShortenText(list[i], 100, false) : ShortenFileName(list[i], 70);
    }
    return items;
}

QString ShortenFileName(const QString &path, int n)
{
    const qsizetype slash = path.lastIndexOf(separator);
    const QString name = slash >= 0 && path.size() - slash - 1 >= 2 ? path.mid(slash + 1) : path;
    return ShortenText(name, n, true);
}

QStringList SortFolderNames(QStringList names)
{
    struct Keyed
    {
        QString key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (QString &name : names)
        keyed.push_back({ name.toLower(), std::move(name) });
    // Names equal but for letter case (possible here) keep a fixed order.
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        const int byKey = QString::compare(a.key, b.key, Qt::CaseSensitive);
        return byKey != 0 ? byKey < 0 : QString::compare(a.name, b.name) < 0;
    });
    QStringList sorted;
    sorted.reserve(qsizetype(keyed.size()));
    for (Keyed &k : keyed)
        sorted << std::move(k.name);
    return sorted;
}

QString NeighbourName(const QStringList &sortedNames, const QString &name, bool previous)
{
    // The name itself first: two files may differ only in letter case, and
    // matching the other one would step onto the file already open.
    qsizetype at = sortedNames.indexOf(name);
    if (at < 0) {
        const QString lower = name.toLower();
        const auto found = std::find_if(sortedNames.begin(), sortedNames.end(),
            [&](const QString &n) { return n.toLower() == lower; });
        if (found == sortedNames.end())
            return {};
        at = found - sortedNames.begin();
    }
    const qsizetype next = previous ? at - 1 : at + 1;
    return next >= 0 && next < sortedNames.size() ? sortedNames.at(next) : QString();
}

QStringList ListFolderFiles(const QString &folder)
{
    const QDir dir(folder);
    // Everything but folders, as links to nowhere and devices are files that fail to open.
    return SortFolderNames(dir.entryList(QDir::Files | QDir::Hidden | QDir::System));
}

QString NeighbourFile(const QString &path, bool previous)
{
    if (path == untitledName)
        return untitledName;
    const QString folder = FolderOf(path, separator);
    const QString name
        = NeighbourName(ListFolderFiles(folder), ShortenFileName(path, -1), previous);
    return name.isEmpty() ? untitledName : folder + separator + name;
}

RecentList RecentEntries(const SettingsTable &settings)
{
    RecentList list;
    for (int i = 0; i < recentFileSlots; ++i)
        list[i] = settings[recentFileKey(i + 1)].value();
    return list;
}

void ReloadRecentFiles(SettingsTable &settings)
{
    for (int i = 0; i < recentFileSlots; ++i)
        entry(settings, i).loadValue();
}

void RemoveRecentFile(SettingsTable &settings, const QString &path)
{
    ReloadRecentFiles(settings);
    const RecentList list = WithoutRecentFile(RecentEntries(settings), path);
    for (int i = 0; i < recentFileSlots; ++i)
        entry(settings, i).setValue(list[i]);
}

void AddRecentFile(SettingsTable &settings, const QString &path)
{
    RemoveRecentFile(settings, path);
    const RecentList list = WithRecentFile(RecentEntries(settings), path);
    // The stored list never holds more than the entries shown.
    const int count = RecentCountFromSetting(settings[SettingKey::recentFileCount].value());
    for (int i = 0; i < recentFileSlots; ++i) {
        if (i < count) {
            entry(settings, i).assignValue(list[i]);
            entry(settings, i).storeValue();
        } else {
            entry(settings, i).setValue(QString());
        }
    }
}

void ClearRecentFiles(SettingsTable &settings)
{
    for (int i = 0; i < recentFileSlots; ++i)
        entry(settings, i).setValue(QString());
}
