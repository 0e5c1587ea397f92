#include "linkopen.h"

#include "linkactions.h"
#include "platform/seams.h"

void OpenLink(LinkKind kind, const QString &link)
{
    if (kind == LinkKind::None || link.isEmpty())
        return;
    seams().openUrl(LinkUrl(kind, link));
}
