#include "support/gui_test.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>

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
