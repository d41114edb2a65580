#include "JelBaseForm.h"

#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QLabel>

TJelBaseForm::TJelBaseForm(const QString& pageName, const QString& background, const QRect& backArea)
    : TBaseForm(pageName)
{
    UseTabStops();
    LoadBackground(background);
    image1_ = AddBackArea(backArea, [this] { Image1Click(); });
}

void TJelBaseForm::Notify()
{
    NotifyModule();
}

void TJelBaseForm::Image1Click()
{
    ReturnToMain();
}

QLabel* TJelBaseForm::TextLabel(const QRect& geometry, const QString& text, int pixels)
{
    return Controls::Label(this, geometry, text, PixelFont(QStringLiteral("Arial"), pixels), Blue,
                           Qt::AlignLeft | Qt::AlignTop, true);
}

TPushButton* TJelBaseForm::Button(const QRect& geometry, const QString& caption, bool enabled)
{
    auto* button = new TPushButton(this, geometry, caption);
    button->setFont(PixelFont(QStringLiteral("Arial"), 18, true));
    button->setEnabled(enabled);
    return button;
}
