#pragma once
// Helpers for tests that need real windows (link gui_test_support; add the
// test with handover_add_gui_test in tests/<area>/CMakeLists.txt).
//
// The GUI test main starts a plain wxApp (not TransferApp) on the X display
// (ctest runs under xvfb-run), registers the ZIP archive file system and the
// PNG and JPEG handlers, points HOME and the XDG folders at a temporary folder,
// sets the program's location to the staged build tree (so GetThemeBitmap
// reads <build>/Themes/default.zip) and loads Themes/face.xml. Every test runs
// inside the application's main loop.
//
// A toolkit assertion that fails during a test fails that test, unless an
// AssertionCatcher is alive to collect it. Log messages go to standard error,
// never to a dialog.
//
// Waiting: GUI work arrives as events. Never sleep a fixed time; use WaitFor
// with a condition, which pumps events until it holds or the timeout runs out:
//
//     frame->Show();
//     ASSERT_TRUE(WaitForShown(frame));
//     button->Enable(false);
//     EXPECT_TRUE(WaitFor([&] { return clicks == 1; }));

#include <vector>

#include <wx/event.h>
#include <wx/frame.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

#include "gui_probe/gui_probe.h"  // WaitFor, SendMouse, CaptureClientArea

// A top-level frame for a test, destroyed with the object. Put the windows
// under test on Parent(), a plain panel filling the frame (a frame stretches a
// lone child over its whole client area, which would move it). Bitmaps that
// the windows only point at must outlive the TestFrame: declare them first.
class TestFrame {
public:
    explicit TestFrame(const wxSize& clientSize = wxSize(400, 300));
    ~TestFrame();
    TestFrame(const TestFrame&) = delete;
    TestFrame& operator=(const TestFrame&) = delete;

    wxFrame* Get() const { return frame_; }
    wxFrame* operator->() const { return frame_; }
    wxWindow* Parent() const { return panel_; }
    // Shows the frame and waits for it (see WaitForShown).
    bool ShowAndWait();

private:
    wxFrame* frame_;
    wxWindow* panel_;
};

// With HANDOVER_SCREENSHOTS naming a folder, leaves a picture of the window
// there (<folder>/<name>.png) for a person to look at: every child repainted
// first, after half a second for the X server to apply resizes and the
// theme's transitions. With withWindowsOnTop the picture also takes in every
// shown top-level window (dialogs over it, with a window manager's frames).
// Nothing without the variable.
void SaveScreenshot(wxWindow* window, const char* name, bool withWindowsOnTop = false);

// Counts the button command events (wxEVT_BUTTON) a window sends with its id.
class ClickCounter {
public:
    explicit ClickCounter(wxWindow* button);
    ~ClickCounter();
    int Count() const { return count_; }

private:
    void OnClick(wxCommandEvent& event);
    wxWindow* button_;
    int count_ = 0;
};

// Collects the toolkit's assertion failures raised while it lives, instead of
// failing the test.
class AssertionCatcher {
public:
    AssertionCatcher();
    ~AssertionCatcher();
    AssertionCatcher(const AssertionCatcher&) = delete;
    AssertionCatcher& operator=(const AssertionCatcher&) = delete;

    // The messages of the failed assertions, in order.
    const std::vector<wxString>& Messages() const { return messages_; }
    bool Caught(const wxString& message) const;

    // Called by the test main's assertion handler.
    static bool Record(const wxString& message);

private:
    std::vector<wxString> messages_;
};
