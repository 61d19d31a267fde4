#pragma once
// One list of the content view (media, a picture list, contacts,
// conversations, notes or bookmarks): a data-view control drawing row lines
// over a ContentListModel, with the columns of its kind of list. Columns are
// resizable but neither sortable nor reorderable, so rows keep the order of
// the load. Every column has a fixed width (its own, or more where its title
// in the current language or its widest text needs it) and the tree view runs in
// fixed-height mode: GTK then measures no rows, which keeps 50,000 rows from
// stalling the event loop.
//
// The control owns its model (the toolkit's reference count).

#include <memory>
#include <vector>

#include <wx/dataview.h>

#include "content/content_list.h"
#include "content/list_columns.h"
#include "window/client/content_list_model.h"

class ContentListCtrl : public wxDataViewCtrl {
public:
    ContentListCtrl(wxWindow* parent, wxWindowID id, ContentList list);

    ContentListModel& Model() { return *model_; }
    const ContentListModel& Model() const { return *model_; }

    // Sets the column titles in the current language.
    void UpdateTexts();

    // Shows new rows with the type icon of a theme image.
    void Load(std::shared_ptr<const ContentListModel::Rows> rows, const wxString& iconPath);

    // A click on the check column's header: every row takes the opposite of
    // row 0's state, and the list repaints. False when the list is empty.
    bool ToggleAll();

    // The row of a data-view item, or -1 for none.
    int RowOf(const wxDataViewItem& item) const;

private:
    // Widens the columns, all but the last, whose title or widest text would be cut.
    void FitColumns(const std::vector<ListColumn>& columns);

    ContentListModel* model_;
};
