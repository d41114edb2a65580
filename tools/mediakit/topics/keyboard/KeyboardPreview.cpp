#include "mediakit/cast/CastPictures.h"
#include "mediakit/topics/keyboard/KeyboardArt.h"
#include "mediakit/topics/keyboard/KeyboardInfoArt.h"
#include "mediakit/topics/keyboard/KeyboardPagesArt.h"
#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPaint.h"
#include "topics/keyboard/Billentyuzet.h"
#include "topics/keyboard/KeyboardResults.h"
#include "topics/keyboard/PracticeSteps.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace {

// Blue page text as the pages write it (Arial 18 point), for judging the calm areas.
QImage WithText(const QImage& page, QRect area, const QStringList& lines, int pointSize = 18)
{
    QImage result = page;
    QPainter painter(&result);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pointSize * 4 / 3);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 255));
    const int step = QFontMetrics(font).height() + 5;
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QPoint(area.left() + 20, area.top() + 10 + QFontMetrics(font).ascent() + i * step), lines[i]);
    return result;
}

} // namespace

// keyboardpreview OUTPUT_DIR: the keyboard topic's pictures as plain PNGs, the practice page with
// the hands placed for every step, the info page with its pictures, and contact sheets of the clips.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "keyboardpreview OUTPUT_DIR"))
        return 2;
    using PreviewPaint::Over;
    using PreviewPaint::SeeThrough;

    const QImage screen = KeyboardArt::KeyboardScreen();
    const QImage left = KeyboardArt::LeftHand();
    const QImage right = KeyboardArt::RightHand();
    out.Save(screen, "bg_billentyuzet.png");
    out.Save(left, "05_bal_kez.png");
    out.Save(right, "05_jobb_kez.png");
    // The practice page's hands, step by step, placed in the page's order.
    auto withHands = [&](const QString& step) {
        QImage page = screen;
        for (const PracticeSteps::TPlacement& hand : PracticeSteps::Hands(step))
            page = Over(page, hand.hand == PracticeSteps::THand::Left ? left : right, hand.topLeft);
        return page;
    };
    for (const char* step : {"T", "CAPSLOCK", "SHIFT", "FELSO", "ALSO", "HÁROMBILL", "NUMLOCK", "ESC"})
        out.Save(withHands(QString::fromUtf8(step)), QStringLiteral("step_%1.png").arg(QString::fromUtf8(step)));

    const QImage stepT = withHands(QStringLiteral("T"));
    out.Save(WithText(stepT, KeyboardPagesArt::Places::PracticeTask, TBillentyuzet::LinesT("Anna", "elsős")),
             "page_billentyuzet_T.png");
    // A first letter hunt's result, one error in 17 seconds.
    out.Save(WithText(KeyboardPagesArt::EvaluationScreen(), KeyboardPagesArt::Places::EvaluationText.adjusted(-20, 0, 0, 0),
                      KeyboardResults::HuntResult("R1", "Anna", "elsős", 1, 17).split("<BR>")),
             "page_ertekeles_text.png");
    out.Save(KeyboardPagesArt::LetterHuntScreen(), "bg_betuvadaszat.png");
    out.Save(KeyboardPagesArt::TypingScreen(), "bg_szogepeles.png");
    const QImage evaluation = KeyboardPagesArt::EvaluationScreen();
    out.Save(evaluation, "bg_ertekeles.png");
    const QImage info = KeyboardPagesArt::InfoScreen();
    out.Save(info, "bg_billinfo.png");

    const QImage pictures[] = {KeyboardInfoArt::DirtyHandsPicture(), KeyboardInfoArt::FoodPicture(),
                               KeyboardInfoArt::DrinkPicture()};
    const QImage sign = KeyboardInfoArt::ProhibitionSign();
    out.Save(pictures[0], "billinfo_kezes.png");
    out.Save(pictures[1], "billinfo_kajas.png");
    out.Save(pictures[2], "billinfo_pias.png");
    out.Save(sign, "billinfo_tilt.png");
    QImage infoShown = info;
    for (int i = 0; i < 3; ++i)
        infoShown = Over(Over(infoShown, pictures[i], KeyboardPagesArt::Places::InfoPictures[i].topLeft()), sign,
                         KeyboardPagesArt::Places::InfoPictures[i].topLeft());
    out.Save(infoShown, "page_billinfo_signs.png");

    const std::vector<QImage> hitting = KeyboardInfoArt::NoHittingFrames();
    out.Clip("tilos_utes", hitting, 9);
    out.Save(Over(info, SeeThrough(hitting[24]), KeyboardPagesArt::Places::InfoClip.topLeft()), "page_billinfo_clip.png");
    const std::vector<QImage> thumbs = KeyboardInfoArt::ThumbsUpFrames();
    out.Clip("bizivel", thumbs, 6);
    out.Save(Over(evaluation, thumbs[3], KeyboardPagesArt::Places::OdonClip.topLeft()), "page_ertekeles_clip.png");
    const std::vector<QImage> nodding = CastPictures::OdonNodding();
    out.Save(Over(KeyboardPagesArt::LetterHuntScreen(), SeeThrough(nodding[6]), KeyboardPagesArt::Places::OdonClip.topLeft()),
         "page_betuvadaszat_clip.png");
    return out.Result();
}
