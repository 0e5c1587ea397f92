#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class SettingsTable;

// The recent-files list: twenty slots, most recent first, "" for an empty slot.
constexpr int recentFileSlots = 20;
using RecentList = std::array<QString, recentFileSlots>;

// How many entries are shown and kept, from the recentFileCount text.
int RecentCountFromSetting(const QString &text);

// Without the first entry equal to path (letter case counts); the rest move up.
RecentList WithoutRecentFile(RecentList list, const QString &path);
// Path on top, unless an entry differs from it only in letter case: then the
// list stays as it is.
RecentList WithRecentFile(RecentList list, const QString &path);

struct RecentMenuItem
{
    bool visible = false;
    QString caption;
};
std::vector<RecentMenuItem> RecentMenuItems(const RecentList &list, int count, bool fullPaths);

// The file name of path shortened to n characters (-1: not shortened); the
// whole path when fewer than two characters follow its last "/".
QString ShortenFileName(const QString &path, int n);

// Names in folder order: by their lower-case form, code unit by code unit.
QStringList SortFolderNames(QStringList names);
// The name after (or before) name in sorted names; empty when there is none.
QString NeighbourName(const QStringList &sortedNames, const QString &name, bool previous);
// The sorted names of the files in folder; empty when it cannot be listed.
QStringList ListFolderFiles(const QString &folder);
// The file after (or before) path in its folder, or "0" when there is none.
QString NeighbourFile(const QString &path, bool previous);

// The list as the settings table holds it, and the steps that keep it there.
RecentList RecentEntries(const SettingsTable &settings);
void ReloadRecentFiles(SettingsTable &settings);
void RemoveRecentFile(SettingsTable &settings, const QString &path);
void AddRecentFile(SettingsTable &settings, const QString &path);
void ClearRecentFiles(SettingsTable &settings);
