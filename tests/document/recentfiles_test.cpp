#include "document/recentfiles.h"
#include "memorystore.h"
#include "settings/settingstable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

RecentList listOf(std::initializer_list<QString> paths)
{
    RecentList list;
    std::copy(paths.begin(), paths.end(), list.begin());
    return list;
}

QStringList filled(const RecentList &list)
{
    QStringList out;
    for (const QString &e : list) {
        if (!e.isEmpty())
            out << e;
    }
    return out;
}

TEST(RecentListTest, AddingAPathAlreadyPresentMovesItToTheTop)
{
    const RecentList list = WithRecentFile(listOf({ u"/a"_s, u"/b"_s, u"/c"_s }), u"/c"_s);
    EXPECT_EQ(filled(list), (QStringList { u"/c"_s, u"/a"_s, u"/b"_s }));
}

TEST(RecentListTest, ACaseVariantKeepsTheStoredPathInPlaceAndAddsNothing)
{
    const RecentList list = WithRecentFile(listOf({ u"/a"_s, u"/Doc.txt"_s }), u"/doc.TXT"_s);
    EXPECT_EQ(filled(list), (QStringList { u"/a"_s, u"/Doc.txt"_s }));
}

TEST(RecentListTest, AFullListDropsItsOldestEntry)
{
    RecentList list;
    for (int i = 0; i < recentFileSlots; ++i)
        list[i] = u"/f"_s + QString::number(i);
    list = WithRecentFile(list, u"/new"_s);
    EXPECT_EQ(list.front(), u"/new"_s);
    EXPECT_EQ(list.back(), u"/f18"_s);
}

TEST(RecentListTest, RemovingShiftsTheRestUpAndEmptiesTheLastSlot)
{
    RecentList list;
    for (int i = 0; i < recentFileSlots; ++i)
        list[i] = u"/f"_s + QString::number(i);
    list = WithoutRecentFile(list, u"/f3"_s);
    EXPECT_EQ(list[3], u"/f4"_s);
    EXPECT_EQ(list[18], u"/f19"_s);
    EXPECT_TRUE(list[19].isEmpty());
    // Letter case counts when removing.
    EXPECT_EQ(WithoutRecentFile(list, u"/F4"_s), list);
}

struct CountCase
{
    const char *name;
    const char *setting;
    int count;
};

class RecentCountTest : public ::testing::TestWithParam<CountCase>
{
};

