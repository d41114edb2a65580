#include "GombKerdesekForm.h"

#include "EnglishWords.h"
#include "framework/Canvas.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/TextImgWriter.h"
#include "shell/Board.h"

#include <algorithm>

namespace {

struct TQuestion {
    const char* text;
    int top; // of its answer row
    std::vector<const char*> answers;
};

const TQuestion Questions[QuizResult::Questions] = {
    {"Most villámkérdések következnek. A megfelelő gombbal válaszolj! Érted a feladatot?", 222, {"Yes", "No"}},
    {"A gomboknak csak téglalap alakjuk lehet.", 267, {"Yes", "No"}},
    {"Ebben a feladatban nem kattinthatsz az Igen és a Nem feliratú gombokra.", 312, {"Yes", "No", "Cancel"}},
    {"A Tabulátor billentyűt a programokból történő kilépéshez használjuk.", 357, {"Yes", "No"}},
    {"A gombokat a szóköz billentyűvel is aktivizálhatod.", 403, {"Yes", "No"}},
    {"Melyik gomb jelenti a megszakítást?", 448, {"Retry", "Abort", "Begin"}},
    {"Az ENTER gomb megnyomására a program nem hajtja végre az utasítást.", 493, {"Yes", "No"}},
    {"A gombok kaphatnak keretvonalat.", 538, {"Yes", "No"}},
    {"Melyik gomb jelent bezárást?", 583, {"Play", "Continue", "Close"}},
    {"Csak a Tabulátor billentyű használatával ugorhatok egyik gombról a másikra.", 628, {"Yes", "No"}},
    {"A nyílbillentyűkkel is irányíthatom a gombok keretvonalát.", 673, {"Yes", "No"}},
    {"Az eszköztárgombok közül egyszerre mindig csak egy használható.", 718, {"Yes", "No"}},
};

const int AnswerLefts[] = {40, 130, 220};
constexpr int QuestionHeight = 22;
constexpr int RowsRightMargin = 1024 - 876;

// Question q (1 to 12); one outside them reads as the nearest.
const TQuestion& At(int question)
{
    return Questions[std::clamp(question, 1, QuizResult::Questions) - 1];
}

} // namespace

TGombKerdesekForm::TGombKerdesekForm() : TGombBaseForm(QStringLiteral("GombKerdesekForm"))
{
    LoadBackground(QStringLiteral("gombok\\") + GetPageName() + QStringLiteral(".jpg"));
    imgHelp_ = new TImage(this, QRect(224, 120, 169, 57));
    imgHelp_->setCursor(Qt::PointingHandCursor);
    imgHelp_->OnClick = [this] { imgHelpClick(); };
    imgHelpCont_ = new TImage(this, QRect(24, 200, 837, 537));
    imgHelpCont_->hide();
}

QString TGombKerdesekForm::Question(int question)
{
    return QString::fromUtf8(At(question).text);
}

QStringList TGombKerdesekForm::Answers(int question)
{
    QStringList answers;
    for (const char* answer : At(question).answers)
        answers << QString::fromLatin1(answer);
    return answers;
}

int TGombKerdesekForm::RowTop(int question)
{
    return At(question).top;
}

QPoint TGombKerdesekForm::CheckMarkPosition(int question)
{
    return QPoint(800, 200 + 45 * (question - 1));
}

void TGombKerdesekForm::InitPage()
{
    TGombBaseForm::InitPage();
    const QString name = QStringLiteral("gombok\\") + GetPageName();
    checkMark_ = LoadPng(name + QStringLiteral("_pipa.png"));
    imgHelpCont_->SetPng(LoadPng(name + QStringLiteral("_help.png")));
    imgHelpCont_->hide();
    TTextImgWriter& writer = *Writer();
    writer.SetImage(imgHelpCont_);
    writer.SetFont(PointFont(QStringLiteral("Arial"), 14), Blue);
    writer.SetMargins(20, 20, 20, 0);
    writer.SetLineSpacing(10);
    writer.SetText(EnglishWords::HelpText());
    writer.WriteText();
}

void TGombKerdesekForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    ShowToMenu();
    answered_ = 0;
    right_ = 0;
    qDeleteAll(answers_);
    answers_.clear();
    tags_.clear();

    // Each question just above its own answers, whatever height the font's lines have, and inside
    // the rows' panel, which ends before the back picture.
    for (int q = 1; q <= QuizResult::Questions; ++q)
        WriteOnBackground(Question(q), 40, RowsRightMargin, RowTop(q) - QuestionHeight, 23, 14);

    for (int q = 1; q <= QuizResult::Questions; ++q) {
        const QStringList answers = Answers(q);
        for (int a = 0; a < answers.size(); ++a) {
            const int tag = 10 * q + a;
            auto* button = new TPushButton(this, QRect(AnswerLefts[a], RowTop(q), 81, 20), answers[a]);
            button->OnClick = [this, tag] { AnswerClick(tag); };
            button->show();
            answers_.push_back(button);
            tags_.push_back(tag);
        }
    }
    FocusFirstTabStop();
}

std::vector<TPushButton*> TGombKerdesekForm::Row(int question) const
{
    std::vector<TPushButton*> row;
    for (std::size_t i = 0; i < answers_.size(); ++i)
        if (tags_[i] / 10 == question)
            row.push_back(answers_[i]);
    return row;
}

void TGombKerdesekForm::AnswerClick(int tag)
{
    const int question = tag / 10;
    const bool right = tag % 10 == QuizResult::RightAnswer(question);
    ++answered_;
    if (right) {
        ++right_;
        const QPoint at = CheckMarkPosition(question);
        hatter()->Canvas().Draw(at.x(), at.y(), checkMark_);
        PlaySoundFile(QStringLiteral("3_jo.wav"));
    } else {
        PlaySoundFile(QStringLiteral("3_rossz.wav"));
    }
    for (TPushButton* button : Row(question))
        button->setEnabled(false);
    if (answered_ < QuizResult::Questions)
        return;
    const QString name = Board::Text(Controller(), QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(Controller(), QStringLiteral("ERTEKEL"), QuizResult::EvaluationText(name, right_));
    Notify();
}

void TGombKerdesekForm::imgHelpClick()
{
    const bool opening = imgHelpCont_->isHidden();
    for (TPushButton* button : answers_)
        button->setVisible(!opening);
    imgHelpCont_->setVisible(opening);
    // Hidden answers must not keep the focus, or Enter would still answer.
    if (opening)
        setFocus(Qt::OtherFocusReason);
    else
        FocusFirstTabStop();
}
