#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

// The paint program's palette: colour cells in two columns, white (the eraser) and black among
// them. A press on a cell chooses its colour, which stays framed; no colour is chosen at first.
class TColourPalette : public QWidget {
    Q_OBJECT
public:
    TColourPalette(QWidget* parent, const QRect& geometry);

    int Count() const { return static_cast<int>(colours_.size()); }
    QColor Colour(int index) const { return colours_.at(static_cast<std::size_t>(index)); }
    QRect CellRect(int index) const;
    // The chosen colour, if the learner chose one.
    std::optional<QColor> Chosen() const;

    std::function<void(const QColor&)> OnChoose;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<QColor> colours_;
    int chosen_ = -1;
};
