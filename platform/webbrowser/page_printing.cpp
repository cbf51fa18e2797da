#include "platform/webbrowser/page_printing.h"

#include "platform/spooler/default_printer.h"
#include "platform/webbrowser/print_scale.h"

#include <webkit2/webkit2.h>

#include <deque>
#include <string>
#include <utility>

namespace {

// WebKit prints one page of a view at a time and drops a request made while
// another runs, so each view queues its requests: one printer name each.
struct PrintQueue {
    bool printing = false;
    std::deque<std::string> waiting;
};

constexpr char QueueKey[] = "quillory-print-queue";

std::function<void(const std::string&)>& FailureReport()
{
    static std::function<void(const std::string&)> report;
    return report;
}

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

// The printable part of the sheet the print is laid out on.
SheetArea SheetOf(GtkPageSetup* setup)
{
    return {gtk_page_setup_get_page_width(setup, GTK_UNIT_POINTS),
            gtk_page_setup_get_page_height(setup, GTK_UNIT_POINTS)};
}

void StartPrinting(WebKitWebView* view, const std::string& printer);

constexpr char ZoomKey[] = "quillory-print-zoom";

// A print-only zoom of the whole page: it scales the layout itself, so the
// page's breaks fall where the sheets do. WebKit keeps zoomed text of the
// default sizes at 9 px or more, which leaves long cards too tall; text given
// in pixels below that is not held up, so a page of cards is zoomed twice as
// far with its text at half its size.
std::string ZoomStyle(double scale, bool cards)
{
    if (!cards)
        return "@media print { html { zoom: " + std::to_string(scale) + "; } }";
    return "@media print { html { zoom: " + std::to_string(2 * scale) +
           "; } table { font-size: 8px; } table font[size] { font-size: 24px; } }";
}

void AddZoom(WebKitWebView* view, double scale, bool cards)
{
    if (scale >= 1)
        return;
    const std::string style = ZoomStyle(scale, cards);
    WebKitUserStyleSheet* sheet = webkit_user_style_sheet_new(style.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
                                                              WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr);
    webkit_user_content_manager_add_style_sheet(webkit_web_view_get_user_content_manager(view), sheet);
    g_object_set_data_full(G_OBJECT(view), ZoomKey, sheet, GDestroyNotify(webkit_user_style_sheet_unref));
}

void RemoveZoom(WebKitWebView* view)
{
    auto* sheet = static_cast<WebKitUserStyleSheet*>(g_object_get_data(G_OBJECT(view), ZoomKey));
    if (!sheet)
        return;
    webkit_user_content_manager_remove_style_sheet(webkit_web_view_get_user_content_manager(view), sheet);
    g_object_set_data(G_OBJECT(view), ZoomKey, nullptr);
}

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
    RemoveZoom(view);
    g_object_unref(operation);
    g_object_unref(view);
}

// Comes before "finished"; the copies behind it would fail alike.
void OnPrintFailed(WebKitPrintOperation*, GError* error, gpointer data)
{
    QueueOf(static_cast<WebKitWebView*>(data)).waiting.clear();
    if (FailureReport())
        FailureReport()(error && error->message ? error->message : "the print failed");
}

// The page is measured on the toolkit's default paper and margins, and printed
// on the same setup, so that measuring and printing agree.
struct Measuring {
    WebKitWebView* view;
    std::string printer;
    GtkPageSetup* setup;
};

void Print(const Measuring& measuring, const PageExtent& page)
{
    WebKitWebView* view = measuring.view;
    GtkPrintSettings* settings = gtk_print_settings_new();
    gtk_print_settings_set_printer(settings, measuring.printer.c_str());
    AddZoom(view, PrintScale(page, SheetOf(measuring.setup)), page.tallestPiece > 0);
    WebKitPrintOperation* operation = webkit_print_operation_new(view);
    webkit_print_operation_set_page_setup(operation, measuring.setup);
    webkit_print_operation_set_print_settings(operation, settings);
    g_object_unref(settings);
    g_signal_connect(operation, "failed", G_CALLBACK(OnPrintFailed), view);
    g_signal_connect(operation, "finished", G_CALLBACK(OnPrintFinished), view);
    webkit_print_operation_print(operation);
}

// A page that cannot be measured prints at full size, as it always did.
PageExtent ExtentOf(GObject* view, GAsyncResult* result)
{
    PageExtent extent;
    JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, nullptr);
    if (!value)
        return extent;
    if (jsc_value_is_array(value)) {
        JSCValue* width = jsc_value_object_get_property_at_index(value, 0);
        JSCValue* tallest = jsc_value_object_get_property_at_index(value, 1);
        extent = {jsc_value_to_double(width), jsc_value_to_double(tallest)};
        g_object_unref(width);
        g_object_unref(tallest);
    }
    g_object_unref(value);
    return extent;
}

void OnPageMeasured(GObject* view, GAsyncResult* result, gpointer data)
{
    auto* measuring = static_cast<Measuring*>(data);
    Print(*measuring, ExtentOf(view, result));
    g_object_unref(measuring->setup);
    delete measuring;
}

// The page is measured first: its extent sets the print's scale.
void StartPrinting(WebKitWebView* view, const std::string& printer)
{
    QueueOf(view).printing = true;
    auto* measuring = new Measuring{WEBKIT_WEB_VIEW(g_object_ref(view)), printer, gtk_page_setup_new()};
    const std::string script = PageExtentScript(SheetOf(measuring->setup));
    webkit_web_view_evaluate_javascript(view, script.c_str(), -1, nullptr, nullptr, nullptr, OnPageMeasured,
                                        measuring);
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

void WhenPrintFails(std::function<void(const std::string& why)> report)
{
    FailureReport() = std::move(report);
}
