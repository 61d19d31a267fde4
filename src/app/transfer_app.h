#pragma once
// The application object: registers the archive and image handlers every
// skinned widget depends on, loads the theme options, silences the toolkit's
// log and creates the main window. Owns the last-chance crash report.

#include <wx/app.h>

class wxMenu;
class wxWindow;

class TransferApp : public wxApp {
public:
    // Registry slots through which handlers reach the main window's parts.
    static constexpr int kRegistrySize = 28;

    TransferApp();

    bool OnInit() override;
    void OnFatalException() override;

    wxWindow* GetRegistered(int slot) const;
    void Register(int slot, wxWindow* window);
    wxMenu* GetRegisteredMenu() const { return menu_; }
    void RegisterMenu(wxMenu* menu) { menu_ = menu; }

private:
    wxWindow* registry_[kRegistrySize];
    wxMenu* menu_ = nullptr;
};

wxDECLARE_APP(TransferApp);
