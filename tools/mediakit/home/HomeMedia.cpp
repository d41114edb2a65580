#include "HomeMedia.h"

#include "mediakit/ArtKit.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"
#include "mediakit/TopicIcons.h"
#include "mediakit/TopicStyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>

namespace HomeMedia {

namespace {

const QSize PageSize(1024, 768);

// Where the pages put their controls; the drawings go exactly under them.
const QRect EditBox(112, 256, 641, 68);
const QRect EnterArea(880, 344, 120, 137);
const QRect ExitArea(918, 645, 50, 52);
const QRect BackArea(892, 644, 100, 55);
const QRect BackspaceArea(895, 184, 98, 57);
const QPoint GreetingPanelAt(35, 120);

const QSize TileSize(140, 273);
// The guide's head sits on a tile at this offset, this big; that band stays plain.
const QRect HeadBand(5, 50, 131, 75);

struct TTile {
    int x;
    int y;
    const char* topic; // the chooser word, which names the tile's colour
    const char* title;
    void (*draw)(QPainter&, QRect);
};

const TTile Tiles[] = {
    {52, 137, "BILLENTYU", "Billentyűzet", TopicIcons::DrawKeyboard},
    {208, 137, "EGEREZES", "Egerezés", TopicIcons::DrawMouse},
    {364, 137, "GOMBOK", "Gombok", TopicIcons::DrawButtons},
    {520, 137, "JELOLESEK", "Jelölések", TopicIcons::DrawCheckMarks},
    {676, 137, "LISTADOBOZOK", "Listadobozok", TopicIcons::DrawListBox},
    {52, 428, "PANELEK", "Panelek", TopicIcons::DrawPanels},
    {208, 428, "ABLAKOK", "Ablakok", TopicIcons::DrawWindows},
    {364, 428, "MENUK", "Menük", TopicIcons::DrawMenus},
    {520, 428, "PROGRAMOK", "Programok", TopicIcons::DrawPrograms},
    {676, 428, "OSSZEFOGL", "Összefoglalás", TopicIcons::DrawSummary},
};

QImage Canvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xdd, 0xdd, 0xdd));
    return image;
}

// The course's name written on keys, as a friendly heading.
void DrawLogo(QPainter& painter, QPoint centre, int key)
{
    const QString word = QStringLiteral("BITLAK");
    const QColor faces[] = {QColor(0xff, 0xe0, 0xe4), QColor(0xff, 0xef, 0xc4), QColor(0xe2, 0xf5, 0xd8),
                            QColor(0xd8, 0xec, 0xff), QColor(0xec, 0xe0, 0xff), QColor(0xd6, 0xf4, 0xf0)};
    const int gap = key / 6;
    const int width = int(word.size()) * key + (int(word.size()) - 1) * gap;
    for (int i = 0; i < word.size(); ++i) {
        // A gentle up and down, as if typed with a light hand.
        const int lift = (i % 2 == 0) ? 0 : key / 10;
        const QRect r(centre.x() - width / 2 + i * (key + gap), centre.y() - key / 2 - lift, key, key);
        ArtKit::DrawKey(painter, r, word.mid(i, 1), faces[i]);
    }
}

// Two swags of flags across the top of the page.
void DrawTopBunting(QPainter& painter)
{
    ArtKit::DrawBunting(painter, QPointF(-12, 2), QPointF(512, 6), 10, 13, 22);
    ArtKit::DrawBunting(painter, QPointF(512, 6), QPointF(1036, 2), 10, 13, 22);
}

