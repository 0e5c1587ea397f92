#pragma once

#include "editcommand.h"

// The string used last by the prefix commands and the captions of the two
// quick commands that repeat it, built on the captions the menu had.
class PrefixMemory
{
public:
    // The quick commands' captions as the menu has them before any string.
    void SetBaseCaptions(QString addLastCaption, QString removeLastCaption);

    void SetLastPrefix(const QString &prefix);
    const QString &LastPrefix() const { return m_lastPrefix; }
    // The quick commands work only once a string was used.
    bool QuickCommandsEnabled() const { return !m_lastPrefix.isEmpty(); }
    QString AddCaption() const;
    QString RemoveCaption() const;

private:
    QString CaptionWith(const QString &base) const;

    QString m_lastPrefix;
    QString m_addLastCaption;
    QString m_removeLastCaption;
};

// The prefix as a caption shows it: long ones cut to 33 characters and "...".
QString ShownPrefix(const QString &prefix);

// A prefix edit and how the view follows it: with a single line the old
// selection comes back moved by shift; otherwise the changed block stays selected.
struct PrefixEdit
{
    TextEdit edit;
    bool singleLine = false;
    int shift = 0;
};

// Puts prefix in front of every selected line, or takes it away where a line
// begins with exactly it. Nothing for an empty prefix or when no line changes.
std::optional<PrefixEdit> AddRemovePrefix(
    const EditRequest &request, const QString &prefix, bool add);
