#include "linkopen.h"

#include "app/seams.h"
#include "linkactions.h"

#include <QUrl>

void OpenLink(LinkKind kind, const QString &link)
{
    if (kind == LinkKind::None || link.isEmpty())
        return;
    seams().openUrl(LinkUrl(kind, link));
}
