// panelspreview OUTPUT_DIR [SHEET]: the panels topic's pictures as plain PNGs, its pages with the
// panels, pictures and clips in the pages' places, the clips as contact sheets, and the review sheet.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPaint.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"
#include "mediakit/topics/panels/CarArt.h"
#include "mediakit/topics/panels/DialogIconsArt.h"
#include "mediakit/topics/panels/MemoryCardsArt.h"
#include "mediakit/topics/panels/PanelsPicturesArt.h"
#include "mediakit/topics/panels/PanelsPlaces.h"
#include "mediakit/topics/panels/PanelsScreensArt.h"
#include "mediakit/topics/panels/RoadSignsArt.h"
#include "topics/panels/PnlAutosForm.h"
#include "topics/panels/PnlFulesPanelForm.h"
#include "topics/panels/PnlKonyvJelzForm.h"
#include "topics/panels/PnlMemJatekForm.h"
#include "topics/panels/PnlMiniVizsgaForm.h"
#include "topics/panels/PnlMiniVizsgaIntroForm.h"
#include "topics/panels/PnlNyomtatForm.h"
#include "topics/panels/PnlPanelForm.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

namespace Places = PanelsPlaces;

// A message panel as the pages draw it: grey, framed, a blue title strip with "X", Arial text.
void MockPanel(QPainter& p, QRect rect, const QString& title, const QString& text)
{
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(QColor(0xd4, 0xd0, 0xc8));
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    const QRect strip(rect.left() + 3, rect.top() + 3, rect.width() - 6, 22);
    p.fillRect(strip, QColor(0, 0, 0x80));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(strip.adjusted(6, 0, -24, 0), Qt::AlignVCenter, title);
    p.drawText(QRect(strip.right() - 20, strip.top(), 18, 22), Qt::AlignCenter, QStringLiteral("X"));
    font.setBold(false);
    font.setPixelSize(16);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(rect.adjusted(16, 34, -16, -40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    const QRect ok(rect.center().x() - 44, rect.bottom() - 34, 89, 25);
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawRect(ok);
    p.drawText(ok, Qt::AlignCenter, QStringLiteral("Ok"));
}

QImage WithPanel(QImage page, QRect panel, const QString& title, const QString& text)
{
    QPainter p(&page);
    MockPanel(p, panel, title, text);
    return page;
}

// The car has reached the sign: where the page stops it (Left + 297 beyond the car's Left + 80),
// the car the rolling clip's first frame with its key colour see-through.
QImage TripAtSign(QImage page, const QImage& sign, const QImage& car)
{
    QPainter p(&page);
    int left = -297;
    while (left + Places::Sign.width() <= Places::CarClip.left() + 80)
        left += 10;
    p.drawImage(QPoint(left, Places::Sign.top()), sign);
    p.drawImage(Places::CarClip.topLeft(), PreviewPaint::SeeThrough(car));
    return page;
}

QImage MemoryPage()
{
    QImage page = PanelsScreensArt::MemoryScreen();
    QPainter p(&page);
    for (int n = 1; n <= 36; ++n) {
        const QRect card(((n - 1) % 6) * 94 + 196, ((n - 1) / 6) * 94 + 196, 90, 90);
        p.fillRect(card, QColor(0xdd, 0xdd, 0xdd));
        p.setPen(Qt::white);
        p.drawLine(card.topLeft(), card.topRight());
        p.drawLine(card.topLeft(), card.bottomLeft());
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawLine(card.bottomLeft(), card.bottomRight());
        p.drawLine(card.topRight(), card.bottomRight());
        if (n % 5 == 1 || n == 20)
            p.drawImage(card.topLeft() + QPoint(0, 10), MemoryCardsArt::Face((n - 1) % 18 + 1), QRect(0, 0, 90, 80));
        const QRect strip(card.left() + 2, card.top() + 1, 86, 17);
        p.fillRect(strip, QColor(0, 0, 221));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(238, 238, 238));
        p.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter, TPnlMemJatekForm::CardTitle(n));
    }
    QFont clock(QStringLiteral("Liberation Sans"));
    clock.setPixelSize(51);
    p.setFont(clock);
    p.setPen(QColor(0, 0, 255));
    p.drawText(Places::MemoryClock, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("01:05"));
    p.drawImage(Places::ExitGame.topLeft(), GameButtonsMedia::ExitGameButton());
    return page;
}

QImage RacePage()
{
    QImage page = WithPanel(PanelsScreensArt::RaceScreen(), Places::PanelPanel, QString(), TPnlPanelForm::PanelText());
    QPainter p(&page);
    p.drawImage(Places::RaceStart.topLeft(), PanelsPicturesArt::Runner(TCastMember::Tarolka));
    p.drawImage(Places::RaceStart.topLeft() + QPoint(420, 0), PanelsPicturesArt::Runner(TCastMember::Lemezke));
    return page;
}

QImage IntroPage()
{
    // Spaces keep the first line clear of the icon.
    QImage page = WithPanel(PanelsScreensArt::ExamIntroScreen(), Places::IntroPanel, TPnlMiniVizsgaIntroForm::PanelTitle(),
                            QStringLiteral("          ") + TPnlMiniVizsgaIntroForm::PanelText());
    QPainter p(&page);
    p.drawImage(Places::IntroPanel.topLeft() + QPoint(24, 41), DialogIconsArt::Information());
    return page;
}

