#pragma once
// The application object: registers the archive and image handlers every
// skinned widget depends on, loads the theme options, silences the toolkit's
// log and creates the main window. Owns the last-chance crash report.

#include <wx/app.h>

#include "app/app_registry.h"

class TransferApp : public wxApp {
public:
    // Registry slots through which handlers reach the main window's parts
    // (app/app_registry.h, which also serves tests that build windows without
    // this application object).
    static constexpr int kRegistrySize = kRegistrySlotCount;

    TransferApp();

    bool OnInit() override;
    void OnFatalException() override;

    wxWindow* GetRegistered(int slot) const { return GetRegisteredWindow(slot); }
    void Register(int slot, wxWindow* window) { RegisterWindow(slot, window); }
    wxMenu* GetRegisteredMenu() const { return GetRegisteredEditMenu(); }
    void RegisterMenu(wxMenu* menu) { RegisterEditMenu(menu); }
};

wxDECLARE_APP(TransferApp);
