#pragma once

#include "framework/BaseBlueForm.h"

#include <QColor>
#include <QImage>
#include <array>

// The colouring page: sixteen colour pots along the bottom; a pot dragged onto the car (or onto
// Nóra's T-shirt or skirt) colours it, keeping its shading. The task, car or dress, is the one
// chosen on the page before ("ACTION").
class TEgerNoraSzinezForm : public TBaseBlueForm {
    Q_OBJECT
public:
    static constexpr int Pots = 16;
    enum class TTask { Car = 2, Dress = 4 };

    TEgerNoraSzinezForm();

    void ShowPage() override;

    TTask Task() const { return task_; }
    TImage* imgPolo() const { return polo_.image; }
    TImage* imgSzoknya() const { return szoknya_.image; }
    TImage* imgAuto() const { return auto_.image; }
    const std::array<TImage*, Pots>& ColourPots() const { return pots_; }
    // The colour of the pot with this component name; invalid for any other name.
    static QColor PotColour(const QString& potName);

protected:
    void InitPage() override;

private:
    struct TTarget {
        TImage* image = nullptr;
        QImage base;
        QImage shading;
    };
    void LoadTarget(TTarget& target, const QString& part, const QColor& colour);
    void Paint(TTarget& target, const QColor& colour);
    void MakeTarget(TTarget& target, const QRect& geometry);

    TTask task_ = TTask::Car;
    TTarget polo_;
    TTarget szoknya_;
    TTarget auto_;
    std::array<TImage*, Pots> pots_{};
};
