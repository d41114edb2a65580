#pragma once

#include <QImage>

// "windows.jpg", 1024 × 768: the desktop every page of the windows topic imitates, a sunny
// wallpaper of sky and rolling hills with the back sign under the to-main area. The windows, the
// task bar and every text are the pages' own, so none of them is painted here.
namespace WindowsDesktopArt {

QImage Desktop();

} // namespace WindowsDesktopArt
