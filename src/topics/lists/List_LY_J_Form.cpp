#include "List_LY_J_Form.h"

#include "ListsRoad.h"
#include "framework/ClipPlayer.h"
#include "framework/Controls.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "shell/Board.h"

#include <QLabel>

namespace {

const QStringList JBirds = {QStringLiteral("Papagáj"), QStringLiteral("Fürj"), QStringLiteral("Héja"),
                            QStringLiteral("Varjú")};

// Below the lists; the Ctrl pass shows its keyboard picture above them.
const QRect TextArea(40, 532, 824, 106);

} // namespace

QString TList_LY_J_Form::ShiftText()
{
    return QStringLiteral(
        "Egyszerre több elemet is kijelölhetsz és cipelhetsz. Szomszédos elemek kijelölése: kattints az első j-s "
        "madárra, azután a SHIFT + le nyílbillentyűvel a többi j-sre! Ezután a kijelölt elemeket húzd át egérrel a "
        "helyükre!");
}

QString TList_LY_J_Form::CtrlText()
{
    return QStringLiteral(
        "NEM szomszédos elemek kijelölése: Ehhez egy új segédbillentyű kell. A képen pirossal jelöltük a Ctrl "
        "billentyűt. Tartsd lenyomva, és közben kattints az összes j-s madárra! Ha rossz madárra kattintottál, "
        "kattints rá még egyszer! Ne engedd el a Ctrl billentyűt, és húzd át egérrel a kijelölt elemeket a másik "
        "listadobozba!");
}

QStringList TList_LY_J_Form::Birds()
{
    return {QStringLiteral("Fogoly"), QStringLiteral("Bagoly"),  QStringLiteral("Karvaly"), QStringLiteral("Ölyv"),
            QStringLiteral("Gólya"),  QStringLiteral("Sólyom"),  QStringLiteral("Papagáj"), QStringLiteral("Fürj"),
            QStringLiteral("Héja"),   QStringLiteral("Varjú")};
}

TList_LY_J_Form::TList_LY_J_Form() : TListBaseForm(QStringLiteral("List_LY_J_Form"), QStringLiteral("List_LY_J_Form"))
{
    SetInstruction(ShiftText(), 21, TextArea);
    // All ten birds fit the box without scrolling.
    const QFont font = PixelFont(QStringLiteral("Arial"), 16);
    lbLY_ = new TDragListBox(this, QRect(80, 256, 153, 202), Birds());
    lbLY_->setObjectName(QStringLiteral("lbLY"));
    lbLY_->SetMultiSelect(true);
    lbLY_->SetDragMode(true);
    lbLY_->setFont(font);
    lbLY_->OnMouseDown = [this](Qt::MouseButton) { lbFigyelmeztet_->hide(); };
    lbJ_ = new TDragListBox(this, QRect(616, 256, 153, 202));
    lbJ_->setObjectName(QStringLiteral("lbJ"));
    lbJ_->setFont(font);
    lbJ_->AcceptFrom(QStringLiteral("lbLY"));
    lbJ_->OnDragDrop = [this](TDragListBox&) { lbJDragDrop(); };
    imgBill_ = new TImage(this, QRect(225, 110, 425, 67));
    imgBill_->hide();
    anim_ = new TClipPlayer(this);
    anim_->setGeometry(315, 200, 240, 320);
    lbFigyelmeztet_ = Controls::Label(this, QRect(796, 316, 208, 172), Warning, PixelFont(QStringLiteral("Arial"), 20),
                                      QColor(0, 128, 0), Qt::AlignLeft | Qt::AlignTop, true);
    lbFigyelmeztet_->hide();
}

void TList_LY_J_Form::ShowPage()
{
    TListBaseForm::ShowPage();
    step_ = Board::Text(Controller(), QStringLiteral("STEP")).value_or(QString());
    Controller().RemoveValue(QStringLiteral("STEP"));
    anim_->Open(AviPath(QStringLiteral("Lista\\List_LY_J_Form.avi")));
    if (step_ == ListsRoad::Shift)
        saved_ = lbLY_->Items();
    if (step_ == ListsRoad::Ctrl) {
        anim_->Seek(1);
        imgBill_->SetPng(LoadPng(QStringLiteral("Lista\\List_LY_J_Form_billentyuzet.png")));
        imgBill_->show();
        SetInstruction(CtrlText(), 19, TextArea);
    }
    anim_->PlayAll(0);
}

void TList_LY_J_Form::PrepareNextPass()
{
    anim_->Stop();
    lbJ_->clear();
    lbLY_->SetItems(saved_);
    lbLY_->SetSorted(true);
    lbFigyelmeztet_->hide();
    btnNext()->setEnabled(false);
}

void TList_LY_J_Form::btnNextClick()
{
    Board::PutText(Controller(), QStringLiteral("STEP_READY"), step_);
    Notify();
}

void TList_LY_J_Form::lbJDragDrop()
{
    const QStringList selected = lbLY_->SelectedItems();
    bool right = selected.size() == JBirds.size();
    for (const QString& bird : selected)
        right = right && JBirds.contains(bird);
    if (!right) {
        lbFigyelmeztet_->show();
        lbLY_->clearSelection();
        return;
    }
    for (const QString& bird : selected)
        lbJ_->Add(bird);
    lbLY_->DeleteSelected();
    btnNext()->setEnabled(true);
}
