#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QTimer;

// A yellow balloon with an optional bold title and a text ("\n" or "<BR>" break lines), its stem
// pointing at a point of the page. It stands above the page's practice windows, closes on a click
// or when its life time is up, and dies with its page. Showing a new balloon on a page replaces the
// page's old one.
class TBalloonHint : public QWidget {
    Q_OBJECT
public:
    // Shows a balloon on `page`, its stem's tip at `tip` (page coordinates), for lifeMs.
    static TBalloonHint* Show(QWidget* page, const QString& title, const QString& text, QPoint tip, int lifeMs);
    // The page's balloon on screen now, nullptr when none.
    static TBalloonHint* Current(QWidget* page);

    QString Title() const { return title_; }
    QString Text() const { return text_; }
    QPoint Tip() const { return tip_; }

    // Closed by a click, its time, or the program; OnClose runs once in every case.
    void Close();

    std::function<void()> OnClose;
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TBalloonHint(QWidget* page, const QString& title, const QString& text, QPoint tip, int lifeMs);

    QString title_;
    QString text_;
    QPoint tip_;
    bool closed_ = false;
};
