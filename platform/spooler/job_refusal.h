// Whether the CUPS server would take a job now, asked before a print is handed over:
// the toolkit's print backend drops the server's refusal of a job without a word.
#pragma once

#include <string>

namespace spooler {

// Why a job for the printer would be refused, in words for the user; empty when
// the printer takes jobs. A printer found on the network counts only once it has
// a queue (see MakeUserDefaultPrinter): without one it cannot be reached.
std::string JobRefusal(const std::string& printer);

// Why no printer could be listed, in words for the user; empty when the server
// answers, though it may have no printer.
std::string PrinterListTrouble();

}  // namespace spooler
