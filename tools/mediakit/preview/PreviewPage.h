#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

// A page being put together as the learner sees it: a copy of the background with the pictures
// and sample text the page lays over it.
class TPreviewPage {
public:
    explicit TPreviewPage(const QImage& background);

    void Picture(QPoint at, const QImage& picture) { painter.drawImage(at, picture); }
    // The picture's centre on the control's centre.
    void Centred(QRect on, const QImage& picture) { painter.drawImage(on.center() - picture.rect().center(), picture); }
    // Text in the pages' font, blue and wrapped from the top left unless told; "<BR>" breaks the line.
    void Text(QRect rect, const QString& text, int pixelSize = 24, QColor colour = QColor(0, 0, 255),
              int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    // The finished page; nothing may be drawn after it.
    QImage Done();

    QImage image;
    QPainter painter;
};
