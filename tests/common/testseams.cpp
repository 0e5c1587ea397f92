#include "testseams.h"

#include <QDialog>

FakeSeams::FakeSeams()
{
    Seams &s = seams();
    s.messageBox = [this](QWidget *, const QString &text, const QString &caption, int flags) {
        messages.push_back({ text, caption, flags });
        if (messageAnswers.empty())
            return 1;
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    };
    s.openFileDialog = [this](QWidget *, FileDialogState &state) {
        return openDialog ? openDialog(state) : false;
    };
    s.saveFileDialog = [this](QWidget *, FileDialogState &state) {
        return saveDialog ? saveDialog(state) : false;
    };
    s.execDialog = [this](QDialog *d) { return dialog ? dialog(d) : 0; };
    s.openUrl = [this](const QString &address) {
        openedUrls.push_back(address);
        return true;
    };
    s.startProcess = [this](const QString &program, const QStringList &arguments) {
        startedProcesses.push_back(QStringList { program } + arguments);
        return true;
    };
    s.readClipboard = [this]() -> std::optional<QString> {
        if (clipboardFailures > 0) {
            --clipboardFailures;
            return std::nullopt;
        }
        return clipboard;
    };
    s.writeClipboard = [this](const QString &text) -> std::optional<QString> {
        if (clipboardFailures > 0) {
            --clipboardFailures;
            return QStringLiteral("Clipboard busy");
        }
        clipboard = text;
        return std::nullopt;
    };
    s.wait = [this](int ms) { waits.push_back(ms); };
    s.beep = [this]() { ++beeps; };
}

FakeSeams::~FakeSeams()
{
    // Leave harmless fakes behind rather than real dialogs.
    TestSeamsEnvironment().SetUp();
}

void TestSeamsEnvironment::SetUp()
{
    Seams &s = seams();
    s.messageBox = [](QWidget *, const QString &, const QString &, int) { return 1; };
    s.openFileDialog = [](QWidget *, FileDialogState &) { return false; };
    s.saveFileDialog = [](QWidget *, FileDialogState &) { return false; };
    s.execDialog = [](QDialog *) { return 0; };
    s.openUrl = [](const QString &) { return true; };
    s.startProcess = [](const QString &, const QStringList &) { return true; };
    s.readClipboard = []() -> std::optional<QString> { return QString(); };
    s.writeClipboard = [](const QString &) -> std::optional<QString> { return std::nullopt; };
    s.wait = [](int) {};
    s.beep = []() {};
}
