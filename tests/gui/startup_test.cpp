#include "mainwindowfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <QtTest/QTest>

#include <map>
#include <stdexcept>

namespace {

class StartupTest : public MainWindowTest
{
protected:
    void storePosition(int top, int left, int width = 400, int height = 300)
    {
        store.values[QStringLiteral("windowPosY")] = QString::number(top);
        store.values[QStringLiteral("windowPosX")] = QString::number(left);
        store.values[QStringLiteral("windowWidth")] = QString::number(width);
        store.values[QStringLiteral("windowHeight")] = QString::number(height);
    }
    static QRect desktop() { return QGuiApplication::primaryScreen()->virtualGeometry(); }
};

TEST_F(StartupTest, ThreeArgumentsPlaceTheWindowAtTopAndLeft)
{
    storePosition(10, 20);
    auto window = start({ QStringLiteral("-w"), QStringLiteral("100"), QStringLiteral("200") });
    EXPECT_EQ(window->y(), 100);
    EXPECT_EQ(window->x(), 200);
    EXPECT_EQ(window->fileName(), QStringLiteral("0"));
}

TEST_F(StartupTest, OneBadNumberLeavesTheStoredPosition)
{
    storePosition(10, 20);
    auto window
        = start({ QStringLiteral("file.nfo"), QStringLiteral("abc"), QStringLiteral("200") });
    EXPECT_EQ(window->y(), 10);
    EXPECT_EQ(window->x(), 20);
}

TEST_F(StartupTest, StoredPositionOffTheDesktopIsPulledBack)
{
    storePosition(-5000, 90000);
    auto window = start();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(desktop().contains(frame)) << frame.x() << "," << frame.y();
}

TEST_F(StartupTest, ProgramFolderEndsWithItsSeparator)
{
    auto window = start();
    EXPECT_TRUE(window->exeFolder().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(window->exePath().startsWith(window->exeFolder()));
}

TEST_F(StartupTest, FirstStartRecordsTheRunningVersionOnce)
{
    store.values.erase(QStringLiteral("currentVersion"));
    auto window = start();
    EXPECT_EQ(store.values[QStringLiteral("currentVersion")], QStringLiteral("1.8"));
    const auto writes = store.writes.size();
    window.reset();
    window = start();
    EXPECT_EQ(store.writes.size(), writes);
}

TEST_F(StartupTest, ReadOnlyUnlessChangesAreAllowed)
{
    store.values[QStringLiteral("allowTextChanges")] = QStringLiteral("0");
    EXPECT_TRUE(start()->memo()->isReadOnly());
    store.values[QStringLiteral("allowTextChanges")] = QStringLiteral("1");
    EXPECT_FALSE(start()->memo()->isReadOnly());
}

TEST_F(StartupTest, ClosingMaximisedStoresOnlyTheFlag)
{
    storePosition(10, 20);
    store.values[QStringLiteral("saveWindowPos")] = QStringLiteral("1");
    store.values[QStringLiteral("windowIsMaximized")] = QStringLiteral("1");
    auto window = start();
    window->show();
    ASSERT_TRUE(window->isMaximized());
    store.writes.clear();
    window->close();
    EXPECT_EQ(store.values[QStringLiteral("windowPosY")], QStringLiteral("10"));
    EXPECT_EQ(store.values[QStringLiteral("windowPosX")], QStringLiteral("20"));
    EXPECT_EQ(store.values[QStringLiteral("windowWidth")], QStringLiteral("400"));
    EXPECT_TRUE(store.writes.empty()); // the flag was "1" already
}

TEST_F(StartupTest, ClosingANormalWindowStoresItsPlacement)
{
    storePosition(10, 20);
    store.values[QStringLiteral("saveWindowPos")] = QStringLiteral("1");
    store.values[QStringLiteral("windowIsMaximized")] = QStringLiteral("1");
    auto window = start({ QStringLiteral("-w"), QStringLiteral("130"), QStringLiteral("140") });
    window->showNormal();
    window->resize(500, 350);
    window->move(140, 130);
    window->close();
    EXPECT_EQ(store.values[QStringLiteral("windowIsMaximized")], QStringLiteral("0"));
    EXPECT_EQ(store.values[QStringLiteral("windowPosY")], QString::number(window->y()));
    EXPECT_EQ(store.values[QStringLiteral("windowPosX")], QString::number(window->x()));
    EXPECT_EQ(store.values[QStringLiteral("windowWidth")], QStringLiteral("500"));
    EXPECT_EQ(store.values[QStringLiteral("windowHeight")], QStringLiteral("350"));
}

TEST_F(StartupTest, PlacementIsNotStoredWhenSwitchedOff)
{
    store.values[QStringLiteral("saveWindowPos")] = QStringLiteral("0");
    auto window = start();
    window->show();
    store.writes.clear();
    window->close();
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(StartupTest, AnExceptionInAnEventHandlerIsShownNotFatal)
{
    QObject thrower;
    QObject::connect(&thrower, &QObject::destroyed, &thrower, [] {});
    class Thrower : public QObject
    {
    protected:
        bool event(QEvent *) override { throw std::runtime_error("disk on fire"); }
    } target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(fakes.messages[0].text, QStringLiteral("disk on fire"));
    EXPECT_EQ(fakes.messages[0].caption, QStringLiteral("Orvane"));
    EXPECT_EQ(fakes.messages[0].flags, 0x10);
}

TEST_F(StartupTest, DropsTakeTheFirstLocalFileAndRefuseOthers)
{
    auto window = start();
    window->show();
    QStringList dropped;
    QObject::connect(window.get(), &TformMain::fileDropped, window.get(),
        [&](const QString &path) { dropped << path; });
    QWidget *target = window->memo()->viewport();

    auto dropUrls = [&](const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    };
    EXPECT_FALSE(dropUrls({ QUrl(QStringLiteral("https://orvane.example/a.nfo")) }));
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_TRUE(dropUrls({ QUrl::fromLocalFile(QStringLiteral("/tmp/a.nfo")),
        QUrl::fromLocalFile(QStringLiteral("/tmp/b.nfo")) }));
    EXPECT_EQ(dropped, QStringList { QStringLiteral("/tmp/a.nfo") });
    EXPECT_TRUE(window->memo()->text().isEmpty());
}

TEST_F(StartupTest, EditMenuHasItsShortcutsAndHints)
{
    auto window = start();
    struct Item
    {
        const char *name;
        const char *caption;
        QKeySequence::StandardKey key;
        const char *hint;
    };
    const Item items[] = { { "Undo1", "&Undo", QKeySequence::Undo, "Undo" },
        { "Cut1", "Cu&t", QKeySequence::Cut, "Cut" },
        { "Copy1", "&Copy", QKeySequence::Copy, "Copy" },
        { "Paste1", "&Paste", QKeySequence::Paste, "Paste" },
        { "SelectAll1", "Select &All", QKeySequence::SelectAll, "Select all text" } };
    for (const Item &item : items) {
        auto *action = window->findChild<QAction *>(QString::fromLatin1(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QString::fromLatin1(item.caption));
        EXPECT_TRUE(QKeySequence::keyBindings(item.key).contains(action->shortcut())) << item.name;
        EXPECT_EQ(action->statusTip(), QString::fromLatin1(item.hint));
    }
}

TEST_F(StartupTest, PasteFromTheMenuGoesThroughTheClipboardSeam)
{
    store.values[QStringLiteral("allowTextChanges")] = QStringLiteral("1");
    auto window = start();
    fakes.clipboard = QStringLiteral("a\nb");
    window->findChild<QAction *>(QStringLiteral("Paste1"))->trigger();
    EXPECT_EQ(window->memo()->text(), QStringLiteral("a\r\nb"));
    window->findChild<QAction *>(QStringLiteral("Undo1"))->trigger();
    EXPECT_TRUE(window->memo()->text().isEmpty());
}

TEST_F(StartupTest, TypedLineBreaksAreCrLfAndCopyKeepsThem)
{
    store.values[QStringLiteral("allowTextChanges")] = QStringLiteral("1");
    auto window = start();
    window->show();
    TMemoPad *memo = window->memo();
    QTest::keyClicks(memo, QStringLiteral("ab"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("c"));
    EXPECT_EQ(memo->text(), QStringLiteral("ab\r\nc"));
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ab\r\nc"));
}

} // namespace
