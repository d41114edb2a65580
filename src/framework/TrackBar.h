#pragma once

#include <QSlider>
#include <functional>

// A track bar as the classic desktop has it: a vertical bar has its minimum at the top, and for
// either orientation Left, Up, Page Up, Home and the wheel turned forward move towards the minimum,
// Right, Down, Page Down and End towards the maximum. Every move runs OnChange; setting up does not.
class TTrackBar : public QSlider {
    Q_OBJECT
public:
    TTrackBar(QWidget* parent, const QRect& geometry, Qt::Orientation orientation, int minimum, int maximum,
              int position, int pageSize);

    int Position() const { return value(); }
    // Setting up: runs no OnChange.
    void SetPosition(int position);

    std::function<void()> OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void MoveBy(int steps);

    bool settingUp_ = false;
};
