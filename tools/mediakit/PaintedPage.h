#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

// A page background being painted: the painter works on the image (antialiased) from the start,
// and Finish puts the back sign under the page's back area last, so no scenery covers it.
struct TPaintedPage {
    QImage image;
    QPainter painter;
    TPaintedPage(QImage base, QRect backArea);
    QImage Finish();

private:
    QRect backArea_;
};
