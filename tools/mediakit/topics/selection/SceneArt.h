#pragma once

#include <QImage>
#include <QSize>

// The park scene both memory quizzes ask about: Tivadar on the left on his skateboard in his red
// cap with Lemezke standing calmly before him, Nóra in a purple T-shirt sitting on a bench,
// Nyilacska holding Tárolka's paw, Tárolka standing before Ödön, who waves in a grey jacket.
namespace SceneArt {

// The scene drawn at any size (its own frame is 1000 × 568, scaled to fit).
QImage Scene(QSize size);

// Where each guide's feet stand in the scene's own frame, for checks on the picture.
inline constexpr int TivadarX = 150;
inline constexpr int NoraX = 390;
inline constexpr int NyilacskaX = 610;
inline constexpr int TarolkaX = 760;
inline constexpr int OdonX = 800;

} // namespace SceneArt
