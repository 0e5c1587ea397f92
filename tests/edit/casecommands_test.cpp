#include "edit/casecommands.h"

#include <gtest/gtest.h>

namespace {

struct CaseCase
{
    const char *name;
    CaseMode mode;
    const char16_t *input;
    const char16_t *expected;
};

class CaseConversion : public ::testing::TestWithParam<CaseCase>
{
};

TEST_P(CaseConversion, ConvertsAndKeepsTheLength)
{
    const CaseCase &c = GetParam();
    const QString out = ConvertCaseText(QStringView(c.input), c.mode);
    EXPECT_EQ(out, QStringView(c.expected));
    EXPECT_EQ(out.size(), QStringView(c.input).size());
}

const CaseCase cases[] = {
    { "upper/letters_and_umlauts", CaseMode::Upper, u"abc \u00e4\u00f6 1", u"ABC \u00c4\u00d6 1" },
    // Sharp s has no single-unit upper form, so it stays; the length never changes.
    { "upper/sharp_s_stays", CaseMode::Upper, u"stra\u00dfe", u"STRA\u00dfE" },
    { "lower/mixed", CaseMode::Lower, u"HeLLo W\u00c4", u"hello w\u00e4" },
    { "sentence/ends_with_and_without_blank", CaseMode::Sentence,
        u"hello world. this is it! ok? yes", u"Hello world. This is it! Ok? Yes" },
    { "sentence/every_full_stop_ends_one", CaseMode::Sentence, u"e.g. test", u"E.G. Test" },
    { "sentence/starts_mid_sentence_after_blanks", CaseMode::Sentence, u"  \tWORLD is",
        u"  \tWorld is" },
    { "sentence/digit_after_end_takes_capital", CaseMode::Sentence, u"a. 3 apples",
        u"A. 3 apples" },
    { "sentence/quote_after_end_takes_capital", CaseMode::Sentence, u"a. \"hi\"", u"A. \"hi\"" },
    { "sentence/line_break_is_a_blank", CaseMode::Sentence, u"one\r\ntwo. three\r\nfour",
        u"One\r\ntwo. Three\r\nfour" },
    { "title/delimiters_but_not_apostrophe_or_hyphen", CaseMode::Title,
        u"the quick (brown) fox/dog's x-ray", u"The Quick (Brown) Fox/Dog's X-ray" },
    { "title/digit_first", CaseMode::Title, u"3d model", u"3d Model" },
    { "title/line_break_delimits", CaseMode::Title, u"a\r\nb", u"A\r\nB" },
    { "title/lowers_the_rest", CaseMode::Title, u"hELLO", u"Hello" },
    { "invert/no_lowering_first", CaseMode::Invert, u"Hello World 123", u"hELLO wORLD 123" },
    { "invert/umlauts", CaseMode::Invert, u"\u00c4\u00e4", u"\u00e4\u00c4" },
};

INSTANTIATE_TEST_SUITE_P(Cases, CaseConversion, ::testing::ValuesIn(cases),
    [](const ::testing::TestParamInfo<CaseCase> &info) {
        std::string name = info.param.name;
        for (char &c : name) {
            if (c == '/')
                c = '_';
        }
        return name;
    });

TEST(ConvertCase, EmptySelectionDoesNothing)
{
    const StringEditSource source(QStringLiteral("abc"));
    EXPECT_FALSE(ConvertCase({ source, 1, 1 }, CaseMode::Upper));
}

TEST(ConvertCase, BackwardSelectionIsReplacedAndSelected)
{
    const StringEditSource source(QStringLiteral("ab cd\r\nef"));
    const std::optional<TextEdit> edit = ConvertCase({ source, 9, 3 }, CaseMode::Upper);
    ASSERT_TRUE(edit);
    EXPECT_EQ(*edit, (TextEdit { 3, 9, QStringLiteral("CD\r\nEF"), true }));
}

} // namespace
