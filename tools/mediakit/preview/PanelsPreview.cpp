// panelspreview OUTPUT_DIR [SHEET]: the panels topic's pictures as plain PNGs, its pages with the
// panels, pictures and clips in the pages' places, the clips as contact sheets, and the review sheet.

#include "mediakit/cast/CastPictures.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"
#include "mediakit/topics/panels/CarArt.h"
#include "mediakit/topics/panels/DialogIconsArt.h"
#include "mediakit/topics/panels/MemoryCardsArt.h"
#include "mediakit/topics/panels/PanelsPicturesArt.h"
#include "mediakit/topics/panels/PanelsPlaces.h"
#include "mediakit/topics/panels/PanelsScreensArt.h"
#include "mediakit/topics/panels/RoadSignsArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

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

// The clip's first frame laid over a page with its key colour see-through.
void DrawKeyed(QPainter& p, QPoint at, const QImage& frame)
{
    QImage keyed = frame.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, 0);
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            if (keyed.pixel(x, y) == key)
                keyed.setPixel(x, y, qRgba(0, 0, 0, 0));
    p.drawImage(at, keyed);
}

// The car has reached the sign: where the page stops it (Left + 297 beyond the car's Left + 80).
QImage TripAtSign(const QImage& sign)
{
    QImage page = PanelsScreensArt::TripScreen();
    QPainter p(&page);
    int left = -297;
    while (left + Places::Sign.width() <= Places::CarClip.left() + 80)
        left += 10;
    p.drawImage(QPoint(left, Places::Sign.top()), sign);
    DrawKeyed(p, Places::CarClip.topLeft(), CarArt::RollingClip().front());
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
        p.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral(" Panel %1").arg(n));
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
    QImage page = WithPanel(PanelsScreensArt::RaceScreen(), Places::PanelPanel, QString(),
                            QStringLiteral("Az operációs rendszer panelekre írja ki üzeneteit. A panel hasonlít a "
                                           "táblára, amire az osztályban írunk: általában téglalap alakú és szürke."));
    QPainter p(&page);
    p.drawImage(Places::RaceStart.topLeft(), PanelsPicturesArt::Runner(TCastMember::Tarolka));
    p.drawImage(Places::RaceStart.topLeft() + QPoint(420, 0), PanelsPicturesArt::Runner(TCastMember::Lemezke));
    return page;
}

QImage IntroPage()
{
    QImage page = WithPanel(PanelsScreensArt::ExamIntroScreen(), Places::IntroPanel, QStringLiteral("Információs panel"),
                            QStringLiteral("          Az OK-ra kattintás után egy hatlapos panelt látsz, amelyen az "
                                           "eddig tanult témakörökből olvashatsz kérdéseket."));
    QPainter p(&page);
    p.drawImage(Places::IntroPanel.topLeft() + QPoint(24, 41), DialogIconsArt::Information());
    return page;
}

QImage ExamPage()
{
    QImage page = WithPanel(PanelsScreensArt::ExamScreen(), Places::ExamPanel, QStringLiteral("Többlapos párbeszédpanel"),
                            QStringLiteral("Válaszd ki a rajzoknak megfelelő panelt!"));
    QPainter p(&page);
    const QPoint at = Places::ExamPanel.topLeft() + QPoint(40, 80);
    const QImage icons[] = {DialogIconsArt::Error(), DialogIconsArt::Information(), DialogIconsArt::Warning()};
    for (int i = 0; i < 3; ++i)
        p.drawImage(at + QPoint(0, 44 * i), icons[i]);
    p.drawImage(Places::ExamPanel.topLeft() + QPoint(250, 100), PanelsPicturesArt::WaitingLemezke());
    p.drawImage(Places::ExamPanel.topLeft() + QPoint(380, 100), PanelsPicturesArt::JumpingLemezke());
    return page;
}

QImage TabbedPage()
{
    QImage page = WithPanel(PanelsScreensArt::TripScreen(), Places::TabbedPanel, QStringLiteral("Többlapos panel"),
                            QString());
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

QImage Sheet(const std::vector<QImage>& images)
{
    const QSize cell(512, 384);
    const int columns = 3;
    QImage sheet(QSize(columns * cell.width(), int(images.size() + columns - 1) / columns * cell.height()),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x44, 0x4c));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < int(images.size()); ++i) {
        const QRect box(i % columns * cell.width() + 4, i / columns * cell.height() + 4, cell.width() - 8,
                        cell.height() - 8);
        const QSize fitted = images[size_t(i)].size().scaled(box.size(), Qt::KeepAspectRatio);
        p.drawImage(QRect(box.center() - QPoint(fitted.width() / 2, fitted.height() / 2), fitted), images[size_t(i)]);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: panelspreview OUTPUT_DIR [SHEET]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    bool ok = true;
    auto save = [&](const QImage& image, const QString& name) {
        ok = image.save(out.filePath(name)) && ok;
        return image;
    };

    using namespace PanelsScreensArt;
    std::vector<QImage> pages;
    pages.push_back(save(WithPanel(OperatingSystemScreen(), Places::NyomtatPanel, QString(),
                                   QStringLiteral("A gépet az operációs rendszer felügyeli. Több feladata is van:")),
                         "page_nyomtat.png"));
    pages.push_back(save(RacePage(), "page_panel.png"));
    const QImage signs[] = {RoadSignsArt::Restaurant(), RoadSignsArt::Stop(), RoadSignsArt::Signpost(),
                            RoadSignsArt::Exclamation()};
    const char* signNames[] = {"vendeglos", "stop", "utjelzo", "felkialto"};
    for (int i = 0; i < 4; ++i) {
        save(signs[i], QStringLiteral("sign_%1.png").arg(signNames[i]));
        pages.push_back(save(TripAtSign(signs[i]), QStringLiteral("page_autos_%1.png").arg(signNames[i])));
    }
    pages.push_back(save(WithPanel(TripScreen(), Places::SettingsPanel, QStringLiteral("Lemezke autója"),
                                   QStringLiteral("Állítsd be a helyes válaszokat, majd kattints az Alkalmaz gombra!")),
                         "page_autos_settings.png"));
    pages.push_back(save(MemoryPage(), "page_memjatek.png"));
    pages.push_back(save(WithPanel(BookmarkScreen(), Places::KonyvJelzPanel, QString(),
                                   QStringLiteral("Egy panelen nem mindig fér el minden, amit szeretnénk, ezért vannak "
                                                  "többlapos panelek. Ezeken a fülekkel lapozhatsz.")),
                         "page_konyvjelz.png"));
    pages.push_back(save(TabbedPage(), "page_fulespanel.png"));
    pages.push_back(save(IntroPage(), "page_minivizsga_intro.png"));
    pages.push_back(save(ExamPage(), "page_minivizsga.png"));
    pages.push_back(save(CardsSheet(), "cards.png"));
    pages.push_back(save(CastPictures::ContactSheet(CarArt::RollingClip(), 4), "clip_gurul.png"));
    pages.push_back(save(CastPictures::ContactSheet(CarArt::LeavingClip(), 6), "clip_lemegy.png"));
    const QImage sheet = save(Sheet(pages), "sheet.png");
    if (argc > 2)
        ok = sheet.save(QString::fromLocal8Bit(argv[2])) && ok;
    return ok ? 0 : 1;
}
