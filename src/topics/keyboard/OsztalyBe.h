#pragma once

#include "framework/BaseBillForm.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class TImage;

// The grade entry page: Kábel Ödön greets the learner and asks which school year they are in.
class TOsztalyBe : public TBaseBillForm {
    Q_OBJECT
public:
    TOsztalyBe();

    void ShowPage() override;

    // True when the typed text, lower-cased, is one of the accepted grade words.
    static bool ValidGrade(const QString& typed);
    static const QStringList& GradeWords();

    QLineEdit* osztaly() const { return osztaly_; }
    TImage* enter() const { return enter_; }
    TImage* bckspace() const { return bckspace_; }
    QLabel* lblHiba() const { return lblHiba_; }
    QLabel* lblBeck() const { return lblBeck_; }
    TImage* imgOdon() const { return imgOdon_; }

private:
    void osztalyKeyDown(int& key);
    void enterClick();
    void bckspaceClick();
    void CheckGrade();

    QLineEdit* osztaly_;
    TImage* enter_;
    TImage* bckspace_;
    QLabel* lblHiba_;
    QLabel* lblBeck_;
    TImage* imgOdon_;
};
