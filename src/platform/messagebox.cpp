#include "messagebox.h"

#include "placement.h"
#include "seams.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

QPointer<QWidget> &owner()
{
    static QPointer<QWidget> w;
    return w;
}

QRect virtualDesktop()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void SetDialogOwner(QWidget *w)
{
    owner() = w;
}

QWidget *DialogOwner()
{
    return owner();
}

int ShowMessageBox(const QString &text, const QString &caption, int flags)
{
    return seams().messageBox(owner(), text, caption, flags);
}

int ShowErrorBox(const QString &text, int buttons)
{
    return ShowMessageBox(text, QStringLiteral("Orvane"), buttons | MB_ICONERROR);
}

int ShowWarningBox(const QString &text, int buttons)
{
    return ShowMessageBox(text, QStringLiteral("Orvane"), buttons | MB_ICONWARNING);
}

int ShowInfoBox(const QString &text, int buttons)
{
    return ShowMessageBox(text, QStringLiteral("Orvane"), buttons | MB_ICONINFORMATION);
}

int ShowQuestionBox(const QString &text, int buttons)
{
    return ShowMessageBox(text, QStringLiteral("Orvane"), buttons | MB_ICONQUESTION);
}

void PlaceDialog(QWidget *dialog, const QWidget *mainWindow, bool alwaysOnTop)
{
    if (!dialog || !mainWindow)
        return;
    if (alwaysOnTop && !(dialog->windowFlags() & Qt::WindowStaysOnTopHint))
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog->move(
        DialogPosition(mainWindow->frameGeometry(), dialog->frameSize(), virtualDesktop()));
}
