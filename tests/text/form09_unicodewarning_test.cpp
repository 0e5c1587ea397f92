#include "testseams.h"
#include "text/form09_unicodewarning.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class UnicodeWarning : public ::testing::Test
{
protected:
    // Shows the dialog as the real seam would, then lets act answer it.
    UnicodeWarningAnswer show(const std::function<void(QDialog *)> &act,
        Encoding encoding = Encoding::Ansi, bool onTop = false)
    {
        fakes.dialog = [&](QDialog *d) {
            shownText = d->findChild<QLabel *>(QStringLiteral("labelRef"))->text();
            d->show();
            shownAt = d->frameGeometry();
            act(d);
            return d->result();
        };
        return form.ShowUnicodeWarning(encoding, &mainWindow, onTop);
    }
    static std::function<void(QDialog *)> click(const char *name)
    {
        return
            [name](QDialog *d) { d->findChild<QPushButton *>(QString::fromLatin1(name))->click(); };
    }
    static void close(QDialog *d) { d->close(); }

    FakeSeams fakes;
    QWidget mainWindow;
    // No parent: Qt would centre a child dialog on its parent by itself.
    TformUnicodeWarning form;
    QString shownText;
    QRect shownAt;
};

TEST_F(UnicodeWarning, Answers)
{
    EXPECT_EQ(show(click("btnUnicode")), UnicodeWarningAnswer::SaveAsUnicode);
    EXPECT_EQ(show(click("btnSaveAnyway")), UnicodeWarningAnswer::SaveAnyway);
    EXPECT_EQ(show(click("btnCancel")), UnicodeWarningAnswer::Cancel);
    // Esc and the frame mean Cancel, whatever the last answer was.
    show(click("btnSaveAnyway"));
    EXPECT_EQ(
        show([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); }), UnicodeWarningAnswer::Cancel);
    show(click("btnSaveAnyway"));
    EXPECT_EQ(show(close), UnicodeWarningAnswer::Cancel);
    EXPECT_EQ(show([](QDialog *d) { QTest::keyClick(d, Qt::Key_Return); }),
        UnicodeWarningAnswer::SaveAsUnicode);
    EXPECT_EQ(fakes.beeps, 8);
}

TEST_F(UnicodeWarning, TextNamesTheEncodingInQuotes)
{
    const QString warning
        = QStringLiteral("The text contains characters that will be lost if saved "
                         "with the selected encoding.");
    show(close, Encoding::Ansi);
    EXPECT_EQ(shownText, warning + QStringLiteral(" (\"ANSI\")"));
    show(close, Encoding::None);
    EXPECT_EQ(shownText, warning);
}

TEST_F(UnicodeWarning, ShownCentredOnTheMainWindow)
{
    mainWindow.setGeometry(50, 40, 600, 400); // inside the 800 x 600 offscreen desktop
    mainWindow.show();
    show(close);
    const QRect main = mainWindow.frameGeometry();
    EXPECT_EQ(shownAt.left(), main.left() + main.width() / 2 - shownAt.width() / 2);
    EXPECT_EQ(shownAt.top(), main.top() + main.height() / 2 - shownAt.height() / 2);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    show(close, Encoding::Ansi, true);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
