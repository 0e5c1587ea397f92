#pragma once

#include <QString>

// A QTime format with the seconds (and anything finer) taken out together
// with the separator before them: "HH:mm:ss" gives "HH:mm", "h.mm.ss AP"
// gives "h.mm AP". Quoted text stays as it is.
QString TimeFormatWithoutSeconds(const QString &format);
