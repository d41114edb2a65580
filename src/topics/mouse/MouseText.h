#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;
class TBaseForm;
class TImage;

// The mouse pages write their explanations straight onto a picture with the page's text writer:
// the page font at a size of their own, their margins and line spacing.
namespace MouseText {

struct TLayout {
    int points = 18;
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int lineSpacing = 5; // the page writer's own spacing
};

void Write(TBaseForm& page, TImage& picture, const TLayout& layout, const QString& text);

// The small centred line beside a lesson's continue key that names the key.
QLabel* Hint(QWidget* page, const QRect& geometry, const QString& text);

} // namespace MouseText
