#include "Controls.h"

#include <QLabel>
#include <QLineEdit>

namespace Controls {

QLabel* Label(QWidget* parent, const QRect& geometry, const QString& text, const QFont& font, const QColor& colour,
              Qt::Alignment alignment, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    SetColour(label, colour);
    return label;
}

void SetColour(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

QLineEdit* TypingBox(QWidget* parent, const QRect& geometry, const QFont& font, const QColor& colour)
{
    auto* box = new QLineEdit(parent);
    box->setGeometry(geometry);
    box->setFont(font);
    box->setFrame(false);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, colour);
    box->setPalette(colours);
    return box;
}

} // namespace Controls
