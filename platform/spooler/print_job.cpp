#include "platform/spooler/print_job.h"

#include "platform/spooler/cups_printers.h"

#include <cups/cups.h>

namespace spooler {
namespace {

bool SendDocument(const char* printer, int job, const std::string& title,
                  const std::string& mime_type, const std::string& bytes) {
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, printer, job, title.c_str(), mime_type.c_str(), 1) !=
        HTTP_STATUS_CONTINUE)
        return false;
    const bool written = cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.data(), bytes.size()) ==
                         HTTP_STATUS_CONTINUE;
    // Finishing also ends the request of a failed write, which would otherwise stay open.
    const bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, printer) <= IPP_STATUS_OK_CONFLICTING;
    return written && finished;
}

}  // namespace

int PrintDocument(const std::string& printer, const std::string& title,
                  const std::string& mime_type, const std::string& bytes) {
    const std::string target = printer.empty() ? UserDefaultPrinter() : printer;
    if (target.empty())
        return 0;
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, target.c_str(), title.c_str(), 0, nullptr);
    if (job == 0)
        return 0;
    if (SendDocument(target.c_str(), job, title, mime_type, bytes))
        return job;
    cupsCancelJob2(CUPS_HTTP_DEFAULT, target.c_str(), job, 0);
    return 0;
}

}  // namespace spooler
