#include "content/picture_load_order.h"

#include <numeric>

void PictureLoadOrder::Reset(size_t count)
{
    loaded_.assign(count, false);
    loadedCount_ = 0;
    nextCandidate_.resize(count + 1);
    std::iota(nextCandidate_.begin(), nextCandidate_.end(), size_t{0});
}

bool PictureLoadOrder::IsLoaded(long index) const
{
    return index >= 0 && static_cast<size_t>(index) < loaded_.size() && loaded_[index];
}

void PictureLoadOrder::MarkLoaded(long index)
{
    if (index < 0 || static_cast<size_t>(index) >= loaded_.size() || loaded_[index])
        return;
    loaded_[index] = true;
    ++loadedCount_;
    nextCandidate_[index] = index + 1;
}

size_t PictureLoadOrder::Find(size_t index)
{
    // Path halving: every link followed is pointed two steps further on.
    while (nextCandidate_[index] != index) {
        nextCandidate_[index] = nextCandidate_[nextCandidate_[index]];
        index = nextCandidate_[index];
    }
    return index;
}

long PictureLoadOrder::FirstUnloadedFrom(long from)
{
    if (from < 0)
        from = 0;
    if (static_cast<size_t>(from) >= loaded_.size())
        return -1;
    const size_t found = Find(static_cast<size_t>(from));
    return found < loaded_.size() ? static_cast<long>(found) : -1;
}

PictureChoice PictureLoadOrder::Choose(long firstVisible, bool viewShown)
{
    if (AllLoaded())
        return {PictureChoice::kAllLoaded, -1};
    if (viewShown && firstVisible >= 0) {
        const long onScreen = FirstUnloadedFrom(firstVisible);
        if (onScreen >= 0)
            return {PictureChoice::kItem, onScreen};
    }
    const long first = FirstUnloadedFrom(0);
    if (first >= 0)
        return {PictureChoice::kItem, first};
    return {PictureChoice::kNothingToLoad, -1};
}
