#include "device/export_progress_state.h"

ExportProgressState::ExportProgressState(wxEvtHandler* receiver) : receiver_(receiver)
{
}

void ExportProgressState::SetPercent(int percent)
{
    percent_.store(percent);
}

void ExportProgressState::SetText(const wxString& text)
{
    wxMutexLocker lock(textMutex_);
    text_ = text;
}

wxEvtHandler* ExportProgressState::GetFinishedReceiver()
{
    return receiver_;
}

int ExportProgressState::GetPercent() const
{
    return percent_.load();
}

wxString ExportProgressState::GetText() const
{
    wxMutexLocker lock(textMutex_);
    return text_;
}
