#pragma once

#include <QPointF>
#include <QRect>

class QPainter;

// One picture per topic, each saying at a glance what the topic teaches. Every drawing fits
// into the rectangle it is given and keeps its proportions.
namespace TopicIcons {

void DrawKeyboard(QPainter& painter, QRect rect);
void DrawMouse(QPainter& painter, QRect rect);
void DrawButtons(QPainter& painter, QRect rect);
void DrawCheckMarks(QPainter& painter, QRect rect);
void DrawListBox(QPainter& painter, QRect rect);
void DrawPanels(QPainter& painter, QRect rect);
void DrawWindows(QPainter& painter, QRect rect);
void DrawMenus(QPainter& painter, QRect rect);
void DrawPrograms(QPainter& painter, QRect rect);
void DrawSummary(QPainter& painter, QRect rect);

// The mouse pointer arrow with its tip at tip; height is the arrow's height in pixels.
void DrawPointer(QPainter& painter, QPointF tip, qreal height);

} // namespace TopicIcons
