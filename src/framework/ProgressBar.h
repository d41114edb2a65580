#pragma once

#include <QWidget>

// A progress bar from 0 to 100: either a row of 59 small blocks, or one continuous bar with its
// percentage written on it ("n %"), filling from the left or from the right.
class TProgressBar : public QWidget {
    Q_OBJECT
public:
    enum class TLook { Blocks, Continuous };
    static constexpr int BlockCount = 59;

    TProgressBar(QWidget* parent, const QRect& geometry, TLook look);

    int Position() const { return position_; }
    void SetPosition(int position);
    bool FillsFromRight() const { return fromRight_; }
    void SetFillsFromRight(bool fromRight);
    // The blocks lit, or the continuous bar's width in pixels.
    int Filled() const;
    // What the bar has written on it; empty for blocks.
    QString Caption() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect Inner() const;

    TLook look_;
    int position_ = 0;
    bool fromRight_ = false;
};
