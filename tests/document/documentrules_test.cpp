#include "document/documentrules.h"
#include "edit/editcommand.h"

#include <gtest/gtest.h>

namespace {

struct TitleCase
{
    const char *name;
    const char16_t *fileName;
    bool modified;
    const char16_t *title;
};

class TitleTextTest : public ::testing::TestWithParam<TitleCase>
{
};

TEST_P(TitleTextTest, Title)
{
    const TitleCase &c = GetParam();
    EXPECT_EQ(TitleText(QString::fromUtf16(c.fileName), c.modified), QString::fromUtf16(c.title));
}

INSTANTIATE_TEST_SUITE_P(Titles, TitleTextTest,
    ::testing::Values(TitleCase { "untitled", u"0", false, u"Orvane" },
        TitleCase { "untitled_modified", u"0", true, u"Orvane*" },
        TitleCase { "file_name_only", u"/home/me/art.nfo", false, u"art.nfo - Orvane" },
        TitleCase { "modified_file", u"/home/me/art.nfo", true, u"art.nfo - Orvane*" },
        TitleCase { "no_folder", u"plain.txt", false, u"plain.txt - Orvane" }),
    [](const auto &info) { return std::string(info.param.name); });

struct SaveNameCase
{
    const char *name;
    const char16_t *fileName;
    const char16_t *proposed;
};

class ProposedSaveNameTest : public ::testing::TestWithParam<SaveNameCase>
{
};

TEST_P(ProposedSaveNameTest, Proposal)
{
    const SaveNameCase &c = GetParam();
    EXPECT_EQ(ProposedSaveName(QString::fromUtf16(c.fileName)), QString::fromUtf16(c.proposed));
}

INSTANTIATE_TEST_SUITE_P(Names, ProposedSaveNameTest,
    ::testing::Values(SaveNameCase { "untitled_proposes_nothing", u"0", u"" },
        SaveNameCase { "txt_dropped", u"/d/a.txt", u"/d/a" },
        SaveNameCase { "nfo_dropped", u"/d/a.nfo", u"/d/a" },
        SaveNameCase { "diz_dropped", u"/d/b.diz", u"/d/b" },
        SaveNameCase { "upper_case_kept", u"/d/c.TXT", u"/d/c.TXT" },
        SaveNameCase { "other_extension_kept", u"/d/a.txt.bak", u"/d/a.txt.bak" },
        // The first occurrence decides, so a folder named like the extension keeps it.
        SaveNameCase { "extension_earlier_in_path_kept", u"/x.nfo/a.nfo", u"/x.nfo/a.nfo" },
        SaveNameCase { "only_an_extension_kept", u".txt", u".txt" }),
    [](const auto &info) { return std::string(info.param.name); });

struct EmptyCase
{
    const char *name;
    const char16_t *fileName;
    const char16_t *text;
    bool empty;
};

class IsEmptyUntitledTest : public ::testing::TestWithParam<EmptyCase>
{
};

TEST_P(IsEmptyUntitledTest, Empty)
{
    const EmptyCase &c = GetParam();
    const StringEditSource text(QString::fromUtf16(c.text));
    EXPECT_EQ(IsEmptyUntitled(QString::fromUtf16(c.fileName), text), c.empty);
}

INSTANTIATE_TEST_SUITE_P(Documents, IsEmptyUntitledTest,
    ::testing::Values(EmptyCase { "untitled_without_text", u"0", u"", true },
        EmptyCase { "untitled_holding_the_marker", u"0", u"0", true },
        EmptyCase { "untitled_with_a_character", u"0", u"a", false },
        EmptyCase { "untitled_starting_with_the_marker", u"0", u"00", false },
        EmptyCase { "untitled_line_break", u"0", u"\r\n", false },
        EmptyCase { "titled_without_text", u"/d/a.txt", u"", false }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
