#pragma once

#include <QImage>
#include <QPoint>

class TCanvas;

// A PNG sprite over a canvas that remembers what it covers. Moving it is Hide, SetPosition, Show.
// Show does not look at whether the sprite is already shown: showing twice saves the sprite itself.
class TGraphObj {
public:
    // A null picture raises "Error in TGraphObj : not valid graphic setted ".
    void SetGraphic(const QImage& png);
    void SetPosition(const QPoint& topLeft);
    void SetCanvas(TCanvas* canvas);
    void Show();
    void Hide();

    bool Drawn() const { return drawn_; }
    QPoint Position() const { return QPoint(x_, y_); }
    QSize Size() const { return picture_.size(); }

private:
    TCanvas& Target() const;

    QImage background_;
    int x_ = 0;
    int y_ = 0;
    TCanvas* canvas_ = nullptr;
    bool drawn_ = false;
    QImage picture_;
};
