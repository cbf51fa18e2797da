#pragma once
// Printing a WebKit page on the default printer without a dialog: WebKit's
// print operation with print settings that name the printer, which GTK's CUPS
// backend reaches directly. WebKit prints no page header or footer.
// Each piece of a page meant for a sheet of its own (a bingo card) is printed
// whole on one sheet, and a page wider than the sheet is shrunk to its width:
// the print is scaled down as far as that takes, and no further.

#include <functional>
#include <string>

typedef struct _WebKitWebView WebKitWebView;

// False when there is no default printer. The job runs on from the event loop;
// a request made while the view is still printing waits for its turn.
bool PrintOnDefaultPrinter(WebKitWebView* view);

// Told, in the print system's words, when a print already under way fails;
// the copies still waiting on that view are dropped with it.
void WhenPrintFails(std::function<void(const std::string& why)> report);
