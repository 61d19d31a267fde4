#include "window/message_box.h"

#include <utility>

#include <wx/msgdlg.h>

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
    return wxMessageBox(message, caption, style, parent);
}

ScopedMessageBoxHandler::ScopedMessageBoxHandler(MessageBoxHandler handler)
    : previous_(std::exchange(CurrentHandler(), std::move(handler)))
{
}

ScopedMessageBoxHandler::~ScopedMessageBoxHandler()
{
    CurrentHandler() = std::move(previous_);
}
