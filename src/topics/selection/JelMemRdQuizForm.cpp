#include "JelMemRdQuizForm.h"

#include "framework/BackAreas.h"
#include "QuizHelp.h"
#include "SelectionRatings.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "shell/Board.h"

#include <algorithm>

namespace {

struct TQuestion {
    const char* text;
    QStringList choices;
    int correct;
    QRect place;
    int columns;
};

const TQuestion& Question(int n)
{
    static const TQuestion questions[] = {
        {"Hol áll a képen Tivadar?", {"a kép jobb oldalán", "a kép bal oldalán"}, 1, QRect(40, 190, 400, 100), 1},
        {"Mit csinál a képen Nóra?", {"áll", "ül ", "kézen áll", "nincs is rajta a képen"}, 1,
         QRect(40, 305, 400, 150), 1},
        {"Ki az, akinek Nyilacska a mancsát fogja?",
         {"Digit Nóra", "Pixeles Tivadar ", "Kábel Ödön", "Tárolka, a mancs", "Lemezke, a blöki",
          "Kábel Ödön tanár úr"},
         3, QRect(40, 470, 400, 210), 1},
        {"Mit csinál Kábel Ödön tanár úr a képen?", {"integet", "olvas", "beszélget", "alszik"}, 0,
         QRect(470, 190, 400, 150), 1},
        {"Ki előtt áll Tárolka?", {"Pixeles Tivadar", "Kábel Ödön tanár úr"}, 1, QRect(470, 355, 400, 100), 1},
        {"Milyen színű sapkája van Pixeles Tivadarnak?",
         {"Sárga", "Szürke", "Kék", "Lila", "Zöld", "Fekete", "Barna", "Piros"}, 7, QRect(470, 470, 400, 150), 2},
    };
    return questions[n];
}

} // namespace

TJelMemRdQuizForm::TJelMemRdQuizForm()
    : TJelBaseForm(QStringLiteral("JelMemRdQuizForm"), QStringLiteral("jelolesek\\JelMemRdQuizForm.jpg"),
                   BackAreas::SelectionLessons)
{
    for (int n = 0; n < 6; ++n) {
        const TQuestion& question = Question(n);
        auto* group = new TRadioGroup(this, question.place, QString::fromUtf8(question.text), question.choices,
                                      question.columns);
        group->setFont(PixelFont(QStringLiteral("Arial"), 16));
        group->OnClick = [this] {
            btnFinish_->setEnabled(
                std::all_of(groups_.begin(), groups_.end(), [](const TRadioGroup* g) { return g->ItemIndex() >= 0; }));
        };
        groups_[static_cast<std::size_t>(n)] = group;
    }
    btnFinish_ = Button(QRect(890, 600, 121, 33), QStringLiteral("Kész vagyok"), false);
    btnFinish_->OnClick = [this] { btnFinishClick(); };
    help_ = new TQuizHelp(this);
}

int TJelMemRdQuizForm::Right() const
{
    int right = 0;
    for (int n = 0; n < 6; ++n)
        if (groups_[static_cast<std::size_t>(n)]->ItemIndex() == Question(n).correct)
            ++right;
    return right;
}

void TJelMemRdQuizForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (help_->HandleKey(key))
        key = 0;
}

void TJelMemRdQuizForm::btnFinishClick()
{
    const int right = Right();
    const QString name = Board::Text(Controller(), QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(Controller(), QStringLiteral("ERTEKEL"),
                   SelectionRatings::QuizText(name, 6, right, SelectionRatings::RadioScore(right), help_->Count()));
    Notify();
}
