#include "Cast.h"

#include "CastFigure.h"
#include "LemezkeFigure.h"
#include "NoraFigure.h"
#include "NyilacskaFigure.h"
#include "OdonFigure.h"
#include "TarolkaFigure.h"
#include "TivadarFigure.h"

#include <QPainter>
#include <QPicture>
#include <algorithm>
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

// What a painting covers, measured by recording it. The record widens strokes by whole units
// only, so a little room is added for the rest of the pen and for antialiasing.
QRectF Measure(const std::function<void(QPainter&)>& paint)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return QRectF(picture.boundingRect()).adjusted(-2, -2, 2, 2);
}

TCastPose StandingLike(const TCastPose& pose)
{
    TCastPose standing = TCastPose::Standing();
    standing.mirrored = pose.mirrored;
    return standing;
}

struct TFit {
    double scale;
    double below; // model units below the feet (outline, shoe soles)
};

TFit FitFigure(TCastMember who, const TCastPose& pose, const QSizeF& box)
{
    const QRectF covered = CastFigureBounds(who, pose).united(CastFigureBounds(who, StandingLike(pose)));
    const double half = std::max(-covered.left(), covered.right());
    const double below = std::max(0.0, covered.bottom());
    const double height = below - std::min(0.0, covered.top());
    return {std::min(box.width() / (2 * half), box.height() / height), below};
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
    PaintCastMemberAt(painter, who, pose, QPointF(box.center().x(), box.bottom() - fit.below * fit.scale), fit.scale);
}

void PaintCastHead(QPainter& painter, TCastMember who, const TCastPose& pose, const QRectF& box)
{
    const QRectF standing = Measure([&](QPainter& p) { PaintHeadModel(p, who, StandingLike(pose)); });
    const QRectF posed = Measure([&](QPainter& p) { PaintHeadModel(p, who, pose); });
    const QRectF covered = standing.united(posed);
    // The standing head's middle stays put, so a head that tilts or turns does not wander.
    const QPointF middle = standing.center();
    const double halfWidth = std::max(middle.x() - covered.left(), covered.right() - middle.x());
    const double halfHeight = std::max(middle.y() - covered.top(), covered.bottom() - middle.y());
    const double scale = std::min(box.width() / (2 * halfWidth), box.height() / (2 * halfHeight));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-middle);
    PaintHeadModel(painter, who, pose);
    painter.restore();
}
