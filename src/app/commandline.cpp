#include "commandline.h"

#include <optional>

namespace {

std::optional<int> parseInteger(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return value;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    if (arguments.isEmpty())
        return result;
    const QString &first = arguments.constFirst();
    if (arguments.size() < 3) {
        result.path = first;
        return result;
    }
    if (first != QLatin1String("0") && !first.isEmpty() && !first.startsWith(QLatin1Char('-')))
        result.path = first;
    const auto top = parseInteger(arguments.at(1));
    const auto left = parseInteger(arguments.at(2));
    if (top && left)
        result.topLeft = QPoint(*left, *top);
    return result;
}
