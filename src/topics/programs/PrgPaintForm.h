#pragma once

#include "BrushPrint.h"
#include "PrgProgramWindow.h"

#include <QColor>
#include <vector>

class QFrame;
class TColourPalette;
class TImage;
class TPaintSurface;

// "Rajzoló", program 2 of the desktop: a drawing surface with twelve brush shapes and a colour
// palette. A press on the surface and every move with the button held leave a print of the brush;
// erasing is painting in white. The drawing stays while the window is hidden. The window can
// only be closed; on its first activation it tells the learner how to draw.
class TPrgPaintForm : public TPrgProgramWindow {
    Q_OBJECT
public:
    static constexpr int Top = 150;
    static inline const QString Hint = QStringLiteral(
        "Nyomott balgombbal mozgasd az egeret! Így rajzolhatsz.\n"
        "Radírozni a fehér színnel, vagy a menüből tudsz.\n"
        "Ha kész vagy, esetleg meguntad, zárd be a programot!");

    explicit TPrgPaintForm(QWidget* host);

    TPaintSurface* PaintBox() const { return paintBox_; }
    TColourPalette* JvFullColorGroup1() const { return palette_; }
    // The brush shapes: the six circular ones from the smallest, then the six square ones.
    const std::vector<TImage*>& Shapes() const { return shapes_; }
    int BrushSize() const { return brushSize_; }
    BrushPrint::TKind BrushKind() const { return brushKind_; }
    QColor BrushColour() const { return colour_; }

private:
    void AddShape(BrushPrint::TKind kind, QPoint at, int size);
    void Greet();
    void ClearSheet();

    QFrame* tools_;
    TPaintSurface* paintBox_;
    TColourPalette* palette_;
    std::vector<TImage*> shapes_;
    int brushSize_ = 4;
    BrushPrint::TKind brushKind_ = BrushPrint::TKind::Round;
    QColor colour_ = Qt::black;
    bool drawing_ = false;
    bool greeted_ = false;
};
