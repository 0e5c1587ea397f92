// A large edit that keeps its line breaks is applied line by line; the
// changes must rebuild exactly the new text.
#include "edit/linechanges.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QString Applied(const QString &oldText, const std::vector<LineChange> &changes)
{
    QStringList lines = oldText.split(QStringLiteral("\r\n"));
    // From the back, so earlier columns stay where they were.
    for (auto change = changes.rbegin(); change != changes.rend(); ++change)
        lines[change->line].replace(change->column, change->removed, change->text);
    return lines.join(QStringLiteral("\r\n"));
}

TEST(LineChanges, TouchOnlyWhatDiffers)
{
    const auto changes = LineChanges(u"// one\r\ntwo\r\n// three", u"one\r\ntwo\r\nthree");
    ASSERT_TRUE(changes);
    const std::vector<LineChange> expected { { 0, 0, 3, {} }, { 2, 0, 3, {} } };
    EXPECT_EQ(*changes, expected);

    const auto prefixed = LineChanges(u"a\r\n\r\nb", u"> a\r\n> \r\n> b");
    ASSERT_TRUE(prefixed);
    EXPECT_EQ(prefixed->size(), 3u);
    EXPECT_EQ((*prefixed)[1], (LineChange { 1, 0, 0, QStringLiteral("> ") }));
    // A repeated letter: the change is one of them, not both.
    EXPECT_EQ(*LineChanges(u"aa", u"a"), (std::vector<LineChange> { { 0, 1, 1, {} } }));
    EXPECT_TRUE(LineChanges(u"same\r\nlines", u"same\r\nlines")->empty());
}

TEST(LineChanges, LeaveOtherEditsToAWholeReplacement)
{
    EXPECT_FALSE(LineChanges(u"a\r\nb", u"a b"));
    EXPECT_FALSE(LineChanges(u"a b", u"a\r\nb"));
    EXPECT_FALSE(LineChanges(u"lone\rbreak", u"lone\rbreaks"));
    EXPECT_FALSE(LineChanges(u"lone\nfeed", u"lone\nfeeds"));
    EXPECT_FALSE(LineChanges(u"x", u"x\u2028"));
    EXPECT_FALSE(LineChanges(u"ends\r", u"ends!\r"));
}

TEST(LineChanges, RebuildTheNewTextOfRandomEdits)
{
    QRandomGenerator random(3);
    const QString letters = QStringLiteral("ab \t");
    const auto line = [&] {
        QString text;
        for (int i = random.bounded(8); i > 0; --i)
            text += letters[random.bounded(int(letters.size()))];
        return text;
    };
    for (int round = 0; round < 2000; ++round) {
        QStringList before;
        QStringList after;
        for (int i = random.bounded(1, 6); i > 0; --i) {
            before << line();
            after << (random.bounded(3) == 0 ? before.last() : line());
        }
        const QString oldText = before.join(QStringLiteral("\r\n"));
        const QString newText = after.join(QStringLiteral("\r\n"));
        const auto changes = LineChanges(oldText, newText);
        ASSERT_TRUE(changes);
        ASSERT_EQ(Applied(oldText, *changes), newText) << qPrintable(oldText);
    }
}

} // namespace
