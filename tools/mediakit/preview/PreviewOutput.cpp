#include "PreviewOutput.h"

#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QTextStream>

bool TPreviewOutput::Open(int argc, char** argv, const char* usage)
{
    if (argc < 2) {
        QTextStream(stderr) << "usage: " << usage << "\n";
        return false;
    }
    out_ = QDir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out_.path());
    if (argc > 2)
        sheetCopy_ = QString::fromLocal8Bit(argv[2]);
    return true;
}

const QImage& TPreviewOutput::Save(const QImage& image, const QString& name)
{
    ok_ = image.save(out_.filePath(name)) && ok_;
    return image;
}

const QImage& TPreviewOutput::Page(const QImage& image, const QString& name)
{
    pages_.emplace_back(name, image);
    return Save(image, name);
}

QImage TPreviewOutput::Clip(const QString& name, const std::vector<QImage>& frames, int columns, bool onSheet)
{
    const QImage sheet = CastPictures::ContactSheet(frames, columns);
    const QString file = QStringLiteral("clip_%1.png").arg(name);
    return onSheet ? Page(sheet, file) : Save(sheet, file);
}

QImage TPreviewOutput::ReviewSheet(int extraHeight) const
{
    const int columns = 3;
    const int rows = int(pages_.size() + columns - 1) / columns;
    QImage sheet(columns * 520, rows * 400 + extraHeight, QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x44, 0x4c));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    for (int i = 0; i < int(pages_.size()); ++i) {
        const QRect cell((i % columns) * 520 + 4, (i / columns) * 400 + 4, 512, 384);
        const QImage& page = pages_[size_t(i)].second;
        const QSize fitted = page.size().scaled(cell.size(), Qt::KeepAspectRatio).boundedTo(page.size());
        painter.drawImage(QRect(cell.topLeft(), fitted), page);
        painter.setPen(Qt::white);
        painter.drawText(cell.left() + 2, cell.bottom() + 12, pages_[size_t(i)].first);
    }
    return sheet;
}

void TPreviewOutput::SaveReviewSheet(const QString& name, const QImage& sheet)
{
    Save(sheet, name);
    if (!sheetCopy_.isEmpty())
        ok_ = sheet.save(sheetCopy_) && ok_;
}
