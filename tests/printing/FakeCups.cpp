// A print system of the test's own, in place of libcups (found first through
// LD_LIBRARY_PATH): the default printer is FAKE_CUPS_PRINTER (none when it is
// unset), a job gets the number FAKE_CUPS_JOB (0: refused), and the document
// of a job taken is copied to FAKE_CUPS_JOBS/<printer>-<job>.pdf.
#include <cups/cups.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

extern "C" {

cups_dest_t *cupsGetNamedDest(http_t *, const char *, const char *)
{
    const char *printer = std::getenv("FAKE_CUPS_PRINTER");
    if (!printer)
        return nullptr;
    auto *destination = static_cast<cups_dest_t *>(std::calloc(1, sizeof(cups_dest_t)));
    destination->name = strdup(printer);
    return destination;
}

void cupsFreeDests(int count, cups_dest_t *destinations)
{
    for (int index = 0; index < count; ++index)
        std::free(destinations[index].name);
    std::free(destinations);
}

const char *cupsGetOption(const char *, int, cups_option_t *)
{
    return nullptr;
}

int cupsPrintFile(const char *printer, const char *file, const char *, int, cups_option_t *)
{
    const char *number = std::getenv("FAKE_CUPS_JOB");
    const int job = number ? std::atoi(number) : 1;
    if (job > 0) {
        std::ifstream document(file, std::ios::binary);
        std::ofstream copy(std::string(std::getenv("FAKE_CUPS_JOBS")) + "/" + printer + "-" +
                               std::to_string(job) + ".pdf",
                           std::ios::binary);
        copy << document.rdbuf();
    }
    return job;
}

pwg_media_t *pwgMediaForPWG(const char *)
{
    return nullptr;
}

pwg_media_t *pwgMediaForLegacy(const char *)
{
    return nullptr;
}
}
