#include "app/when_on_screen.h"

#include <utility>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/toplevel.h>

namespace {

constexpr guint FallbackMilliseconds = 5000;

// Watches one window until the action has run, then frees itself.
class OnScreenWatch {
public:
    OnScreenWatch(GdkWindow* window, std::function<void()> action) : window_(window), action_(std::move(action))
    {
        fallback_ = g_timeout_add(FallbackMilliseconds, Fallback, this);
        if (!window_)
            return;
        // Both are held, so that a window gone first leaves no dangling watch.
        g_object_ref(window_);
        clock_ = GDK_FRAME_CLOCK(g_object_ref(gdk_window_get_frame_clock(window_)));
        gdk_window_add_filter(window_, SeeExposure, this);
        afterPaint_ = g_signal_connect_swapped(clock_, "after-paint", G_CALLBACK(AfterPaint), this);
    }
    ~OnScreenWatch()
    {
        if (fallback_)
            g_source_remove(fallback_);
        if (!window_)
            return;
        gdk_window_remove_filter(window_, SeeExposure, this);
        g_signal_handler_disconnect(clock_, afterPaint_);
        g_object_unref(clock_);
        g_object_unref(window_);
    }
    OnScreenWatch(const OnScreenWatch&) = delete;
    OnScreenWatch& operator=(const OnScreenWatch&) = delete;

private:
    static GdkFilterReturn SeeExposure(GdkXEvent* event, GdkEvent*, gpointer watch)
    {
        static_cast<OnScreenWatch*>(watch)->exposed_ |= static_cast<XEvent*>(event)->type == Expose;
        return GDK_FILTER_CONTINUE;
    }

    // The exposed window has been painted; the action waits until the loop
    // has sent the picture to the server. No fallback left: it is on its way.
    static void AfterPaint(OnScreenWatch* watch)
    {
        if (!watch->exposed_ || watch->fallback_ == 0)
            return;
        g_source_remove(watch->fallback_);
        watch->fallback_ = 0;
        g_idle_add(RunOnce, watch);
    }

    static gboolean Fallback(gpointer watch)
    {
        static_cast<OnScreenWatch*>(watch)->fallback_ = 0;
        return RunOnce(watch);
    }

    static gboolean RunOnce(gpointer watch)
    {
        auto* self = static_cast<OnScreenWatch*>(watch);
        self->action_();
        delete self;
        return G_SOURCE_REMOVE;
    }

    GdkWindow* window_;
    std::function<void()> action_;
    GdkFrameClock* clock_ = nullptr;
    gulong afterPaint_ = 0;
    guint fallback_ = 0;
    bool exposed_ = false;
};

}  // namespace

void WhenOnScreen(wxTopLevelWindow& window, std::function<void()> action)
{
    new OnScreenWatch(gtk_widget_get_window(window.GetHandle()), std::move(action));
}
