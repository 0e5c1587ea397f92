#pragma once

#include "encodings.h"

#include <QStringList>

// The encoding list as the dialogs show it, translated, in the order of
// EncodingNames; the names themselves stay what the code compares.
QStringList EncodingLabels();
// The label of one encoding.
QString EncodingLabel(Encoding encoding);
