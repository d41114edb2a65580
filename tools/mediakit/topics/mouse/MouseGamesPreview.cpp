// mousegamespreview OUTPUT_DIR: the mouse games' pictures as plain PNGs, each game page as it
// looks in play (panels, grass, buttons and the moving things in their places, sample text), the
// clips' frames, and the review sheet mouse_games_media_sheet.png.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPage.h"
#include "mediakit/preview/PreviewPaint.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"
#include "mediakit/topics/mouse/GamePanelsMedia.h"
#include "mediakit/topics/mouse/MouseGamesClipsArt.h"
#include "mediakit/topics/mouse/MouseGamesPicturesArt.h"
#include "mediakit/topics/mouse/MouseGamesPlaces.h"
#include "mediakit/topics/mouse/MouseGamesScreensArt.h"
#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/mouse/LepkevadaszForm.h"
#include "topics/mouse/MouseResults.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

namespace Places = MouseGamesPlaces;
namespace Art = MouseGamesPicturesArt;

// A game page in play, drawn antialiased as the games draw.
struct TMock : TPreviewPage {
    explicit TMock(const QImage& background)
        : TPreviewPage(background)
    {
        painter.setRenderHint(QPainter::Antialiasing);
    }
    // The grass and the game buttons, raised in front as ShowGrass does.
    void Furniture()
    {
        Picture(QPoint(0, 628), GamePanelsMedia::Grass());
        Picture(QPoint(888, 576), GameButtonsMedia::ExitGameButton());
        Picture(QPoint(20, 630), GamePanelsMedia::SmallPanel());
        Picture(QPoint(888, 664), GameButtonsMedia::BackButton());
    }
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "mousegamespreview OUTPUT_DIR"))
        return 2;
    using namespace MouseGamesScreensArt;
    const QRect info(110, 110, 800, 320);
    // Each clip drawn once: the pages show a frame of it, the contact sheets all of it. The guides'
    // jumps follow in the order the double-click page shows them.
    const std::pair<const char*, std::vector<QImage>> clips[] = {
        {"right_click", MouseGamesClipsArt::RightClickClip()},
        {"double_click", MouseGamesClipsArt::DoubleClickClip()},
        {"dog", MouseGamesClipsArt::GuideJumpClip(TCastMember::Lemezke)},
        {"tarolka", MouseGamesClipsArt::GuideJumpClip(TCastMember::Tarolka)},
        {"nyilacska", MouseGamesClipsArt::GuideJumpClip(TCastMember::Nyilacska)}};
    const std::vector<QImage>& rightClick = clips[0].second;
    const std::vector<QImage>& doubleClick = clips[1].second;

    // Each game's background is drawn once for its intro and play pages.
    {
        const QImage butterfly = ButterflyScreen();
        TMock intro(butterfly);
        for (int i = 0; i < 5; ++i)
            intro.Picture(Places::CloudAt[i], Art::Cloud(i + 1));
        intro.Furniture();
        intro.Picture(QPoint(110, 130), GamePanelsMedia::InfoPanel());
        intro.Centred(QRect(160, 176, 713, 105), Art::ButterflyTitle());
        out.Page(intro.Done(), "butterfly_intro.png");

        TMock game(butterfly);
        for (int i = 0; i < 5; ++i) {
            game.Picture(Places::CloudAt[i], Art::Cloud(i + 1));
            game.Text(QRect(Places::CloudAt[i], Places::Cloud), TLepkevadaszForm::LevelCaption(i + 1), i == 2 ? 26 : 21,
                      i == 2 ? QColor(0, 128, 0) : QColor(0, 0, 255), Qt::AlignCenter);
        }
        const char* colours[] = {"lila", "piros", "kek", "sarga", "zold"};
        for (int i = 0; i < 5; ++i)
            game.Picture(QPoint(220 + 120 * i, 560 - 90 * i + (i % 2) * 150), Art::Butterfly(colours[i]));
        game.Picture(QPoint(470, 660), Art::Butterfly("kek")); // rising from behind the grass
        game.Furniture();
        game.Text(QRect(20, 630, 220, 130), TLepkevadaszForm::ScoreText(3, 2, 1), 24, QColor(0, 0, 255), Qt::AlignCenter);
        out.Page(game.Done(), "butterfly_game.png");
    }
    {
        TMock page(RightClickScreen());
        page.Text(Places::RightClickWriting, TEgerBallJobbForm::Instruction());
        page.Picture(Places::RightClickClip.topLeft(), PreviewPaint::SeeThrough(rightClick[6]));
        page.Picture(QPoint(888, 664), GameButtonsMedia::BackButton());
        out.Page(page.Done(), "right_click.png");
    }
    {
        const QImage hunt = HuntScreen();
        TMock intro(hunt);
        intro.Picture(info.topLeft(), GamePanelsMedia::InfoPanel());
        intro.Centred(info, Art::LeftRightTitle());
        intro.Picture(QPoint(888, 576), GameButtonsMedia::ExitGameButton());
        intro.Picture(QPoint(888, 664), GameButtonsMedia::BackButton());
        out.Page(intro.Done(), "hunt_intro.png");

        TMock start(hunt);
        start.Picture(info.topLeft(), GamePanelsMedia::InfoPanel());
        start.Text(info.adjusted(0, 100, 0, 0), TEgervadaszatForm::StartText(), 24, QColor(0, 0, 255),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
        start.Picture(QPoint(376, 312), Art::StartButton());
        start.Picture(QPoint(20, 630), GamePanelsMedia::SmallPanel());
        start.Picture(QPoint(888, 576), GameButtonsMedia::ExitGameButton());
        start.Picture(QPoint(888, 664), GameButtonsMedia::BackButton());
        out.Page(start.Done(), "hunt_start.png");

        TMock game(hunt);
        game.Picture(QPoint(200, 120), Art::NyilacskaPointing(false));
        game.Picture(QPoint(620, 360), Art::NyilacskaPointing(true));
        game.Picture(QPoint(20, 630), GamePanelsMedia::SmallPanel());
        game.Text(QRect(20, 630, 220, 130), TEgervadaszatForm::ScoreText(1, 3, 2), 24, QColor(0, 0, 255), Qt::AlignCenter);
        game.Picture(QPoint(888, 576), GameButtonsMedia::ExitGameButton());
        game.Picture(QPoint(888, 664), GameButtonsMedia::BackButton());
        out.Page(game.Done(), "hunt_game.png");
    }
    {
        TMock page(DoubleClickScreen());
        page.Text(Places::DoubleClickWriting, TDuplaKattForm::Instruction(), 20);
        page.Picture(Places::DoubleClickDemo.topLeft(), PreviewPaint::SeeThrough(doubleClick[10]));
        for (int i = 0; i < 3; ++i)
            page.Picture(QPoint(Places::GuideClipLeft[i], Places::GuideClipTop),
                         PreviewPaint::SeeThrough(clips[2 + i].second[i == 1 ? 8 : 0]));
        page.Picture(QPoint(888, 664), GameButtonsMedia::BackButton());
        out.Page(page.Done(), "double_click.png");
    }
    {
        const QImage balloon = BalloonScreen();
        TMock intro(balloon);
        intro.Furniture();
        intro.Picture(info.topLeft(), GamePanelsMedia::InfoPanel());
        intro.Centred(info, Art::BalloonTitle());
        out.Page(intro.Done(), "balloon_intro.png");

        TMock game(balloon);
        const char* colours[] = {"lila", "piros", "narancs", "zold", "kek", "vkek"};
        const int tops[] = {120, 300, 520, 40, 660, 400};
        for (int i = 0; i < 6; ++i)
            game.Picture(QPoint(150 + 110 * i, tops[i]), Art::Balloon(colours[i]));
        game.Furniture();
        game.Text(QRect(20, 660, 220, 80), TEgerLufipukkForm::ScoreText(1, 2), 26, QColor(0, 0, 255), Qt::AlignCenter);
        out.Page(game.Done(), "balloon_game.png");
    }
    {
        const QImage basketball = BasketballScreen();
        TMock intro(basketball);
        intro.Picture(QPoint(110, 180), GamePanelsMedia::InfoPanel());
        intro.Centred(QRect(110, 180, 800, 320), Art::BasketballTitle());
        out.Page(intro.Done(), "basketball_intro.png");

        TMock game(basketball);
        for (int i = 0; i < 8; ++i)
            game.Picture(QPoint(103 + 90 * i, 665 + (i * 3) % 6), Art::Ball());
        game.Picture(QPoint(470, 278), Art::Ball()); // released inside the hoop
        game.Picture(QPoint(780, 420), Art::Ball()); // being carried
        game.Picture(Places::BasketScore.topLeft(), GamePanelsMedia::SmallPanel());
        game.Text(Places::BasketScore.adjusted(0, 20, 0, -10),
                  TEgerBasketBallForm::ScoreText(MouseResults::TimeText(24000), 7000), 24, QColor(0, 0, 255),
                  Qt::AlignCenter);
        game.Picture(QPoint(888, 576), GameButtonsMedia::ExitGameButton());
        game.Picture(QPoint(888, 664), GameButtonsMedia::BackButton());
        out.Page(game.Done(), "basketball_game.png");
    }

    // The small pictures one by one, and the clips' frames.
    for (int i = 1; i <= 5; ++i)
        out.Save(Art::Cloud(i), QStringLiteral("cloud%1.png").arg(i));
    for (const char* colour : {"lila", "piros", "kek", "sarga", "zold"})
        out.Save(Art::Butterfly(colour), QStringLiteral("butterfly_%1.png").arg(colour));
    for (const char* colour : {"lila", "piros", "narancs", "zold", "kek", "vkek"})
        out.Save(Art::Balloon(colour), QStringLiteral("balloon_%1.png").arg(colour));
    out.Save(Art::NyilacskaPointing(true), "nyilacska_right.png");
    out.Save(Art::NyilacskaPointing(false), "nyilacska_left.png");
    out.Save(Art::Ball(), "ball.png");
    out.Save(Art::StartButton(), "start.png");
    for (const auto& [name, frames] : clips)
        out.Clip(name, frames, 8, true);

    out.SaveReviewSheet("mouse_games_media_sheet.png", out.ReviewSheet());
    return out.Result();
}
