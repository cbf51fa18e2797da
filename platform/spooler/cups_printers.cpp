#include "platform/spooler/cups_printers.h"

#include <cups/cups.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace spooler {
namespace {

std::string OptionOf(const cups_dest_t& dest, const char* name) {
    const char* value = cupsGetOption(name, dest.num_options, dest.options);
    return value ? value : "";
}

CupsPrinter PrinterOf(const cups_dest_t& dest) {
    CupsPrinter printer;
    printer.name = dest.name;
    printer.info = OptionOf(dest, "printer-info");
    printer.location = OptionOf(dest, "printer-location");
    printer.make_and_model = OptionOf(dest, "printer-make-and-model");
    printer.device_uri = OptionOf(dest, "device-uri");
    printer.shared = OptionOf(dest, "printer-is-shared") == "true";
    return printer;
}

// Instances (lpoptions' name/instance) are settings of a printer, not printers of their own.
std::vector<CupsPrinter> PrintersOf(const cups_dest_t* dests, int count) {
    std::vector<CupsPrinter> printers;
    for (int i = 0; i < count; ++i)
        if (!dests[i].instance)
            printers.push_back(PrinterOf(dests[i]));
    return printers;
}

// A printer that is switched off or hung can stay listed on the network for a
// while; asked for its details, the library would wait a minute for its queue.
// It gets this long in all, the connection and its answer together.
constexpr std::chrono::milliseconds kAnswerWithin{5000};

using Deadline = std::chrono::steady_clock::time_point;

int MsecLeft(Deadline deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return int(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

bool HasQueue(const cups_dest_t& dest) {
    return cupsGetOption("printer-uri-supported", dest.num_options, dest.options) != nullptr;
}

// Any answer will do, an error included: the printer is there.
bool AnswersRequest(http_t* http, const char* resource, Deadline deadline) {
    const int msec = MsecLeft(deadline);
    if (msec == 0)
        return false;
    char host[HTTP_MAX_HOST];
    char uri[HTTP_MAX_URI];
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, httpGetHostname(http, host, sizeof host),
                    httpAddrPort(httpGetAddress(http)), resource);
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-state");
    httpSetTimeout(http, msec / 1000.0, nullptr, nullptr);
    ipp_t* response = cupsDoRequest(http, request, resource);
    const bool answered = response != nullptr;
    ippDelete(response);
    return answered;
}

// Asks the printer itself, where the server would ask it for the queue.
bool Answers(cups_dest_t& dest, Deadline deadline) {
    char resource[HTTP_MAX_URI] = "";
    http_t* http = cupsConnectDest(&dest, CUPS_DEST_FLAGS_DEVICE, MsecLeft(deadline), nullptr, resource,
                                   sizeof resource, nullptr, nullptr);
    const bool answered = http && httpGetFd(http) >= 0 && AnswersRequest(http, resource, deadline);
    httpClose(http);
    return answered;
}

// Askers still waiting on a printer when the program ends finish first: the
// library must not be torn down under them.
struct LateAskers {
    std::vector<std::thread> threads;
    ~LateAskers() {
        for (std::thread& thread : threads)
            thread.join();
    }
};

LateAskers lateAskers;

// The library gives an encrypted connection ten seconds to start, whatever it
// is told, so the printer is asked beside the caller, who stops waiting at
// the deadline.
bool AnswersInTime(cups_dest_t& dest) {
    const Deadline deadline = std::chrono::steady_clock::now() + kAnswerWithin;
    cups_dest_t* own = nullptr;
    cupsCopyDest(&dest, 0, &own);
    std::promise<bool> answer;
    std::future<bool> answered = answer.get_future();
    std::thread asker([answer = std::move(answer), own, deadline]() mutable {
        answer.set_value(Answers(*own, deadline));
        cupsFreeDests(1, own);
    });
    if (answered.wait_until(deadline) != std::future_status::ready) {
        lateAskers.threads.push_back(std::move(asker));
        return false;
    }
    asker.join();
    return answered.get();
}

// A printer the server finds on the network (by DNS-SD) has no queue until a
// client asks for its details: the server then makes one, and removes it a
// minute after its last job. Until then it answers "not found" to everything.
bool Reach(cups_dest_t& dest) {
    if (HasQueue(dest))
        return true;
    cups_dinfo_t* info = AnswersInTime(dest) ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, &dest) : nullptr;
    if (!info)
        return false;
    cupsFreeDestInfo(info);
    return true;
}

// The default marked in the list of every printer, where one found on the network
// keeps its mark after the server has dropped the queue it made for it.
std::string ListedDefault() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const cups_dest_t* dest = cupsGetDest(nullptr, nullptr, count, dests);
    std::string name = dest ? dest->name : "";
    cupsFreeDests(count, dests);
    return name;
}

}  // namespace

std::optional<std::vector<CupsPrinter>> LocalCupsPrinters() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    // A server without queues answers "not found".
    const ipp_status_t status = cupsLastError();
    const bool answered = count > 0 || status <= IPP_STATUS_OK_CONFLICTING || status == IPP_STATUS_ERROR_NOT_FOUND;
    std::vector<CupsPrinter> printers = PrintersOf(dests, count);
    cupsFreeDests(count, dests);
    if (!answered)
        return std::nullopt;
    return printers;
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

// Asked for the default alone, the library looks for a queue of that name and
// says the default does not exist once the queue of a network printer is gone.
std::string UserDefaultPrinter() {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return ListedDefault();
    std::string name = dest->name;
    cupsFreeDests(1, dest);
    return name;
}

bool MakeUserDefaultPrinter(const std::string& name) {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* chosen = cupsGetDest(name.c_str(), nullptr, count, dests);
    bool written = false;
    if (chosen && Reach(*chosen)) {
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
