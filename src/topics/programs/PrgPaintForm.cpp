#include "PrgPaintForm.h"

#include "ColourPalette.h"
#include "PaintSurface.h"
#include "framework/Image.h"
#include "framework/Menu.h"
#include "framework/RaisedFrame.h"
#include "platform/MessageDialogs.h"
#include "platform/Services.h"

#include <QFrame>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int ToolWidth = 89;
constexpr int ShapeTops[] = {17, 33, 49, 73, 97, 128};
constexpr int RoundSizes[] = {5, 8, 11, 15, 20, 29};
constexpr int SquareSizes[] = {5, 8, 11, 15, 20, 30};
const QRect PaletteArea(4, 166, 81, 363);

QImage ShapePicture(BrushPrint::TKind kind, int size)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, kind == BrushPrint::TKind::Round);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    if (kind == BrushPrint::TKind::Round)
        painter.drawEllipse(QRectF(0, 0, size, size));
    else
        painter.drawRect(QRect(0, 0, size, size));
    return picture;
}
} // namespace

TPrgPaintForm::TPrgPaintForm(QWidget* host)
    : TPrgProgramWindow(host, QStringLiteral("PrgPaintForm"), QStringLiteral("PrgPaintForm"), QSize(568, 587), Top)
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = false;
    SetBorder(TWindowFrame::TBorder::Single);
    SetBorderIcons({.systemMenu = true, .minimize = false, .maximize = false});
    SetColour(Qt::white);
    UseIcon(QStringLiteral("prg/rajzolo16.png"));

    auto* menu = new TMenu(this);
    TMenuItem& top = menu->Add(QStringLiteral("Menü"));
    TMenuItem& clear = top.Add(QStringLiteral("Rajzlap törlése "));
    TMenuItem& exit = top.Add(QStringLiteral("Kilépés"));
    menu->OnChoose = [this, &clear, &exit](TMenuItem& item) {
        if (&item == &clear)
            ClearSheet();
        else if (&item == &exit)
            Close();
    };
    SetMenu(menu);

    const QRect client = Client()->rect();
    tools_ = new QFrame(Client());
    tools_->setGeometry(0, 0, ToolWidth, client.height());
    tools_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    tools_->setAutoFillBackground(true);
    QPalette face = tools_->palette();
    face.setColor(QPalette::Window, RaisedFrame::Face);
    tools_->setPalette(face);
    for (int i = 0; i < 6; ++i)
        AddShape(BrushPrint::TKind::Round, QPoint(8, ShapeTops[i]), RoundSizes[i]);
    for (int i = 0; i < 6; ++i)
        AddShape(BrushPrint::TKind::Square, QPoint(48, ShapeTops[i]), SquareSizes[i]);
    palette_ = new TColourPalette(tools_, PaletteArea);
    palette_->OnChoose = [this](const QColor& colour) { colour_ = colour; };

    paintBox_ = new TPaintSurface(Client(), QRect(ToolWidth, 0, client.width() - ToolWidth, client.height()));
    paintBox_->OnMouseDown = [this](QPoint at) {
        drawing_ = true;
        paintBox_->Print(at, brushSize_, brushKind_, colour_);
    };
    paintBox_->OnMouseMove = [this](QPoint at) {
        if (drawing_)
            paintBox_->Print(at, brushSize_, brushKind_, colour_);
    };
    paintBox_->OnMouseUp = [this](QPoint) { drawing_ = false; };

    OnShow = [this](TPracticeWindow&) { colour_ = Qt::black; };
    OnActivate = [this](TPracticeWindow&) { Greet(); };
}

void TPrgPaintForm::AddShape(BrushPrint::TKind kind, QPoint at, int size)
{
    auto* shape = new TImage(tools_, QRect(at, QSize(size, size)));
    shape->SetPng(ShapePicture(kind, size));
    shape->setCursor(Qt::PointingHandCursor);
    // Both the press and the release take the brush, as a click does.
    auto take = [this, kind, size](Qt::MouseButton, QPoint) {
        brushSize_ = size;
        brushKind_ = kind;
    };
    shape->OnMouseDown = take;
    shape->OnMouseUp = take;
    shapes_.push_back(shape);
}

void TPrgPaintForm::Greet()
{
    if (greeted_)
        return;
    // After the activation has run its course, so that whoever showed the window has done so.
    QMetaObject::invokeMethod(
        this,
        [self = QPointer<TPrgPaintForm>(this)] {
            if (!self || self->greeted_ || !self->isVisible())
                return;
            self->greeted_ = true;
            Services::Dialogs().Show(TDialogRequest::Standard(TDialogIcon::Information, QStringLiteral("Rajzoló"),
                                                              Hint, TDialogButtons::Ok));
        },
        Qt::QueuedConnection);
}

void TPrgPaintForm::ClearSheet()
{
    paintBox_->Clear();
    colour_ = palette_->Chosen().value_or(Qt::black);
}
