#pragma once
// Printing a WebKit page on the default printer without a dialog: WebKit's
// print operation with print settings that name the printer, which GTK's CUPS
// backend reaches directly. WebKit prints no page header or footer.

typedef struct _WebKitWebView WebKitWebView;

// False when there is no default printer. The job runs on from the event loop;
// a request made while the view is still printing waits for its turn.
bool PrintOnDefaultPrinter(WebKitWebView* view);
