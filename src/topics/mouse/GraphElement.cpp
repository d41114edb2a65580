#include "GraphElement.h"

#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/ErrorReport.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

// The caption passes its clicks on as the picture does.
class TCaption : public QLabel {
public:
    TCaption(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton)
            Guarded(onClick_);
    }

private:
    std::function<void()> onClick_;
};

} // namespace

TGraphElement::TGraphElement(QWidget* page, const QString& file, const QPoint& place, const QString& value,
                             const QString& caption)
    : file_(file), place_(place), value_(value), picture_(new TImage(page, QRect(place, QSize(1, 1))))
{
    picture_->hide();
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->OnClick = [this] {
        if (OnSelect)
            OnSelect();
    };
    caption_ = new TCaption(page, [this] {
        if (OnSelect)
            OnSelect();
    });
    caption_->setText(caption);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setAttribute(Qt::WA_TranslucentBackground);
    caption_->setCursor(Qt::PointingHandCursor);
    caption_->hide();
    SetSelected(false);
}

TGraphElement::~TGraphElement()
{
    // The page's controls are deleted after its members, so the cloud's are still there.
    delete picture_;
    delete caption_;
}

void TGraphElement::Place()
{
    const QImage image = LoadPng(file_);
    picture_->SetPng(image);
    const QRect area(place_, image.size());
    picture_->setGeometry(area);
    caption_->setGeometry(area);
    picture_->show();
}

void TGraphElement::ShowCaption(bool shown)
{
    caption_->setVisible(shown);
    if (shown)
        caption_->raise();
}

void TGraphElement::SetSelected(bool selected)
{
    selected_ = selected;
    QFont font = PointFont(QStringLiteral("Arial"), selected ? 20 : 16, selected);
    font.setItalic(selected);
    font.setUnderline(selected);
    caption_->setFont(font);
    QPalette palette = caption_->palette();
    palette.setColor(QPalette::WindowText, selected ? QColor(0, 128, 0) : QColor(0, 0, 255));
    caption_->setPalette(palette);
}
