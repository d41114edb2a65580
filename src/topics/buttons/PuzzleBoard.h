#pragma once

#include <array>

class IRandomSource;

// The picture puzzle's rules: nine tiles on nine slots (numbered 1 to 9, left to right, top to
// bottom), a first tile picked, then a second that changes places with it.
class TPuzzleBoard {
public:
    static constexpr int Tiles = 9;

    enum class TClick {
        Selected,  // the first tile of a pair is picked
        Cancelled, // the picked tile again: nothing is picked
        Swapped,   // the two tiles changed places
        Solved,    // ... and now every tile is at home
    };

    TPuzzleBoard() { Reset(); }

    // Every tile back home, nothing picked, not shuffled.
    void Reset();
    void ClearSelection() { selected_ = 0; }
    // For each tile i in turn a draw r from 0 to 9: tile i changes places with tile r, r = 0
    // leaves it. The result may be solved; nothing is picked afterwards.
    void Shuffle(IRandomSource& random);
    // tile and the results' tiles are 1 to 9.
    TClick Click(int tile);

    int SlotOf(int tile) const { return slots_[static_cast<std::size_t>(tile - 1)]; }
    int TileInSlot(int slot) const;
    // The slot of the picked tile, 0 when none is.
    int SelectedSlot() const { return selected_; }
    // The tile that changed places with the clicked one at the last swap.
    int Partner() const { return partner_; }
    bool Shuffled() const { return shuffled_; }
    bool Solved() const;

private:
    void Exchange(int tileA, int tileB);

    std::array<int, Tiles> slots_{};
    int selected_ = 0;
    int partner_ = 0;
    bool shuffled_ = false;
};
