#pragma once

#include "desktop/Platform.h"

#include <QString>

// The desktop's print system (CUPS), loaded on the first print rather than at
// start-up: libcups brings some twenty libraries with it.
namespace CupsPrinting {

// Prints plain text in the report's font on the user's default printer
// (lpoptions, LPDEST and PRINTER included) as one job named `title`: a PDF on
// the printer's default media, submitted to CUPS, which says whether it took it.
Platform::PrintOutcome print(const QString &text, const QString &title);

} // namespace CupsPrinting
