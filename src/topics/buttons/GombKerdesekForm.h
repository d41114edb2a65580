#pragma once

#include "GombBaseForm.h"
#include "QuizResult.h"

#include <QImage>
#include <QStringList>
#include <vector>

class TImage;
class TPushButton;

// Twelve quick questions about buttons, each answered once with a button of its row; a right
// answer gets a check mark. The help panel explains the English words. The twelfth answer hands
// the result to the evaluation page.
class TGombKerdesekForm : public TGombBaseForm {
    Q_OBJECT
public:
    TGombKerdesekForm();

    // Question q (1 to 12) as the page writes it, its answers' captions left to right, and the
    // top of its answer row.
    static QString Question(int question);
    static QStringList Answers(int question);
    static int RowTop(int question);

    void ShowPage() override;

    TImage* imgHelp() const { return imgHelp_; }
    TImage* imgHelpCont() const { return imgHelpCont_; }
    // The answer buttons of question q (1 to 12), left to right.
    std::vector<TPushButton*> Row(int question) const;
    const std::vector<TPushButton*>& AnswerButtons() const { return answers_; }
    int Answered() const { return answered_; }
    int Right() const { return right_; }
    // Where the check mark of question q goes.
    static QPoint CheckMarkPosition(int question);

protected:
    void InitPage() override;

private:
    void AnswerClick(int tag);
    void imgHelpClick();

    TImage* imgHelp_;
    TImage* imgHelpCont_;
    std::vector<TPushButton*> answers_;
    std::vector<int> tags_;
    QImage checkMark_;
    int answered_ = 0;
    int right_ = 0;
};
