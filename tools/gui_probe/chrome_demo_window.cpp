#include "chrome_demo_window.h"

#include <wx/custombgwin.h>
#include <wx/gbsizer.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/settings.h>

#include "app/face_options.h"
#include "common/image_util.h"
#include "window/base/chrome_geometry.h"
#include "window/base/sk_border.h"
#include "window/base/sk_menu_bar.h"
#include "window/base/sk_title_bar.h"

namespace {

using BandPanel = wxCustomBackgroundWindow<wxPanel>;

struct PieceCell {
    int row;
    int column;
    int kind;
    wxSize size;
    const char* image;
};

const PieceCell kPieces[] = {
    {0, 0, kBorderTopLeft, {5, 5}, "image/border/top_border_bg.png"},
    {0, 1, kBorderTop, {-1, 5}, "image/border/top_border_bg.png"},
    {0, 2, kBorderTopRight, {5, 5}, "image/border/top_border_bg.png"},
    {1, 0, kBorderLeft, {5, 20}, "image/border/title_border_bg.png"},
    {1, 2, kBorderRight, {5, 20}, "image/border/title_border_bg.png"},
    {2, 0, kBorderLeft, {5, 42}, "image/border/tool_border_bg.png"},
    {2, 2, kBorderRight, {5, 42}, "image/border/tool_border_bg.png"},
    {3, 0, kBorderLeft, wxDefaultSize, "image/border/border_bg.png"},
    {3, 2, kBorderRight, wxDefaultSize, "image/border/border_bg.png"},
    {4, 0, kBorderBottomLeft, {5, 5}, "image/border/border_bg.png"},
    {4, 1, kBorderBottom, {-1, 5}, "image/border/border_bg.png"},
    {4, 2, kBorderBottomRight, {5, 5}, "image/border/border_bg.png"},
};

wxMenu* TwoItemMenu(int firstId, const wxString& first, int secondId, const wxString& second)
{
    auto* menu = new wxMenu;
    menu->Append(firstId, first);
    menu->Append(secondId, second);
    return menu;
}

} // namespace

ChromeDemoWindow::ChromeDemoWindow(const wxString& title, const wxPoint& position)
    : SKResizableFrameBase(title, position, wxDefaultSize)
{
    auto* grid = new wxGridBagSizer(0, 0);
    SetSizer(grid);
    for (const PieceCell& cell : kPieces) {
        auto* piece = new SKBorder(cell.kind, this, wxDefaultPosition, cell.size);
        piece->SetBackgroundBitmap(GetThemeBitmap(cell.image));
        piece->Attach(this);
        borders_.push_back(piece);
        grid->Add(piece, wxGBPosition(cell.row, cell.column), wxGBSpan(1, 1), wxEXPAND);
    }

    titleBar_ = SKTitleBar::CreateFromTheme(this, title);
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    titleBar_->SetTitleFont(font.Bold());
    titleBar_->Attach(this);
    grid->Add(titleBar_, wxGBPosition(1, 1), wxGBSpan(1, 1), wxEXPAND);

    auto* band = new BandPanel;
    band->Create(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 42), wxBORDER_NONE);
    band->SetBackgroundBitmap(GetThemeBitmap("image/tool/tool_bg.png"));
    menuBar_ = new SKMenuBar(LoadThemeBitmap("image/tool/menu_bar_bg.png"), band, wxPoint(20, 13));
    const wxColour normal = FindFaceColour("/face/menu/text-normal-colour");
    const wxColour current = FindFaceColour("/face/menu/text-current-colour");
    menuBar_->AddMenu(kFileId, TwoItemMenu(kOpenId, "Open", kQuitId, "Quit"), "File", normal, current);
    menuBar_->AddMenu(kEditId, TwoItemMenu(kCopyId, "Copy", kPasteId, "Paste"), "Edit", normal, current);
    grid->Add(band, wxGBPosition(2, 1), wxGBSpan(1, 1), wxEXPAND);

    client_ = new BandPanel;
    client_->Create(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
    static_cast<BandPanel*>(client_)->SetBackgroundBitmap(GetThemeBitmap("image/client/client_bg.png"));
    client_->SetMinSize(wxSize(300, 160));
    grid->Add(client_, wxGBPosition(3, 1), wxGBSpan(1, 1), wxEXPAND);

    grid->AddGrowableCol(1);
    grid->AddGrowableRow(3);
    grid->Fit(this);
    grid->SetSizeHints(this);
}

SKBorder* ChromeDemoWindow::Border(int kind) const
{
    for (SKBorder* piece : borders_)
        if (piece->GetKind() == kind)
            return piece;
    return nullptr;
}