void DrawTile(QPainter& painter, const TTile& tile)
{
    const QRect r(QPoint(tile.x, tile.y), TileSize);
    const QColor colour = TopicStyle::Accent(QString::fromLatin1(tile.topic));
    const QRectF card = QRectF(r).adjusted(1, 1, -1, -4);
    const qreal radius = 14;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x30, 0x50, 40));
    painter.drawRoundedRect(card.translated(0, 3), radius, radius);
    painter.setBrush(QColor(0x20, 0x30, 0x50, 25));
    painter.drawRoundedRect(card.translated(0, 1.5).adjusted(-1, 0, 1, 1), radius, radius);

    // Card: a plain light body, so the head has a calm seat; the title band on top.
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, radius, radius);
    QLinearGradient body(card.topLeft(), card.bottomLeft());
    body.setColorAt(0, QColor::fromHsv(colour.hue(), 14, 252));
    body.setColorAt(1, QColor(0xfd, 0xfd, 0xfe));
    painter.setBrush(body);
    painter.setPen(QPen(colour.darker(125), 1.6));
    painter.drawPath(cardPath);

    painter.setClipPath(cardPath);
    const QRectF band(card.left(), card.top(), card.width(), HeadBand.top() - 5);
    QLinearGradient bandFill(band.topLeft(), band.bottomLeft());
    bandFill.setColorAt(0, colour.lighter(118));
    bandFill.setColorAt(1, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bandFill);
    painter.drawRect(band);
    painter.setBrush(QColor(255, 255, 255, 45));
    painter.drawRect(QRectF(band.left(), band.top(), band.width(), band.height() * 0.42));
    painter.setPen(QPen(colour.darker(130), 1.2));
    painter.drawLine(band.bottomLeft(), band.bottomRight());

    // The picture sits below the head's band, on a tinted mat.
    const QRectF mat(card.left() + 7, r.top() + HeadBand.bottom() + 6, card.width() - 14,
                     card.bottom() - (r.top() + HeadBand.bottom() + 6) - 7);
    painter.setPen(QPen(colour.lighter(160), 1.2));
    painter.setBrush(QColor::fromHsv(colour.hue(), 18, 252));
    painter.drawRoundedRect(mat, 9, 9);
    painter.setClipping(false);
    tile.draw(painter, mat.adjusted(6, 6, -6, -6).toRect());

    // Title: white on the band, with a soft dark edge for contrast.
    const QString title = QString::fromUtf8(tile.title);
    QStringList all;
    for (const TTile& t : Tiles)
        all << QString::fromUtf8(t.title);
    const int size = ArtKit::FittingPixelSize(all, int(card.width() - 14), 19);
    painter.setFont(ArtKit::LabelFont(size));
    painter.setPen(QColor(0, 0, 0, 80));
    painter.drawText(band.translated(0, 1.5), Qt::AlignCenter, title);
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignCenter, title);
    painter.restore();
}

// The arrow keys in their inverted-T cluster.
void DrawArrowKeys(QPainter& painter, QRect rect)
{
    const int gap = 3;
    const int key = std::min((rect.width() - 2 * gap) / 3, (rect.height() - gap) / 2);
    const int left = rect.center().x() - (3 * key + 2 * gap) / 2;
    const int top = rect.center().y() - (2 * key + gap) / 2;
    const QString arrows[] = {QStringLiteral("←"), QStringLiteral("↓"), QStringLiteral("→")};
    ArtKit::DrawKey(painter, QRect(left + key + gap, top, key, key), QStringLiteral("↑"));
    for (int i = 0; i < 3; ++i)
        ArtKit::DrawKey(painter, QRect(left + i * (key + gap), top + key + gap, key, key), arrows[i]);
}

// The name and grade pages: the backdrop with its bunting and logo, a calm card, and the typing
// strip with the pencil and the hint towards the Enter key, which both pages have.
void DrawTypingPage(QPainter& painter, QRect card)
{
    ArtKit::DrawPageBackdrop(painter, QRect(QPoint(0, 0), PageSize));
    DrawTopBunting(painter);
    DrawLogo(painter, QPoint(EditBox.center().x(), 104), 58);
    ArtKit::DrawSoftPanel(painter, card, 24);
    ArtKit::DrawPencil(painter, QRect(50, 262, 54, 56));
    ArtKit::DrawInputField(painter, EditBox);
    // From the strip to the Enter key: type, then press.
    ArtKit::DrawHintArrow(painter, QPointF(EditBox.right() + 18, EditBox.center().y() + 2),
                          QPointF(838, EditBox.center().y() + 4), QPointF(EnterArea.left() - 12, EnterArea.top() + 36),
                          QColor(0x3f, 0x9a, 0x55));
    ArtKit::DrawEnterKey(painter, EnterArea);
}

} // namespace

QImage NameInputScreen()
{
    QImage image = Canvas(PageSize);
    QPainter painter(&image);
    // A calm stage for the label, the cast and their names.
    DrawTypingPage(painter, QRect(48, 398, 784, 326));
    ArtKit::DrawExitSign(painter, ExitArea);
    return image;
}

