#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Top left of a dialog centred on the main window and kept on the desktop,
// with 30 pixels left free at the bottom for a taskbar.
QPoint DialogPosition(const QRect &mainWindow, const QSize &dialog, const QRect &desktop);
// Top left of a window of size moved wholly onto the desktop where it fits.
QPoint WindowPositionOnDesktop(const QPoint &wanted, const QSize &size, const QRect &desktop);
