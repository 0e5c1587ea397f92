#pragma once

#include "platform/seams.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Seams for tests: message boxes answer from a queue, nothing blocks, every
// outside call is recorded.
struct RecordedMessage
{
    QString text;
    QString caption;
    int flags = 0;
};

class FakeSeams
{
public:
    FakeSeams();
    ~FakeSeams();

    std::vector<RecordedMessage> messages;
    std::deque<int> messageAnswers; // next answers; 1 (OK) when empty
    std::vector<QString> openedUrls;
    std::vector<QStringList> startedProcesses; // program first, then arguments
    std::vector<int> waits;
    int beeps = 0;
    QString clipboard;
    int clipboardFailures = 0; // reads and writes that fail before one succeeds
    std::function<bool(FileDialogState &)> openDialog; // cancel when unset
    std::function<bool(FileDialogState &)> saveDialog; // cancel when unset
    std::function<int(QDialog *)> dialog; // reject (0) when unset
};

// Installs plain fakes before every test so that no test can block on a dialog.
class TestSeamsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override;
};
