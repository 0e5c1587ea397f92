#include "edit/form11_addremoveprefix.h"
#include "testseams.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

template <typename T> T *child(QDialog *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

class PrefixDialogTest : public ::testing::Test
{
protected:
    FakeSeams fakes;
    TformAddRemovePrefix dialog;
};

TEST_F(PrefixDialogTest, ShowsThePresetsAndGivesBackWhatOkLeaves)
{
    fakes.dialog = [](QDialog *d) {
        EXPECT_EQ(child<QLineEdit>(d, "editBox")->text(), u"REM ");
        EXPECT_TRUE(child<QRadioButton>(d, "radioRemove")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(d, "rememberStringCheckBox")->isChecked());
        child<QLineEdit>(d, "editBox")->setText(QStringLiteral("# "));
        child<QRadioButton>(d, "radioAdd")->setChecked(true);
        child<QCheckBox>(d, "rememberStringCheckBox")->setChecked(false);
        child<QPushButton>(d, "btnOK")->click();
        return d->result();
    };
    const std::optional<PrefixAnswer> answer
        = dialog.AskPrefix(QStringLiteral("REM "), false, true);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->prefix, u"# ");
    EXPECT_TRUE(answer->add);
    EXPECT_FALSE(answer->remember);
}

TEST_F(PrefixDialogTest, CancelGivesNothing)
{
    fakes.dialog = [](QDialog *d) {
        child<QLineEdit>(d, "editBox")->setText(QStringLiteral("x"));
        child<QPushButton>(d, "btnCancel")->click();
        return d->result();
    };
    EXPECT_FALSE(dialog.AskPrefix(QStringLiteral("//"), true, false));
}

TEST_F(PrefixDialogTest, EnterPressesOkAndTheStringStartsSelected)
{
    fakes.dialog = [](QDialog *d) {
        d->show();
        QLineEdit *edit = child<QLineEdit>(d, "editBox");
        EXPECT_EQ(edit->selectedText(), u"//");
        QTest::keyClick(edit, Qt::Key_Return);
        return d->result();
    };
    const std::optional<PrefixAnswer> answer = dialog.AskPrefix(QStringLiteral("//"), true, false);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->prefix, u"//");
}

TEST_F(PrefixDialogTest, HeightIsLimited)
{
    EXPECT_EQ(dialog.windowTitle(), u"Add/remove prefix");
    EXPECT_LE(dialog.maximumHeight() - dialog.minimumHeight(), 40);
    EXPECT_GE(dialog.minimumWidth(), 150);
}

} // namespace
