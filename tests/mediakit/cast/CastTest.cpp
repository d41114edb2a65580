#include "mediakit/cast/Cast.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace {

struct TNamedPose {
    const char* name;
    TCastPose pose;
};

std::vector<TNamedPose> Poses()
{
    TCastPose mirrored = TCastPose::Waving(0.3);
    mirrored.mirrored = true;
    return {
        {"Standing", TCastPose::Standing()},
        {"Waving", TCastPose::Waving(0.25)},
        {"Nodding", TCastPose::Nodding(0.5)},
        {"ShakingHead left", TCastPose::ShakingHead(0.25)},
        {"ShakingHead right", TCastPose::ShakingHead(0.75)},
        {"ThumbsUp", TCastPose::ThumbsUp()},
        {"Pointing right", TCastPose::Pointing(0)},
        {"Pointing up", TCastPose::Pointing(90)},
        {"Pointing left", TCastPose::Pointing(180)},
        {"Pointing down left", TCastPose::Pointing(-135)},
        {"Talking", TCastPose::Talking(0.3)},
        {"mirrored Waving", mirrored},
    };
}

QImage Canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage Painted(QSize size, const std::function<void(QPainter&)>& paint)
{
    QImage image = Canvas(size);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image;
}

// The rectangle of pixels that are clearly painted (alpha above a faint antialiasing trace).
QRect Covered(const QImage& image, int alphaAbove = 0)
{
    QRect covered;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > alphaAbove)
                covered |= QRect(x, y, 1, 1);
    return covered;
}

int Differing(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                    std::abs(qAlpha(p) - qAlpha(q)) > 60)
                ++count;
        }
    return count;
}

const QSize CanvasSize(320, 320);
const QRect Box(60, 50, 190, 230);

QImage Figure(TCastMember who, const TCastPose& pose)
{
    return Painted(CanvasSize, [&](QPainter& painter) { PaintCastMember(painter, who, pose, Box); });
}

TEST(CastTest, EveryGuideFillsItsBoxInEveryPoseWithoutLeavingIt)
{
    for (TCastMember who : AllCastMembers())
        for (const TNamedPose& named : Poses()) {
            SCOPED_TRACE(CastMemberName(who).toStdString() + " " + named.name);
            const QImage image = Figure(who, named.pose);
            const QRect covered = Covered(image);
            ASSERT_FALSE(covered.isEmpty());
            EXPECT_TRUE(Box.contains(covered)) << "covered " << covered.x() << "," << covered.y() << " "
                                               << covered.width() << "x" << covered.height();
            // Feet (or paws) stand on the bottom edge, and the figure uses the box's height or width.
            const QRect solid = Covered(image, 128);
            EXPECT_GE(solid.bottom(), Box.bottom() - 4);
            EXPECT_TRUE(solid.height() >= Box.height() * 0.85 || solid.width() >= Box.width() * 0.85)
                << solid.width() << "x" << solid.height();
        }
}

TEST(CastTest, HeadsFitTheChoosersSpriteRectangle)
{
    const QRect sprite(40, 30, 131, 75);
    for (TCastMember who : AllCastMembers())
        for (const TNamedPose& named : Poses()) {
            SCOPED_TRACE(CastMemberName(who).toStdString() + " " + named.name);
            const QImage image =
                Painted(QSize(220, 140), [&](QPainter& painter) { PaintCastHead(painter, who, named.pose, sprite); });
            const QRect covered = Covered(image);
            ASSERT_FALSE(covered.isEmpty());
            EXPECT_TRUE(sprite.contains(covered));
            const QRect solid = Covered(image, 128);
            EXPECT_TRUE(solid.height() >= sprite.height() * 0.8 || solid.width() >= sprite.width() * 0.8)
                << solid.width() << "x" << solid.height();
        }
}

TEST(CastTest, EveryPoseChangesTheStandingFigure)
{
    for (TCastMember who : AllCastMembers()) {
        const QImage standing = Figure(who, TCastPose::Standing());
        const QImage standingHead =
            Painted(QSize(131, 75), [&](QPainter& p) { PaintCastHead(p, who, TCastPose::Standing(), QRectF(0, 0, 131, 75)); });
        for (const TNamedPose& named : Poses()) {
            if (std::string(named.name) == "Standing")
                continue;
            SCOPED_TRACE(CastMemberName(who).toStdString() + " " + named.name);
            EXPECT_GT(Differing(standing, Figure(who, named.pose)), 150);
        }
        // Nodding and shaking show on the head alone, as in a cursor sprite.
        for (const TCastPose& pose : {TCastPose::Nodding(0.5), TCastPose::ShakingHead(0.25)}) {
            const QImage head =
                Painted(QSize(131, 75), [&](QPainter& p) { PaintCastHead(p, who, pose, QRectF(0, 0, 131, 75)); });
            EXPECT_GT(Differing(standingHead, head), 40) << CastMemberName(who).toStdString();
        }
    }
}

