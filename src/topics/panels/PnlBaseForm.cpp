#include "PnlBaseForm.h"

#include "framework/BackAreas.h"
#include "framework/Image.h"

TPnlBaseForm::TPnlBaseForm(const QString& pageName, const QString& background) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("panel\\") + background + QStringLiteral(".jpg"));
    imgToMain_ = AddBackArea(BackAreas::Usual);
}
