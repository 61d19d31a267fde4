#pragma once
// The program's modal message boxes go through ShowMessageBox, so that a test
// can answer them instead of a user: a native box runs its own modal loop,
// which a test driving the window from the same thread could never close.

#include <functional>

#include <wx/string.h>

class wxWindow;

// Shows the box (wxMessageBox's arguments) and returns the button pressed.
int ShowMessageBox(const wxString& message, const wxString& caption, long style, wxWindow* parent);

using MessageBoxHandler =
    std::function<int(const wxString& message, const wxString& caption, long style, wxWindow* parent)>;

// While it lives, every ShowMessageBox goes to the handler instead of the screen.
class ScopedMessageBoxHandler {
public:
    explicit ScopedMessageBoxHandler(MessageBoxHandler handler);
    ~ScopedMessageBoxHandler();
    ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
    ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;

private:
    MessageBoxHandler previous_;
};
