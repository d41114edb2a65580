#include "WndBaseForm.h"

#include "framework/BackAreas.h"
#include "framework/Image.h"
#include "framework/WindowGroup.h"

TWndBaseForm::TWndBaseForm(const QString& pageName) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("ablakok\\windows.jpg"));
    imgToMain_ = AddBackArea(BackAreas::Usual);
}

TWindowGroup& TWndBaseForm::Windows() const
{
    return TWindowGroup::Of(const_cast<TWndBaseForm*>(this));
}

