#pragma once

#include <QString>
#include <QStringView>

// The prompt with the valid range: "Line number (1-120):".
QString GotoLineLabel(const QString &hint, int lineCount);
// Whether text is a line number from 1 to lineCount.
bool IsGotoLineValid(QStringView text, int lineCount);
