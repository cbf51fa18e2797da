#include "platform/webbrowser/page_printing.h"

#include "platform/spooler/default_printer.h"

#include <webkit2/webkit2.h>

#include <string>

namespace {

std::string DefaultPrinterName()
{
    std::string name(256, '\0');
    std::uint32_t capacity = std::uint32_t(name.size());
    if (!GetDefaultPrinterA(&name[0], &capacity)) {
        if (capacity <= name.size())
            return "";
        name.assign(capacity, '\0');
        if (!GetDefaultPrinterA(&name[0], &capacity))
            return "";
    }
    return name.c_str();
}

void ReleaseOperation(WebKitPrintOperation* operation, gpointer)
{
    g_object_unref(operation);
}

}  // namespace

bool PrintOnDefaultPrinter(WebKitWebView* view)
{
    const std::string printer = DefaultPrinterName();
    if (!view || printer.empty())
        return false;
    GtkPrintSettings* settings = gtk_print_settings_new();
    gtk_print_settings_set_printer(settings, printer.c_str());
    WebKitPrintOperation* operation = webkit_print_operation_new(view);
    webkit_print_operation_set_print_settings(operation, settings);
    g_object_unref(settings);
    // The operation keeps itself until WebKit has handed the job over.
    g_signal_connect(operation, "finished", G_CALLBACK(ReleaseOperation), nullptr);
    webkit_print_operation_print(operation);
    return true;
}
