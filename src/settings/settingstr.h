#pragma once

#include <QCoreApplication>

namespace Settings {
// The translation context of the settings code's own texts.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Settings)
};
} // namespace Settings
