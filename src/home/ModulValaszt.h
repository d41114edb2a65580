#pragma once

#include "framework/BaseForm.h"

#include <QImage>
#include <array>

class QLabel;
class TImage;

// The topic chooser. Intro mode greets the learner on a panel and waits for T; chooser mode shows
// ten topic tiles and moves the guide's head over them with the arrows or the mouse.
class TModulValaszt : public TBaseForm {
    Q_OBJECT
public:
    enum class TMode { None, Intro, Chooser };
    static constexpr int Rows = 2;
    static constexpr int Columns = 5;

    TModulValaszt();

    void ShowPage() override;
    void ClosePage() override;

    TMode Mode() const { return mode_; }
    // The selected tile's board value ("BILLENTYU" ...).
    QString SelectedTopic() const;
    TImage* Tile(int row, int column) const { return tiles_[Index(row, column)]; }
    // False for a topic the school's settings do not offer: drawn closed, it opens nothing.
    bool TileOpen(int row, int column) const;
    TImage* enter() const { return enter_; }
    TImage* kilep() const { return kilep_; }
    TImage* imgEmptyScr() const { return imgEmptyScr_; }
    QLabel* lblKilep() const { return lblKilep_; }
    bool HeadDrawn() const { return headDrawn_; }
    // Where the head sits on the selected tile.
    QPoint HeadPosition() const;

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyPress(QChar& key) override;

private:
    static int Index(int row, int column) { return (row - 1) * Columns + (column - 1); }
    int SelectedIndex() const;
    bool SelectedOpen() const;
    void StartIntro();
    void StartChooser();
    void enterClick();
    void ablakokClick(int tile);
    void ablakokMouseMove(int tile);
    void kilepClick();
    void PostModul();
    void Choose();
    void Move(int key);
    void DrawHead();
    void EraseHead();

    TImage* enter_;
    TImage* kilep_;
    std::array<TImage*, Rows * Columns> tiles_{};
    QLabel* lblKilep_;
    TImage* imgEmptyScr_;

    TMode mode_ = TMode::None;
    bool mouseSelection_ = false;
    int row_ = 1;
    int column_ = 1;
    int mouseTile_ = 0;
    QImage head_;
    QImage savedBackground_;
    bool headDrawn_ = false;
};
