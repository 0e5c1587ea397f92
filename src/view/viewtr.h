#pragma once

#include <QCoreApplication>

namespace View {
// The translation context of the editor view's own texts.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(View)
};
} // namespace View
