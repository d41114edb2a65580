#include "ListTVForm.h"

#include "framework/DropDownList.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"

namespace {

QStringList Numbers(int from, int to)
{
    QStringList numbers;
    for (int n = from; n <= to; ++n)
        numbers << QString::number(n).rightJustified(from == 0 ? 2 : 1, '0');
    return numbers;
}

} // namespace

QString TListTVForm::Instruction()
{
    return QStringLiteral("A képernyőn sokszor kell takarékoskodni a hellyel, ezért találkozhatsz a "
                          "legördíthető listákkal, amelyek kis helyet foglalnak. A lista a jobb oldalán lévő "
                          "nyílra kattintva nyílik le. A lenyitott listában a nyílbillentyűkkel vagy az "
                          "egér görgőjével mozoghatsz, a választást ENTER-rel vagy kattintással "
                          "erősítheted meg.\nKeresd ki és állítsd be Tárolka kedvenc TV-műsorát!");
}

QStringList TListTVForm::Favourite()
{
    return {QStringLiteral("MiaSat"), QStringLiteral("Kandúr Bandi kalandjai"), QStringLiteral("akciófilm"),
            QStringLiteral("szerda"), QStringLiteral("17"),                     QStringLiteral("55")};
}

TListTVForm::TListTVForm() : TListBaseForm(QStringLiteral("ListTVForm"), QStringLiteral("ListTVForm"))
{
    SetInstruction(Instruction(), 21, QRect(40, 40, 944, 120));
    const int top = 568;
    const int height = 26;
    cbAdo_ = new TDropDownList(this, QRect(72, top, 130, height),
                               {QStringLiteral("Bika TV"), QStringLiteral("CicaVízió"), QStringLiteral("Egér Klub"),
                                QStringLiteral("MiaSat"), QStringLiteral("Diszkóbuli"), QStringLiteral("Tej TV")},
                               0);
    cbMusor_ = new TDropDownList(this, QRect(214, top, 230, height),
                                 {QStringLiteral("Cica Cecil házhoz megy"), QStringLiteral("Macskahíradó"),
                                  QStringLiteral("Kandúr Bandi kalandjai"), QStringLiteral("Egérjelentés"),
                                  QStringLiteral("Kutyák és macskák"), QStringLiteral("Kandúr visszatér"),
                                  QStringLiteral("Kutyavilág")},
                                 1);
    cbMufaj_ = new TDropDownList(this, QRect(456, top, 150, height),
                                 {QStringLiteral("krimi"), QStringLiteral("vígjáték"), QStringLiteral("vetélkedő"),
                                  QStringLiteral("sport"), QStringLiteral("rajzfilm"), QStringLiteral("akciófilm"),
                                  QStringLiteral("természetfilm")},
                                 0);
    cbHNap_ = new TDropDownList(this, QRect(618, top, 130, height),
                                {QStringLiteral("hétfő"), QStringLiteral("kedd"), QStringLiteral("szerda"),
                                 QStringLiteral("csütörtök"), QStringLiteral("péntek"), QStringLiteral("szombat"),
                                 QStringLiteral("vasárnap")},
                                0);
    cbOra_ = new TDropDownList(this, QRect(760, top, 64, height), Numbers(1, 23) << QStringLiteral("00"), 0);
    cbPerc_ = new TDropDownList(this, QRect(836, top, 64, height), Numbers(0, 59), 0);
    const QFont font = PixelFont(QStringLiteral("Arial"), 17);
    Heading(*cbAdo_, QStringLiteral("Adó"));
    Heading(*cbMusor_, QStringLiteral("Műsor"));
    Heading(*cbMufaj_, QStringLiteral("Műfaj"));
    Heading(*cbHNap_, QStringLiteral("Nap"));
    Heading(*cbOra_, QStringLiteral("Óra"));
    Heading(*cbPerc_, QStringLiteral("Perc"));
    for (TDropDownList* list : {cbAdo_, cbMusor_, cbMufaj_, cbHNap_, cbOra_, cbPerc_}) {
        list->setFont(font);
        list->OnChange = [this] { Check(); };
    }
}

void TListTVForm::Check()
{
    btnNext()->setEnabled(QStringList{cbAdo_->Text(), cbMusor_->Text(), cbMufaj_->Text(), cbHNap_->Text(),
                                      cbOra_->Text(), cbPerc_->Text()}
                          == Favourite());
}
