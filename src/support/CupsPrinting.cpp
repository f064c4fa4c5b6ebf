#include "CupsPrinting.h"

#include <QLibrary>

#include <cups/cups.h>

namespace CupsPrinting {

namespace {

// The few functions of libcups the program uses, looked up once.
struct Cups
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;

    bool isLoaded() const { return getNamedDest && freeDests && getOption && printFile; }
};

const Cups &cups()
{
    static const Cups loaded = [] {
        Cups functions;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return functions;
        functions.getNamedDest =
            reinterpret_cast<decltype(&cupsGetNamedDest)>(library.resolve("cupsGetNamedDest"));
        functions.freeDests =
            reinterpret_cast<decltype(&cupsFreeDests)>(library.resolve("cupsFreeDests"));
        functions.getOption =
            reinterpret_cast<decltype(&cupsGetOption)>(library.resolve("cupsGetOption"));
        functions.printFile =
            reinterpret_cast<decltype(&cupsPrintFile)>(library.resolve("cupsPrintFile"));
        return functions;
    }();
    return loaded;
}

// A media keyword ("na_letter_8.5x11in", "iso_a4_210x297mm", "A4"...) as a page size.
QPageSize pageSizeOf(const QString &media)
{
    const QString keyword = media.toLower();
    if (keyword.contains(QLatin1String("letter")))
        return QPageSize(QPageSize::Letter);
    if (keyword.contains(QLatin1String("legal")))
        return QPageSize(QPageSize::Legal);
    if (keyword.contains(QLatin1String("a5")))
        return QPageSize(QPageSize::A5);
    return QPageSize(QPageSize::A4);
}

} // namespace

std::optional<Printer> defaultPrinter()
{
    const Cups &functions = cups();
    if (!functions.isLoaded())
        return std::nullopt;
    cups_dest_t *destination = functions.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!destination)
        return std::nullopt;
    const char *media =
        functions.getOption("media", destination->num_options, destination->options);
    Printer printer{QString::fromLocal8Bit(destination->name),
                    pageSizeOf(QString::fromLatin1(media ? media : ""))};
    functions.freeDests(1, destination);
    return printer;
}

bool submit(const Printer &printer, const QString &pdfFile, const QString &title)
{
    const Cups &functions = cups();
    if (!functions.isLoaded())
        return false;
    const int job = functions.printFile(printer.name.toLocal8Bit().constData(),
                                        pdfFile.toLocal8Bit().constData(),
                                        title.toUtf8().constData(), 0, nullptr);
    return job > 0;
}

} // namespace CupsPrinting
