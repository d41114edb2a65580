#include "WndBaseForm.h"

#include "framework/Image.h"
#include "framework/WindowGroup.h"

TWndBaseForm::TWndBaseForm(const QString& pageName) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("ablakok\\windows.jpg"));
    imgToMain_ = new TImage(this, QRect(896, 648, 97, 49));
    imgToMain_->setCursor(Qt::PointingHandCursor);
    imgToMain_->OnClick = [this] { ReturnToMain(); };
}

TWindowGroup& TWndBaseForm::Windows() const
{
    return TWindowGroup::Of(const_cast<TWndBaseForm*>(this));
}