TEST_P(RecentCountTest, IsClampedToTheSlots)
{
    EXPECT_EQ(RecentCountFromSetting(QString::fromLatin1(GetParam().setting)), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Setting, RecentCountTest,
    ::testing::Values(CountCase { "zero", "0", 0 }, CountCase { "ten", "10", 10 },
        CountCase { "above_twenty", "25", 20 }, CountCase { "negative", "-3", 0 },
        CountCase { "not_a_number", "x", 0 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RecentMenuTest, ItemsPastTheCountAndEmptySlotsAreHidden)
{
    const auto items = RecentMenuItems(listOf({ u"/a/x"_s, u"/a/y"_s, u"/a/z"_s }), 2, true);
    EXPECT_TRUE(items[0].visible);
    EXPECT_TRUE(items[1].visible);
    EXPECT_FALSE(items[2].visible);
    EXPECT_EQ(items[2].caption, u"/a/z"_s);
    EXPECT_FALSE(items[3].visible);
    EXPECT_TRUE(items[3].caption.isEmpty());
    EXPECT_FALSE(RecentMenuItems(listOf({ u"/a/x"_s }), 0, true)[0].visible);
}

TEST(RecentMenuTest, CaptionsAreShortenedAsFileNamesOrFullPaths)
{
    const QString longName = QString(75, u'n');
    const auto names = RecentMenuItems(listOf({ u"/dir/"_s + longName }), 10, false);
    EXPECT_EQ(names[0].caption, QString(70, u'n') + u"..."_s);

    const QString longPath = u"/"_s + QString(119, u'p');
    const auto paths = RecentMenuItems(listOf({ longPath }), 10, true);
    EXPECT_EQ(paths[0].caption, u"...  "_s + longPath.right(101));
}

struct ShortenCase
{
    const char *name;
    const char *path;
    int n;
    const char *expected;
};

class ShortenFileNameTest : public ::testing::TestWithParam<ShortenCase>
{
};

TEST_P(ShortenFileNameTest, GivesTheMenuCaption)
{
    const ShortenCase &c = GetParam();
    EXPECT_EQ(ShortenFileName(QString::fromUtf8(c.path), c.n), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Names, ShortenFileNameTest,
    ::testing::Values(ShortenCase { "name_after_folder", "/a/b/file.txt", -1, "file.txt" },
        ShortenCase { "shortened_keeping_start", "/a/abcdef", 3, "abc..." },
        ShortenCase { "one_character_name_keeps_path", "/a/b/x", -1, "/a/b/x" },
        ShortenCase { "no_folder", "plain", -1, "plain" },
        ShortenCase { "trailing_slash_keeps_path", "/a/b/", -1, "/a/b/" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FolderOrderTest, SortsByLowerCaseForm)
{
    EXPECT_EQ(SortFolderNames({ u"c.nfo"_s, u"B.txt"_s, u"a.txt"_s }),
        (QStringList { u"a.txt"_s, u"B.txt"_s, u"c.nfo"_s }));
    // Non-ASCII letters sort by their lower-case form as well.
    EXPECT_EQ(
        SortFolderNames({ u"Ü.txt"_s, u"ä.txt"_s }), (QStringList { u"ä.txt"_s, u"Ü.txt"_s }));
}

struct NeighbourCase
{
    const char *name;
    QStringList sorted;
    const char *from;
    bool previous;
    const char *expected;
};

class NeighbourNameTest : public ::testing::TestWithParam<NeighbourCase>
{
};

TEST_P(NeighbourNameTest, StepsThroughTheListWithoutWrapping)
{
    const NeighbourCase &c = GetParam();
    EXPECT_EQ(NeighbourName(c.sorted, QString::fromUtf8(c.from), c.previous),
        QString::fromUtf8(c.expected));
}

const QStringList abc = { u"a.txt"_s, u"B.txt"_s, u"c.nfo"_s };

INSTANTIATE_TEST_SUITE_P(Steps, NeighbourNameTest,
    ::testing::Values(NeighbourCase { "next", abc, "a.txt", false, "B.txt" },
        NeighbourCase { "previous", abc, "c.nfo", true, "B.txt" },
        NeighbourCase { "next_of_last_is_none", abc, "c.nfo", false, "" },
        NeighbourCase { "previous_of_first_is_none", abc, "a.txt", true, "" },
        NeighbourCase { "other_letter_case_found", abc, "b.TXT", false, "c.nfo" },
        NeighbourCase { "missing_name_is_none", abc, "d.txt", false, "" },
        NeighbourCase { "only_file_has_no_neighbour", { u"x"_s }, "x", false, "" },
        // Two names that differ only in case: stepping must leave the open one.
        NeighbourCase { "case_twin_steps_past_itself", { u"File.txt"_s, u"file.txt"_s }, "file.txt",
            true, "File.txt" },
        NeighbourCase {
            "case_twin_next", { u"File.txt"_s, u"file.txt"_s }, "File.txt", false, "file.txt" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FolderListingTest, ListsOnlyFilesOfARealFolderInOrder)
{
    QTemporaryDir dir;
    for (const QString &name : { u"c.nfo"_s, u"B.txt"_s, u"a.txt"_s, u".hidden"_s }) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"aa_folder"_s));
    ASSERT_TRUE(QFile::link(dir.filePath(u"nowhere"_s), dir.filePath(u"d_link"_s)));
    // Folders are left out; a link to nowhere is a file that will not open.
    EXPECT_EQ(ListFolderFiles(dir.path()),
        (QStringList { u".hidden"_s, u"a.txt"_s, u"B.txt"_s, u"c.nfo"_s, u"d_link"_s }));
    EXPECT_EQ(NeighbourFile(dir.filePath(u"a.txt"_s), false), dir.filePath(u"B.txt"_s));
    EXPECT_EQ(NeighbourFile(dir.filePath(u".hidden"_s), true), u"0"_s);
    EXPECT_EQ(NeighbourFile(u"0"_s, false), u"0"_s);
    EXPECT_TRUE(ListFolderFiles(dir.filePath(u"missing"_s)).isEmpty());
}

class RecentSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.createDefaultSettings();
        settings.loadAllSettings();
    }
    QString stored(int slot) const
    {
        const auto it = store.values.find(u"recentFile%1"_s.arg(slot, 2, 10, QLatin1Char('0')));
        return it == store.values.end() ? QString() : it->second;
    }
    MemoryStore store;
    SettingsTable settings { &store };
};

TEST_F(RecentSettingsTest, StorageNeverHoldsMoreThanTheCount)
{
    settings[SettingKey::recentFileCount].setValue(u"3"_s);
    for (int i = 1; i <= 5; ++i)
        AddRecentFile(settings, u"/f"_s + QString::number(i));
    EXPECT_EQ(stored(1), u"/f5"_s);
    EXPECT_EQ(stored(3), u"/f3"_s);
    EXPECT_TRUE(stored(4).isEmpty());
    EXPECT_EQ(filled(RecentEntries(settings)), (QStringList { u"/f5"_s, u"/f4"_s, u"/f3"_s }));
}

TEST_F(RecentSettingsTest, OperationsStartFromWhatAnotherWindowStored)
{
    AddRecentFile(settings, u"/mine"_s);
    store.values[u"recentFile02"_s] = u"/theirs"_s; // written by a second window
    RemoveRecentFile(settings, u"/mine"_s);
    EXPECT_EQ(stored(1), u"/theirs"_s);
    EXPECT_TRUE(stored(2).isEmpty());
}

TEST_F(RecentSettingsTest, ClearEmptiesEveryStoredEntry)
{
    AddRecentFile(settings, u"/a"_s);
    AddRecentFile(settings, u"/b"_s);
    ClearRecentFiles(settings);
    EXPECT_TRUE(stored(1).isEmpty());
    EXPECT_TRUE(stored(2).isEmpty());
    EXPECT_TRUE(filled(RecentEntries(settings)).isEmpty());
}

} // namespace
