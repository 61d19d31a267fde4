#pragma once
// The rows a content list shows, served to the data-view control on demand:
// a shared vector of loaded rows, the indices of those on show (all after a
// load, fewer after a filter or a search) and their check boxes. Nothing is
// copied into the control, so 50,000 songs show at once and a search only
// swaps the index vector.
//
// The loaded rows are shared with whoever else reads them (the row copies
// behind the filters and the search hold the same rows in the same order, so
// their indices apply here). Record pointers in the rows belong to the
// DeviceTable.

#include <cstdint>
#include <memory>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dataview.h>

#include "content/content_list.h"
#include "content/content_row.h"
#include "content/row_ticks.h"

class ContentListModel : public wxDataViewVirtualListModel {
public:
    using Rows = std::vector<ContentRow>;

    explicit ContentListModel(ContentList list);

    ContentList List() const { return list_; }

    // Shows every row of a new load, all unchecked, with the load's type icon.
    void Load(std::shared_ptr<const Rows> rows, const wxBitmap& icon);
    // Shows the loaded rows of these indices (out-of-range ones are left
    // out), all unchecked.
    void ShowRows(const std::vector<size_t>& indices);
    void Clear();

    size_t LoadedCount() const { return rows_ ? rows_->size() : 0; }
    size_t ShownCount() const { return shown_.size(); }
    const ContentRow& ShownRow(size_t row) const { return (*rows_)[shown_[row]]; }

    RowTicks& Ticks() { return ticks_; }
    const RowTicks& Ticks() const { return ticks_; }

    // wxDataViewVirtualListModel
    unsigned int GetColumnCount() const override;
    wxString GetColumnType(unsigned int column) const override;
    void GetValueByRow(wxVariant& value, unsigned int row, unsigned int column) const override;
    bool SetValueByRow(const wxVariant& value, unsigned int row, unsigned int column) override;

private:
    void ResetTicks();

    ContentList list_;
    std::shared_ptr<const Rows> rows_;
    std::vector<size_t> shown_;
    wxBitmap icon_;
    RowTicks ticks_;
};
