// Whether the CUPS server would take a job now, asked before a print is handed over:
// the toolkit's print backend drops the server's refusal of a job without a word.
#pragma once

#include <string>

namespace spooler {

// Why a job for the printer would be refused, in the print server's words; empty when
// the printer takes jobs.
std::string JobRefusal(const std::string& printer);

// Why no printer could be listed, in the print server's words; empty when the server
// answers.
std::string PrinterListTrouble();

}  // namespace spooler
