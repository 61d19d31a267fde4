#pragma once
// The check boxes (column 0) of one list's shown rows, with the count and the
// total size of the ticked rows kept up to date, for a list model that holds
// the ticks itself and for the selection summaries in the status bar.

#include <cstddef>
#include <cstdint>
#include <vector>

struct SelectionSummary {
    size_t count = 0;
    std::uint64_t totalSize = 0;  // sum of the ticked rows' record sizes
};

class RowTicks {
public:
    // Every row unticked. sizes holds each shown row's record size (media
    // and picture rows); record lists pass their row count instead.
    void Reset(std::vector<std::uint64_t> sizes);
    void Reset(size_t rowCount);

    size_t RowCount() const { return ticked_.size(); }
    bool IsTicked(size_t row) const;
    // Out-of-range rows are ignored.
    void SetTicked(size_t row, bool ticked);

    // A click on the check column's header: every row takes the opposite of
    // row 0's state. Returns false, changing nothing, when there are no rows.
    bool ToggleAll();

    SelectionSummary Summary() const { return summary_; }

private:
    std::vector<bool> ticked_;
    std::vector<std::uint64_t> sizes_;  // empty for record lists
    SelectionSummary summary_;
};
