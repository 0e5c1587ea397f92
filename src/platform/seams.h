#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

// Everything modal and everything that leaves the process goes through here,
// so tests can replace it: nothing blocks and every call can be checked.
struct FileDialogState
{
    QString directory;
    QString fileName; // in: preset name, out: chosen path
    QStringList filters; // "Text file (*.txt)" and so on
    int filterIndex = 0; // 0-based
    QStringList encodings; // the extra encoding list
    int encodingIndex = 0; // 0-based; -1 when nothing is selected
    QString defaultSuffix;
    bool confirmOverwrite = false;
};

struct Seams
{
    // Returns the Windows button code (1 OK, 2 Cancel, 6 Yes, 7 No).
    std::function<int(QWidget *parent, const QString &text, const QString &caption, int flags)>
        messageBox;
    // Both return false when the user cancels.
    std::function<bool(QWidget *parent, FileDialogState &state)> openFileDialog;
    std::function<bool(QWidget *parent, FileDialogState &state)> saveFileDialog;
    // Runs a dialog modally and returns its result code.
    std::function<int(QDialog *dialog)> execDialog;
    // The shell's open action for an address: the browser, the mail program.
    std::function<bool(const QString &address)> openUrl;
    std::function<bool(const QString &program, const QStringList &arguments)> startProcess;
    // nullopt when the clipboard cannot be read at the moment.
    std::function<std::optional<QString>()> readClipboard;
    // Empty optional on success, otherwise the failure's text (may be empty).
    std::function<std::optional<QString>(const QString &text)> writeClipboard;
    std::function<void(int milliseconds)> wait;
    std::function<void()> beep;
};

// The process-wide seams, set to the real implementations at first use.
Seams &seams();
// Back to the real implementations.
void resetSeams();
