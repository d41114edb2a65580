#include "OsszefoglPanelFrmForm.h"

#include "framework/CheckBox.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

namespace {

struct TCast {
    const char* caption;
    const char* picture;
    const char* check;
    const char* statement;
};

const TCast Cast[TOsszefoglPanelFrmForm::Tabs] = {
    {"Kábel Ödön", "Panel\\PnlFulesPanelForm_odon.png", "chkOdon", ""},
    {"Digit Nóra", "panel\\PnlFulesPanelForm_nora.png", "chkNora",
     "Nyolctól tízig a nagymamámnak segítettünk takarítani a barátnőmmel."},
    {"Pixeles Tivadar", "panel\\PnlFulesPanelForm_tivadar.png", "chkTivadar",
     "Kilenctől tizenegyig fociedzésen voltam."},
    {"Lemezke", "panel\\PnlFulesPanelForm_lemezke.png", "chkLemez", "Kilenctől tízig kutyaiskolában voltam."},
    {"Tárolka", "osszefoglal\\tarolka.png", "chkTarolka", "Tízig aludtam. Lemezke keltett fel, amikor megjött."},
    {"Nyilacska", "panel\\PnlFulesPanelForm_nyilacska.png", "chkNyilacska",
     "Kilenctől tízig néztem a kedvenc sorozatomat. Űregér a címe, a 12. részt láttam"},
};

// Ödön's story, its question centred on a line of its own.
QString OdonsStory()
{
    return QStringLiteral("Ma mindenkinek makarónit szerettem volna készíteni. Délelőtt megvásároltam a "
                          "hozzávalókat, kilenc és tíz óra között dolgozatokat javítottam, aztán benéztem a hűtőbe. "
                          "Valaki megette a sajtot és a húst! Fuccs a makaróninak! "
                          "<div align=\"center\">Vajon ki a tettes? Olvasd el, hogy ki mit mond!</div>");
}

QFrame* RaisedPanel(QWidget* parent, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    panel->setAutoFillBackground(true);
    panel->setVisible(false);
    return panel;
}

} // namespace

TOsszefoglPanelFrmForm::TOsszefoglPanelFrmForm(QWidget* host)
    : TPracticeWindow(host, QStringLiteral("OsszefoglPanelFrmForm"), QStringLiteral("Nyomozás"))
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = AllowClose = false;
    SetBorder(TWindowFrame::TBorder::Dialog);
    SetBorderIcons({true, false, false});
    SetStayOnTop(true);
    SetClientSize(QSize(597, 471));
    QWidget* client = Client();
    const QFont statementFont = PixelFont(QStringLiteral("Arial"), 16);

    nyomozas_ = new QTabWidget(client);
    nyomozas_->setGeometry(8, 8, 581, 419);
    // A click on a caption gives the keys to the captions, as on the desktop.
    nyomozas_->tabBar()->setFocusPolicy(Qt::StrongFocus);
    for (int number = 1; number <= Tabs; ++number) {
        const TCast& cast = Cast[number - 1];
        auto* tab = new QWidget;
        pictures_[number - 1] = new TImage(tab, QRect(200, 24, 174, 124));
        pictures_[number - 1]->SetPng(LoadPng(QString::fromUtf8(cast.picture)));
        // As tall as the tab allows above Ödön's "YES".
        statements_[number - 1] = Controls::Label(tab, QRect(72, 176, 433, 168), QString::fromUtf8(cast.statement),
                                                  statementFont, Qt::black, Qt::AlignLeft | Qt::AlignTop, true);
        statements_[number - 1]->setTextFormat(Qt::PlainText);
        nyomozas_->addTab(tab, QString::fromUtf8(cast.caption));
        tabs_[number - 1] = tab;
    }
    statements_[0]->setTextFormat(Qt::RichText);
    statements_[0]->setText(OdonsStory());
    btnOdonYes_ = new TPushButton(tabs_[0], QRect(248, 352, 75, 25), QStringLiteral("YES"));
    btnOdonYes_->setVisible(false);

    okBtn_ = new TPushButton(client, QRect(306, 438, 89, 25), QStringLiteral("OK"));
    applyBtn_ = new TPushButton(client, QRect(403, 438, 89, 25), QStringLiteral("ALKALMAZ"));
    cancelBtn_ = new TPushButton(client, QRect(500, 438, 89, 25), QStringLiteral("MÉGSEM"));
    for (TPushButton* button : {okBtn_, applyBtn_, cancelBtn_})
        button->setEnabled(false);

    // Over the tabs' lower part, below the statements, centred as the pictures are.
    pnlBtn_ = RaisedPanel(client, QRect(200, 320, 198, 41));
    btnIgaz_ = new TPushButton(pnlBtn_, QRect(16, 8, 75, 25), QStringLiteral("IGAZ"));
    btnHamis_ = new TPushButton(pnlBtn_, QRect(107, 8, 75, 25), QStringLiteral("HAMIS"));

    pnlChkBox_ = RaisedPanel(client, QRect(64, 280, 465, 129));
    for (int number = 1; number <= Tabs; ++number) {
        const int column = (number - 1) / 3;
        const int row = (number - 1) % 3;
        auto* check = new TCheckBox(pnlChkBox_, QRect(32 + column * 232, 16 + row * 34, 200, 26),
                                    QString::fromUtf8(Cast[number - 1].caption), number);
        check->setObjectName(QString::fromLatin1(Cast[number - 1].check));
        check->setFont(statementFont);
        checks_[number - 1] = check;
    }
}

int TOsszefoglPanelFrmForm::CurrentTab() const
{
    return nyomozas_->currentIndex() + 1;
}

void TOsszefoglPanelFrmForm::SetTabShown(int number, bool shown)
{
    // Qt 6.4's arrows, Ctrl+Tab and wheel skip only disabled tabs, hidden ones they still open.
    nyomozas_->setTabEnabled(number - 1, shown);
    nyomozas_->setTabVisible(number - 1, shown);
}

bool TOsszefoglPanelFrmForm::TabShown(int number) const
{
    return nyomozas_->isTabVisible(number - 1);
}

void TOsszefoglPanelFrmForm::ShowOnlyFirstTab()
{
    nyomozas_->setCurrentIndex(0);
    for (int number = 2; number <= Tabs; ++number)
        SetTabShown(number, false);
}

void TOsszefoglPanelFrmForm::FocusTabs()
{
    nyomozas_->tabBar()->setFocus(Qt::OtherFocusReason);
}
