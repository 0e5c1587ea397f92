#include "gotoline.h"

QString GotoLineLabel(const QString &hint, int lineCount)
{
    return hint + QStringLiteral(" (1-") + QString::number(lineCount) + QStringLiteral("):");
}

bool IsGotoLineValid(QStringView text, int lineCount)
{
    bool ok = false;
    const int line = text.toInt(&ok);
    return ok && line > 0 && line <= lineCount;
}
