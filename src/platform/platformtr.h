#pragma once

#include <QCoreApplication>

namespace Platform {
// The translation context of the platform layer's own texts.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Platform)
};
} // namespace Platform
