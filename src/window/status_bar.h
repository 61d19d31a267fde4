#pragma once
// The band at the bottom of the main window: a white status text followed by
// a gauge. The detection thread's progress events arrive here; the
// navigation pane and the tool bar's selection summaries set the text.
// Owns its background bitmap; the controls are children of an inner panel
// that carries the same band.

#include <wx/event.h>

#include "window/skinned_panel.h"

class wxBoxSizer;
class wxGauge;
class wxStaticText;

class StatusBar : public SkinnedPanel {
public:
    StatusBar(wxWindow* parent, const wxPoint& position, const wxSize& size);

    // The band's picture, also given to the inner panel. Takes ownership.
    void SetBackground(wxBitmap* background);

    // Shows the text unchanged (callers translate it).
    void SetStatusText(const wxString& text);
    wxString GetStatusText() const;

    wxGauge* GetGauge() const { return gauge_; }

private:
    void OnDetectProgress(wxCommandEvent& event);
    void LayOutText();

    SkinnedPanel* innerPanel_ = nullptr;
    wxStaticText* statusText_ = nullptr;
    wxGauge* gauge_ = nullptr;
    wxBoxSizer* outerSizer_ = nullptr;
    wxBoxSizer* innerSizer_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};
