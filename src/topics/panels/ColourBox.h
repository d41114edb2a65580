#pragma once

#include <QColor>
#include <QComboBox>

// A colour chooser: the sixteen standard colours as swatches with their names, black first.
class TColourBox : public QComboBox {
    Q_OBJECT
public:
    TColourBox(QWidget* parent, const QRect& geometry);

    QColor Colour() const;
    // The item of a standard colour, -1 when it is none of them.
    int IndexOf(const QColor& colour) const;

    void showPopup() override;
};
