#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QLabel;
class QWidget;
class TImage;

// A cloud of the butterfly hunt: a picture with a caption over it that the learner selects.
class TGraphElement {
public:
    TGraphElement(QWidget* page, const QString& file, const QPoint& place, const QString& value,
                  const QString& caption);
    ~TGraphElement();
    TGraphElement(const TGraphElement&) = delete;
    TGraphElement& operator=(const TGraphElement&) = delete;

    // Loads the picture, sizes picture and caption to it and shows the picture.
    void Place();
    void ShowCaption(bool shown);
    // Selected: bold, italic, underlined green 20 point; otherwise blue regular 16 point.
    void SetSelected(bool selected);

    bool Selected() const { return selected_; }
    QString Value() const { return value_; }
    TImage* Picture() const { return picture_; }
    QLabel* Caption() const { return caption_; }
    // A click on the picture or the caption.
    std::function<void()> OnSelect;

private:
    QString file_;
    QPoint place_;
    QString value_;
    TImage* picture_;
    QLabel* caption_;
    bool selected_ = false;
};
