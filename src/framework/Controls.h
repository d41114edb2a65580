#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// The plain controls pages place, with the looks the pages give them.
namespace Controls {

// The system's hot-light (link) colour, used for the big typing boxes.
inline const QColor HotLight(0, 102, 204);

// A label with a transparent background; the text wraps at the label's width when wrap is set.
QLabel* Label(QWidget* parent, const QRect& geometry, const QString& text, const QFont& font, const QColor& colour,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wrap = false);
// The label's text colour.
void SetColour(QLabel* label, const QColor& colour);
// A borderless white typing box.
QLineEdit* TypingBox(QWidget* parent, const QRect& geometry, const QFont& font, const QColor& colour);

} // namespace Controls
