#pragma once
// Printing a WebKit page on the default printer without a dialog: WebKit's
// print operation with print settings that name the printer, which GTK's CUPS
// backend reaches directly. WebKit prints no page header or footer.

typedef struct _WebKitWebView WebKitWebView;

// False when there is no default printer; the job itself runs on from the event loop.
bool PrintOnDefaultPrinter(WebKitWebView* view);
