#include "clipboardtext.h"

#include "platform/messagebox.h"
#include "platform/seams.h"

namespace {

constexpr int Attempts = 6;

void waitAfterFailure(int attempt)
{
    if (attempt < Attempts - 1)
        seams().wait(50 * (attempt + 1));
}

} // namespace

std::optional<QString> ReadClipboardText()
{
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (std::optional<QString> text = seams().readClipboard())
            return text;
        waitAfterFailure(attempt);
    }
    return std::nullopt;
}

bool CopyTextToClipboard(const QString &text, bool showError)
{
    std::optional<QString> failure;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        failure = seams().writeClipboard(text);
        if (!failure)
            return true;
        waitAfterFailure(attempt);
    }
    if (showError && !failure->isEmpty())
        ShowErrorBox(*failure);
    return false;
}
