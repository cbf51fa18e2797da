#pragma once
// WebKit views for pages, all served by one web process: each new view is
// related to one that is still open, draws without hardware acceleration
// (the pages are static), and the web context keeps no cache.

#include <webkit2/webkit2.h>

// A new view, floating as GTK widgets are until a container takes them.
WebKitWebView* NewPageWebView();
