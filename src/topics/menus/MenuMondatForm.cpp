#include "MenuMondatForm.h"

#include "SentenceGame.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>

QString TMenuMondatForm::Title()
{
    return QStringLiteral("Mondatösszerakósdi");
}

QString TMenuMondatForm::Info()
{
    return QStringLiteral("Rakd ki a menüből a következő mondatokat! A mondatok első szavát a menüben "
                          "találod, a többit az almenükben és azok almenüiben. Számít a gyorsaság is! "
                          "Előbb nézd át a menüt, aztán kezdd a START gombbal!");
}

TMenuMondatForm::TMenuMondatForm(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuMondatForm"), Title(), QSize(521, 494))
{
    img_ = TopPicture(241);
    txtInfo_ = Text(QRect(16, 250, 481, 172), Qt::AlignHCenter | Qt::AlignTop);
    txtInfo_->setText(Info());
    PlaceNext(QPoint(216, 408));
    TMenu* menu = NewMenu();
    SentenceGame::BuildWordsMenu(*menu);
    menu->OnChoose = [this](TMenuItem& item) { Choose(item); };
}

void TMenuMondatForm::Begin()
{
    // A game counts from its START only: activating the window again changes nothing.
    index_ = 0;
    errors_ = 0;
    Advance();
}

void TMenuMondatForm::Choose(TMenuItem& item)
{
    if (index_ < 1 || index_ > SentenceGame::Sentences || item.HasSubmenu())
        return;
    if (SentenceGame::Matches(SentenceGame::SentenceOf(item), target_))
        Advance();
    else
        ++errors_;
}

void TMenuMondatForm::Advance()
{
    ++index_;
    if (index_ <= SentenceGame::Sentences) {
        target_ = SentenceGame::Target(index_);
        txtInfo_->setText(target_);
        return;
    }
    Menu()->Root().FindByTag(SentenceGame::WordsTag)->Enabled = false;
    if (OnGameOver)
        OnGameOver(errors_);
    txtInfo_->setText(QStringLiteral("Jól van. A TOVÁBB gombbal az értékelő oldalra léphetsz."));
    btnTovabb()->setVisible(true);
}
