#pragma once
// The genre, artist and album filter lists over the media list: their rows,
// and which media rows show when one of their rows is chosen.

#include <vector>

#include <wx/string.h>

#include "content/public_list_view_copy.h"

// The rows of one filter list: the translated "(All)", then each distinct
// text of the column in order of first appearance. Distinct means not
// exactly equal, so "Rock" and "rock" are both listed, and an empty text is
// listed once like any other.
std::vector<wxString> BuildFilterRows(const PublicListViewCopy& copy, FilterColumn column);

// The copies the media list shows when row chosenRow of the filter list
// (whose rows are filterRows) is chosen: every copy for row 0, "(All)"; for
// another row the copies whose text in that column equals the row's text in
// any case, so choosing "rock" shows the Rock rows too. Nothing for a row
// out of range.
std::vector<size_t> FilterMediaRows(const PublicListViewCopy& copy, FilterColumn column,
                                    const std::vector<wxString>& filterRows, size_t chosenRow);
