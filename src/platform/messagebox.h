#pragma once

#include <QString>

class QWidget;

// Button values and icons as the platform's message box takes them.
enum MessageBoxFlags : int {
    MB_OK = 0x0,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};

// Results of a message box.
enum MessageBoxResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// The window message boxes and dialogs belong to (the main window).
void SetDialogOwner(QWidget *owner);
QWidget *DialogOwner();

// The text is shown as it stands: a message's "\n" escapes were expanded when
// it was read (message()), never in a path or other value put into it.
int ShowMessageBox(const QString &text, const QString &caption, int flags);
int ShowErrorBox(const QString &text, int buttons = MB_OK);
int ShowWarningBox(const QString &text, int buttons = MB_OK);
int ShowInfoBox(const QString &text, int buttons = MB_OK);
int ShowQuestionBox(const QString &text, int buttons = MB_OK);

// Centres dialog on mainWindow within the virtual desktop; on top when asked.
void PlaceDialog(QWidget *dialog, const QWidget *mainWindow, bool alwaysOnTop);
