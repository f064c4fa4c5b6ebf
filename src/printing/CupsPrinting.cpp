#include "printing/CupsPrinting.h"

#include "files/CheckedOutput.h"
#include "printing/PdfFile.h"

#include <QDir>
#include <QLibrary>
#include <QSizeF>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>

namespace CupsPrinting {

namespace {

// The few functions of libcups the program uses, looked up once.
struct Cups
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetDests2) getDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&pwgMediaForPWG) mediaForPwg = nullptr;
    decltype(&pwgMediaForLegacy) mediaForLegacy = nullptr;
    decltype(&pwgMediaForPPD) mediaForPpd = nullptr;

    bool isLoaded() const
    {
        return getNamedDest && getDests && lastError && freeDests && getOption && printFile &&
               mediaForPwg && mediaForLegacy && mediaForPpd;
    }
};

template <typename Function> void resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

const Cups &cups()
{
#ifdef NUMORRA_PLAIN_CUPS
    // The plain way, which the benchmark measures: libcups linked, so loaded at start-up.
    static const Cups linked{&cupsGetNamedDest, &cupsGetDests2,     &cupsLastError,
                             &cupsFreeDests,    &cupsGetOption,     &cupsPrintFile,
                             &pwgMediaForPWG,   &pwgMediaForLegacy, &pwgMediaForPPD};
    return linked;
#else
    static const Cups loaded = [] {
        Cups functions;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return functions;
        resolve(library, functions.getNamedDest, "cupsGetNamedDest");
        resolve(library, functions.getDests, "cupsGetDests2");
        resolve(library, functions.lastError, "cupsLastError");
        resolve(library, functions.freeDests, "cupsFreeDests");
        resolve(library, functions.getOption, "cupsGetOption");
        resolve(library, functions.printFile, "cupsPrintFile");
        resolve(library, functions.mediaForPwg, "pwgMediaForPWG");
        resolve(library, functions.mediaForLegacy, "pwgMediaForLegacy");
        resolve(library, functions.mediaForPpd, "pwgMediaForPPD");
        return functions;
    }();
    return loaded;
#endif
}

// The size of a media name ("iso_a4_210x297mm", "iso-a4", "A4", "Letter"...)
// as CUPS knows it; the user's local size when the printer names none CUPS knows.
QPageSize pageSizeOf(const Cups &functions, const char *media)
{
    const pwg_media_t *size = nullptr;
    if (media) {
        size = functions.mediaForPwg(media);
        if (!size)
            size = functions.mediaForLegacy(media);
        if (!size)
            size = functions.mediaForPpd(media);
    }
    if (!size)
        return PdfFile::localPageSize();
    // CUPS measures in hundredths of millimetres.
    return QPageSize(QSizeF(size->width / 100.0, size->length / 100.0), QPageSize::Millimeter);
}

struct FreeDestination
{
    const Cups *functions;
    void operator()(cups_dest_t *destination) const { functions->freeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, FreeDestination>;

// The default printer, with the options the user keeps for it (lpoptions, an
// instance's), which each job is given as lp gives them.
Destination defaultDestination(const Cups &functions)
{
    return Destination(functions.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr),
                       FreeDestination{&functions});
}

// Whether the print server answers. Without one, libcups finds no printer
// either, and tells that as having no default destination.
bool serverAnswers(const Cups &functions)
{
    cups_dest_t *destinations = nullptr;
    const int count = functions.getDests(CUPS_HTTP_DEFAULT, &destinations);
    functions.freeDests(count, destinations);
    return count > 0 || functions.lastError() != IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
}

// How long Print waits for the print server to name the default printer.
constexpr std::chrono::seconds kServerWait{5};

struct Lookup
{
    Destination printer;
    bool serverAnswers;
};

// The default printer, and whether the server answered, asked for on a
// thread of its own: a server that takes the connection but never answers
// (stopped, or hung) would hold the window for minutes, libcups waiting a
// minute for each answer. Nothing when the server has not answered in time;
// the thread then ends whenever libcups gives up.
std::optional<Lookup> lookUpDefaultPrinter(const Cups &functions)
{
    auto lookup = std::make_shared<std::promise<Lookup>>();
    std::future<Lookup> answer = lookup->get_future();
    std::thread([&functions, lookup] {
        Destination printer = defaultDestination(functions);
        const bool answers = printer || serverAnswers(functions);
        lookup->set_value(Lookup{std::move(printer), answers});
    }).detach();
    if (answer.wait_for(kServerWait) != std::future_status::ready)
        return std::nullopt;
    return answer.get();
}

} // namespace

Platform::PrintOutcome print(const QString &text, const QString &title)
{
    const Cups &functions = cups();
    if (!functions.isLoaded())
        return Platform::PrintOutcome::NoPrintSystem;
    const std::optional<Lookup> lookup = lookUpDefaultPrinter(functions);
    if (!lookup || !lookup->serverAnswers)
        return Platform::PrintOutcome::NoPrintServer;
    const Destination &printer = lookup->printer;
    if (!printer)
        return Platform::PrintOutcome::NoPrinter;
    const char *media = functions.getOption("media", printer->num_options, printer->options);

    // Every write is checked: Qt's PDF writer would carry on past a full disk.
    QTemporaryFile document(QDir::tempPath() + QStringLiteral("/numorra-XXXXXX.pdf"));
    if (!document.open())
        return Platform::PrintOutcome::DocumentNotMade;
    CheckedOutput output(document);
    PdfFile::render(output, QStringList{text}, PdfFile::reportFont(), title,
                    pageSizeOf(functions, media));
    if (!output.finish(nullptr))
        return Platform::PrintOutcome::DocumentNotMade;
    const int job =
        functions.printFile(printer->name, QFile::encodeName(document.fileName()).constData(),
                            title.toUtf8().constData(), printer->num_options, printer->options);
    if (job <= 0)
        return Platform::PrintOutcome::Refused;
    const char *state =
        functions.getOption("printer-state", printer->num_options, printer->options);
    return state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED
               ? Platform::PrintOutcome::QueuedWhileStopped
               : Platform::PrintOutcome::Printed;
}

} // namespace CupsPrinting
