#include "PnlFulesPanelForm.h"

#include "MessagePanel.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"

#include <QLabel>
#include <QTabWidget>

QString TPnlFulesPanelForm::PanelTitle()
{
    return QStringLiteral("Többlapos panel");
}

TPnlFulesPanelForm::TPnlFulesPanelForm()
    : TPnlBaseForm(QStringLiteral("PnlFulesPanelForm"), QStringLiteral("PnlAutosForm"))
{
    pnlOK_ = new TMessagePanel(this, QRect(216, 210, 545, 439), PanelTitle());
    pageControl_ = new QTabWidget(pnlOK_);
    pageControl_->setGeometry(56, 48, 433, 313);
    pageControl_->setFont(PixelFont(QStringLiteral("Arial"), 14));
    const QString lemezke = QStringLiteral("lemezke");
    const std::pair<QString, QString> pages[] = {
        {QStringLiteral("odon"), QStringLiteral("A fülek olyanok, mint a könyvjelzők.")},
        {QStringLiteral("nora"), QStringLiteral("Minden fülhöz tartozik egy lap.")},
        {QStringLiteral("tivadar"), QStringLiteral("A fülek is kaphatnak keretvonalat a Tabulátor billentyűvel.")},
        {QStringLiteral("nyilacska"), QStringLiteral("A fülek között nyílbillentyűkkel is válthatsz. Próbáld ki!")},
        {lemezke, QStringLiteral("Mégsem gomb - A régebbi beállítások maradnak. \nA panel eltűnik. \n\nA panel záró X "
                                 "gombja - A régebbi beállítások maradnak. A panel eltűnik.")},
        {lemezke, QStringLiteral("Alkalmaz gomb = Alkalmazod az új beállításokat, a panel viszont nem tűnik el.\n\nOK "
                                 "gomb = Véglegesen elfogadtatod a géppel a beállításokat. A panel eltűnik.\n")},
    };
    int number = 1;
    for (const auto& [picture, text] : pages) {
        auto* page = new QWidget;
        auto* image = new TImage(page, QRect(120, 24, 174, 124));
        image->SetPng(LoadPng(QStringLiteral("panel\\PnlFulesPanelForm_") + picture + QStringLiteral(".png")));
        Controls::Label(page, QRect(16, 156, 397, 120), text, PixelFont(QStringLiteral("Arial"), 15), Qt::black,
                        Qt::AlignHCenter | Qt::AlignTop, true);
        pageControl_->addTab(page, QStringLiteral("%1. fül").arg(number++));
    }
    button1_ = pnlOK_->AddOk(QPoint(232, 392));
    button1_->setEnabled(false);
    button1_->OnClick = [this] { Button1Click(); };
    pnlOK_->OnClose = [this] { pnlOK_->hide(); };
    connect(pageControl_, &QTabWidget::currentChanged, this, [this](int index) {
        visited_.insert(index);
        if (AllVisited())
            button1_->setEnabled(true);
    });
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(Tick);
    timer1_->OnTimer([this] {
        if (!pnlOK_->isVisible())
            pnlOK_->show();
    });
}

void TPnlFulesPanelForm::ShowPage()
{
    TPnlBaseForm::ShowPage();
    timer1_->SetEnabled(true);
}

void TPnlFulesPanelForm::Button1Click()
{
    if (AllVisited())
        Notify();
    else
        pnlOK_->hide();
}
