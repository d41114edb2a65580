#include "ProgressBar.h"

#include <QPainter>
#include <algorithm>

namespace {
const QColor Fill(0, 0, 255);
const QColor Trough(255, 255, 255);
constexpr int Gap = 2;
} // namespace

TProgressBar::TProgressBar(QWidget* parent, const QRect& geometry, TLook look) : QWidget(parent), look_(look)
{
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
}

void TProgressBar::SetPosition(int position)
{
    position_ = std::clamp(position, 0, 100);
    update();
}

void TProgressBar::SetFillsFromRight(bool fromRight)
{
    fromRight_ = fromRight;
    update();
}

QRect TProgressBar::Inner() const
{
    return rect().adjusted(2, 2, -2, -2);
}

int TProgressBar::Filled() const
{
    if (look_ == TLook::Blocks)
        return position_ * BlockCount / 100;
    return Inner().width() * position_ / 100;
}

QString TProgressBar::Caption() const
{
    return look_ == TLook::Continuous ? QString::number(position_) + QStringLiteral(" %") : QString();
}

void TProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const QRect inner = Inner();
    painter.fillRect(inner, Trough);
    if (look_ == TLook::Blocks) {
        const double pitch = static_cast<double>(inner.width() + Gap) / BlockCount;
        const int blockWidth = std::max(1, static_cast<int>(pitch) - Gap);
        for (int i = 0; i < Filled(); ++i) {
            const int offset = static_cast<int>(i * pitch);
            const int left = fromRight_ ? inner.right() + 1 - offset - blockWidth : inner.left() + offset;
            painter.fillRect(QRect(left, inner.top(), blockWidth, inner.height()), Fill);
        }
        return;
    }
    const int width = Filled();
    const QRect bar = fromRight_ ? QRect(inner.right() + 1 - width, inner.top(), width, inner.height())
                                 : QRect(inner.left(), inner.top(), width, inner.height());
    painter.fillRect(bar, Fill);
    // The percentage reads white over the filled part and blue over the rest.
    painter.setFont(font());
    painter.setPen(Fill);
    painter.drawText(inner, Qt::AlignCenter, Caption());
    painter.setClipRect(bar);
    painter.setPen(Trough);
    painter.drawText(inner, Qt::AlignCenter, Caption());
}
