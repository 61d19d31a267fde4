#pragma once
// The record a thumbnail loader passes with each of its events (205 to 208):
// its question "what next?", the navigation pane's answer, and then the
// thumbnail it made. The loader owns it (on its stack); the pane may touch it
// only between the event's arrival and its answer, with the handshake's mutex
// held.
//
// The thumbnail is a wxImage, not a wxBitmap: the loader makes it on its own
// thread, where only images are safe with the toolkit; the pane turns it into
// a bitmap on the user-interface thread.

#include <memory>

#include <wx/image.h>
#include <wx/string.h>

class LoadPictureInfo {
public:
    virtual ~LoadPictureInfo() = default;

    bool allLoaded = false;      // set by the pane: every item is done, the loader ends
    bool nothingToLoad = false;  // set by the pane: no item needs a thumbnail now
    bool bitmapReady = false;    // set by the loader: thumbnail holds a valid image
    int generation = 0;          // the loader's generation number
    int itemIndex = 0;           // set by the pane: the item in the icon view
    wxString devicePath;         // set by the pane: the picture's path on the device
    std::unique_ptr<wxImage> thumbnail;  // 100 by 100, or none

    // Set by the pane when it has answered the event in flight; the loader
    // waits for it (a wake-up without it is not an answer).
    bool answered = false;
};
