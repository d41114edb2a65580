#pragma once

class QImage;

// The course's icon for menus and the login screen: a "B" key on a blue tile, with Nyilacska
// peeking over it where there is room for a face.
namespace AppIcon {

// The sizes the desktop's icon theme looks for, in pixels.
inline constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// A square picture with a transparent surround.
QImage Draw(int size);

} // namespace AppIcon
