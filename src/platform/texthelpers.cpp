#include "texthelpers.h"

QString FileNameOf(QStringView text, QStringView delimiter)
{
    const qsizetype at = text.lastIndexOf(delimiter);
    if (at < 0 || at + delimiter.size() >= text.size())
        return text.toString();
    return text.mid(at + delimiter.size()).toString();
}

QString FolderOf(QStringView text, QStringView delimiter)
{
    const qsizetype at = text.lastIndexOf(delimiter);
    if (at <= 0)
        return text.toString();
    return text.left(at).toString();
}

QString ShortenText(const QString &text, int n, bool keepStart)
{
    if (n < 0 || text.size() <= n)
        return text;
    if (keepStart)
        return text.left(n) + QStringLiteral("...");
    return QStringLiteral("...  ") + text.right(n + 1);
}

QString ExpandLineBreakEscapes(QString text)
{
    text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\\r"), QStringLiteral("\r"));
    return text;
}