QImage ExamPage()
{
    QImage page = WithPanel(PanelsScreensArt::ExamScreen(), Places::ExamPanel, TPnlMiniVizsgaForm::PanelTitle(),
                            TPnlMiniVizsgaForm::PanelsTask());
    QPainter p(&page);
    const QPoint at = Places::ExamPanel.topLeft() + QPoint(40, 80);
    const QImage icons[] = {DialogIconsArt::Error(), DialogIconsArt::Information(), DialogIconsArt::Warning()};
    for (int i = 0; i < 3; ++i)
        p.drawImage(at + QPoint(0, 44 * i), icons[i]);
    p.drawImage(Places::ExamPanel.topLeft() + QPoint(250, 100), PanelsPicturesArt::WaitingLemezke());
    p.drawImage(Places::ExamPanel.topLeft() + QPoint(380, 100), PanelsPicturesArt::JumpingLemezke());
    return page;
}

QImage TabbedPage(const QImage& trip)
{
    QImage page = WithPanel(trip, Places::TabbedPanel, TPnlFulesPanelForm::PanelTitle(), QString());
    QPainter p(&page);
    const TCastMember guides[] = {TCastMember::Odon, TCastMember::Nora, TCastMember::Tivadar, TCastMember::Nyilacska,
                                  TCastMember::Lemezke};
    for (int i = 0; i < 5; ++i)
        p.drawImage(Places::TabbedPanel.topLeft() + QPoint(20 + (i % 3) * 180, 60 + (i / 3) * 140),
                    PanelsPicturesArt::TabGuide(guides[i]));
    return page;
}

QImage CardsSheet()
{
    QImage sheet(6 * 100, 3 * 100, QImage::Format_RGB32);
    sheet.fill(QColor(0xdd, 0xdd, 0xdd));
    QPainter p(&sheet);
    for (int n = 1; n <= MemoryCardsArt::Count; ++n)
        p.drawImage(QPoint((n - 1) % 6 * 100 + 5, (n - 1) / 6 * 100 + 5), MemoryCardsArt::Face(n));
    return sheet;
}

// The guides' pictures at their own size on the page grey, the icons beside them also at 3 ×.
QImage PicturesSheet()
{
    using namespace PanelsPicturesArt;
    QImage sheet(1024, 480, QImage::Format_RGB32);
    sheet.fill(QColor(0xdd, 0xdd, 0xdd));
    QPainter p(&sheet);
    p.drawImage(QPoint(10, 10), Runner(TCastMember::Lemezke));
    p.drawImage(QPoint(140, 10), Runner(TCastMember::Tarolka));
    const TCastMember guides[] = {TCastMember::Odon, TCastMember::Nora, TCastMember::Tivadar, TCastMember::Nyilacska,
                                  TCastMember::Lemezke};
    for (int i = 0; i < 5; ++i)
        p.drawImage(QPoint(10 + i * 184, 206), TabGuide(guides[i]));
    p.drawImage(QPoint(700, 4), WaitingLemezke());
    p.drawImage(QPoint(812, 4), JumpingLemezke());
    const QImage icons[] = {DialogIconsArt::Information(), DialogIconsArt::Error(), DialogIconsArt::Warning()};
    for (int i = 0; i < 3; ++i) {
        p.drawImage(QPoint(300 + i * 40, 20), icons[i]);
        p.drawImage(QRect(300 + i * 110, 350, 96, 96), icons[i]);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "panelspreview OUTPUT_DIR [SHEET]"))
        return 2;

    using namespace PanelsScreensArt;
    out.Page(WithPanel(OperatingSystemScreen(), Places::NyomtatPanel, QString(), TPnlNyomtatForm::PanelText()),
             "page_nyomtat.png");
    out.Page(RacePage(), "page_panel.png");
    const QImage signs[] = {RoadSignsArt::Restaurant(), RoadSignsArt::Stop(), RoadSignsArt::Signpost(),
                            RoadSignsArt::Exclamation()};
    const char* signNames[] = {"vendeglos", "stop", "utjelzo", "felkialto"};
    const QImage trip = TripScreen();
    const std::vector<QImage> rolling = CarArt::RollingClip();
    for (int i = 0; i < 4; ++i) {
        out.Save(signs[i], QStringLiteral("sign_%1.png").arg(signNames[i]));
        out.Page(TripAtSign(trip, signs[i], rolling.front()), QStringLiteral("page_autos_%1.png").arg(signNames[i]));
    }
    out.Page(WithPanel(trip, Places::SettingsPanel, TPnlAutosForm::SettingsTitle(), TPnlAutosForm::SettingsText()),
             "page_autos_settings.png");
    out.Page(MemoryPage(), "page_memjatek.png");
    out.Page(WithPanel(BookmarkScreen(), Places::KonyvJelzPanel, QString(), TPnlKonyvJelzForm::PanelText()),
             "page_konyvjelz.png");
    out.Page(TabbedPage(trip), "page_fulespanel.png");
    out.Page(IntroPage(), "page_minivizsga_intro.png");
    out.Page(ExamPage(), "page_minivizsga.png");
    out.Page(CardsSheet(), "cards.png");
    out.Page(PicturesSheet(), "pictures.png");
    out.Clip("gurul", rolling, 4, true);
    out.Clip("lemegy", CarArt::LeavingClip(), 6, true);
    out.SaveReviewSheet("sheet.png", out.ReviewSheet());
    return out.Result();
}
