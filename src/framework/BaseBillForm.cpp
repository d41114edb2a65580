#include "BaseBillForm.h"

#include "Image.h"
#include "shell/Board.h"
#include "shell/IModule.h"

TBaseBillForm::TBaseBillForm(const QString& pageName) : TBaseForm(pageName)
{
    vissza_ = new TImage(this, QRect(892, 644, 100, 55));
    vissza_->setCursor(Qt::PointingHandCursor);
    vissza_->OnClick = [this] { visszaClick(); };
}

void TBaseBillForm::visszaClick()
{
    ReturnToMain();
}
