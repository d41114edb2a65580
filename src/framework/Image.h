#pragma once

#include "Canvas.h"
#include "Picture.h"

#include <QStringList>
#include <QWidget>
#include <functional>

// The picture control pages place, like a VCL TImage. Without a picture it paints nothing and is a
// transparent click area. Event handlers run guarded: an error in one shows the standard error box.
class TImage : public QWidget {
    Q_OBJECT
public:
    TImage(QWidget* parent, const QRect& geometry);
    ~TImage() override;

    // Whoever takes the picture for writing is assumed to change it; the control repaints.
    TPicture& Picture();
    const TPicture& Picture() const { return picture_; }

    void SetBitmap(QImage image);
    void SetJpeg(QImage image);
    void SetPng(QImage image);
    void SetPicture(const TPicture& picture);
    void Clear();

    // A bitmap's transparent colour becomes see-through; without a colour chosen, the bitmap's
    // bottom-left pixel is taken.
    void SetTransparent(bool transparent);
    bool Transparent() const { return picture_.transparent; }

    // A control without a picture first gets a bitmap of its own size in page colour; a JPEG picture
    // becomes a bitmap when it is drawn on. A PNG is drawn on as it is.
    TCanvas& Canvas();

    // The lines of text written on the picture since it was last replaced, in writing order:
    // what the learner reads on it. Whatever writes text on a picture notes it here.
    const QStringList& Texts() const { return texts_; }
    void NoteText(const QString& text) { texts_ << text; }

    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }
    // An unstretched picture stands in the middle of the control.
    void SetCenter(bool center);
    void Refresh();

    std::function<void()> OnClick;    // left press, then release inside
    std::function<void()> OnDblClick; // the second press of a double click; it makes no click
    std::function<void(Qt::MouseButton, QPoint)> OnMouseDown;
    std::function<void(Qt::MouseButton, QPoint)> OnMouseUp;
    std::function<void(QPoint)> OnMouseMove; // also without a button held

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    friend class TCanvas;
    QImage& DrawingSurface();
    // area in picture coordinates
    void PictureChanged(const QRect& area);
    void AllChanged();
    const QImage& KeyedImage();

    TPicture picture_;
    TCanvas canvas_;
    bool stretch_ = false;
    bool center_ = false;
    bool leftPressed_ = false; // a left press that may still become a click
    Qt::MouseButtons pressed_;
    // A bitmap with a transparent colour is painted from this copy with the colour keyed out;
    // only the part drawn on since the last paint is redone.
    QImage keyed_;
    QRect keyedStale_;
    QStringList texts_;
};
