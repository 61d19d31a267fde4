#include "gui_probe/gui_probe.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/time.h>
#include <wx/window.h>

namespace {

// One pass over the event sources: waits at most `ms` for a native event.
void DispatchOnce(unsigned long ms)
{
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
        if (loop->Pending())
            loop->Dispatch();
        else
            loop->DispatchTimeout(ms);
        if (wxTheApp != nullptr)
            wxTheApp->ProcessPendingEvents();
        loop->ProcessIdle();
    } else if (wxTheApp != nullptr) {
        wxTheApp->Yield(true);
    }
}

} // namespace

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    const wxLongLong deadline = wxGetLocalTimeMillis() + timeoutMs;
    while (!condition()) {
        if (wxGetLocalTimeMillis() >= deadline)
            return condition();
        DispatchOnce(10);
    }
    return true;
}

void PumpPendingEvents()
{
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    // Bounded, in case something keeps posting events forever.
    for (int round = 0; round < 1000; ++round) {
        const bool native = loop != nullptr && loop->Pending();
        const bool queued = wxTheApp != nullptr && wxTheApp->HasPendingEvents();
        if (!native && !queued)
            break;
        DispatchOnce(0);
    }
}

bool WaitForShown(wxWindow* window, int timeoutMs)
{
    const bool shown = WaitFor(
        [window] {
            const wxSize size = window->GetClientSize();
            return window->IsShownOnScreen() && size.x > 0 && size.y > 0;
        },
        timeoutMs);
    window->Refresh();
    window->Update();
    PumpPendingEvents();
    return shown;
}

void SendMouse(wxWindow* window, wxEventType type, const wxPoint& position)
{
    wxMouseEvent event(type);
    event.SetEventObject(window);
    event.SetId(window->GetId());
    event.SetPosition(position);
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK)
        event.SetLeftDown(true);
    window->ProcessWindowEvent(event);
}

wxPoint ScreenCentre(wxWindow* window)
{
    const wxRect rect = window->GetScreenRect();
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

wxImage CaptureClientArea(wxWindow* window)
{
    return CaptureScreenRect(wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize()));
}

wxImage CaptureScreenRect(const wxRect& rect)
{
    // Read straight from the X server's screen: what the user would see,
    // including anything on top. (wxScreenDC answers from a stale copy.)
    const wxRect& area = rect;
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), area.x, area.y, area.width,
                                                   area.height);
    if (pixbuf == nullptr)
        return wxImage();
    wxImage image(area.width, area.height, false);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const guchar* p = pixels + y * stride + x * channels;
            image.SetRGB(x, y, p[0], p[1], p[2]);
        }
    g_object_unref(pixbuf);
    return image;
}

