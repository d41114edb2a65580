#include "GombKirakoForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/SpeedButton.h"
#include "framework/SpeedButtonGroup.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"

QString TGombKirakoForm::Instruction()
{
    return QStringLiteral(
        "Klikkelj arra a képre, amelyikkel játszani szeretnél, majd kattints a Keverés gombra, és rakd ki a képet! "
        "Ha elkészültél, válassz másikat vagy keverj újra!<BR>Ha egymás után két kockára kattintasz, azok helyet "
        "cserélnek. Az a cél, hogy minden kocka a helyére kerüljön.<BR>Ha nem sikerül, nyomd meg újra a Keverés "
        "gombot!");
}

TGombKirakoForm::TGombKirakoForm() : TGombBaseForm(QStringLiteral("GombKirakoForm"), TEscape::Leaves)
{
    const QString name = QStringLiteral("gombok\\") + GetPageName();
    LoadBackground(name + QStringLiteral(".jpg"));
    imgKirakSel1_ = new TImage(this, QRect(328, 120, 127, 127));
    imgKirakSel2_ = new TImage(this, QRect(328, 264, 127, 127));
    for (int picture = 1; picture <= 2; ++picture) {
        TImage* thumbnail = Thumbnail(picture);
        thumbnail->SetPng(LoadPng(name + QStringLiteral("_valaszt%1.png").arg(picture)));
        MakePressable(thumbnail);
        thumbnail->OnClick = [this, picture] { ChoosePicture(picture); };
        const QImage whole = LoadBmp(name + QStringLiteral("_nagy%1.bmp").arg(picture));
        for (int piece = 1; piece <= TPuzzleBoard::Tiles; ++piece)
            pieces_[static_cast<std::size_t>(picture - 1)][static_cast<std::size_t>(piece - 1)] = Piece(whole, piece);
    }
    imgKever_ = new TImage(this, QRect(120, 416, 100, 40));
    imgKever_->setCursor(Qt::PointingHandCursor);
    imgKever_->OnClick = [this] { imgKeverClick(); };
    imgTovabb_ = new TImage(this, QRect(400, 672, 100, 35));
    imgTovabb_->setCursor(Qt::PointingHandCursor);
    imgTovabb_->OnClick = [this] { Notify(); };
    animate1_ = new TClipPlayer(this);
    animate1_->setGeometry(598, 138, 190, 220);

    group_ = new TSpeedButtonGroup(TSpeedButtonGroup::TMode::AllowAllUp, this);
    for (int tile = 1; tile <= TPuzzleBoard::Tiles; ++tile) {
        auto* button = new TSpeedButton(this, QRect(SlotPosition(tile), QSize(TileSize, TileSize)), tile);
        button->setIconSize(QSize(PieceSize, PieceSize));
        button->hide();
        button->setEnabled(false);
        group_->Add(button);
        tiles_[static_cast<std::size_t>(tile - 1)] = button;
    }
    group_->OnClick = [this](TSpeedButton* tile) { TileClick(tile); };
}

QPoint TGombKirakoForm::SlotPosition(int slot)
{
    return QPoint(37 + TileSize * ((slot - 1) % 3), 117 + TileSize * ((slot - 1) / 3));
}

QImage TGombKirakoForm::Piece(const QImage& picture, int piece)
{
    const int column = (piece - 1) % 3;
    const int row = (piece - 1) / 3;
    return picture.copy(PieceSize * column, PieceSize * row, PieceSize, PieceSize).convertToFormat(QImage::Format_RGB888);
}

void TGombKirakoForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    ShowToMenu();
    WriteOnBackground(Instruction(), 40, 100, 490, 3);
    board_.Reset();
    tilesShown_ = false;
    picture_ = 0;
    animate1_->Open(AviPath(QStringLiteral("gombok/08_kirakos.avi")));
    Services::Random().Randomize();
}

void TGombKirakoForm::ChoosePicture(int picture)
{
    animate1_->Seek(1);
    // No tile stays picked across a new picture; a shuffled one starts whole again.
    if (board_.Shuffled())
        board_.Reset();
    else
        board_.ClearSelection();
    group_->ReleaseAll();
    PlaceTiles();
    sliceImage(picture);
    if (!tilesShown_) {
        tilesShown_ = true;
        for (TSpeedButton* tile : tiles_) {
            tile->show();
            tile->setEnabled(true);
        }
    }
}

void TGombKirakoForm::sliceImage(int picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    for (int tile = 1; tile <= TPuzzleBoard::Tiles; ++tile)
        Tile(tile)->SetGlyph(pieces_[static_cast<std::size_t>(picture - 1)][static_cast<std::size_t>(tile - 1)]);
}

void TGombKirakoForm::imgKeverClick()
{
    if (!tilesShown_)
        return;
    board_.Shuffle(Services::Random());
    group_->ReleaseAll();
    PlaceTiles();
}

void TGombKirakoForm::TileClick(TSpeedButton* tile)
{
    switch (board_.Click(tile->Tag())) {
    case TPuzzleBoard::TClick::Selected: PlaySoundFile(QStringLiteral("2_plink.wav")); return;
    case TPuzzleBoard::TClick::Cancelled: return;
    case TPuzzleBoard::TClick::Swapped:
    case TPuzzleBoard::TClick::Solved: break;
    }
    group_->ReleaseAll();
    PlaceTiles();
    PlaySoundFile(QStringLiteral("2_plunk.wav"));
    if (board_.Solved()) {
        animate1_->PlayAll(10);
        PlaySoundFile(QStringLiteral("2_taps.wav"));
    }
}

void TGombKirakoForm::PlaceTiles()
{
    for (int tile = 1; tile <= TPuzzleBoard::Tiles; ++tile)
        Tile(tile)->move(SlotPosition(board_.SlotOf(tile)));
}
