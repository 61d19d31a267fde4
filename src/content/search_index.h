#pragma once
// The lower-cased texts of the searched columns of every row, kept in one
// buffer so that a search is a few scans of contiguous memory instead of a
// lower-casing and a find per cell. Built once per load; a search or a
// filter over tens of thousands of rows then takes a few milliseconds.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <wx/string.h>

class SearchIndex {
public:
    // Empties the index; rows added from now on have columnsPerRow texts.
    void Reset(int columnsPerRow);
    void Reserve(size_t rowCount, size_t charsPerRow);

    // Adds the next column text; every columnsPerRow calls make one row.
    void AddText(const wxString& text);

    size_t RowCount() const;

    // The lower-cased text of one column of a row.
    std::wstring_view Text(size_t row, int column) const;

    // Rows, ascending, where some column contains the query in any case.
    // An empty query matches every row.
    std::vector<size_t> RowsContaining(const wxString& query) const;

    // Rows, ascending, whose column equals the value in any case.
    std::vector<size_t> RowsWhereColumnIs(int column, const wxString& value) const;

private:
    // Lower-cased, with any NUL replaced so that it cannot read as a column end.
    static std::wstring Fold(const wxString& text);

    // Each column's text is followed by a NUL, so no match of a query (which
    // holds no NUL) can run from one column into the next.
    static constexpr wchar_t kSeparator = L'\0';

    int columns_ = 0;
    std::wstring text_;
    std::vector<size_t> starts_;  // where each column's text begins, row by row
};
