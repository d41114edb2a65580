#include "JelChkBox2Form.h"

#include "framework/BackAreas.h"
#include "CheckBoxTally.h"
#include "framework/CheckBox.h"
#include "framework/ClipPlayer.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <QGroupBox>
#include <QLabel>

namespace {
const QString Instruction = QStringLiteral(
    "A gép olyan kérdést is feltehet, amire többféle helyes válasz adható. Ilyenkor használjuk a "
    "jelölőnégyzeteket. Ezeknél akár az összes is bejelölhető. A Tabulátorral és a nyilakkal a rádiógombok és a "
    "jelölőnégyzetek között is ugrálhatsz. A bejelöléshez a Szóköz (szpész) billentyűt is használhatod.");
const QString Rule = QStringLiteral("Jelöld be azt az öt dolgot, amelyet a két oldalsó képen látsz!");

struct TItem {
    const char* caption;
    int tag;
};
const TItem Left[] = {{"focilabda", 0}, {"egér alátéttel", 1}, {"videokamera", 0}, {"cserepes virág", 1},
                      {"derékszíj", 0}};
const TItem Right[] = {{"fényképezőgép", 1}, {"almafa", 0}, {"kosárlabda", 1}, {"zöld körte", 0}, {"alma", 1}};
} // namespace

TJelChkBox2Form::TJelChkBox2Form()
    : TJelBaseForm(QStringLiteral("JelChkBox2Form"), QStringLiteral("jelolesek\\JelChkBox2Form.jpg"),
                   BackAreas::SelectionLessons)
{
    TextLabel(QRect(60, 44, 900, 100), Instruction, 20)->setObjectName(QStringLiteral("rdBtnText"));
    // Which five are right is shown by the pictures beside the clip; the page says so.
    QLabel* rule = TextLabel(QRect(60, 146, 900, 28), Rule, 20);
    rule->setFont(PixelFont(QStringLiteral("Arial"), 20, true));
    animate1_ = new TClipPlayer(this);
    animate1_->setGeometry(352, 180, 320, 240);
    animate1_->Open(AviPath(QStringLiteral("jelolesek\\radiogomb_ket_fele.avi")));

    const QFont font = PixelFont(QStringLiteral("Arial"), 18);
    const auto group = [&](int left, const TItem (&items)[5]) {
        auto* box = new QGroupBox(this);
        box->setGeometry(left, 440, 300, 200);
        for (int i = 0; i < 5; ++i) {
            auto* check = new TCheckBox(box, QRect(12, 12 + 36 * i, 280, 30), QString::fromUtf8(items[i].caption),
                                        items[i].tag);
            check->setFont(font);
            check->OnClick = [this, check] { BoxClick(*check); };
            boxes_.push_back(check);
        }
    };
    group(120, Left);
    group(600, Right);
    btnFinish_ = Button(QRect(450, 660, 121, 33), QStringLiteral("Tovább"), false);
    btnFinish_->OnClick = [this] { Notify(); };
}

void TJelChkBox2Form::ShowPage()
{
    TJelBaseForm::ShowPage();
    right_ = CheckBoxTally::RightStates(boxes_);
    btnFinish_->setEnabled(right_ == 10);
    animate1_->PlayAll(0);
}

void TJelChkBox2Form::BoxClick(const TCheckBox& box)
{
    if (CheckBoxTally::InRightState(box))
        ++right_;
    else if (right_ > 0)
        --right_;
    btnFinish_->setEnabled(right_ == 10);
}
