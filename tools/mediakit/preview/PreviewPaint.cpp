#include "PreviewPaint.h"

#include <QLinearGradient>
#include <QPainter>

namespace PreviewPaint {

QImage Over(const QImage& page, const QImage& picture, QPoint at)
{
    QImage result = page;
    QPainter painter(&result);
    painter.drawImage(at, picture);
    return result;
}

QImage SeeThrough(const QImage& frame)
{
    QImage result = frame.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, 0);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            if (result.pixel(x, y) == key)
                result.setPixel(x, y, qRgba(0, 0, 0, 0));
    return result;
}

QFont Arial(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QRect Window(QPainter& p, QRect outer, const QString& title, bool active, TTitleButtons buttons, bool resizable,
             QColor client)
{
    const int border = resizable ? 4 : 3;
    p.fillRect(outer, Face);
    p.setPen(Qt::white);
    p.drawLine(outer.topLeft(), outer.topRight());
    p.drawLine(outer.topLeft(), outer.bottomLeft());
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawLine(outer.bottomLeft(), outer.bottomRight());
    p.drawLine(outer.topRight(), outer.bottomRight());
    const QRect bar(outer.left() + border, outer.top() + border, outer.width() - 2 * border, 18);
    QLinearGradient shade(bar.topLeft(), bar.topRight());
    shade.setColorAt(0, active ? QColor(0x0a, 0x24, 0x6a) : QColor(0x80, 0x80, 0x80));
    shade.setColorAt(1, active ? QColor(0xa6, 0xca, 0xf0) : QColor(0xc0, 0xc0, 0xc0));
    p.fillRect(bar, shade);
    p.setFont(Arial(12, true));
    p.setPen(active ? Qt::white : QColor(0xd4, 0xd0, 0xc8));
    p.drawText(bar.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    int right = bar.right() - 2;
    const auto button = [&](const QString& sign, bool enabled) {
        const QRect b(right - 15, bar.top() + 2, 16, 14);
        p.fillRect(b, Face);
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawRect(b.adjusted(0, 0, -1, -1));
        p.setPen(enabled ? Qt::black : QColor(0x90, 0x90, 0x90));
        p.setFont(Arial(11, true));
        p.drawText(b, Qt::AlignCenter, sign);
        right -= 18;
    };
    if (buttons.close)
        button(QStringLiteral("x"), true);
    if (buttons.maximise || buttons.minimise) {
        button(QStringLiteral("□"), buttons.maximise);
        button(QStringLiteral("_"), buttons.minimise);
    }
    const QRect inside(outer.left() + border, outer.top() + border + 19, outer.width() - 2 * border,
                       outer.height() - 2 * border - 19);
    p.fillRect(inside, client);
    return inside;
}

void Text(QPainter& p, QRect rect, const QString& text, int pixelSize, QColor colour, int flags)
{
    p.setFont(Arial(pixelSize));
    p.setPen(colour);
    p.drawText(rect, flags, QString(text).replace(QStringLiteral("<BR>"), QStringLiteral("\n")));
}

void PushButton(QPainter& p, QRect rect, const QString& caption)
{
    p.fillRect(rect, Face);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    Text(p, rect, caption, 13, Qt::black, Qt::AlignCenter);
}

void Centred(QPainter& p, QRect control, const QImage& picture)
{
    p.save();
    p.setClipRect(control);
    p.drawImage(control.center() - QPoint(picture.width() / 2, picture.height() / 2) + QPoint(1, 1), picture);
    p.restore();
}

} // namespace PreviewPaint
