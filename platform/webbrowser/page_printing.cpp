#include "platform/webbrowser/page_printing.h"

#include "platform/spooler/default_printer.h"

#include <webkit2/webkit2.h>

#include <deque>
#include <string>

namespace {

// WebKit prints one page of a view at a time and drops a request made while
// another runs, so each view queues its requests: one printer name each.
struct PrintQueue {
    bool printing = false;
    std::deque<std::string> waiting;
};

constexpr char QueueKey[] = "quillory-print-queue";

void DeleteQueue(gpointer queue)
{
    delete static_cast<PrintQueue*>(queue);
}

PrintQueue& QueueOf(WebKitWebView* view)
{
    auto* queue = static_cast<PrintQueue*>(g_object_get_data(G_OBJECT(view), QueueKey));
    if (!queue) {
        queue = new PrintQueue;
        g_object_set_data_full(G_OBJECT(view), QueueKey, queue, DeleteQueue);
    }
    return *queue;
}

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

void StartPrinting(WebKitWebView* view, const std::string& printer);

// The view is held until its print has finished; then the next request runs.
void OnPrintFinished(WebKitPrintOperation* operation, gpointer data)
{
    auto* view = static_cast<WebKitWebView*>(data);
    PrintQueue& queue = QueueOf(view);
    queue.printing = false;
    if (!queue.waiting.empty()) {
        const std::string next = queue.waiting.front();
        queue.waiting.pop_front();
        StartPrinting(view, next);
    }
    g_object_unref(operation);
    g_object_unref(view);
}

void StartPrinting(WebKitWebView* view, const std::string& printer)
{
    QueueOf(view).printing = true;
    GtkPrintSettings* settings = gtk_print_settings_new();
    gtk_print_settings_set_printer(settings, printer.c_str());
    WebKitPrintOperation* operation = webkit_print_operation_new(view);
    webkit_print_operation_set_print_settings(operation, settings);
    g_object_unref(settings);
    g_signal_connect(operation, "finished", G_CALLBACK(OnPrintFinished), g_object_ref(view));
    webkit_print_operation_print(operation);
}

}  // namespace

bool PrintOnDefaultPrinter(WebKitWebView* view)
{
    const std::string printer = DefaultPrinterName();
    if (!view || printer.empty())
        return false;
    PrintQueue& queue = QueueOf(view);
    if (queue.printing)
        queue.waiting.push_back(printer);
    else
        StartPrinting(view, printer);
    return true;
}
