#pragma once
// The camera roll or the photos as a grid of 100 by 100 pictures without
// labels (a list view in icon mode, arranged automatically). Each item
// shows the placeholder picture until its thumbnail arrives; thumbnails are
// delivered by the thumbnail loaders into the image list at the item's
// imageIndex, and the view keeps which items are done (LoadOrder), from which
// the navigation pane answers the loaders.
//
// The view owns its image list and the PictureIconViewData of every item (the
// items point at them); both go with the next load or with the view.

#include <memory>
#include <vector>

#include <plist/plist.h>
#include <wx/listctrl.h>
#include <wx/timer.h>

#include "content/picture_icon_view_data.h"
#include "content/picture_load_order.h"
#include "content/row_ticks.h"

class PictureIconView : public wxListView {
public:
    static constexpr int kPictureSize = 100;

    PictureIconView(wxWindow* parent, wxWindowID id);
    ~PictureIconView() override;

    // Replaces the items by one per picture of a picture list dict.
    void LoadPictureIcons(plist_t category);
    void Clear();

    // Number and total size of the selected items.
    SelectionSummary SelectedSummary() const;

    PictureIconViewData* Record(long item) const;

    // The item is done: it shows `thumbnail` (when given, made into a bitmap
    // here on the user-interface thread) and is not asked for again. Only
    // that item is repainted, and only when it is on screen, together with
    // the others that arrived within kRepaintDelayMs: the toolkit's icon
    // view draws every one of its items on each repaint, so a repaint per
    // thumbnail would hold up the loaders while a screenful fills.
    void MarkLoaded(long item, const wxImage* thumbnail);
    PictureLoadOrder& LoadOrder() { return loadOrder_; }

    // The top-left item on screen: the first item of the leftmost column
    // (or top row) that is at least partly shown; -1 without items.
    long FirstVisibleItem() const;

    static constexpr int kRepaintDelayMs = 60;

private:
    void OnRepaintTimer(wxTimerEvent& event);

    std::vector<std::unique_ptr<PictureIconViewData>> records_;
    PictureLoadOrder loadOrder_;
    wxTimer repaintTimer_;
    std::vector<long> itemsToRepaint_;
};
