#include "Cast.h"

#include "CastFigure.h"
#include "LemezkeFigure.h"
#include "NoraFigure.h"
#include "NyilacskaFigure.h"
#include "OdonFigure.h"
#include "TarolkaFigure.h"
#include "TivadarFigure.h"

#include <QPainter>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <tuple>
#include <functional>

namespace {

const TCastFigure& Figure(TCastMember who)
{
    static const TNoraFigure nora;
    static const TTivadarFigure tivadar;
    static const TOdonFigure odon;
    static const TNyilacskaFigure nyilacska;
    static const TTarolkaFigure tarolka;
    static const TLemezkeFigure lemezke;
    switch (who) {
    case TCastMember::Nora: return nora;
    case TCastMember::Tivadar: return tivadar;
    case TCastMember::Odon: return odon;
    case TCastMember::Nyilacska: return nyilacska;
    case TCastMember::Tarolka: return tarolka;
    case TCastMember::Lemezke: return lemezke;
    }
    return nora;
}

void PaintModel(QPainter& painter, TCastMember who, const TCastPose& pose)
{
    painter.save();
    if (pose.mirrored)
        painter.scale(-1, 1);
    painter.translate(0, -pose.bounce);
    Figure(who).PaintFigure(painter, pose);
    painter.restore();
}

void PaintHeadModel(QPainter& painter, TCastMember who, const TCastPose& pose)
{
    painter.save();
    if (pose.mirrored)
        painter.scale(-1, 1);
    Figure(who).PaintHead(painter, pose);
    painter.restore();
}

// What a painting in model units covers, found by painting it once at one pixel per unit and
// looking where the ink went; a unit of room is added for the finer scales it is painted at.
QRectF Measure(const std::function<void(QPainter&)>& paint)
{
    static const QSize canvas(1000, 1000); // a multiple of eight wide, for the scan below
    static const QPoint origin(500, 700);
    QImage ink(canvas, QImage::Format_Alpha8);
    ink.fill(0);
    QPainter painter(&ink);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    paint(painter);
    painter.end();
    int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const uchar* line = ink.constScanLine(y);
        // Eight pixels at a time: most of the canvas is empty.
        for (int x = 0; x < canvas.width(); x += 8) {
            std::uint64_t eight;
            std::memcpy(&eight, line + x, sizeof eight);
            if (eight == 0)
                continue;
            for (int i = x; i < x + 8; ++i)
                if (line[i] != 0) {
                    left = std::min(left, i);
                    right = std::max(right, i);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        }
    }
    if (right < 0)
        return QRectF();
    return QRectF(QPointF(left - origin.x(), top - origin.y()), QPointF(right + 1 - origin.x(), bottom + 1 - origin.y()))
        .adjusted(-1, -1, 1, 1);
}

// The standing figure and head are measured once; every fit compares against them.
QRectF StandingBounds(TCastMember who, bool mirrored, bool headOnly)
{
    static std::map<std::tuple<TCastMember, bool, bool>, QRectF> measured;
    const auto key = std::make_tuple(who, mirrored, headOnly);
    const auto found = measured.find(key);
    if (found != measured.end())
        return found->second;
    TCastPose standing = TCastPose::Standing();
    standing.mirrored = mirrored;
    const QRectF bounds = headOnly ? Measure([&](QPainter& p) { PaintHeadModel(p, who, standing); })
                                   : Measure([&](QPainter& p) { PaintModel(p, who, standing); });
    measured.emplace(key, bounds);
    return bounds;
}

struct TFit {
    double scale;
    QPointF feet; // relative to the box's bottom middle, in model units
};

// The pose's own extent is centred across the box; its height never counts as less than the
// standing figure's, so a pose that ducks does not zoom in.
TFit FitFigure(TCastMember who, const TCastPose& pose, const QSizeF& box)
{
    const QRectF posed = CastFigureBounds(who, pose);
    const QRectF standing = StandingBounds(who, pose.mirrored, false);
    const double top = std::min(posed.top(), standing.top());
    const double bottom = std::max(0.0, posed.bottom());
    const double scale = std::min(box.width() / posed.width(), box.height() / (bottom - top));
    return {scale, QPointF(-posed.center().x(), -bottom)};
}

} // namespace

const std::array<TCastMember, 6>& AllCastMembers()
{
    static const std::array<TCastMember, 6> all = {TCastMember::Nora, TCastMember::Tivadar, TCastMember::Odon,
                                                   TCastMember::Nyilacska, TCastMember::Tarolka,
                                                   TCastMember::Lemezke};
    return all;
}

QString CastMemberName(TCastMember who)
{
    switch (who) {
    case TCastMember::Nora: return QStringLiteral("Digit Nóra");
    case TCastMember::Tivadar: return QStringLiteral("Pixeles Tivadar");
    case TCastMember::Odon: return QStringLiteral("Kábel Ödön");
    case TCastMember::Nyilacska: return QStringLiteral("Nyilacska");
    case TCastMember::Tarolka: return QStringLiteral("Tárolka");
    case TCastMember::Lemezke: return QStringLiteral("Lemezke");
    }
    return QString();
}

QRectF CastFigureBounds(TCastMember who, const TCastPose& pose)
{
    return Measure([&](QPainter& painter) { PaintModel(painter, who, pose); });
}

QRectF CastStandingBounds(TCastMember who)
{
    return StandingBounds(who, false, false);
}

double CastFitScale(TCastMember who, const TCastPose& pose, const QSizeF& box)
{
    return FitFigure(who, pose, box).scale;
}

void PaintCastMemberAt(QPainter& painter, TCastMember who, const TCastPose& pose, QPointF feet, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(feet);
    painter.scale(scale, scale);
    PaintModel(painter, who, pose);
    painter.restore();
}

void PaintCastMember(QPainter& painter, TCastMember who, const TCastPose& pose, const QRectF& box)
{
    const TFit fit = FitFigure(who, pose, box.size());
    PaintCastMemberAt(painter, who, pose, QPointF(box.center().x(), box.bottom()) + fit.feet * fit.scale, fit.scale);
}

void PaintCastHead(QPainter& painter, TCastMember who, const TCastPose& pose, const QRectF& box)
{
    // Standing and posed together, so that a head that nods or tilts from frame to frame keeps
    // nearly one size and place.
    const QRectF covered = StandingBounds(who, pose.mirrored, true)
                               .united(Measure([&](QPainter& p) { PaintHeadModel(p, who, pose); }));
    const double scale = std::min(box.width() / covered.width(), box.height() / covered.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-covered.center());
    PaintHeadModel(painter, who, pose);
    painter.restore();
}
