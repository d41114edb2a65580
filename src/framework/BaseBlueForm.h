#pragma once

#include "BaseForm.h"

#include <QImage>
#include <QPoint>
#include <memory>

class TImage;
class TTextImgWriter;

// The games' page: an end picture and a back picture in the lower right corner, an information
// panel for instructions, a small panel for a score, and a strip of grass along the bottom edge.
// All of them stay hidden until the page asks for them.
class TBaseBlueForm : public TBaseForm {
    Q_OBJECT
public:
    explicit TBaseBlueForm(const QString& pageName);
    ~TBaseBlueForm() override;

    TImage* imgEndGame() const { return imgEndGame_; }
    TImage* imgToMenu() const { return imgToMenu_; }
    TImage* InfoPanel() const { return infoPanel_; }
    TImage* SmallPanel() const { return smallPanel_; }
    TImage* Grass() const { return grass_; }

protected:
    void InitPage() override;
    // Esc hands the page over to its module with nothing stored.
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

    // Pages whose Escape does nothing (lessons and exercises among the games' pages).
    void IgnoreEscape() { escapeNotifies_ = false; }

    void ShowEndGame();
    void ShowToMenu();
    // A fresh copy of the panel picture, in front of everything, shown.
    void ShowInfoPanel();
    void HideInfoPanel();
    // Writes over whatever the panel shows; an empty text changes nothing.
    void SetInfoText(const QString& text);
    void MoveInfoPanel(const QPoint& topLeft);
    void ShowSmallPanel();
    // A fresh small panel with the text; an empty text changes nothing.
    void SetSmallPanelText(const QString& text);
    void MoveSmallPanel(const QPoint& topLeft);
    // The panels' own writers, for pages that write with other margins, sizes or alignments.
    TTextImgWriter& InfoWriter() { return *info_.writer; }
    TTextImgWriter& SmallWriter() { return *small_.writer; }
    // The panels' writers in the panels' blue Arial at another size.
    void SetInfoFontSize(int points);
    void SetSmallFontSize(int points);
    // The grass in front of moving objects, the buttons and the small panel in front of the grass.
    void ShowGrass();

    virtual void imgEndGameClick();

private:
    struct TPanel {
        TImage* image = nullptr;
        std::unique_ptr<TTextImgWriter> writer;
        QImage picture; // read the first time the panel is shown
        bool read = false;
    };
    void ShowPanel(TPanel& panel, const QString& file);

    TImage* imgEndGame_;
    TImage* imgToMenu_;
    TImage* infoPanel_ = nullptr;
    TImage* smallPanel_ = nullptr;
    TImage* grass_ = nullptr;
    TPanel info_;
    TPanel small_;
    QPoint smallPlace_ = QPoint(20, 630);
    bool escapeNotifies_ = true;
};
