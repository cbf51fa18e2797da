#pragma once
// WebKit views for pages, all served by one web process: each new view is
// related to one hidden view that holds the process, draws without hardware
// acceleration (the pages are static), and the web context keeps no cache.
// On paper every view breaks pages where its page asks with a styled line break.

typedef struct _WebKitWebView WebKitWebView;

// Starts the shared web process ahead of the first page, which then shows
// without waiting for it.
void StartPageWebProcess();

// A new view, floating as GTK widgets are until a container takes them.
WebKitWebView* NewPageWebView();
