// A print system of the test's own, in place of libcups (found first through
// LD_LIBRARY_PATH): the default printer is FAKE_CUPS_PRINTER (none when it is
// unset), with the option sides=two-sided-long-edge as lpoptions gives it, a
// job gets the number FAKE_CUPS_JOB (0: refused), and the document of a job
// taken is copied to FAKE_CUPS_JOBS/<printer>-<job>[ <option>=<value>...].pdf.
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
    destination->num_options = 1;
    destination->options = static_cast<cups_option_t *>(std::calloc(1, sizeof(cups_option_t)));
    destination->options->name = strdup("sides");
    destination->options->value = strdup("two-sided-long-edge");
    return destination;
}

int cupsGetDests2(http_t *, cups_dest_t **)
{
    return 0;
}

ipp_status_t cupsLastError()
{
    return IPP_STATUS_ERROR_NOT_FOUND;
}

void cupsFreeDests(int count, cups_dest_t *destinations)
{
    for (int index = 0; index < count; ++index) {
        std::free(destinations[index].name);
        for (int option = 0; option < destinations[index].num_options; ++option) {
            std::free(destinations[index].options[option].name);
            std::free(destinations[index].options[option].value);
        }
        std::free(destinations[index].options);
    }
    std::free(destinations);
}

const char *cupsGetOption(const char *, int, cups_option_t *)
{
    return nullptr;
}

int cupsPrintFile(const char *printer, const char *file, const char *, int count,
                  cups_option_t *options)
{
    const char *number = std::getenv("FAKE_CUPS_JOB");
    const int job = number ? std::atoi(number) : 1;
    if (job > 0) {
        std::string name = std::string(printer) + "-" + std::to_string(job);
        for (int option = 0; option < count; ++option)
            name += std::string(" ") + options[option].name + "=" + options[option].value;
        std::ifstream document(file, std::ios::binary);
        std::ofstream copy(std::string(std::getenv("FAKE_CUPS_JOBS")) + "/" + name + ".pdf",
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

pwg_media_t *pwgMediaForPPD(const char *)
{
    return nullptr;
}
}