TEST(CastTest, CyclesEndWhereTheyStart)
{
    const std::vector<std::function<TCastPose(double)>> cycles = {TCastPose::Waving, TCastPose::Nodding,
                                                                  TCastPose::ShakingHead, TCastPose::Talking};
    for (TCastMember who : {TCastMember::Odon, TCastMember::Lemezke})
        for (const auto& cycle : cycles) {
            EXPECT_EQ(Differing(Figure(who, cycle(0)), Figure(who, cycle(1))), 0);
            EXPECT_GT(Differing(Figure(who, cycle(0)), Figure(who, cycle(0.25))), 0);
        }
}

TEST(CastTest, MirroringFlipsTheFigure)
{
    for (TCastMember who : AllCastMembers()) {
        TCastPose pose = TCastPose::ThumbsUp();
        const QImage plain = Figure(who, pose);
        pose.mirrored = true;
        // The box is centred on the canvas, so the mirrored figure is the flipped picture.
        const QRect centred((CanvasSize.width() - Box.width()) / 2, Box.y(), Box.width(), Box.height());
        const QImage mirrored =
            Painted(CanvasSize, [&](QPainter& painter) { PaintCastMember(painter, who, pose, centred); });
        const QImage flipped = Painted(CanvasSize, [&](QPainter& painter) {
            TCastPose unmirrored = pose;
            unmirrored.mirrored = false;
            PaintCastMember(painter, who, unmirrored, centred);
        }).mirrored(true, false);
        EXPECT_LT(Differing(mirrored, flipped), Covered(plain).width() * 3) << CastMemberName(who).toStdString();
    }
}

// Share of the figure's pixels in each colour family: twelve hues, and greys by lightness.
std::array<double, 15> Palette(const QImage& image)
{
    std::array<double, 15> share{};
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = QColor::fromRgba(image.pixel(x, y));
            if (colour.alpha() < 255)
                continue;
            const int bin = colour.hsvSaturationF() < 0.2 || colour.valueF() < 0.25
                ? 12 + std::min(2, int(colour.valueF() * 3))
                : std::max(0, colour.hsvHue()) / 30;
            share[bin] += 1;
            ++count;
        }
    for (double& s : share)
        s /= count;
    return share;
}

// The share of pixels that only one of two figures covers, of those either covers.
double OutlineDifference(const QImage& a, const QImage& b)
{
    int either = 0;
    int one = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = qAlpha(a.pixel(x, y)) > 128;
            const bool inB = qAlpha(b.pixel(x, y)) > 128;
            either += inA || inB;
            one += inA != inB;
        }
    return double(one) / either;
}

TEST(CastTest, GuidesAreToldApartByTheirColoursOrTheirOutlines)
{
    std::vector<QImage> figures;
    for (TCastMember who : AllCastMembers())
        figures.push_back(Figure(who, TCastPose::Standing()));
    for (size_t a = 0; a < figures.size(); ++a)
        for (size_t b = a + 1; b < figures.size(); ++b) {
            const auto pa = Palette(figures[a]);
            const auto pb = Palette(figures[b]);
            double colours = 0;
            for (size_t i = 0; i < pa.size(); ++i)
                colours += std::abs(pa[i] - pb[i]);
            const double outline = OutlineDifference(figures[a], figures[b]);
            SCOPED_TRACE(CastMemberName(AllCastMembers()[a]).toStdString() + " and " +
                         CastMemberName(AllCastMembers()[b]).toStdString());
            EXPECT_TRUE(colours > 0.45 || outline > 0.45) << colours << " " << outline;
            EXPECT_GT(colours + outline, 0.75);
        }
}

TEST(CastTest, NoGuideIsPaintedInThePageColourThatClipsMakeSeeThrough)
{
    const QRgb key = qRgb(0xdd, 0xdd, 0xdd);
    for (TCastMember who : AllCastMembers())
        for (const TNamedPose& named : Poses()) {
            const QImage image = Figure(who, named.pose);
            int holes = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == key)
                        ++holes;
            EXPECT_EQ(holes, 0) << CastMemberName(who).toStdString() << " " << named.name;
        }
}

TEST(CastTest, OneScaleKeepsTheGuidesSizesTrueToEachOther)
{
    // Painted at one scale, the teacher is the tallest and the children stand taller than the
    // pointer, the box and the dog.
    std::vector<int> heights;
    for (TCastMember who : AllCastMembers()) {
        const QImage image = Painted(QSize(400, 400), [&](QPainter& painter) {
            PaintCastMemberAt(painter, who, TCastPose::Standing(), QPointF(200, 380), 0.8);
        });
        heights.push_back(Covered(image, 128).height());
    }
    const int nora = heights[0], tivadar = heights[1], odon = heights[2];
    EXPECT_GT(odon, tivadar * 1.2);
    EXPECT_NEAR(nora, tivadar, tivadar * 0.1);
    for (size_t i = 3; i < heights.size(); ++i)
        EXPECT_LT(heights[i], nora * 0.8) << CastMemberName(AllCastMembers()[i]).toStdString();
}

} // namespace
