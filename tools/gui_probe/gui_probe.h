#pragma once
// Driving and looking at real windows from a program that is not the user:
// the GUI tests and the widget gallery. Waiting pumps the event loop until a
// condition holds (never a fixed sleep); capturing reads the X server's screen.

#include <functional>

#include <wx/event.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

class wxWindow;

// Generous: a loaded CI machine can take seconds to map a window.
constexpr int kGuiWaitTimeoutMs = 20000;

// Pumps events (native, queued and idle) until the condition holds. False when
// the timeout ran out first.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = kGuiWaitTimeoutMs);

// Handles every event already waiting, then returns.
void PumpPendingEvents();

// Waits until the window is shown on screen with a non-empty size, then has
// it repaint at once, so that what the screen shows is its current look.
bool WaitForShown(wxWindow* window, int timeoutMs = kGuiWaitTimeoutMs);

// Delivers a synthesized mouse event to the window's own handler, as the
// toolkit would for the pointer at `position` (client coordinates).
void SendMouse(wxWindow* window, wxEventType type, const wxPoint& position = wxPoint(1, 1));

// The window's centre in screen coordinates.
wxPoint ScreenCentre(wxWindow* window);

// What the screen shows in the window's client area right now, read from the
// X server (anything on top included). Empty when the area cannot be read.
wxImage CaptureClientArea(wxWindow* window);

// What the screen shows in a rectangle of screen coordinates; empty when it
// cannot be read.
wxImage CaptureScreenRect(const wxRect& rect);
