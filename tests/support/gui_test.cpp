#include "support/gui_test.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/toplevel.h>

namespace {

AssertionCatcher* activeCatcher = nullptr;

} // namespace

TestFrame::TestFrame(const wxSize& clientSize)
    : frame_(new wxFrame(nullptr, wxID_ANY, "test", wxPoint(0, 0), wxDefaultSize))
{
    frame_->SetClientSize(clientSize);
    panel_ = new wxPanel(frame_, wxID_ANY, wxPoint(0, 0), clientSize);
}

TestFrame::~TestFrame()
{
    frame_->Destroy();
    PumpPendingEvents();
}

bool TestFrame::ShowAndWait()
{
    frame_->Show();
    return WaitForShown(frame_);
}

void SaveScreenshot(wxWindow* window, const char* name, bool withWindowsOnTop)
{
    const char* folder = std::getenv("HANDOVER_SCREENSHOTS");
    if (folder == nullptr)
        return;
    // A frame does not repaint its children on Refresh, so each is asked.
    std::function<void(wxWindow*)> repaint = [&](wxWindow* w) {
        w->Refresh();
        w->Update();
        for (wxWindow* child : w->GetChildren())
            repaint(child);
    };
    // A picture for a person, not a condition: a fixed moment is right here.
    WaitFor([] { return false; }, 500);
    repaint(window);
    PumpPendingEvents();
    const wxString file = wxString(folder) + "/" + name + ".png";
    if (!withWindowsOnTop) {
        CaptureClientArea(window).SaveFile(file, wxBITMAP_TYPE_PNG);
        return;
    }
    wxRect shown = window->GetScreenRect();
    for (wxWindow* topLevel : wxTopLevelWindows)
        if (topLevel->IsShown())
            shown.Union(topLevel->GetScreenRect().Inflate(8));
    shown.Intersect(wxRect(wxGetDisplaySize()));
    CaptureScreenRect(shown).SaveFile(file, wxBITMAP_TYPE_PNG);
}

ClickCounter::ClickCounter(wxWindow* button)
    : button_(button)
{
    button_->Bind(wxEVT_BUTTON, &ClickCounter::OnClick, this, button_->GetId());
}

ClickCounter::~ClickCounter()
{
    button_->Unbind(wxEVT_BUTTON, &ClickCounter::OnClick, this, button_->GetId());
}

void ClickCounter::OnClick(wxCommandEvent& event)
{
    ++count_;
    event.Skip();
}

AssertionCatcher::AssertionCatcher()
{
    activeCatcher = this;
}

AssertionCatcher::~AssertionCatcher()
{
    activeCatcher = nullptr;
}

bool AssertionCatcher::Caught(const wxString& message) const
{
    return std::find(messages_.begin(), messages_.end(), message) != messages_.end();
}

bool AssertionCatcher::Record(const wxString& message)
{
    if (activeCatcher == nullptr)
        return false;
    activeCatcher->messages_.push_back(message);
    return true;
}
