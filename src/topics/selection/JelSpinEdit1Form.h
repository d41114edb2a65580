#pragma once

#include "JelBaseForm.h"

#include <QImage>

class TSpinEdit;

// A number set with the arrows only: up to 100 and on, while Tivadar looks on. Past 100 he is
// happy and "Tovább" opens; back to 100 or below closes it again. At 100 the page asks for one
// step more.
class TJelSpinEdit1Form : public TJelBaseForm {
    Q_OBJECT
public:
    TJelSpinEdit1Form();

    TSpinEdit* Edit1() const { return edit1_; }
    TImage* imgTivadar() const { return imgTivadar_; }
    TPushButton* btnFinish() const { return btnFinish_; }
    bool Happy() const { return happy_; }

protected:
    struct TLayout {
        QRect edit;
        int maximum;
        int increment;
        QString face; // the pictures are page name + "_" + face + "_heppy.png" and "_unheppy.png"
        QRect picture;
    };
    TJelSpinEdit1Form(const QString& pageName, const TLayout& layout);

    virtual void Edit1Change();
    // Shows the happy or the unhappy picture when the mood changes.
    void ShowMood(bool happy);

private:
    TSpinEdit* edit1_;
    TImage* imgTivadar_;
    TPushButton* btnFinish_;
    QImage happyPicture_;
    QImage unhappyPicture_;
    bool happy_ = true;
    bool reached100_ = false;
    // The first page's word at 100: the instruction names 100, "Tovább" opens one step past it.
    QLabel* lblOnward_ = nullptr;
};
