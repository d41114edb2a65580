#include "JelChkBoxQuizForm.h"

#include "framework/BackAreas.h"
#include "CheckBoxTally.h"
#include "QuizHelp.h"
#include "SelectionRatings.h"
#include "framework/CheckBox.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"
#include "shell/Board.h"

namespace {
struct TStatement {
    const char* text;
    int tag;
    bool checked;
};
const TStatement Statements[] = {
    {"Pixeles Tivadar biciklin ül", 0, false},
    {"Lemezke nyugodtan áll Pixeles Tivadar előtt", 1, false},
    {"Digit Nóra egy nagy karosszékben ül", 0, false},
    {"Nyilacska barátságosan fogja Tárolka mancsát", 1, false},
    {"Kábel Ödön tanár úr szürke zakót visel", 1, true},
    {"Lemezke  kergeti Tárolkát", 0, false},
    {"Digit Nóra lila pólót visel", 1, false},
    {"Tárolka kergeti Nyilacskát", 0, true},
    {"Pixeles Tivadar a gördeszkán áll", 1, false},
    {"Nyilacska sajtot rágcsál", 0, true},
};
} // namespace

TJelChkBoxQuizForm::TJelChkBoxQuizForm()
    : TJelBaseForm(QStringLiteral("JelChkBoxQuizForm"), QStringLiteral("jelolesek\\JelMemRdQuizForm.jpg"),
                   BackAreas::SelectionLessons)
{
    auto* pnlKerdesk = new QWidget(this);
    pnlKerdesk->setObjectName(QStringLiteral("pnlKerdesk"));
    pnlKerdesk->setGeometry(80, 200, 700, 460);
    const QFont font = PixelFont(QStringLiteral("Arial"), 20);
    int top = 0;
    for (const TStatement& statement : Statements) {
        auto* box = new TCheckBox(pnlKerdesk, QRect(0, top, 700, 40), QString::fromUtf8(statement.text), statement.tag);
        box->setFont(font);
        box->setChecked(statement.checked);
        boxes_.push_back(box);
        top += 46;
    }
    btnFinish_ = Button(QRect(890, 600, 121, 33), QStringLiteral("Kész vagyok"), true);
    btnFinish_->OnClick = [this] { btnFinishClick(); };
    help_ = new TQuizHelp(this);
}

void TJelChkBoxQuizForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (help_->HandleKey(key))
        key = 0;
}

void TJelChkBoxQuizForm::btnFinishClick()
{
    const int right = CheckBoxTally::RightStates(boxes_);
    const QString name = Board::Text(Controller(), QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(Controller(), QStringLiteral("ERTEKEL"),
                   SelectionRatings::QuizText(name, 10, right, SelectionRatings::CheckBoxScore(right), help_->Count()));
    Notify();
}
