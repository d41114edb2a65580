#pragma once

#include "platform/PageTimer.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class TClipFrames;

// A page's video clip control. It opens an AVI clip and plays frames a to b (the first frame is 1)
// once, n times or until stopped, one frame per tick of a page timer at the clip's own rate, so
// tests drive it with the manual clock. Frames are decoded as they are first shown and kept in the
// course's clip cache (ClipCache.h), so a page that plays a clip played before pays nothing. A
// frame whose data turns out damaged leaves the last good frame on screen.
//
// The picture is centred in the control at its own size (shrunk to fit if it is larger) unless
// stretching is on. When transparent (the default), the clip's background colour, the colour of
// the first frame's top-left pixel, lets the page show through; otherwise the whole control is
// filled with that colour behind the picture. Mouse events go on to the page.
class TClipPlayer : public QWidget {
    Q_OBJECT
public:
    explicit TClipPlayer(QWidget* parent = nullptr);
    ~TClipPlayer() override;

    // Opens the clip and shows its first frame, not playing. The name part after the media
    // folder is found in its canonical spelling. A missing, unreadable or damaged clip throws
    // TCourseError and leaves the control closed.
    void Open(const QString& path);
    QString FileName() const { return fileName_; }
    // Stops and forgets the clip; the control then shows nothing.
    void Close();
    bool IsOpen() const { return clip_ != nullptr; }

    int FrameCount() const;
    QSize FrameSize() const;
    int FramesPerSecond() const { return framesPerSecond_; }
    QColor KeyColour() const;

    // Plays frames from..to, count times; a count of 0 (or less) repeats until Stop. The range
    // is clipped to the clip's frames. Nothing happens while no clip is open.
    void Play(int from, int to, int count);
    void PlayAll(int count) { Play(1, FrameCount(), count); }
    // Playing stops where it is; the frame shown stays.
    void Stop();
    bool Active() const { return active_; }
    // Shows one frame (clipped to the clip's frames) and stops playing.
    void Seek(int frame);
    // The frame shown, counted from 1; 0 while no clip is open.
    int CurrentFrame() const { return current_ + 1; }

    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }
    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }

    // Runs whenever a play ends: by itself after its last repetition, or by Stop, Seek, Close
    // or a new Open.
    void OnStop(std::function<void()> handler) { onStop_ = std::move(handler); }

    // The control's look as painted now, for checking what the learner sees.
    QImage Rendered();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Tick();
    void Show(int index);
    void Halt();
    const QImage& DisplayImage();
    QRect PictureRect() const;

    QString fileName_;
    std::shared_ptr<TClipFrames> clip_;
    int framesPerSecond_ = 15;
    int current_ = -1;
    int from_ = 0;
    int to_ = 0;
    int repetitionsLeft_ = 0;
    bool forever_ = false;
    bool active_ = false;
    bool transparent_ = true;
    bool stretch_ = false;
    std::function<void()> onStop_;
    TPageTimer timer_;

    // The frame on screen (the last good one up to the current frame) and, made from it once,
    // the same with its background see-through.
    QImage shown_;
    int shownIndex_ = -1;
    QImage display_;
};
