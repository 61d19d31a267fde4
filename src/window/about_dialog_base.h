#pragma once
// The skinned About dialog's behaviour: a borderless dialog, shaped with
// rounded corners, that draws itself from its background picture with its
// title at (20, 6), carries close and minimise buttons in its own title
// band, the program's icon, name and version, the product page link and a
// maker notice, and an Ok button. Any point that is not a control drags it.
//
// The close button, wxID_CLOSE and wxID_OK end the modal loop with 0; the
// minimise button minimises the application's main frame, not the dialog.
//
// Owns its background and the scaled icon; the transparent controls on it
// point at the background, which outlives them (they are destroyed before
// the members of this class).

#include <memory>

#include <wx/bitmap.h>
#include <wx/dialog.h>

class wxButton;
class wxDC;

class AboutDialogBase : public wxDialog {
public:
    enum {
        ID_TITLE_CLOSE = 2,
        ID_TITLE_MINIMIZE = 3,
    };

    AboutDialogBase();
    ~AboutDialogBase() override;

    // Takes ownership of background (may be null: nothing is painted under
    // the controls). Builds the controls and the shape for `size`.
    virtual bool Create(wxBitmap* background, wxWindow* parent, wxWindowID id, const wxString& title,
                        const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                        long style = wxBORDER_NONE | wxFRAME_SHAPED);

    const wxBitmap* GetBackgroundBitmap() const { return background_.get(); }
    const wxBitmap* GetIconBitmap() const { return icon_.get(); }
    wxButton* GetOkButton() const { return okButton_; }

protected:
    virtual void OnPaint(wxPaintEvent& event);
    virtual void DrawTitle(wxDC& dc);
    virtual void DrawBackground(wxDC& dc);
    virtual void CreateButtons();
    virtual void CreateContent();
    virtual void CreateTitleButtons();
    virtual void OnLeftDown(wxMouseEvent& event);
    virtual void OnMouseMove(wxMouseEvent& event);
    virtual void OnLeftUp(wxMouseEvent& event);
    virtual void SetRoundedShape(int width, int height);

private:
    void OnEndDialog(wxCommandEvent& event);
    void OnMinimize(wxCommandEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    // A title button at x, y 2, with its pictures and the background behind it.
    void CreateTitleButton(wxWindowID id, int x, const wxString& name, const wxSize& size);

    std::unique_ptr<wxBitmap> icon_;
    std::unique_ptr<wxBitmap> background_;
    wxPoint dragOffset_;
    wxButton* okButton_ = nullptr;

    wxDECLARE_DYNAMIC_CLASS(AboutDialogBase);
    wxDECLARE_EVENT_TABLE();
};
