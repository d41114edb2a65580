#pragma once

#include "framework/Image.h"

#include <cstdint>

class IRandomSource;

// A balloon of the balloon game: a picture that rises by its speed each tick; a double click
// pops it.
class TLufi : public TImage {
    Q_OBJECT
public:
    static constexpr QSize Size = QSize(100, 227);

    explicit TLufi(QWidget* parent);

    // A speed drawn for the level: 1 to level × 5 pixels, kept within 4 to 15.
    static int DrawSpeed(IRandomSource& random, int level);
    // 150 to 749.
    static int DrawLeft(IRandomSource& random);

    int Speed() const { return speed_; }
    void SetSpeed(int speed) { speed_ = static_cast<std::uint8_t>(speed); }
    // One tick's rise; true when the balloon is now entirely above the screen.
    bool Rise();

private:
    std::uint8_t speed_ = 4;
};
