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

// The server's words end in a full stop, which the user's message has of its own.
std::string WithoutFullStop(std::string words)
{
    while (!words.empty() && words.back() == '.')
        words.pop_back();
    return words;
}

constexpr char NoAnswer[] = "the print server does not answer";

// Libcups says "Bad file descriptor" of a server that is not there.
std::string ServerTrouble()
{
    if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return NoAnswer;
    return WithoutFullStop(cupsLastErrorString());
}

std::string RequestFailure(const std::string& printer)
{
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        return "the printer \"" + printer + "\" could not be reached";
    return ServerTrouble();
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
        refusal = RequestFailure(printer);
    } else if (!ippGetBoolean(ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN), 0)) {
        const std::string reason = TextOf(response, "printer-state-message");
        refusal = "the printer \"" + printer + "\" is not accepting jobs" + (reason.empty() ? "" : " (" + reason + ")");
    }
    ippDelete(response);
    return refusal;
}

std::string PrinterListTrouble()
{
    if (LocalCupsPrinters())
        return "";
    const std::string trouble = ServerTrouble();
    return trouble == NoAnswer ? trouble : "no printer could be found (" + trouble + ")";
}

}  // namespace spooler
