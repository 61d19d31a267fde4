#pragma once
// The look of a control that sits on a parent filled with a tiled background
// bitmap: the control draws the part of that tiling it covers, so nothing of
// its own box shows. Used by the chrome buttons and the storage bar.

class wxBitmap;
class wxDC;
class wxWindow;

// Draws, on `dc` (a client DC of the control when null), the piece of the
// parent's client area tiled with `tile` from its top-left corner that lies
// under the control; parts of the control outside the parent get nothing.
void DrawTiledParentPiece(wxWindow* control, const wxBitmap& tile, wxDC* dc);