QImage ChooserScreen()
{
    QImage image = Canvas(PageSize);
    QPainter painter(&image);
    ArtKit::DrawPageBackdrop(painter, image.rect());
    DrawTopBunting(painter);
    DrawLogo(painter, QPoint(434, 80), 50);
    for (const TTile& tile : Tiles)
        DrawTile(painter, tile);

    // The right column: how to move the guide, the Enter key, the way out.
    DrawArrowKeys(painter, QRect(846, 132, 100, 70));
    TopicIcons::DrawMouse(painter, QRect(952, 132, 62, 70));
    ArtKit::DrawEnterKey(painter, EnterArea);
    ArtKit::DrawExitSign(painter, ExitArea);
    return image;
}

QImage GreetingPanel()
{
    // The panel lies on the chooser at GreetingPanelAt; its corners show the page's backdrop.
    QImage page = Canvas(PageSize);
    {
        QPainter pagePainter(&page);
        ArtKit::DrawPageBackdrop(pagePainter, page.rect());
    }
    QImage image = page.copy(QRect(GreetingPanelAt, QSize(800, 600)));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0x9a, 0xb4, 0xd4), 2));
    painter.setBrush(ArtKit::Palette::Paper);
    painter.drawRoundedRect(sheet, 18, 18);

    // Bunting along the top: a welcome without words.
    ArtKit::DrawBunting(painter, QPointF(20, 12), QPointF(780, 12), 16, 19);

    // The keys around T, with T lit and pressed once.
    const QString keys = QStringLiteral("ERTZU");
    const int key = 62;
    const int gap = 10;
    const int left = 400 - (5 * key + 4 * gap) / 2;
    const int top = 478;
    for (int i = 0; i < keys.size(); ++i) {
        const bool lit = keys[i] == QLatin1Char('T');
        const QRect r(left + i * (key + gap), top + (lit ? 4 : 0), key, key);
        ArtKit::DrawKey(painter, r, keys.mid(i, 1), lit ? QColor(0xff, 0xe0, 0x5a) : QColor(0xee, 0xef, 0xf2));
    }
    // A finger's tap above T: short strokes.
    const QPointF tap(left + 2 * (key + gap) + key / 2.0, top - 6);
    painter.setPen(QPen(QColor(0xe8, 0x9a, 0x12), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tap + QPointF(0, -8), tap + QPointF(0, -26));
    painter.drawLine(tap + QPointF(-18, -4), tap + QPointF(-30, -18));
    painter.drawLine(tap + QPointF(18, -4), tap + QPointF(30, -18));

    // A little sparkle in the lower corners.
    const struct {
        qreal x, y, r;
        QColor c;
    } stars[] = {{70, 520, 16, QColor(0xf2, 0xb1, 0x34)},  {128, 556, 10, QColor(0xe0, 0x4e, 0x68)},
                 {160, 500, 8, QColor(0x3f, 0x7f, 0xe0)},   {730, 520, 16, QColor(0xf2, 0xb1, 0x34)},
                 {672, 556, 10, QColor(0x3a, 0x9a, 0x48)},  {640, 500, 8, QColor(0x8a, 0x56, 0xc2)}};
    for (const auto& star : stars)
        ArtKit::DrawStar(painter, QPointF(star.x, star.y), star.r, star.c);
    return image;
}

QImage GradeScreen()
{
    QImage image = Canvas(PageSize);
    QPainter painter(&image);
    // The learner's text and Ödön share one calm card.
    DrawTypingPage(painter, QRect(110, 350, 736, 286));
    ArtKit::DrawBackspaceKey(painter, BackspaceArea);
    ArtKit::DrawBackButton(painter, BackArea);
    return image;
}

void Produce(TMediaKit& kit)
{
    kit.WritePicture(QStringLiteral("alap_screen_name_input.jpg"), NameInputScreen(), 92);
    kit.WritePicture(QStringLiteral("modul_valaszto.jpg"), ChooserScreen(), 92);
    kit.WritePicture(QStringLiteral("empty_screen.jpg"), GreetingPanel(), 92);
    kit.WritePicture(QStringLiteral("osztaly_input.jpg"), GradeScreen(), 92);
}

namespace {
const TMediaProducer Producer("home", Produce);
} // namespace

} // namespace HomeMedia
