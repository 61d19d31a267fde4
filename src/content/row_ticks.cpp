#include "content/row_ticks.h"

#include <numeric>

void RowTicks::Reset(std::vector<std::uint64_t> sizes)
{
    sizes_ = std::move(sizes);
    ticked_.assign(sizes_.size(), false);
    summary_ = SelectionSummary();
}

void RowTicks::Reset(size_t rowCount)
{
    sizes_.clear();
    ticked_.assign(rowCount, false);
    summary_ = SelectionSummary();
}

bool RowTicks::IsTicked(size_t row) const
{
    return row < ticked_.size() && ticked_[row];
}

void RowTicks::SetTicked(size_t row, bool ticked)
{
    if (row >= ticked_.size() || ticked_[row] == ticked)
        return;
    ticked_[row] = ticked;
    const std::uint64_t size = sizes_.empty() ? 0 : sizes_[row];
    if (ticked) {
        ++summary_.count;
        summary_.totalSize += size;
    } else {
        --summary_.count;
        summary_.totalSize -= size;
    }
}

bool RowTicks::ToggleAll()
{
    if (ticked_.empty())
        return false;
    const bool state = !ticked_[0];
    ticked_.assign(ticked_.size(), state);
    summary_ = SelectionSummary();
    if (state) {
        summary_.count = ticked_.size();
        summary_.totalSize = std::accumulate(sizes_.begin(), sizes_.end(), std::uint64_t{0});
    }
    return true;
}
