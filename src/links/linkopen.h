#pragma once

#include "linkfinder.h"

#include <QString>

// Hands a link to the shell: the browser for a web address, the mail
// program for an e-mail address. What the shell reports is its own business.
void OpenLink(LinkKind kind, const QString &link);
