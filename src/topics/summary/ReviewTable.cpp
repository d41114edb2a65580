#include "ReviewTable.h"

#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace ReviewTable {

namespace {

constexpr int Padding = 6;  // between a frame's edge and its texts
constexpr int RowGap = 4;   // between two rows

QFrame* SunkenFrame(QWidget* parent, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

int TextHeight(const QString& text, const QFont& font, int width)
{
    if (text.isEmpty())
        return 0;
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height();
}

} // namespace

TTable Build(QWidget* parent, QPoint at, int leftWidth, int rightWidth, const std::vector<TRow>& rows, int textPixels)
{
    const QColor blue = DelphiColor(0xFF0000);
    const QFont plain = PixelFont(QStringLiteral("Arial"), textPixels);
    const QFont bold = PixelFont(QStringLiteral("Arial"), textPixels, true);
    const int leftText = leftWidth - 2 * Padding;
    const int rightText = rightWidth - 2 * Padding;

    TTable table;
    int height = Padding;
    std::vector<std::pair<int, int>> placed; // top and height of each row
    for (const TRow& row : rows) {
        const QFont& font = row.heading ? bold : plain;
        const int rowHeight = std::max(TextHeight(row.left, font, leftText), TextHeight(row.right, font, rightText));
        placed.emplace_back(height, rowHeight);
        height += rowHeight + RowGap;
    }
    height += Padding - RowGap;

    table.area = QRect(at, QSize(leftWidth + rightWidth, height));
    table.leftFrame = SunkenFrame(parent, QRect(at, QSize(leftWidth, height)));
    table.rightFrame = SunkenFrame(parent, QRect(at + QPoint(leftWidth, 0), QSize(rightWidth, height)));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QFont& font = rows[i].heading ? bold : plain;
        const auto [top, rowHeight] = placed[i];
        table.labels.push_back(Controls::Label(parent, QRect(at.x() + Padding, at.y() + top, leftText, rowHeight),
                                               rows[i].left, font, blue, Qt::AlignLeft | Qt::AlignTop, true));
        table.labels.push_back(Controls::Label(parent,
                                               QRect(at.x() + leftWidth + Padding, at.y() + top, rightText, rowHeight),
                                               rows[i].right, font, blue, Qt::AlignLeft | Qt::AlignTop, true));
    }
    for (QLabel* label : table.labels)
        label->raise();
    return table;
}

std::vector<TRow> WithHeading(const QString& left, const QString& right, std::vector<TRow> rows)
{
    rows.insert(rows.begin(), TRow{left, right, true});
    return rows;
}

} // namespace ReviewTable
