// Making a printer the system's default printer, which is where the browser view prints.
#pragma once

#include "platform/spooler/os_version.h"

// 0 when the printer became the default (and on a system of neither family, where nothing
// is done); 1 on any failure, a null name included.
int SetDefaultPrinterByName(const char* name);

// The same on a system that reports the given version; SetDefaultPrinterByName passes the
// running system's, so only tests reach the other families' ways.
int SetDefaultPrinterForVersion(const char* name, const OSVERSIONINFOA& version);
