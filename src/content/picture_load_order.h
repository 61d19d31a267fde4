#pragma once
// Which pictures of an icon view still wait for their thumbnail, and the
// choice of the one a loader should make next: the first unloaded item at or
// after the top-left item on screen when the view is shown (what the user
// looks at fills first, and scrolling redirects the loader), else the first
// unloaded item from the start.
//
// Finding the next unloaded item skips runs of loaded ones through links that
// shorten as they are followed, so a whole view loads in about linear time
// even with tens of thousands of items.

#include <cstddef>
#include <vector>

struct PictureChoice {
    enum Kind { kAllLoaded, kItem, kNothingToLoad };
    Kind kind = kAllLoaded;
    long index = -1;  // the item, for kItem

    bool operator==(const PictureChoice& other) const { return kind == other.kind && index == other.index; }
};

class PictureLoadOrder {
public:
    // `count` items, none loaded.
    void Reset(size_t count);

    size_t Count() const { return loaded_.size(); }
    size_t LoadedCount() const { return loadedCount_; }
    bool AllLoaded() const { return loadedCount_ == loaded_.size(); }
    bool IsLoaded(long index) const;
    // Marks an item done (its thumbnail arrived or failed for good); an index
    // outside the items is ignored.
    void MarkLoaded(long index);

    // The first unloaded item at or after `from`, or -1.
    long FirstUnloadedFrom(long from);

    // The next item for the loader. firstVisible is the top-left item on
    // screen (-1 when unknown); it counts only when viewShown.
    PictureChoice Choose(long firstVisible, bool viewShown);

private:
    size_t Find(size_t index);

    std::vector<bool> loaded_;
    size_t loadedCount_ = 0;
    // nextCandidate_[i] == i: item i is unloaded (or i is the end); otherwise
    // every item from i up to nextCandidate_[i] - 1 is loaded.
    std::vector<size_t> nextCandidate_;
};
