#include "search/gotoline.h"

#include <gtest/gtest.h>

namespace {

TEST(GotoLine, LabelShowsTheRange)
{
    EXPECT_EQ(GotoLineLabel(QStringLiteral("Line number"), 120), u"Line number (1-120):");
    EXPECT_EQ(GotoLineLabel(QStringLiteral("Line number"), 1), u"Line number (1-1):");
}

TEST(GotoLine, OnlyNumbersInsideTheRange)
{
    EXPECT_TRUE(IsGotoLineValid(u"1", 1));
    EXPECT_TRUE(IsGotoLineValid(u"120", 120));
    EXPECT_FALSE(IsGotoLineValid(u"121", 120));
    EXPECT_FALSE(IsGotoLineValid(u"0", 120));
    EXPECT_FALSE(IsGotoLineValid(u"", 120));
    EXPECT_FALSE(IsGotoLineValid(u"12x", 120));
    EXPECT_FALSE(IsGotoLineValid(u"99999999999", 120));
}

} // namespace
