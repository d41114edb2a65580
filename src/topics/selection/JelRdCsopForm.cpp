#include "JelRdCsopForm.h"

#include "framework/BackAreas.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"

#include <algorithm>

namespace {
const QString Instruction = QStringLiteral(
    "A rádiógombokkal kérdésekre válaszolhatunk, és be is állíthatunk valamit. A rádiógombokat csoportosíthatjuk "
    "kérdések, témák szerint is. Ilyenkor az összetartozó rádiógombokat vonallal körbekerítjük. Ezek a "
    "rádiógomb-csoportok. Jelöld be a megfelelőt!");
} // namespace

TJelRdCsopForm::TJelRdCsopForm()
    : TJelBaseForm(QStringLiteral("JelRdCsopForm"), QStringLiteral("\\jelolesek\\JelRdCsopForm.jpg"),
                   BackAreas::SelectionLessons)
{
    TextLabel(QRect(120, 60, 780, 170), Instruction, 22);
    groups_[0] = new TRadioGroup(this, QRect(120, 260, 360, 110), QStringLiteral("Nemed:"),
                                 {QStringLiteral("lány"), QStringLiteral("fiú")});
    groups_[1] = new TRadioGroup(this, QRect(520, 260, 380, 110), QStringLiteral("Osztályod:"),
                                 {QStringLiteral("elsős"), QStringLiteral("másodikos"), QStringLiteral("harmadikos"),
                                  QStringLiteral("negyedikes")},
                                 2);
    groups_[2] = new TRadioGroup(this, QRect(120, 420, 360, 110), QStringLiteral("Tanárod:"),
                                 {QStringLiteral("nő"), QStringLiteral("férfi")});
    groups_[3] = new TRadioGroup(this, QRect(520, 420, 380, 140), QStringLiteral("Egered:"),
                                 {QStringLiteral("egygombos"), QStringLiteral("kétgombos"),
                                  QStringLiteral("háromgombos")});
    for (TRadioGroup* group : groups_) {
        group->setFont(PixelFont(QStringLiteral("Arial"), 18));
        group->OnClick = [this] {
            button1_->setEnabled(std::all_of(groups_.begin(), groups_.end(),
                                             [](const TRadioGroup* g) { return g->ItemIndex() >= 0; }));
        };
    }
    button1_ = Button(QRect(450, 600, 121, 33), QStringLiteral("Tovább"), false);
    button1_->OnClick = [this] { Notify(); };
}
