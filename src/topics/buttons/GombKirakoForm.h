#pragma once

#include "GombBaseForm.h"
#include "PuzzleBoard.h"

#include <QImage>
#include <array>

class TClipPlayer;
class TImage;
class TSpeedButton;
class TSpeedButtonGroup;

// The picture puzzle: one of two pictures on nine tiles, shuffled, and put right again by
// swapping pairs of tiles. Tovább (or Esc) goes on at any time.
class TGombKirakoForm : public TGombBaseForm {
    Q_OBJECT
public:
    static constexpr int PieceSize = 85;
    static constexpr int TileSize = 89;

    TGombKirakoForm();

    static QString Instruction();

    void ShowPage() override;

    TImage* Thumbnail(int picture) const { return picture == 1 ? imgKirakSel1_ : imgKirakSel2_; }
    TImage* imgKever() const { return imgKever_; }
    TImage* imgTovabb() const { return imgTovabb_; }
    TClipPlayer* Animate1() const { return animate1_; }
    TSpeedButton* Tile(int tile) const { return tiles_[static_cast<std::size_t>(tile - 1)]; }
    const TPuzzleBoard& Board() const { return board_; }
    int CurrentPicture() const { return picture_; }
    // Where slot s (1 to 9) lies on the page.
    static QPoint SlotPosition(int slot);
    // Piece k (1 to 9) of a 255 x 255 picture.
    static QImage Piece(const QImage& picture, int piece);

private:
    void ChoosePicture(int picture);
    void sliceImage(int picture);
    void imgKeverClick();
    void TileClick(TSpeedButton* tile);
    void PlaceTiles();

    TImage* imgKirakSel1_;
    TImage* imgKirakSel2_;
    TImage* imgKever_;
    TImage* imgTovabb_;
    TClipPlayer* animate1_;
    std::array<TSpeedButton*, TPuzzleBoard::Tiles> tiles_{};
    TSpeedButtonGroup* group_;
    std::array<std::array<QImage, TPuzzleBoard::Tiles>, 2> pieces_;
    TPuzzleBoard board_;
    bool tilesShown_ = false;
    int picture_ = 0;
};
