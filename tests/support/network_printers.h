// Printers that libcups finds on the network by DNS-SD, for test programs on a
// machine without avahi: the program's cupsGetDests2 lists them after the
// server's destinations, each with the address it was found at and, until the
// server makes one under its name, no queue; the user's default among them is
// marked. Link network_printers.cpp into the test program itself, so that its
// cupsGetDests2 comes before libcups's.
#pragma once

#include <string>

void FindOnNetwork(const std::string& name, const std::string& deviceUri);

// The address of a printer that takes connections but never answers, as a hung
// one does, for as long as the process runs.
std::string MutePrinterUri();
