#include "casecommands.h"

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t';
}

bool IsSentenceEnd(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?';
}

// Not the word delimiters of the word detection setting: a fixed set.
bool IsTitleDelimiter(QChar c)
{
    static constexpr QStringView delimiters = u" \n\r\t\\\".!?,:;()[]{}<>/&";
    return delimiters.contains(c);
}

QString Lowered(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = text[i].toLower();
    return out;
}

QString Uppered(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = text[i].toUpper();
    return out;
}

QString SentenceCased(QStringView text)
{
    QString out = Lowered(text);
    bool capitalise = true;
    for (QChar &c : out) {
        if (capitalise)
            c = c.toUpper();
        // A blank keeps the flag, so the first letter after a sentence end
        // and its blanks is the one that is capitalised.
        if (!IsBlank(c))
            capitalise = IsSentenceEnd(c);
    }
    return out;
}

QString TitleCased(QStringView text)
{
    QString out = Lowered(text);
    bool capitalise = true;
    for (QChar &c : out) {
        if (capitalise)
            c = c.toUpper();
        capitalise = IsTitleDelimiter(c);
    }
    return out;
}

QString Inverted(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        out[i] = c.toUpper() == c ? c.toLower() : c.toUpper();
    }
    return out;
}

} // namespace

QString ConvertCaseText(QStringView text, CaseMode mode)
{
    switch (mode) {
    case CaseMode::Upper:
        return Uppered(text);
    case CaseMode::Lower:
        return Lowered(text);
    case CaseMode::Sentence:
        return SentenceCased(text);
    case CaseMode::Title:
        return TitleCased(text);
    case CaseMode::Invert:
        return Inverted(text);
    }
    return text.toString();
}

std::optional<TextEdit> ConvertCase(const EditRequest &request, CaseMode mode)
{
    if (!request.HasSelection())
        return std::nullopt;
    return ReplacingSelection(request, ConvertCaseText(request.SelectedText(), mode), true);
}
