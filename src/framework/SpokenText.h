#pragma once

#include <QString>

class QWidget;
class TImage;

// What the learner reads on the screen, as the voice reads it: the texts written on pictures, the
// labels, group titles, the options to tick or pick (check boxes, radio buttons), a balloon's title
// and text, a dialog's text. Push button captions, list items and what the learner typed are not
// read: the instructions name the buttons they ask for. Pieces come in
// reading order, rows from the top, each row from the left; "<BR>" stands between them.
namespace SpokenText {

// The end of a paragraph written on a picture: the voice pauses there, not at every wrapped line.
void NoteParagraphEnd(TImage& picture);
// The picture's text was painted over with the picture.
void ForgetParagraphs(TImage& picture);
// One picture's text, its paragraphs separated by "<BR>".
QString OfPicture(const TImage& picture);

// A page, practice window or dialog: a balloon on it speaks for it while it is open.
QString Of(const QWidget* shown);

} // namespace SpokenText
