// Printing a finished document: one CUPS job holding the bytes as they are, typed by MIME
// type (application/pdf, text/html, ...), so the server's filters render it.
#pragma once

#include <string>

namespace spooler {

// Queues the document on the named printer, or on the user's default printer when the name
// is empty. Gives the job id, 0 when there is no such printer or CUPS refused the job.
int PrintDocument(const std::string& printer, const std::string& title,
                  const std::string& mime_type, const std::string& bytes);

}  // namespace spooler
