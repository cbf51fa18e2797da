#include "support/network_printers.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>
#include <fstream>
#include <utility>
#include <vector>

namespace {

struct FoundPrinter {
    std::string name;
    std::string deviceUri;
};

std::vector<FoundPrinter>& Network()
{
    static std::vector<FoundPrinter> found;
    return found;
}

int AddFound(const FoundPrinter& printer, int count, cups_dest_t** dests)
{
    if (cupsGetDest(printer.name.c_str(), nullptr, count, *dests))
        return count;
    count = cupsAddDest(printer.name.c_str(), nullptr, count, dests);
    cups_dest_t* dest = cupsGetDest(printer.name.c_str(), nullptr, count, *dests);
    dest->num_options = cupsAddOption("device-uri", printer.deviceUri.c_str(), dest->num_options, &dest->options);
    dest->num_options = cupsAddOption("printer-info", printer.name.c_str(), dest->num_options, &dest->options);
    return count;
}

// libcups marks the default of the user's lpoptions among the printers it finds
// too; a user's file comes after root's.
std::string UserDefault()
{
    std::string name;
    for (const auto& [folder, file] :
         {std::pair{"CUPS_SERVERROOT", "/lpoptions"}, std::pair{"HOME", "/.cups/lpoptions"}}) {
        const char* path = std::getenv(folder);
        std::ifstream options(std::string(path ? path : "") + file);
        for (std::string line; std::getline(options, line);)
            if (line.rfind("Default ", 0) == 0)
                name = line.substr(8, line.find_first_of(" /", 8) - 8);
    }
    return name;
}

}  // namespace

void FindOnNetwork(const std::string& name, const std::string& deviceUri)
{
    Network().push_back({name, deviceUri});
}

// The kernel takes the connections into the backlog; nothing ever reads them.
std::string MutePrinterUri()
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener, 8);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    return "ipp://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/ipp/print";
}

extern "C" int cupsGetDests2(http_t* http, cups_dest_t** dests)
{
    using GetDests = int (*)(http_t*, cups_dest_t**);
    static const auto libcups = reinterpret_cast<GetDests>(dlsym(RTLD_NEXT, "cupsGetDests2"));
    int count = libcups(http, dests);
    for (const FoundPrinter& printer : Network())
        count = AddFound(printer, count, dests);
    cups_dest_t* userDefault = cupsGetDest(UserDefault().c_str(), nullptr, count, *dests);
    if (userDefault && !cupsGetDest(nullptr, nullptr, count, *dests))
        userDefault->is_default = 1;
    return count;
}
