#include "window/message_box.h"

#include <utility>

#include <wx/msgdlg.h>
#include <wx/stockitem.h>

namespace {

// User-interface thread only.
MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

int ShowMessageBox(const wxString& message, const wxString& caption, long style, wxWindow* parent)
{
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(message, caption, style, parent);
    // As wxMessageBox, with the buttons labelled in the current language.
    if (!(style & wxICON_NONE) && !(style & wxICON_MASK))
        style |= (style & wxYES) ? wxICON_QUESTION : wxICON_INFORMATION;
    wxMessageDialog dialog(parent, message, caption, style);
    TranslateButtonLabels(dialog);
    switch (dialog.ShowModal()) {
    case wxID_OK: return wxOK;
    case wxID_YES: return wxYES;
    case wxID_NO: return wxNO;
    default: return wxCANCEL;
    }
}

void TranslateButtonLabels(wxMessageDialog& dialog)
{
    dialog.SetYesNoCancelLabels(wxGetStockLabel(wxID_YES), wxGetStockLabel(wxID_NO), wxGetStockLabel(wxID_CANCEL));
    dialog.SetOKLabel(wxGetStockLabel(wxID_OK));
}

ScopedMessageBoxHandler::ScopedMessageBoxHandler(MessageBoxHandler handler)
    : previous_(std::exchange(CurrentHandler(), std::move(handler)))
{
}

ScopedMessageBoxHandler::~ScopedMessageBoxHandler()
{
    CurrentHandler() = std::move(previous_);
}
