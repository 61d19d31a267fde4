#include "content/search_index.h"

#include <algorithm>
#include <numeric>

#include "content/search_text.h"

void SearchIndex::Reset(int columnsPerRow)
{
    columns_ = columnsPerRow;
    text_ = std::wstring();  // gives back the memory of a larger list
    starts_ = std::vector<size_t>();
}

void SearchIndex::Reserve(size_t rowCount, size_t charsPerRow)
{
    text_.reserve(rowCount * charsPerRow);
    starts_.reserve(rowCount * static_cast<size_t>(columns_));
}

std::wstring SearchIndex::Fold(const wxString& text)
{
    std::wstring folded = LowerForSearch(text);
    std::replace(folded.begin(), folded.end(), kSeparator, L'\uFFFD');
    return folded;
}

void SearchIndex::AddText(const wxString& text)
{
    const size_t start = text_.size();
    starts_.push_back(start);
    AppendLowerForSearch(text, text_);
    std::replace(text_.begin() + static_cast<std::ptrdiff_t>(start), text_.end(), kSeparator, L'\uFFFD');
    text_ += kSeparator;
}

size_t SearchIndex::RowCount() const
{
    return columns_ > 0 ? starts_.size() / static_cast<size_t>(columns_) : 0;
}

std::wstring_view SearchIndex::Text(size_t row, int column) const
{
    const size_t slot = row * static_cast<size_t>(columns_) + static_cast<size_t>(column);
    if (column < 0 || column >= columns_ || slot >= starts_.size())
        return std::wstring_view();
    const size_t begin = starts_[slot];
    const size_t end = (slot + 1 < starts_.size() ? starts_[slot + 1] : text_.size()) - 1;
    return std::wstring_view(text_.data() + begin, end - begin);
}

std::vector<size_t> SearchIndex::RowsContaining(const wxString& query) const
{
    const std::wstring loweredQuery = Fold(query);
    std::vector<size_t> rows;
    const size_t rowCount = RowCount();
    if (loweredQuery.empty()) {
        rows.resize(rowCount);
        std::iota(rows.begin(), rows.end(), size_t{0});
        return rows;
    }

    const size_t columns = static_cast<size_t>(columns_);
    auto slotBegin = starts_.begin();
    size_t pos = 0;
    while ((pos = text_.find(loweredQuery, pos)) != std::wstring::npos) {
        // The column the match lies in, searched only from the last match on.
        slotBegin = std::upper_bound(slotBegin, starts_.end(), pos) - 1;
        const size_t row = static_cast<size_t>(slotBegin - starts_.begin()) / columns;
        rows.push_back(row);
        if (row + 1 >= rowCount)
            break;
        // The rest of this row needs no look.
        slotBegin = starts_.begin() + static_cast<std::ptrdiff_t>((row + 1) * columns);
        pos = *slotBegin;
    }
    return rows;
}

std::vector<size_t> SearchIndex::RowsWhereColumnIs(int column, const wxString& value) const
{
    std::vector<size_t> rows;
    if (column < 0 || column >= columns_)
        return rows;
    const std::wstring lowered = Fold(value);
    const std::wstring_view wanted(lowered);
    const size_t rowCount = RowCount();
    for (size_t row = 0; row < rowCount; ++row) {
        if (Text(row, column) == wanted)
            rows.push_back(row);
    }
    return rows;
}
