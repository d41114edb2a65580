#include "BalloonHint.h"

#include "Fonts.h"
#include "ReadAloud.h"
#include "WindowGroup.h"
#include "platform/ErrorReport.h"
#include "platform/PageTimer.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>

namespace {
const QColor Yellow(255, 255, 225);
constexpr int Margin = 8;
constexpr int TitleGap = 4;
constexpr int Radius = 7;
// The stem leaves the body this far in from its corner, and is this wide where it leaves.
constexpr int StemInset = 16;
constexpr int StemBase = 16;
// Longer lines wrap at this width.
constexpr int MaxTextWidth = 560;

QFont TitleFont()
{
    return PixelFont(QStringLiteral("Arial"), 13, true);
}

QFont TextFont()
{
    return PixelFont(QStringLiteral("Arial"), 13);
}

QString Lines(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("<br>"), QRegularExpression::CaseInsensitiveOption);
    return QString(text).replace(breaks, QStringLiteral("\n"));
}
} // namespace

TBalloonHint::TBalloonHint(QWidget* page, const QString& title, const QString& text, QPoint tip, int lifeMs)
    : QWidget(page), title_(title), text_(text), tip_(tip)
{
    setObjectName(QStringLiteral("balloonHint"));
    setFocusPolicy(Qt::NoFocus);
    TWindowGroup::KeepAboveWindows(this);
    Place();
    if (lifeMs > 0) {
        life_ = new TPageTimer(this);
        life_->SetInterval(lifeMs);
        life_->OnTimer([this] { Close(); });
        life_->SetEnabled(true);
    }
}

TBalloonHint* TBalloonHint::Show(QWidget* page, const QString& title, const QString& text, QPoint tip, int lifeMs)
{
    if (TBalloonHint* old = Current(page))
        old->Dismiss();
    auto* balloon = new TBalloonHint(page, title, text, tip, lifeMs);
    balloon->show();
    balloon->raise();
    ReadAloud::Appeared(balloon);
    return balloon;
}

TBalloonHint* TBalloonHint::Current(QWidget* page)
{
    if (!page)
        return nullptr;
    for (QObject* child : page->children())
        if (auto* balloon = qobject_cast<TBalloonHint*>(child); balloon && !balloon->closed_)
            return balloon;
    return nullptr;
}

void TBalloonHint::Place()
{
    const QString lines = Lines(text_);
    const QFontMetrics titleMetrics(TitleFont());
    const QFontMetrics textMetrics(TextFont());
    const QRect textSize = lines.isEmpty() ? QRect()
                                           : textMetrics.boundingRect(QRect(0, 0, MaxTextWidth, 10000),
                                                                      Qt::AlignLeft | Qt::TextWordWrap, lines);
    const int titleWidth = title_.isEmpty() ? 0 : titleMetrics.horizontalAdvance(title_);
    const int titleHeight = title_.isEmpty() ? 0 : titleMetrics.height() + TitleGap;
    const int bodyWidth = std::max({titleWidth, textSize.width(), 2 * StemInset + StemBase}) + 2 * Margin;
    const int bodyHeight = Margin + titleHeight + textSize.height() + Margin;

    // Above and right of the tip where the page has room; else below, or to the left.
    const QRect area = parentWidget()->rect();
    const bool right = tip_.x() - StemInset + bodyWidth <= area.right() + 1 || tip_.x() + StemInset - bodyWidth < area.left();
    const bool above = tip_.y() - StemHeight - bodyHeight >= area.top();
    QRect body(right ? tip_.x() - StemInset : tip_.x() + StemInset - bodyWidth,
               above ? tip_.y() - StemHeight - bodyHeight : tip_.y() + StemHeight, bodyWidth, bodyHeight);
    body.moveLeft(std::clamp(body.left(), area.left(), std::max(area.left(), area.right() + 1 - bodyWidth)));
    body.moveTop(std::clamp(body.top(), area.top(), std::max(area.top(), area.bottom() + 1 - bodyHeight)));
    // The stem leaves the body's near edge beside the tip, within the rounded corners.
    const int edgeY = above ? body.bottom() : body.top();
    int baseNear = std::clamp(tip_.x(), body.left() + Radius, body.right() - Radius - StemBase);
    int baseFar = right ? baseNear + StemBase : baseNear;
    if (!right) {
        baseNear = std::clamp(tip_.x(), body.left() + Radius + StemBase, body.right() - Radius);
        baseFar = baseNear - StemBase;
    }
    const QRect bounds = body.united(QRect(tip_, QSize(1, 1)));
    setGeometry(bounds);
    const QPoint origin = bounds.topLeft();
    body_ = body.translated(-origin);
    stem_[0] = tip_ - origin;
    stem_[1] = QPoint(baseNear, edgeY) - origin;
    stem_[2] = QPoint(baseFar, edgeY) - origin;
    const QRect inner = body_.adjusted(Margin, Margin, -Margin, -Margin);
    titleRect_ = QRect(inner.left(), inner.top(), inner.width(), titleHeight);
    textRect_ = QRect(inner.left(), inner.top() + titleHeight, inner.width(), textSize.height());

    QBitmap mask(size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setPen(QPen(Qt::color1, 1));
    painter.setBrush(Qt::color1);
    painter.drawPath(Outline());
    painter.end();
    setMask(mask);
}

QPainterPath TBalloonHint::Outline() const
{
    QPainterPath body;
    body.addRoundedRect(QRectF(body_).adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);
    QPainterPath stem;
    stem.moveTo(QPointF(stem_[1]) + QPointF(0.5, 0.5));
    stem.lineTo(QPointF(stem_[0]) + QPointF(0.5, 0.5));
    stem.lineTo(QPointF(stem_[2]) + QPointF(0.5, 0.5));
    stem.closeSubpath();
    return body.united(stem);
}

void TBalloonHint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Yellow);
    painter.drawPath(Outline());
    painter.setPen(Qt::black);
    if (!title_.isEmpty()) {
        painter.setFont(TitleFont());
        painter.drawText(titleRect_, Qt::AlignLeft | Qt::AlignTop, title_);
    }
    painter.setFont(TextFont());
    painter.drawText(textRect_, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Lines(text_));
}

void TBalloonHint::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Guarded([this] {
        QPointer<TBalloonHint> self(this);
        if (OnClick)
            OnClick();
        if (self)
            Close();
    });
}

void TBalloonHint::Close()
{
    if (closed_)
        return;
    closed_ = true;
    if (life_)
        life_->SetEnabled(false);
    hide();
    deleteLater();
    ReadAloud::Gone();
    auto closed = std::move(OnClose);
    OnClose = nullptr;
    OnClick = nullptr;
    if (closed)
        closed();
}

void TBalloonHint::Dismiss()
{
    OnClose = nullptr;
    Close();
}
