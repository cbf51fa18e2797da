// The printers of the CUPS server this process is configured for (CUPS_SERVER, client.conf),
// its queues and those it finds on the network, and the user's default among them
// (LPDEST, PRINTER, lpoptions, the server's).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace spooler {

struct CupsPrinter {
    std::string name;
    std::string info;
    std::string location;
    std::string make_and_model;
    std::string device_uri;
    bool shared = false;
};

// By name; none when the server cannot be asked.
std::optional<std::vector<CupsPrinter>> LocalCupsPrinters();

std::optional<CupsPrinter> FindCupsPrinter(const std::string& name);

// Empty when the user has no default destination.
std::string UserDefaultPrinter();

// Writes the user's default destination as `lpoptions -d` does; true only when the
// default read back afterwards is that printer. A printer found on the network is
// reached first, for a default needs a queue.
bool MakeUserDefaultPrinter(const std::string& name);

}  // namespace spooler
