#include "BaseBillForm.h"

#include "BackAreas.h"
#include "Image.h"
#include "shell/Board.h"
#include "shell/IModule.h"

TBaseBillForm::TBaseBillForm(const QString& pageName) : TBaseForm(pageName)
{
    vissza_ = AddBackArea(BackAreas::Keyboard);
}
