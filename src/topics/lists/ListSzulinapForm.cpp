#include "ListSzulinapForm.h"

#include "framework/ClipPlayer.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/Services.h"
#include "platform/TimeSource.h"

QString TListSzulinapForm::Instruction()
{
    return QStringLiteral("Sok listadoboznak állandó tartalma van, amin nem változtathatsz. Nem is kell, "
                          "mert nincs értelme. Például a hét napjainak és a hónapoknak a neve soha nem "
                          "változik. Állítsd be, hogy mikor születtél!");
}

QStringList TListSzulinapForm::YearItems(int thisYear)
{
    QStringList years;
    for (int i = 0; i < Years; ++i)
        years << QString::number(thisYear + YearsAhead - i);
    return years;
}

QStringList TListSzulinapForm::Months()
{
    return {QStringLiteral("január"),     QStringLiteral("február"), QStringLiteral("március"),
            QStringLiteral("április"),    QStringLiteral("május"),   QStringLiteral("június"),
            QStringLiteral("július"),     QStringLiteral("augusztus"),
            QStringLiteral("szeptember"), QStringLiteral("október"), QStringLiteral("november"),
            QStringLiteral("december")};
}

QStringList TListSzulinapForm::Days()
{
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    return days;
}

TListSzulinapForm::TListSzulinapForm()
    : TListBaseForm(QStringLiteral("ListSzulinapForm"), QStringLiteral("ListKajakForm"))
{
    SetInstruction(Instruction(), 24, QRect(40, 40, 944, 118));
    const QFont font = PixelFont(QStringLiteral("Arial"), 18);
    lbEv_ = new TDragListBox(this, QRect(372, 248, 100, 180));
    lbHonap_ = new TDragListBox(this, QRect(492, 248, 140, 180), Months());
    lbNap_ = new TDragListBox(this, QRect(652, 248, 90, 180), Days());
    Heading(*lbEv_, QStringLiteral("Év"));
    Heading(*lbHonap_, QStringLiteral("Hónap"));
    Heading(*lbNap_, QStringLiteral("Nap"));
    for (TDragListBox* box : {lbEv_, lbHonap_, lbNap_}) {
        box->setFont(font);
        box->OnSelectionChange = [this] { Check(); };
    }
    animate1_ = new TClipPlayer(this);
    animate1_->setGeometry(80, 170, 240, 320);
}

void TListSzulinapForm::ShowPage()
{
    TListBaseForm::ShowPage();
    lbEv_->SetItems(YearItems(Services::Time().Today().year()));
    // The list starts three years ahead; a schoolchild's birth years are further down, so the
    // list opens there, six years back, with nothing chosen yet.
    lbEv_->scrollToItem(lbEv_->item(YearsAhead + 6), QAbstractItemView::PositionAtTop);
    Check();
    animate1_->Open(AviPath(QStringLiteral("Lista\\ListSzulinapForm.avi")));
    animate1_->PlayAll(0);
}

void TListSzulinapForm::Check()
{
    btnNext()->setEnabled(lbEv_->SelectedCount() > 0 && lbHonap_->SelectedCount() > 0
                          && lbNap_->SelectedCount() > 0);
}
