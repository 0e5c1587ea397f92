#pragma once

#include "linkfinder.h"

#include <QPoint>
#include <QString>

class LinkTextView;

// How a kind of link opens: the urlFollow and emailFollow settings.
enum class LinkFollow { None, Click, DoubleClick, CtrlClick };

LinkFollow ParseLinkFollow(const QString &value);

// The two settings as they stand at the moment of an event.
struct LinkSettings
{
    LinkFollow web = LinkFollow::CtrlClick;
    LinkFollow email = LinkFollow::CtrlClick;

    static LinkSettings FromValues(const QString &urlFollow, const QString &emailFollow);
    LinkFollow For(LinkKind kind) const;
};

// The tooltip over a link: how to open it, a line break, the address.
// Empty when the link does not open at all.
QString LinkHint(LinkKind kind, LinkFollow follow, const QString &link);

// What the shell gets: the address as the finder found it, "http://" before a
// "www." address and "mailto:" before an e-mail address, with only what a URL
// cannot carry percent-encoded (spaces, quotes, non-ASCII and the like).
QString LinkUrl(LinkKind kind, const QString &link);

// A release this close to its press is a click, not a drag.
bool IsClickInPlace(QPoint down, QPoint up);

// Pointer shape and tooltip while the mouse moves over the editor. Moving to
// a link with another text switches the tooltip off once, so the next
// movement shows it afresh with the new text.
class LinkHover
{
public:
    struct State
    {
        bool hand = false;
        bool showHint = false;
        QString hint; // kept while no link is under the pointer
    };

    State Move(
        LinkFinder &finder, const LinkTextView &view, QPoint pos, const LinkSettings &settings);
    const State &state() const { return m_state; }

private:
    State m_state;
};

// The link each kind of click opens; LinkKind::None opens nothing. The link's
// text is then finder.link().
LinkKind LinkToOpenOnPress(LinkFinder &finder, const LinkTextView &view, QPoint pos, bool ctrl,
    const LinkSettings &settings);
LinkKind LinkToOpenOnRelease(LinkFinder &finder, const LinkTextView &view, QPoint downPoint,
    QPoint pos, bool ctrl, const LinkSettings &settings);

// A double click finds either kind whatever the settings (the whole link is
// selected afterwards) and opens it only when its setting says so.
struct DoubleClickLink
{
    LinkKind found = LinkKind::None;
    bool open = false;
};
DoubleClickLink LinkOnDoubleClick(
    LinkFinder &finder, const LinkTextView &view, QPoint pos, const LinkSettings &settings);
