#include "placement.h"

#include <algorithm>

QPoint DialogPosition(const QRect &mainWindow, const QSize &dialog, const QRect &desktop)
{
    int left = mainWindow.left() + mainWindow.width() / 2 - dialog.width() / 2;
    left = std::max(left, desktop.left());
    left = std::min(left, desktop.left() + desktop.width() - dialog.width());
    int top = mainWindow.top() + mainWindow.height() / 2 - dialog.height() / 2;
    top = std::max(top, desktop.top());
    top = std::min(top, desktop.top() + desktop.height() - dialog.height() - 30);
    return { left, top };
}

QPoint WindowPositionOnDesktop(const QPoint &wanted, const QSize &size, const QRect &desktop)
{
    const int top = std::min(
        std::max(wanted.y(), desktop.top()), desktop.top() + desktop.height() - size.height());
    const int left = std::min(
        std::max(wanted.x(), desktop.left()), desktop.left() + desktop.width() - size.width());
    return { left, top };
}
