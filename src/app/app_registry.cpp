#include "app/app_registry.h"

#include <array>

#include <wx/toplevel.h>

static_assert(kRegistrySlotCount == 28, "the registry has 28 window slots");

namespace {

struct Registry {
    std::array<wxWindow*, kRegistrySlotCount> windows{};
    wxMenu* editMenu = nullptr;
};

// Only the user-interface thread registers and looks up windows.
Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

void RegisterWindow(int slot, wxWindow* window)
{
    if (slot >= 0 && slot < kRegistrySlotCount)
        TheRegistry().windows[slot] = window;
}

wxWindow* GetRegisteredWindow(int slot)
{
    return slot >= 0 && slot < kRegistrySlotCount ? TheRegistry().windows[slot] : nullptr;
}

void RegisterEditMenu(wxMenu* menu)
{
    TheRegistry().editMenu = menu;
}

wxMenu* GetRegisteredEditMenu()
{
    return TheRegistry().editMenu;
}

void UnregisterWindowsOf(wxWindow* topLevel)
{
    for (wxWindow*& window : TheRegistry().windows) {
        if (window != nullptr && (window == topLevel || wxGetTopLevelParent(window) == topLevel))
            window = nullptr;
    }
    // The Edit menu belongs to the tool bar of the one main frame.
    TheRegistry().editMenu = nullptr;
}
