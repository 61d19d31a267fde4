#pragma once
// The program's modal message boxes go through ShowMessageBox, so that a test
// can answer them instead of a user: a native box runs its own modal loop,
// which a test driving the window from the same thread could never close.

#include <functional>

#include <wx/string.h>

class wxMessageDialog;
class wxWindow;

// Shows the box (wxMessageBox's arguments) and returns the button pressed
// (wxOK, wxYES, wxNO or wxCANCEL).
int ShowMessageBox(const wxString& message, const wxString& caption, long style, wxWindow* parent);

// Labels the dialog's buttons in the current language, from the toolkit's own
// catalogue. GTK would use its stock labels in the system's language, which on
// a machine without that locale is English whatever the user picked.
void TranslateButtonLabels(wxMessageDialog& dialog);

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
