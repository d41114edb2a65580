#pragma once

#include "mediakit/PaintedPage.h"

#include <QColor>
#include <QRect>

// A mouse lesson background being painted, in the topic's accent. The lessons of the back-button page base get the
// festive page and their back sign under back; the game-base pages a calm sky with a few white
// clouds along the top and no buttons, because they show their own end and back pictures over it.
class TMouseLessonsPage : public TPaintedPage {
public:
    enum TStyle { Lesson, Sky };
    // The mouse topic's colour, which the lessons' own drawings share.
    static QColor Accent();

    explicit TMouseLessonsPage(TStyle style, QRect back = QRect());

    // A soft light stage a little larger than a clip, in the clip's own see-through grey, so the
    // clip's edges do not show.
    void DrawClipStage(QRect clip);

private:
    void DrawClouds(QRect band);
};
