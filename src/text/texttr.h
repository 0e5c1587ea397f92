#pragma once

#include <QCoreApplication>

namespace Text {
// The translation context of the text files code.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Text)
};
} // namespace Text
