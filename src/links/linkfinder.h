#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class LinkTextView;

enum class LinkKind { None = 0, Web = 1, Email = 2 };

// Finds web and e-mail addresses and word runs in the editor, one line at a
// time and without regular expressions: every mouse movement runs it, so each
// search is bounded by fixed step limits.
class LinkFinder
{
public:
    LinkFinder();

    // Where FindUrlStart found the start of a web address.
    struct UrlStart
    {
        enum Form { NotFound, Scheme, Www };
        Form form = NotFound;
        int column = 0; // 1-based: the colon of "://", or the first w
    };

    // Start and length in character indexes.
    struct TextSpan
    {
        int start = 0;
        int length = 0;
        bool operator==(const TextSpan &) const = default;
    };

    struct WordAt
    {
        TextSpan range;
        int position = 0; // the caret position the range was taken around
    };

    // The last link found with storing asked for.
    const QString &link() const { return m_link; }

    // The kind of link under a client point; with store set its text goes
    // to link().
    LinkKind FindLinkAt(
        const LinkTextView &view, int x, int y, bool store, bool allowWeb, bool allowEmail);
    // Where the text of link() lies at a client point; length 0 when not there.
    TextSpan FindLinkRange(const LinkTextView &view, int x, int y) const;
    // The run around a caret position: mode 0 left of it, 1 right of it,
    // 2 around the character left of it.
    TextSpan FindWordRange(const LinkTextView &view, int position, int mode) const;
    // The run around the character under a client point; nothing off the text.
    std::optional<WordAt> FindWordAt(const LinkTextView &view, int x, int y) const;
    // From the wordDelimiters setting: "\n", "\r", "\t" escapes, optional quotes.
    void SetWordDelimiters(const QString &text);

    // Searches in one line's text; columns are 1-based.
    std::optional<QString> FindUrl(QStringView line, int column) const;
    std::optional<QString> FindEmail(QStringView line, int column) const;
    UrlStart FindUrlStart(QStringView line, int column) const;
    // The scheme written right before the colon, compared in lower case.
    std::optional<QString> MatchScheme(QStringView line, int colonColumn) const;
    // Mode 0 to 2 of FindWordRange inside one line, column = position - line
    // start; start is a column offset in the line.
    TextSpan FindWordRangeInLine(QStringView line, int column, int mode) const;

    const QString &wordDelimiters() const { return m_wordDelimiters; }
    bool spaceTabAlike() const { return m_spaceTabAlike; }

private:
    TextSpan WordRange(const LinkTextView &view, int position, int mode, bool wrapStep) const;
    int CharWidth(const LinkTextView &view) const;

    QString m_link;
    const QStringList m_schemes;
    const int m_schemeLookahead;
    const QString m_urlDelimiters;
    const QString m_emailDelimiters;
    QString m_wordDelimiters;
    bool m_spaceTabAlike = false;
};
