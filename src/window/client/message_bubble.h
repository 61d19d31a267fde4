#pragma once
// One chat bubble of the conversation the message window shows: where it sits,
// what it says and which pictures draw it. Every coordinate is in the
// window's virtual (scrolled) space.
//
// From the top: the top picture at (x, y), which carries the header (the
// message's date and time); the middle part from centerY, centerHeight rows
// high, filled with the centre picture repeated downwards and holding the
// wrapped lines; the bottom picture at (x, bottomY).
//
// The bubble only points at its pictures: they belong to the window, which
// outlives its bubbles. A bubble laid out without a window has none.

#include <vector>

#include <wx/string.h>

class wxBitmap;

struct MessageBubble {
    int sent = 0;           // nonzero: sent by the device's owner (right side)
    int textInset = 0;      // from x to the header and the lines
    wxString header;
    int x = 0;
    int y = 0;
    int centerY = 0;        // y + height of the top picture
    int centerHeight = 0;   // textTop + lines × (lineHeight + lineGap)
    int textTop = 10;       // from centerY to the first line
    int lineHeight = 0;
    int lineGap = 6;        // extra space below each line
    std::vector<wxString> lines;
    int bottomY = 0;        // centerY + centerHeight

    const wxBitmap* top = nullptr;
    const wxBitmap* center = nullptr;
    const wxBitmap* bottom = nullptr;

    // Top of line k.
    int LineY(int k) const { return centerY + textTop + k * (lineHeight + lineGap); }
};
