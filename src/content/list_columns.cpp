#include "content/list_columns.h"

#include <wx/intl.h>

namespace {

struct ColumnEntry {
    const char* title;  // message id
    int width;
    wxAlignment cellAlignment;
    const char* widestText = nullptr;
};

// The widest duration (FormatDuration) and size (FormatSize) a list shows in
// practice: up to ten hours, and the largest count before a unit changes.
const char* const kWidestDuration = "8:88:88";
const char* const kWidestSize = "1024.00MB";

const ColumnEntry kMediaColumns[] = {
    {wxTRANSLATE("Title"), 150, wxALIGN_LEFT},   {wxTRANSLATE("Time"), 60, wxALIGN_CENTER, kWidestDuration},
    {wxTRANSLATE("Size"), 55, wxALIGN_CENTER, kWidestSize},   {wxTRANSLATE("Genres"), 80, wxALIGN_LEFT},
    {wxTRANSLATE("Artists"), 100, wxALIGN_LEFT}, {wxTRANSLATE("Albums"), 150, wxALIGN_LEFT},
};
const ColumnEntry kPictureColumns[] = {
    {wxTRANSLATE("Title"), 80, wxALIGN_CENTER},
    {wxTRANSLATE("Time"), 150, wxALIGN_CENTER},
    {wxTRANSLATE("Size"), 80, wxALIGN_CENTER, kWidestSize},
};
const ColumnEntry kContactColumns[] = {
    {wxTRANSLATE("Name"), 100, wxALIGN_LEFT},
    {wxTRANSLATE("Phone"), 150, wxALIGN_CENTER},
    {wxTRANSLATE("Email"), 130, wxALIGN_CENTER},
    {wxTRANSLATE("Address"), 100, wxALIGN_CENTER},
};
const ColumnEntry kConversationColumns[] = {
    {wxTRANSLATE("Name"), 200, wxALIGN_LEFT},
    {wxTRANSLATE("Phone"), 200, wxALIGN_CENTER},
};
const ColumnEntry kNoteColumns[] = {
    {wxTRANSLATE("Title"), 100, wxALIGN_LEFT},
    {wxTRANSLATE("Content"), 280, wxALIGN_CENTER},
    {wxTRANSLATE("ContentType"), 60, wxALIGN_CENTER},
};
const ColumnEntry kBookmarkColumns[] = {
    {wxTRANSLATE("Title"), 100, wxALIGN_LEFT},
    {wxTRANSLATE("Folder"), 60, wxALIGN_CENTER},
    {wxTRANSLATE("Url"), 280, wxALIGN_CENTER},
};

template <size_t N>
std::vector<ListColumn> WithCheckAndIcon(const ColumnEntry (&entries)[N])
{
    std::vector<ListColumn> columns;
    columns.push_back({ColumnType::Check, wxString::FromUTF8("\xE2\x88\x9A"), 50, wxALIGN_CENTER, wxALIGN_CENTER, wxString()});
    columns.push_back({ColumnType::Icon, _("Type"), 50, wxALIGN_CENTER, wxALIGN_CENTER, wxString()});
    for (const ColumnEntry& entry : entries)
        columns.push_back({ColumnType::Text, wxGetTranslation(entry.title), entry.width, entry.cellAlignment,
                           wxALIGN_CENTER, entry.widestText != nullptr ? entry.widestText : ""});
    return columns;
}

} // namespace

std::vector<ListColumn> ListColumns(ContentList list)
{
    switch (list) {
    case ContentList::Media:
        return WithCheckAndIcon(kMediaColumns);
    case ContentList::Pictures:
        return WithCheckAndIcon(kPictureColumns);
    case ContentList::Contacts:
        return WithCheckAndIcon(kContactColumns);
    case ContentList::Conversations:
        return WithCheckAndIcon(kConversationColumns);
    case ContentList::Notes:
        return WithCheckAndIcon(kNoteColumns);
    case ContentList::Bookmarks:
        return WithCheckAndIcon(kBookmarkColumns);
    }
    return std::vector<ListColumn>();
}

ListColumn FilterListColumn(FilterColumn column)
{
    const char* title = wxTRANSLATE("Genres");
    if (column == FilterColumn::Artist)
        title = wxTRANSLATE("Artists");
    else if (column == FilterColumn::Album)
        title = wxTRANSLATE("Albums");
    return {ColumnType::Text, wxGetTranslation(title), 150, wxALIGN_LEFT, wxALIGN_LEFT, wxString()};
}
