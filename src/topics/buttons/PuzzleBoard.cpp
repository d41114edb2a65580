#include "PuzzleBoard.h"

#include "platform/RandomSource.h"

void TPuzzleBoard::Reset()
{
    for (int tile = 1; tile <= Tiles; ++tile)
        slots_[static_cast<std::size_t>(tile - 1)] = tile;
    selected_ = 0;
    partner_ = 0;
    shuffled_ = false;
}

void TPuzzleBoard::Shuffle(IRandomSource& random)
{
    shuffled_ = true;
    selected_ = 0;
    for (int tile = 1; tile <= Tiles; ++tile) {
        const int other = random.Random(10);
        if (other >= 1 && other <= Tiles)
            Exchange(tile, other);
    }
}

TPuzzleBoard::TClick TPuzzleBoard::Click(int tile)
{
    if (selected_ == 0) {
        selected_ = SlotOf(tile);
        return TClick::Selected;
    }
    if (SlotOf(tile) == selected_) {
        selected_ = 0;
        return TClick::Cancelled;
    }
    partner_ = TileInSlot(selected_);
    Exchange(partner_, tile);
    selected_ = 0;
    return Solved() ? TClick::Solved : TClick::Swapped;
}

int TPuzzleBoard::TileInSlot(int slot) const
{
    for (int tile = 1; tile <= Tiles; ++tile)
        if (SlotOf(tile) == slot)
            return tile;
    return 0;
}

bool TPuzzleBoard::Solved() const
{
    for (int tile = 1; tile <= Tiles; ++tile)
        if (SlotOf(tile) != tile)
            return false;
    return true;
}

void TPuzzleBoard::Exchange(int tileA, int tileB)
{
    std::swap(slots_[static_cast<std::size_t>(tileA - 1)], slots_[static_cast<std::size_t>(tileB - 1)]);
}
