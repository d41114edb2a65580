#include "EgerSzabalyokForm.h"

#include "framework/Image.h"

TEgerSzabalyokForm::TEgerSzabalyokForm()
    : TEgerInfoBaseForm(QStringLiteral("EgerSzabalyokForm"), {16, 140, 140, 90, 250, 5},
                        QStringLiteral("A golyós egerekhez alátétet, azaz egérpadot használnak.<BR>Az egérpad sima "
                                       "felületén a golyó jól gördül, és kevésbé piszkolódik.<BR>Az optikai egérnek "
                                       "egyszínű, sima felület kell, mert csak így követi pontosan a kezed mozgását.<BR>A golyós egér "
                                       "golyóját időnként ki kell venni, és meg kell tisztítani.<BR>Mindig moss kezet, "
                                       "mielőtt leülsz a számítógép elé!<BR>Tovább: duplakattintás a képre!"))
{
    image1_ = Area(QRect(295, 340, 395, 302));
    image1_->OnDblClick = [this] { NotifyModule(); };
}
