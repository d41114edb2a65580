#include "DuplaKattForm.h"

#include "MyAnim.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"

namespace {
struct TCharacterRow {
    int left;
    const char* clip;
};
const TCharacterRow Characters[] = {
    {125, "egerezes\\dupla_kutya.avi"}, {385, "egerezes\\dupla_macska.avi"}, {646, "egerezes\\dupla_eger.avi"}};
} // namespace

TDuplaKattForm::TDuplaKattForm() : TBaseBlueForm(QStringLiteral("DuplaKattForm")), timer1_(this)
{
    LoadBackground(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral(".jpg"));
    kattAnim_ = new TClipPlayer(this);
    kattAnim_->setGeometry(385, 307, 230, 160);
    timer1_.SetInterval(2500);
    timer1_.OnTimer([this] { kattAnim_->PlayAll(1); });
}

TDuplaKattForm::~TDuplaKattForm() = default;

QString TDuplaKattForm::Instruction()
{
    return QStringLiteral(
        "Biztosan remekül megy már a bal- és jobbkattintás,<BR>de létezik olyan is, hogy DUPLAKATTINTÁS!<BR>Kettőt "
        "csak ballal szokás klikkelni.<BR>Fontos, hogy a két kattintás közt ne várj, hanem minél gyorsabban klikkelj "
        "kettőt,<BR>az egeret pedig ne mozgasd el! Gyakorolj Nyilacskán, Tárolkán és Lemezkén!<BR>Ha úgy érzed, hogy "
        "már jól megy, akkor kattints jobb gombbal Nyilacskán!");
}

void TDuplaKattForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    ShowToMenu();
    for (std::size_t n = 0; n < characters_.size(); ++n) {
        delete characters_[n];
        auto* character = new TMyAnim(this, Characters[n].left);
        character->Open(AviPath(QString::fromUtf8(Characters[n].clip)));
        character->OnDblClick = [character] { character->PlayAll(1); };
        character->show();
        characters_[n] = character;
    }
    characters_[2]->OnMouseDown = [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            NotifyModule();
    };
    kattAnim_->Open(AviPath(QStringLiteral("egerezes\\dupla_kattint.avi")));
    timer1_.SetEnabled(true);

    TTextImgWriter& writer = *Writer();
    writer.SetFont(PointFont(QStringLiteral("Arial"), 15), QColor(0, 0, 255));
    writer.SetMargins(140, 120, 85, 500);
    writer.SetImage(hatter());
    writer.SetText(Instruction());
    writer.WriteText();
}

void TDuplaKattForm::ClosePage()
{
    timer1_.SetEnabled(false);
    TBaseBlueForm::ClosePage();
}

void TDuplaKattForm::FormKeyDown(int&, Qt::KeyboardModifiers) {}
