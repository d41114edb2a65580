#include "EgerEgerfajtakForm.h"

#include "framework/Image.h"

TEgerEgerfajtakForm::TEgerEgerfajtakForm()
    : TEgerInfoBaseForm(QStringLiteral("EgerEgerfajtakForm"), {18, 100, 100, 120, 350, 5},
                        QStringLiteral("Itt különleges (speciális) egereket látsz:<BR>    - A hordozható számítógépek "
                                       "érintőpadja<BR>    - Vezetéknélküli egér<BR>    - Hanyatt-egér, aminek a "
                                       "golyója van felül, és azt mozgatják<BR><BR>Kattints duplán a hanyatt-egérre!"))
{
    imgHanyatteger_ = Area(QRect(591, 463, 238, 163));
    imgHanyatteger_->OnDblClick = [this] { NotifyModule(); };
}
