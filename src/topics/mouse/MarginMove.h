#pragma once

#include <QPoint>
#include <QRect>

// Where a dragged picture may go on the 1024 × 768 page. Clear of the margin on every side it
// follows the pointer; touching a margin it may only move away from that margin, so it never
// slides along the edge out of the screen. Wherever the pointer asks, the picture stays whole on
// the page.
namespace MarginMove {

struct TMove {
    QPoint topLeft; // the picture's new top-left corner
    bool free;      // the picture was clear of the margin and went to the candidate place
};

// picture: where the picture is now; candidate: the top-left corner the pointer asks for.
TMove Follow(const QRect& picture, const QPoint& candidate, int margin);

} // namespace MarginMove
