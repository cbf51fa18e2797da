#include "platform/spooler/job_refusal.h"

#include "platform/spooler/cups_printers.h"

#include <cups/cups.h>

namespace spooler {
namespace {

std::string TextOf(ipp_t* response, const char* name)
{
    const char* text = ippGetString(ippFindAttribute(response, name, IPP_TAG_TEXT), 0, nullptr);
    return text ? text : "";
}

}  // namespace

std::string JobRefusal(const std::string& printer)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     printer.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    std::string refusal;
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        refusal = cupsLastErrorString();
    } else if (!ippGetBoolean(ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN), 0)) {
        const std::string reason = TextOf(response, "printer-state-message");
        refusal = "the printer \"" + printer + "\" is not accepting jobs" + (reason.empty() ? "" : " (" + reason + ")");
    }
    ippDelete(response);
    return refusal;
}

std::string PrinterListTrouble()
{
    return LocalCupsPrinters() ? "" : cupsLastErrorString();
}

}  // namespace spooler
