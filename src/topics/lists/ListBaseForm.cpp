#include "ListBaseForm.h"

#include "framework/BackAreas.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QLabel>

TListBaseForm::TListBaseForm(const QString& pageName, const QString& background, int nextTop) : TBaseForm(pageName)
{
    LoadBackground(QStringLiteral("Lista\\") + background + QStringLiteral(".jpg"));
    lbText_ = Controls::Label(this, QRect(40, 20, 944, 200), QString(), PixelFont(QStringLiteral("Arial"), 24),
                              TextColour, Qt::AlignLeft | Qt::AlignTop, true);
    btnNext_ = Button(QRect(384, nextTop, 105, 25), QStringLiteral("Tovább"), 16);
    btnNext_->setEnabled(false);
    btnNext_->OnClick = [this] { btnNextClick(); };
    imgToMain_ = AddBackArea(BackAreas::Usual);
}

void TListBaseForm::SetInstruction(const QString& text, int pixels, const QRect& area)
{
    lbText_->setGeometry(area);
    lbText_->setFont(PixelFont(QStringLiteral("Arial"), pixels));
    lbText_->setText(text);
}

TPushButton* TListBaseForm::Button(const QRect& geometry, const QString& caption, int pixels, bool bold)
{
    auto* button = new TPushButton(this, geometry, caption);
    button->setFont(PixelFont(QStringLiteral("Arial"), pixels, bold));
    return button;
}

QLabel* TListBaseForm::Heading(const QWidget& control, const QString& text)
{
    const QRect over(control.x() - 20, control.y() - 28, control.width() + 40, 24);
    return Controls::Label(this, over, text, PixelFont(QStringLiteral("Arial"), 18, true), TextColour,
                           Qt::AlignHCenter | Qt::AlignBottom);
}

void TListBaseForm::btnNextClick()
{
    Notify();
}

void TListBaseForm::Notify()
{
    NotifyModule();
}
