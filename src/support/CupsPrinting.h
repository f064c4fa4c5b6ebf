#pragma once

#include <QPageSize>
#include <QString>
#include <optional>

// The desktop's print system (CUPS), loaded on the first print rather than at
// start-up: libcups brings some twenty libraries with it.
namespace CupsPrinting {

struct Printer
{
    QString name;
    QPageSize pageSize; // from the printer's default media
};

// The user's default printer (lpoptions, LPDEST and PRINTER included), or
// nothing when there is none or no CUPS library on the machine.
std::optional<Printer> defaultPrinter();

// Submits a PDF file as one job; false when CUPS did not take it.
bool submit(const Printer &printer, const QString &pdfFile, const QString &title);

} // namespace CupsPrinting
