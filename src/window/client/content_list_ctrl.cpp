#include "window/client/content_list_ctrl.h"

#include <algorithm>

#include <gtk/gtk.h>

#include "common/image_util.h"
#include "content/list_columns.h"

ContentListCtrl::ContentListCtrl(wxWindow* parent, wxWindowID id, ContentList list)
    : wxDataViewCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxDV_MULTIPLE | wxDV_ROW_LINES),
      model_(new ContentListModel(list))
{
    AssociateModel(model_);
    model_->DecRef();  // the control holds the only reference now

    const std::vector<ListColumn> columns = ListColumns(list);
    for (size_t index = 0; index < columns.size(); ++index) {
        const ListColumn& column = columns[index];
        wxDataViewRenderer* renderer = nullptr;
        switch (column.type) {
        case ColumnType::Check:
            renderer = new wxDataViewToggleRenderer("bool", wxDATAVIEW_CELL_ACTIVATABLE, column.cellAlignment);
            break;
        case ColumnType::Icon:
            renderer = new wxDataViewBitmapRenderer("wxBitmap", wxDATAVIEW_CELL_INERT, column.cellAlignment);
            break;
        case ColumnType::Text:
            renderer = new wxDataViewTextRenderer("string", wxDATAVIEW_CELL_INERT, column.cellAlignment);
            break;
        }
        AppendColumn(new wxDataViewColumn(column.title, renderer, static_cast<unsigned int>(index), column.width,
                                          column.headerAlignment, wxDATAVIEW_COL_RESIZABLE));
    }
    gtk_tree_view_set_fixed_height_mode(GTK_TREE_VIEW(GtkGetTreeView()), TRUE);
    FitColumns(columns);
}

void ContentListCtrl::UpdateTexts()
{
    const std::vector<ListColumn> columns = ListColumns(model_->List());
    for (size_t index = 0; index < columns.size() && index < GetColumnCount(); ++index)
        GetColumn(static_cast<unsigned int>(index))->SetTitle(columns[index].title);
    FitColumns(columns);
}

void ContentListCtrl::FitColumns(const std::vector<ListColumn>& columns)
{
    // The text renderer's padding (2 on each side) and the tree view's gap between cells (4).
    constexpr int kCellPadding = 8;
    GtkTreeView* tree = GTK_TREE_VIEW(GtkGetTreeView());
    // The last column takes whatever width is left over, so it is left alone.
    for (size_t index = 0; index + 1 < columns.size() && index < GetColumnCount(); ++index) {
        int width = columns[index].width;
        // The header as GTK would draw it: title, padding and the theme's frame.
        if (GtkTreeViewColumn* gtkColumn = gtk_tree_view_get_column(tree, static_cast<gint>(index))) {
            if (GtkWidget* header = gtk_tree_view_column_get_button(gtkColumn)) {
                gint natural = 0;
                gtk_widget_get_preferred_width(header, nullptr, &natural);
                width = std::max(width, static_cast<int>(natural));
            }
        }
        if (!columns[index].widestText.empty())
            width = std::max(width, GetTextExtent(columns[index].widestText).x + kCellPadding);
        GetColumn(static_cast<unsigned int>(index))->SetWidth(width);
    }
}

void ContentListCtrl::Load(std::shared_ptr<const ContentListModel::Rows> rows, const wxString& iconPath)
{
    model_->Load(std::move(rows), GetThemeBitmap(iconPath));
}

bool ContentListCtrl::ToggleAll()
{
    const bool changed = model_->Ticks().ToggleAll();
    Refresh();
    return changed;
}

int ContentListCtrl::RowOf(const wxDataViewItem& item) const
{
    if (!item.IsOk())
        return -1;
    return static_cast<int>(model_->GetRow(item));
}
