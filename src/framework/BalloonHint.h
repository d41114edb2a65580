#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

class QPainterPath;
class TPageTimer;

// A yellow balloon with an optional bold title and a text ("\n" or "<BR>" break lines), its stem
// pointing at a point of the page. The balloon stands above and right of the point where the page
// has room (else below, or to the left), on the page. It stands above the page's practice windows
// (also after they are raised), closes on a click or when its life time (timed by the course's time
// service) is up, and dies with its page. Showing a new balloon on a page replaces the page's old
// one silently: the old one's OnClose does not run, since pages chain one request after another.
class TBalloonHint : public QWidget {
    Q_OBJECT
public:
    static constexpr int StemHeight = 18;

    // Shows a balloon on `page`, its stem's tip at `tip` (page coordinates), for lifeMs (0: until
    // clicked or closed).
    static TBalloonHint* Show(QWidget* page, const QString& title, const QString& text, QPoint tip, int lifeMs);
    // The page's balloon on screen now, nullptr when none.
    static TBalloonHint* Current(QWidget* page);

    QString Title() const { return title_; }
    QString Text() const { return text_; }
    QPoint Tip() const { return tip_; }
    // The yellow body without the stem, in page coordinates.
    QRect Body() const { return body_.translated(pos()); }

    // Closed by a click, its time, or the program; OnClose runs once in every case.
    void Close();

    std::function<void()> OnClose;
    // A click on the balloon; the balloon closes after it.
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TBalloonHint(QWidget* page, const QString& title, const QString& text, QPoint tip, int lifeMs);
    void Place();
    // Gone without a word: replaced by the page's next balloon.
    void Dismiss();
    QPainterPath Outline() const;

    QString title_;
    QString text_;
    QPoint tip_;
    QRect body_;       // in the widget's coordinates
    QPoint stem_[3];   // tip and the two base corners, in the widget's coordinates
    QRect titleRect_;
    QRect textRect_;
    TPageTimer* life_ = nullptr;
    bool closed_ = false;
};
