#pragma once

#include "GombBaseForm.h"

class QLabel;
class TClipPlayer;
class TPushButton;

// Accelerator letters: the button's underlined E clicks it, once as small e and once as capital E;
// after that only a mouse click on it goes on.
class TGombAcceleratedForm : public TGombBaseForm {
    Q_OBJECT
public:
    TGombAcceleratedForm();

    void ShowPage() override;

    TPushButton* selBtn() const { return selBtn_; }
    TClipPlayer* okaAnim() const { return okaAnim_; }
    QLabel* lblToDo() const { return lblToDo_; }
    bool SmallDone() const { return smallDone_; }
    bool CapitalDone() const { return capitalDone_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyPress(QChar& key) override;
    void FormKeyUp(int& key, Qt::KeyboardModifiers shift) override;

private:
    void selBtnClick();
    void LetterDone(bool& done, bool otherDone, const QString& otherHint);

    TPushButton* selBtn_;
    TClipPlayer* okaAnim_;
    QLabel* lblToDo_;
    bool smallDone_ = false;
    bool capitalDone_ = false;
    // What the key held now types: a capital when its character is one.
    bool capital_ = false;
    bool mouseHeld_ = false;
    bool letterHeld_ = false;
};
