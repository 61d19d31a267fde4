#pragma once
// A small window dressed like the main window's chrome, for the chrome tests
// and the gallery: border pieces all round, the title bar, a tool band with a
// menu bar of two menus (File, Edit) and a plain client area.
//
//   row 0   top-left | top          | top-right      (5 high)
//   row 1   left     | SKTitleBar   | right          (20 high)
//   row 2   left     | tool band    | right          (42 high, menu bar at 20, 13)
//   row 3   left     | client       | right          (grows; minimum 300 x 160)
//   row 4   b-left   | bottom       | b-right        (5 high)

#include <vector>

#include "window/base/sk_resizable_frame_base.h"

class SKBorder;
class SKMenuBar;
class SKTitleBar;
class wxPanel;

class ChromeDemoWindow : public SKResizableFrameBase {
public:
    // Menu titles and items of the demo menus.
    enum { kFileId = 235, kEditId = 236, kOpenId = 7001, kQuitId = 7002, kCopyId = 7003, kPasteId = 7004 };

    explicit ChromeDemoWindow(const wxString& title, const wxPoint& position = wxPoint(40, 40));

    SKTitleBar* TitleBar() const { return titleBar_; }
    SKMenuBar* MenuBar() const { return menuBar_; }
    wxPanel* Client() const { return client_; }
    // The border piece of a kind (the first one in the grid where a kind repeats).
    SKBorder* Border(int kind) const;

private:
    SKTitleBar* titleBar_ = nullptr;
    SKMenuBar* menuBar_ = nullptr;
    wxPanel* client_ = nullptr;
    std::vector<SKBorder*> borders_;
};
