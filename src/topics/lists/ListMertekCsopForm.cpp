#include "ListMertekCsopForm.h"

#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"

namespace {
// The three lists accept each other's items, and their own.
constexpr int UnitsTag = 1;

bool AllOf(const TDragListBox& box, const QStringList& allowed)
{
    for (const QString& item : box.Items())
        if (!allowed.contains(item))
            return false;
    return true;
}
} // namespace

QString TListMertekCsopForm::Instruction()
{
    return QStringLiteral("A listadobozok elemei összekeveredtek. A kijelölt elemeket a nyílgombokkal vagy "
                          "az egérrel húzhatod a helyükre. Emlékezz, hogy mit tanultál a \"Fogd és vidd!\" "
                          "módszerről!");
}

std::array<QStringList, 3> TListMertekCsopForm::MixedUnits()
{
    return {QStringList{QStringLiteral("Óra"), QStringLiteral("Kilogramm"), QStringLiteral("Centiméter")},
            QStringList{QStringLiteral("Méter"), QStringLiteral("Másodperc"), QStringLiteral("Dekagramm")},
            QStringList{QStringLiteral("Perc"), QStringLiteral("Deciméter"), QStringLiteral("Gramm")}};
}

QString TListMertekCsopForm::RightCaption()
{
    return QStringLiteral("Jobbra másol ->");
}

QString TListMertekCsopForm::LeftCaption()
{
    return QStringLiteral("<- Balra másol");
}

TListMertekCsopForm::TListMertekCsopForm()
    : TListBaseForm(QStringLiteral("ListMertekCsopForm"), QStringLiteral("ListMertekCsopForm"))
{
    SetInstruction(Instruction(), 24, QRect(40, 40, 944, 172));
    const QFont font = PixelFont(QStringLiteral("Arial"), 18);
    const std::array<QStringList, 3> mixed = MixedUnits();
    lbHossz_ = new TDragListBox(this, QRect(80, 320, 153, 114), mixed[0]);
    lbTomeg_ = new TDragListBox(this, QRect(352, 320, 153, 114), mixed[1]);
    lbIdo_ = new TDragListBox(this, QRect(656, 320, 153, 114), mixed[2]);
    lbHossz_->setObjectName(QStringLiteral("lbHossz"));
    lbTomeg_->setObjectName(QStringLiteral("lbTomeg"));
    lbIdo_->setObjectName(QStringLiteral("lbIdo"));
    for (TDragListBox* box : {lbHossz_, lbTomeg_, lbIdo_}) {
        box->setFont(font);
        box->SetDragMode(true);
        box->SetTag(UnitsTag);
        box->AcceptFromTag(UnitsTag);
        box->OnDragDrop = [this, box](TDragListBox& source) {
            Move(source, *box);
        };
    }
    // As wide as the gap between the lists allows, in the largest font whose captions fit.
    btnJobbra_ = Button(QRect(240, 336, 105, 30), RightCaption(), 13, false);
    btnBalra_ = Button(QRect(240, 384, 105, 30), LeftCaption(), 13, false);
    btnJobbra_->setEnabled(false);
    btnBalra_->setEnabled(false);
    lbHossz_->OnSelectionChange = [this] { btnJobbra_->setEnabled(lbHossz_->SelectedCount() > 0); };
    lbTomeg_->OnSelectionChange = [this] { btnBalra_->setEnabled(lbTomeg_->SelectedCount() > 0); };
    btnJobbra_->OnClick = [this] { Move(*lbHossz_, *lbTomeg_); };
    btnBalra_->OnClick = [this] { Move(*lbTomeg_, *lbHossz_); };
}

void TListMertekCsopForm::Move(TDragListBox& from, TDragListBox& to)
{
    const QList<int> rows = from.SelectedRows();
    if (rows.isEmpty())
        return;
    const QString item = from.item(rows.first())->text();
    from.Delete(rows.first());
    to.Add(item);
    Check();
}

void TListMertekCsopForm::Check()
{
    btnNext()->setEnabled(AllOf(*lbIdo_, {QStringLiteral("Perc"), QStringLiteral("Másodperc"), QStringLiteral("Óra")})
                          && AllOf(*lbTomeg_, {QStringLiteral("Kilogramm"), QStringLiteral("Dekagramm"),
                                               QStringLiteral("Gramm")})
                          && AllOf(*lbHossz_, {QStringLiteral("Méter"), QStringLiteral("Centiméter"),
                                               QStringLiteral("Deciméter")}));
}
