#include "documentrules.h"

#include "edit/editcommand.h"
#include "platform/texthelpers.h"

QString TitleText(const QString &fileName, bool modified)
{
    QString title = fileName == untitledName
        ? QStringLiteral("Orvane")
        : FileNameOf(fileName, u"/") + QStringLiteral(" - Orvane");
    if (modified)
        title += QLatin1Char('*');
    return title;
}

QString ProposedSaveName(const QString &fileName)
{
    if (fileName == untitledName)
        return QString();
    if (fileName.size() <= 4)
        return fileName;
    for (const char *ext : { ".txt", ".nfo", ".diz" }) {
        if (fileName.indexOf(QLatin1String(ext)) == fileName.size() - 4)
            return fileName.chopped(4);
    }
    return fileName;
}

bool IsEmptyUntitled(const QString &fileName, const EditSource &text)
{
    if (fileName != untitledName)
        return false;
    const int length = text.TextLength();
    return length == 0 || (length == 1 && text.TextRange(0, 1) == untitledName);
}
