#include "EgerSzinezoInfoForm.h"

#include "framework/Image.h"
#include "shell/Board.h"

TEgerSzinezoInfoForm::TEgerSzinezoInfoForm()
    : TEgerInfoBaseForm(QStringLiteral("EgerSzinezoInfoForm"), {18, 100, 130, 100, 0, 5},
                        QStringLiteral("Az egérrel nemcsak képeket tudsz megfogni.<BR>Lehet vonszolni olyan dolgokat "
                                       "is, amiket cipelés közben nem látsz!<BR>A képernyőn sok mindent elvihetsz, de "
                                       "közben figyeld az egérkurzort:<BR>ha a nyíl mellett egy kis lap látszik, "
                                       "viheted; ha áthúzott kört látsz, ott ne engedd el!<BR>Most színeket "
                                       "foghatsz meg az egérrel.<BR>A lányok ruhát festhetnek, a fiúk pedig egy "
                                       "sportkocsit.<BR>Kattintással válassz!"))
{
    imgTivadar_ = Area(QRect(105, 455, 187, 187));
    imgTivadar_->setToolTip(QStringLiteral("Autószínezés"));
    imgTivadar_->OnClick = [this] { Choose(QStringLiteral("AUTO")); };
    imgNora_ = Area(QRect(554, 467, 255, 174));
    imgNora_->setToolTip(QStringLiteral("Ruhaszinezés"));
    imgNora_->OnClick = [this] { Choose(QStringLiteral("RUHA")); };
}

void TEgerSzinezoInfoForm::Choose(const QString& task)
{
    Board::PutText(Controller(), QStringLiteral("ACTION"), task);
    NotifyModule();
}
