#pragma once
// Steps that drive the real pointer and keyboard (XTest, through
// wxUIActionSimulator) while a nested loop runs: a pop-up menu or a modal
// dialog blocks the code that opened it, so the steps run from a timer (which
// those loops keep running). Each step waits for its condition, then acts.
// The test waits, outside, for the script to end; a step that does not come
// about in time ends the script and takes any open menu down.

#include <functional>
#include <vector>

#include <wx/longlong.h>
#include <wx/timer.h>

class wxMenu;

// Whether the menu's pop-up window is mapped on the screen.
bool IsOnScreen(wxMenu* menu);

class PointerScript : public wxTimer {
public:
    struct Step {
        const char* name;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    // `menus` are the menus the steps may open; the script ends only once
    // none of them is on screen.
    PointerScript(std::vector<Step> steps, std::vector<wxMenu*> menus = {});

    // Runs the steps; true when every step came about in time.
    bool Run();
    const char* StuckAt() const;

    void Notify() override;

private:
    bool AnyMenuOnScreen() const;

    std::vector<Step> steps_;
    std::vector<wxMenu*> menus_;
    size_t next_ = 0;
    wxLongLong deadline_;
};
