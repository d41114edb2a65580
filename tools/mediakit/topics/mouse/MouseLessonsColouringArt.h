#pragma once

#include <QImage>

// The colouring choice and the colouring page. The page tints a base picture by a shading
// picture of the same size: colour c over shading S gives (S × S's alpha + c × 255) div
// (S's alpha + 255). So each shading is transparent where the paint shows pure, and carries
// the outline, folds and shadows that darken it (or highlights that lighten it) elsewhere,
// only inside its base picture's shape.
namespace MouseLessonsColouringArt {

QImage ChoiceScreen(); // "EgerSzinezoInfoForm.jpg": Tivadar with his car, Nóra with her dress, under their areas
QImage DressScreen();  // "EgerNoraSzinezForm.jpg": Nóra without her T-shirt and skirt, sixteen pots
QImage CarScreen();    // "EgerNoraSzinezForm_2.jpg": the road, the car's wheels and glass (Tivadar at the wheel), the pots

// "EgerNoraSzinezForm_polo_alap/_alfa.png" 123 × 108, "_szoknya_alap/_alfa.png" 103 × 33,
// "_auto_alap/_alfa.png" 486 × 114.
enum class TGarment { Shirt, Skirt, Car };
QImage Base(TGarment garment);
QImage Shading(TGarment garment);

} // namespace MouseLessonsColouringArt
