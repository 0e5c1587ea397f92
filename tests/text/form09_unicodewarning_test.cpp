#include "text/form09_unicodewarning.h"

#include "testseams.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class UnicodeWarning : public ::testing::Test
{
protected:
    // Shows the dialog as the real seam would, then lets act answer it.
    int show(const std::function<void(QDialog *)> &act, Encoding encoding = Encoding::Ansi,
             bool onTop = false)
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
    static void click(QDialog *d, const char *name)
    {
        d->findChild<QPushButton *>(QString::fromLatin1(name))->click();
    }

    FakeSeams fakes;
    QWidget mainWindow;
    // No parent: Qt would centre a child dialog on its parent by itself.
    TformUnicodeWarning form;
    QString shownText;
    QRect shownAt;
};

TEST_F(UnicodeWarning, ButtonsGiveTheirAnswers)
{
    EXPECT_EQ(show([](QDialog *d) { click(d, "btnUnicode"); }), TformUnicodeWarning::SaveAsUnicode);
    EXPECT_EQ(show([](QDialog *d) { click(d, "btnSaveAnyway"); }), TformUnicodeWarning::SaveAnyway);
    EXPECT_EQ(show([](QDialog *d) { click(d, "btnCancel"); }), TformUnicodeWarning::Cancel);
    EXPECT_EQ(fakes.beeps, 3);
}

TEST_F(UnicodeWarning, EscapeAndClosingMeanCancelEvenAfterAnEarlierAnswer)
{
    show([](QDialog *d) { click(d, "btnSaveAnyway"); });
    EXPECT_EQ(show([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); }), TformUnicodeWarning::Cancel);
    EXPECT_EQ(show([](QDialog *d) { d->close(); }), TformUnicodeWarning::Cancel);
}

TEST_F(UnicodeWarning, TextNamesTheEncodingInQuotes)
{
    show([](QDialog *d) { d->close(); }, Encoding::Ansi);
    EXPECT_EQ(shownText, QStringLiteral("The text contains characters that will be lost if saved "
                                        "with the selected encoding. (\"ANSI\")"));
    show([](QDialog *d) { d->close(); }, Encoding::None);
    EXPECT_EQ(shownText, QStringLiteral("The text contains characters that will be lost if saved "
                                        "with the selected encoding."));
}

TEST_F(UnicodeWarning, ReturnDefaultsToSaveAsUnicode)
{
    EXPECT_EQ(show([](QDialog *d) { QTest::keyClick(d, Qt::Key_Return); }),
              TformUnicodeWarning::SaveAsUnicode);
}

TEST_F(UnicodeWarning, ShownCentredOnTheMainWindow)
{
    mainWindow.setGeometry(50, 40, 600, 400); // inside the 800 x 600 offscreen desktop
    mainWindow.show();
    show([](QDialog *d) { d->close(); });
    const QRect main = mainWindow.frameGeometry();
    EXPECT_EQ(shownAt.left(), main.left() + main.width() / 2 - shownAt.width() / 2);
    EXPECT_EQ(shownAt.top(), main.top() + main.height() / 2 - shownAt.height() / 2);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    show([](QDialog *d) { d->close(); }, Encoding::Ansi, true);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
