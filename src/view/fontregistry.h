#pragma once

#include <QString>

// Makes the faces in folder's private font files available by name, for as
// long as the main window lives. A missing or unreadable file is skipped
// silently: the face names then fall back to whatever the system substitutes.
void RegisterPrivateFonts(const QString &folder);
// Removes the faces RegisterPrivateFonts added.
void UnregisterPrivateFonts();
