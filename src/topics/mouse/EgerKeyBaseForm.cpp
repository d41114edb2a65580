#include "EgerKeyBaseForm.h"

#include "MouseText.h"
#include "framework/Image.h"
#include "shell/IModule.h"

#include <QLabel>

TEgerKeyBaseForm::TEgerKeyBaseForm(const QString& pageName, const QRect& keyPlace, const QRect& hintPlace,
                                   const QString& hint, int key)
    : TBaseBillForm(pageName), virtualKey_(key)
{
    key_ = new TImage(this, keyPlace);
    key_->setCursor(Qt::PointingHandCursor);
    key_->OnClick = [this] { NotifyModule(); };
    hint_ = MouseText::Hint(this, hintPlace, hint);
}

void TEgerKeyBaseForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == virtualKey_)
        NotifyModule();
}
