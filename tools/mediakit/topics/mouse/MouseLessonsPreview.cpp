// mouselessonspreview OUTPUT_DIR: the mouse lessons' pictures as plain PNGs, the backgrounds with
// the pictures the pages show over them, the clips as contact sheets, and the review sheet.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPage.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"
#include "mediakit/topics/mouse/GamePanelsMedia.h"
#include "mediakit/topics/mouse/MouseLessonsClipsArt.h"
#include "mediakit/topics/mouse/MouseLessonsColouringArt.h"
#include "mediakit/topics/mouse/MouseLessonsDragArt.h"
#include "mediakit/topics/mouse/MouseLessonsIntroArt.h"
#include "mediakit/topics/mouse/MouseLessonsMedia.h"
#include "mediakit/topics/selection/SelectionPicturesArt.h"
#include "topics/mouse/EgerDragDropForm.h"
#include "topics/mouse/EgerKattInfoForm.h"
#include "topics/mouse/EgerKattintForm.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

namespace Places = MouseLessonsPlaces;
using MouseLessonsColouringArt::TGarment;

// The tint the colouring page applies: (S × S.alpha + c × 255) div (S.alpha + 255).
QImage Tinted(TGarment garment, QColor c)
{
    QImage base = MouseLessonsColouringArt::Base(garment).convertToFormat(QImage::Format_ARGB32);
    const QImage shade = MouseLessonsColouringArt::Shading(garment).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < base.height(); ++y)
        for (int x = 0; x < base.width(); ++x) {
            const QRgb b = base.pixel(x, y);
            if (!qAlpha(b))
                continue;
            const QRgb s = shade.pixel(x, y);
            const int a = qAlpha(s);
            const auto mix = [&](int sc, int cc) { return (sc * a + cc * 255) / (a + 255); };
            base.setPixel(x, y, qRgba(mix(qRed(s), c.red()), mix(qGreen(s), c.green()), mix(qBlue(s), c.blue()), qAlpha(b)));
        }
    return base;
}

// The thin blue frame the heads page draws round each of its pictures.
void Frame(QPainter& painter, QRect r)
{
    painter.setPen(QColor(0, 0, 255));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(-1, -1, 0, 0));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "mouselessonspreview OUTPUT_DIR"))
        return 2;
    for (const auto& [name, image] : MouseLessonsMedia::Pictures()) {
        const QString file = name.section('\\', -1).section('.', 0, 0) + ".png";
        if (image.width() == 1024)
            out.Page(image, file);
        else
            out.Save(image, file);
    }

    {
        using namespace MouseLessonsIntroArt;
        using MouseLessonsDevicesArt::THold;
        TPreviewPage mock(ClickScreen());
        // Each clip drawn once, after its page (text drawn earlier can change how a heading's glyphs
        // come out): the pages show a frame of it, the contact sheet all of it.
        const std::vector<QImage> click = MouseLessonsClipsArt::ClickClip();
        mock.Text(Places::ClickInfoText, TEgerKattInfoForm::Instruction(), 21);
        mock.Picture(Places::ClickClip.topLeft(), click[8]);
        mock.Picture(Places::RightHand.topLeft(), HandPicture(THold::Right));
        mock.Picture(Places::LeftHand.topLeft(), HandPicture(THold::Left));
        mock.Picture(Places::WrongHold.topLeft(), HandPicture(THold::Wrong));
        out.Page(mock.Done(), "click_shown.png");
        TPreviewPage heads(HeadsScreen());
        heads.Text(Places::HeadsText, TEgerKattintForm::Instruction(), 21);
        heads.Picture(Places::HeadsClip.topLeft(), click[2]);
        const QRect boxes[] = {{48, 576, 125, 70}, {190, 584, 101, 55}, {304, 588, 81, 46}, {401, 592, 67, 38},
                               {484, 596, 54, 30}, {551, 598, 45, 25},  {606, 600, 36, 21}, {656, 601, 31, 19},
                               {698, 603, 25, 15}, {733, 604, 21, 13},  {762, 605, 17, 12}, {787, 606, 16, 9},
                               {809, 607, 13, 8}};
        const QImage head = NoraHead();
        heads.painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const QRect& box : boxes) {
            Frame(heads.painter, box);
            heads.painter.drawImage(box, head);
        }
        out.Page(heads.Done(), "heads_shown.png");
        out.Clip("click", click, 8);
    }
    {
        using namespace MouseLessonsDragArt;
        TPreviewPage explanation(ExplanationScreen());
        const std::vector<QImage> drag = MouseLessonsClipsArt::DragClip();
        explanation.Text(Places::DragText, TEgerDragDropForm::Instruction(), 20);
        explanation.Picture(Places::DragClip.topLeft(), drag[10]);
        explanation.Picture(Places::Nyilacska.topLeft(), ExplainingNyilacska());
        explanation.Picture(Places::ToMenu.topLeft(), GameButtonsMedia::BackButton());
        out.Page(explanation.Done(), "drag_shown.png");
        out.Clip("drag", drag, 8);
        TPreviewPage house(HouseScreen());
        house.Picture(Places::Flower.topLeft(), SelectionPicturesArt::Flowers(3).scaled(Places::Flower.size()));
        house.Picture(QPoint(30, 500), WavingNyilacska());
        house.Picture(QPoint(0, 628), GamePanelsMedia::Grass());
        house.Picture(Places::ToMenu.topLeft(), GameButtonsMedia::BackButton());
        out.Page(house.Done(), "house_shown.png");
    }
    {
        using namespace MouseLessonsColouringArt;
        TPreviewPage dress(DressScreen());
        dress.Picture(Places::Shirt.topLeft(), Tinted(TGarment::Shirt, QColor(206, 21, 255)));
        dress.Picture(Places::Skirt.topLeft(), Tinted(TGarment::Skirt, QColor(5, 167, 255)));
        dress.Picture(Places::EndGame.topLeft(), GameButtonsMedia::ExitGameButton());
        dress.Picture(Places::ToMenu.topLeft(), GameButtonsMedia::BackButton());
        out.Page(dress.Done(), "dress_shown.png");
        TPreviewPage car(CarScreen());
        car.Picture(Places::Car.topLeft(), Tinted(TGarment::Car, QColor(255, 5, 5)));
        car.Picture(Places::EndGame.topLeft(), GameButtonsMedia::ExitGameButton());
        car.Picture(Places::ToMenu.topLeft(), GameButtonsMedia::BackButton());
        out.Page(car.Done(), "car_shown.png");
        TPreviewPage green(CarScreen());
        green.Picture(Places::Car.topLeft(), Tinted(TGarment::Car, QColor(5, 255, 69)));
        green.Picture(Places::Car.topLeft() + QPoint(0, 130), Base(TGarment::Car));
        out.Page(green.Done(), "car_green.png");
    }
    out.SaveReviewSheet("mouse_lessons_media_sheet.png", out.ReviewSheet());
    return out.Result();
}
