#include "app/commandline.h"

#include <gtest/gtest.h>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

struct CommandLineCase
{
    const char *name;
    QStringList args;
    QString path;
    bool placed;
    int top;
    int left;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase>
{
};

TEST_P(CommandLineTest, Parses)
{
    const CommandLineCase &c = GetParam();
    const CommandLine result = ParseCommandLine(c.args);
    EXPECT_EQ(result.path, c.path);
    ASSERT_EQ(result.topLeft.has_value(), c.placed);
    if (c.placed) {
        EXPECT_EQ(result.topLeft->y(), c.top);
        EXPECT_EQ(result.topLeft->x(), c.left);
    }
}

INSTANTIATE_TEST_SUITE_P(CommandLine, CommandLineTest,
    ::testing::Values(CommandLineCase { "none", {}, {}, false, 0, 0 },
        CommandLineCase { "one_path", { s("a.nfo") }, s("a.nfo"), false, 0, 0 },
        CommandLineCase { "two_second_ignored", { s("a.nfo"), s("100") }, s("a.nfo"), false, 0, 0 },
        CommandLineCase {
            "new_window_switch", { s("-w"), s("100"), s("200") }, {}, true, 100, 200 },
        CommandLineCase {
            "zero_opens_nothing", { s("0"), s("100"), s("200") }, {}, true, 100, 200 },
        CommandLineCase {
            "path_and_place", { s("a.nfo"), s("-5"), s("7"), s("x") }, s("a.nfo"), true, -5, 7 },
        CommandLineCase { "bad_top_ignores_both", { s("file.nfo"), s("abc"), s("200") },
            s("file.nfo"), false, 0, 0 },
        CommandLineCase {
            "bad_left_ignores_both", { s("-w"), s("100"), s("2x") }, {}, false, 0, 0 }),
    [](const ::testing::TestParamInfo<CommandLineCase> &info) {
        return std::string(info.param.name);
    });

} // namespace
