#pragma once
// The About dialog the Help menu shows: AboutDialogBase as it is.
//
//     AboutDialog dialog;
//     CreateAboutDialog(dialog);
//     dialog.ShowModal();

#include "window/about_dialog_base.h"

class AboutDialog : public AboutDialogBase {
public:
    AboutDialog() = default;
};

// The theme's About background.
constexpr const char* kAboutBackgroundName = "image/dialog/info_bg.png";

// Creates the dialog on the named background, as large as that picture
// (0 x 0 when it cannot be loaded), titled "About", with no parent: it is
// centred on the screen.
bool CreateAboutDialog(AboutDialog& dialog, const wxString& backgroundName = kAboutBackgroundName);
