#pragma once

#include "app/form01_main.h"
#include "memorystore.h"
#include "testseams.h"
#include "view/tmemopad.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>
#include <memory>

// Whole-window tests: a main window over settings kept in memory, with the fake
// seams installed so nothing blocks. The test main gives every test process a
// home, config, data and temp folder of its own; dir is one more for the test's files.
class MainWindowTest : public ::testing::Test
{
protected:
    // The stored version matches the program's, so no first-start upgrade runs.
    MainWindowTest() { store.values[QStringLiteral("currentVersion")] = QStringLiteral("1.8"); }

    std::unique_ptr<TformMain> start(const QStringList &arguments = {})
    {
        return startAs(QCoreApplication::applicationFilePath(), arguments);
    }
    // The program "runs" from exePath, e.g. the build folder where the font files are.
    std::unique_ptr<TformMain> startAs(const QString &exePath, const QStringList &arguments = {})
    {
        return std::make_unique<TformMain>(StartupOptions { exePath, arguments, &store });
    }
    // On real storage instead of the memory store.
    static std::unique_ptr<TformMain> startOn(SettingsStorage &storage)
    {
        return std::make_unique<TformMain>(
            StartupOptions { QCoreApplication::applicationFilePath(), {}, nullptr, &storage });
    }
    void storeSetting(const char *key, const QString &value)
    {
        store.values[QLatin1String(key)] = value;
    }
    static QAction *action(const TformMain &window, const char *name)
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }
    // Shown, active (shortcuts reach only the active window) and typing
    // into the editor; call through ASSERT_NO_FATAL_FAILURE.
    static void ShowActive(TformMain &window)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.memo()->setFocus();
    }
    // A file of the test's own folder.
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<missing>");
    }

    FakeSeams fakes;
    MemoryStore store;
    QTemporaryDir dir;
};
