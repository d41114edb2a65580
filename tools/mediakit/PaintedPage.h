#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

// A page background being painted: the painter works on the image (antialiased) from the start,
// and Finish puts the back sign under the page's back area last, so no scenery covers it (a page
// without a back area gets none).
struct TPaintedPage {
    QImage image;
    QPainter painter;
    TPaintedPage(QImage base, QRect backArea = QRect());
    // The festive page in a topic's accent.
    TPaintedPage(QColor accent, QRect backArea);
    QImage Finish();

private:
    QRect backArea_;
};
