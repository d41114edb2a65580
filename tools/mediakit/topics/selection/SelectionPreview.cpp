#include "mediakit/cast/CastPictures.h"
#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"
#include "mediakit/topics/mouse/GamePanelsMedia.h"
#include "mediakit/topics/selection/SelectionMedia.h"
#include "mediakit/topics/selection/SelectionPicturesArt.h"
#include "mediakit/topics/selection/SelectionPlaces.h"

#include <QGuiApplication>
#include <QPainter>
#include <cmath>

namespace {

namespace Places = SelectionPlaces;

// The cannon game as it looks mid-shot: the barrel for the angle and the ball where the game
// first puts it, for angles 10 to 80.
QImage CannonAim(const QImage& background, const std::vector<SelectionMedia::TNamedPicture>& pictures)
{
    auto find = [&](const QString& name) {
        for (const auto& picture : pictures)
            if (picture.name == name)
                return picture.image;
        return QImage();
    };
    QImage page = background;
    QPainter painter(&page);
    painter.drawImage(Places::CannonInfo.topLeft(), GamePanelsMedia::InfoPanel());
    painter.drawImage(QPoint(888, 576), GameButtonsMedia::ExitGameButton());
    painter.drawImage(QPoint(888, 664), GameButtonsMedia::BackButton());
    const QImage ball = find("jelolesek\\JelAgyuzasForm_agyugolyo.png");
    for (int angle = 10; angle <= 80; angle += 35) {
        const QImage cannon = find(QStringLiteral("jelolesek\\JelAgyuzasForm_a%1.png").arg(angle / 10 + 1));
        painter.drawImage(Places::CannonAt + QPoint(angle == 10 ? 0 : angle == 45 ? 300 : 600, 0), cannon);
        const double r = 3.14 / 180;
        const int top = 576 - int(std::nearbyint(std::sin(angle * 0.6 * r) * 160));
        const int left = 120 + int(std::nearbyint(std::cos(angle * 0.8 * r) * 160));
        painter.drawImage(QPoint(left + (angle == 10 ? 0 : angle == 45 ? 300 : 600), top), ball);
    }
    for (int i = 0; i < 10; ++i)
        painter.drawImage(QPoint(32 + 32 * i, 730), ball);
    painter.drawImage(QPoint(600, 160), find("jelolesek\\JelAgyuzasForm_felho.png"));
    return page;
}

// All pictures side by side at a reduced scale, each on the page grey.
QImage Sheet(const std::vector<SelectionMedia::TNamedPicture>& pictures, const std::vector<QImage>& clip)
{
    const int cell = 200;
    const int columns = 8;
    const int count = int(pictures.size()) + 1;
    QImage sheet(QSize(columns * cell, (count + columns - 1) / columns * cell), QImage::Format_RGB32);
    sheet.fill(QColor(0xdd, 0xdd, 0xdd));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    auto place = [&](int index, const QImage& image) {
        const QRect box(index % columns * cell + 4, index / columns * cell + 4, cell - 8, cell - 8);
        const QSize fitted = image.size().scaled(box.size(), Qt::KeepAspectRatio).boundedTo(image.size());
        painter.drawImage(QRect(box.center() - QPoint(fitted.width() / 2, fitted.height() / 2), fitted), image);
    };
    for (int i = 0; i < int(pictures.size()); ++i)
        place(i, pictures[size_t(i)].image);
    place(int(pictures.size()), CastPictures::ContactSheet(clip, 6));
    return sheet;
}

} // namespace

// selectionpreview OUTPUT_DIR [SHEET]: the selection topic's pictures as plain PNGs, the clip's
// frames, the cannon page with the ball where it appears, and the review sheet.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "selectionpreview OUTPUT_DIR [SHEET]"))
        return 2;

    const std::vector<SelectionMedia::TNamedPicture> pictures = SelectionMedia::Pictures();
    for (const auto& picture : pictures)
        out.Save(picture.image, picture.name.section('\\', -1).replace(".jpg", ".png"));
    out.Save(GamePanelsMedia::InfoPanel(), "infopanel.png");
    out.Save(GamePanelsMedia::SmallPanel(), "litlpanel.png");
    out.Save(GamePanelsMedia::Grass(), "grass.png");
    const std::vector<QImage> clip = SelectionPicturesArt::RadioAndCheckBoxClip();
    out.Save(CastPictures::ContactSheet(clip, 6), "radiogomb_ket_fele.png");
    out.Save(CannonAim(pictures[11].image, pictures), "page_agyuzas.png");
    out.SaveReviewSheet("sheet.png", Sheet(pictures, clip));
    return out.Result();
}
