#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

// A mouse lesson background being painted. The lessons of the back-button page base get the
// festive page and their back sign; the game-base pages a calm sky with a few white clouds along
// the top and no buttons, because they show their own end and back pictures over it.
class TMouseLessonsPage {
public:
    enum TStyle { Lesson, Sky };
    TMouseLessonsPage(QColor accent, TStyle style);

    // A soft light stage a little larger than a clip, in the clip's own see-through grey, so the
    // clip's edges do not show.
    void DrawClipStage(QRect clip);
    // The picture; the lessons' back sign goes under back first.
    QImage Finish(QRect back = QRect());

    QImage image;
    QPainter painter;

private:
    void DrawClouds(QRect band);

    QColor accent_;
};
