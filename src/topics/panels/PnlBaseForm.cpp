#include "PnlBaseForm.h"

#include "framework/Image.h"

TPnlBaseForm::TPnlBaseForm(const QString& pageName, const QString& background) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("panel\\") + background + QStringLiteral(".jpg"));
    imgToMain_ = new TImage(this, QRect(896, 648, 97, 49));
    imgToMain_->setCursor(Qt::PointingHandCursor);
    imgToMain_->OnClick = [this] { ReturnToMain(); };
}
