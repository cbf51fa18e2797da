#include "platform/spooler/cups_printers.h"

#include <cups/cups.h>

#include <algorithm>
#include <iterator>
#include <memory>

namespace spooler {
namespace {

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDeleter>;

const char* const kWantedAttributes[] = {
    "printer-name", "printer-info", "printer-location", "printer-make-and-model",
    "device-uri", "printer-is-shared",
};

IppMessage AskForPrinters() {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(kWantedAttributes)), nullptr, kWantedAttributes);
    return IppMessage(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

std::string TextOf(ipp_attribute_t* attribute) {
    const char* text = ippGetString(attribute, 0, nullptr);
    return text ? text : "";
}

void ReadAttribute(ipp_attribute_t* attribute, CupsPrinter& printer) {
    const std::string name = ippGetName(attribute);
    if (name == "printer-name")
        printer.name = TextOf(attribute);
    else if (name == "printer-info")
        printer.info = TextOf(attribute);
    else if (name == "printer-location")
        printer.location = TextOf(attribute);
    else if (name == "printer-make-and-model")
        printer.make_and_model = TextOf(attribute);
    else if (name == "device-uri")
        printer.device_uri = TextOf(attribute);
    else if (name == "printer-is-shared")
        printer.shared = ippGetBoolean(attribute, 0);
}

// Each printer is one printer-attributes group; groups are parted by separators.
std::vector<CupsPrinter> ReadPrinters(ipp_t* response) {
    std::vector<CupsPrinter> printers;
    CupsPrinter current;
    auto finish_current = [&] {
        if (!current.name.empty())
            printers.push_back(current);
        current = CupsPrinter();
    };
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        if (ippGetGroupTag(a) == IPP_TAG_PRINTER && ippGetName(a))
            ReadAttribute(a, current);
        else
            finish_current();
    }
    finish_current();
    return printers;
}

}  // namespace

std::optional<std::vector<CupsPrinter>> LocalCupsPrinters() {
    IppMessage response = AskForPrinters();
    // A server without queues answers "not found".
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        return std::vector<CupsPrinter>();
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        return std::nullopt;
    return ReadPrinters(response.get());
}

std::optional<CupsPrinter> FindCupsPrinter(const std::string& name) {
    const auto printers = LocalCupsPrinters();
    if (!printers)
        return std::nullopt;
    const auto found = std::find_if(printers->begin(), printers->end(),
                                    [&](const CupsPrinter& p) { return p.name == name; });
    if (found == printers->end())
        return std::nullopt;
    return *found;
}

std::string UserDefaultPrinter() {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return {};
    std::string name = dest->name;
    cupsFreeDests(1, dest);
    return name;
}

bool MakeUserDefaultPrinter(const std::string& name) {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* chosen = cupsGetDest(name.c_str(), nullptr, count, dests);
    bool written = false;
    if (chosen) {
        for (int i = 0; i < count; ++i)
            dests[i].is_default = 0;
        chosen->is_default = 1;
        written = cupsSetDests2(CUPS_HTTP_DEFAULT, count, dests) == 0;
    }
    cupsFreeDests(count, dests);
    // LPDEST or PRINTER in the environment would still win over lpoptions.
    return written && UserDefaultPrinter() == name;
}

}  // namespace spooler
