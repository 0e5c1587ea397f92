#include "mainwindowfixture.h"

#include <QFile>
#include <QMenu>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

class RecentTest : public MainWindowTest
{
protected:
    QString write(const QString &name, const QByteArray &text = "text")
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    // A name in the folder listing that cannot be opened, even by root.
    QString unreadable(const QString &name)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QFile::link(dir.filePath(u"nowhere/"_s + name), path));
        return path;
    }
    static QAction *action(const TformMain &window, const QString &name)
    {
        return window.findChild<QAction *>(name);
    }
    static void openFileMenu(TformMain &window)
    {
        emit window.findChild<QMenu *>(u"File1"_s)->aboutToShow();
    }
    static int visibleItems(TformMain &window)
    {
        int visible = 0;
        for (int i = 0; i < 20; ++i)
            visible += action(window, u"Recent"_s + QString::number(i))->isVisible();
        return visible;
    }
    QString stored(int slot)
    {
        return store.values[u"recentFile%1"_s.arg(slot, 2, 10, QLatin1Char('0'))];
    }
};

TEST_F(RecentTest, OpenedFilesGoOnTopUpToTheCount)
{
    store.values[u"recentFileCount"_s] = u"3"_s;
    auto window = start();
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(window->OpenFile(write(u"f%1.txt"_s.arg(i)), {}, true));
    EXPECT_EQ(stored(1), dir.filePath(u"f5.txt"_s));
    EXPECT_EQ(stored(3), dir.filePath(u"f3.txt"_s));
    EXPECT_TRUE(stored(4).isEmpty());
    EXPECT_EQ(visibleItems(*window), 3);
    EXPECT_EQ(action(*window, u"Recent0"_s)->text(), dir.filePath(u"f5.txt"_s));
}

TEST_F(RecentTest, CountZeroHidesEveryItemButTheSeparator)
{
    store.values[u"recentFile01"_s] = u"/x/a.txt"_s;
    store.values[u"recentFileCount"_s] = u"0"_s;
    auto window = start();
    EXPECT_EQ(visibleItems(*window), 0);
    EXPECT_TRUE(action(*window, u"MySeparator"_s)->isVisible());
}

TEST_F(RecentTest, TheMenuShowsWhatAnotherWindowAddedWhenItOpens)
{
    store.values[u"recentFileFullPath"_s] = u"0"_s;
    auto window = start();
    EXPECT_EQ(visibleItems(*window), 0);
    store.values[u"recentFile01"_s] = u"/elsewhere/Tom & Jerry.nfo"_s;
    openFileMenu(*window);
    EXPECT_EQ(visibleItems(*window), 1);
    // The name without its folder, the "&" shown as itself.
    EXPECT_EQ(action(*window, u"Recent0"_s)->text(), u"Tom && Jerry.nfo"_s);
}

TEST_F(RecentTest, AnEntryThatFailsToOpenIsReportedAndRemoved)
{
    const QString kept = write(u"kept.txt"_s);
    store.values[u"recentFile01"_s] = dir.filePath(u"gone.txt"_s);
    store.values[u"recentFile02"_s] = kept;
    auto window = start();
    action(*window, u"Recent0"_s)->trigger();
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(stored(1), kept);
    EXPECT_TRUE(stored(2).isEmpty());
    action(*window, u"Recent0"_s)->trigger();
    EXPECT_EQ(window->fileName(), kept);
}

TEST_F(RecentTest, NeighbourCommandsFollowTheDocument)
{
    auto window = start();
    EXPECT_FALSE(action(*window, u"NextFile1"_s)->isEnabled());
    ASSERT_TRUE(window->OpenFile(write(u"a.txt"_s), {}, true));
    EXPECT_TRUE(action(*window, u"NextFile1"_s)->isEnabled());
    EXPECT_TRUE(action(*window, u"PreviousFile1"_s)->isEnabled());
    window->NewDocument(false);
    EXPECT_FALSE(action(*window, u"PreviousFile1"_s)->isEnabled());
}

TEST_F(RecentTest, NextSkipsUnreadableFilesAndAsksOnlyOnce)
{
    const QString first = write(u"a.txt"_s);
    unreadable(u"b.txt"_s);
    unreadable(u"C.txt"_s);
    const QString last = write(u"d.nfo"_s);
    auto window = start();
    ASSERT_TRUE(window->OpenFile(first, {}, true));
    QTest::keyClicks(window->memo(), u"changed"_s);
    fakes.messageAnswers = { 7 }; // No: do not save
    action(*window, u"NextFile1"_s)->trigger();
    EXPECT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(window->fileName(), last);

    // At either end nothing happens, and nobody is asked.
    action(*window, u"NextFile1"_s)->trigger();
    EXPECT_EQ(window->fileName(), last);
    action(*window, u"PreviousFile1"_s)->trigger();
    EXPECT_EQ(window->fileName(), first);
    action(*window, u"PreviousFile1"_s)->trigger();
    EXPECT_EQ(window->fileName(), first);
    EXPECT_EQ(fakes.messages.size(), 1u);
}

TEST_F(RecentTest, TheOnlyFileOfAFolderHasNoNeighbours)
{
    const QString only = write(u"only.txt"_s);
    auto window = start();
    ASSERT_TRUE(window->OpenFile(only, {}, true));
    action(*window, u"NextFile1"_s)->trigger();
    action(*window, u"PreviousFile1"_s)->trigger();
    EXPECT_EQ(window->fileName(), only);
}

TEST_F(RecentTest, CancellingTheQuestionStaysOnTheDocument)
{
    const QString first = write(u"a.txt"_s);
    write(u"b.txt"_s);
    auto window = start();
    ASSERT_TRUE(window->OpenFile(first, {}, true));
    QTest::keyClicks(window->memo(), u"changed"_s);
    fakes.messageAnswers = { 2 }; // Cancel
    action(*window, u"NextFile1"_s)->trigger();
    EXPECT_EQ(window->fileName(), first);
    EXPECT_TRUE(window->isModified());
}

} // namespace
