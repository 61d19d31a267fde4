#pragma once
// The receiving side of the loaders' handshakes, without any window: the
// navigation pane's handlers of events 205 to 208 call these with the event's
// LoadPictureInfo and a function that does the work on their views. Each
// answers the loader whatever happens (a stale generation, no view), since
// the loader waits until then.

#include <functional>

#include <wx/string.h>

#include "content/picture_load_order.h"

struct PictureLoaderKind;
class LoadPictureInfo;

struct PictureAnswer {
    PictureChoice choice;
    wxString devicePath;  // the chosen item's path, for PictureChoice::kItem
};

// A request: when the info's generation is current, fills in exactly one of
// allLoaded, an item (itemIndex and devicePath) or nothingToLoad from what
// `choose` returns (called on the caller's thread without the generation
// mutex); a stale request is only answered. Then wakes the loader.
void AnswerPictureRequest(const PictureLoaderKind& kind, LoadPictureInfo& info,
                          const std::function<PictureAnswer()>& choose);

// A delivery: when the info's generation is current, `apply` puts the item's
// thumbnail in place (the thumbnail stays the info's); a stale delivery
// changes nothing. Then wakes the loader. True when `apply` ran.
bool AcceptPictureDelivery(const PictureLoaderKind& kind, LoadPictureInfo& info,
                           const std::function<void(const LoadPictureInfo&)>& apply);
