#include "PnlMiniVizsgaForm.h"

#include "MessagePanel.h"
#include "framework/CheckBox.h"
#include "framework/Controls.h"
#include "framework/DragListBox.h"
#include "framework/DropDownList.h"
#include "framework/EditCombo.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include "platform/PageTimer.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>

namespace {
const QString Media = QStringLiteral("panel\\PnlMiniVizsgaForm_");

QFont ExamFont(int pixels = 13)
{
    return PixelFont(QStringLiteral("Arial"), pixels);
}

QLabel* Caption(QWidget* parent, const QRect& geometry, const QString& text)
{
    return Controls::Label(parent, geometry, text, ExamFont(), Qt::black);
}

// A group of check boxes, one line each, tagged in order.
void CheckGroup(QWidget* page, const QRect& geometry, const QString& title,
                const std::vector<std::pair<int, QString>>& boxes, int pixels = 13)
{
    auto* group = new QGroupBox(title, page);
    group->setGeometry(geometry);
    group->setFont(ExamFont());
    int top = 20;
    for (const auto& [tag, text] : boxes) {
        auto* box = new TCheckBox(group, QRect(12, top, geometry.width() - 20, 22), text, tag);
        box->setFont(ExamFont(pixels));
        top += 26;
    }
}

const QStringList PanelKinds{QStringLiteral("Információs panel"), QStringLiteral("Veszélyt jelző panel"),
                             QStringLiteral("Hibát jelző panel")};
} // namespace

QString TPnlMiniVizsgaForm::PanelTitle()
{
    return QStringLiteral("Többlapos párbeszédpanel");
}

QString TPnlMiniVizsgaForm::PanelsTask()
{
    return QStringLiteral("Válaszd ki a rajzoknak megfelelő panelt!");
}

TPnlMiniVizsgaForm::TPnlMiniVizsgaForm()
    : TPnlBaseForm(QStringLiteral("PnlMiniVizsgaForm"), QStringLiteral("PnlMiniVizsgaForm"))
{
    pnlVizsga_ = new TMessagePanel(this, QRect(136, 202, 649, 535), PanelTitle());
    pageControl_ = new QTabWidget(pnlVizsga_);
    pageControl_->setGeometry(16, 32, 617, 457);
    pageControl_->setFont(ExamFont(14));
    BuildKeyboard();
    BuildMouse();
    BuildButtons();
    BuildSelection();
    BuildLists();
    BuildPanels();
    connect(pageControl_, &QTabWidget::currentChanged, this, [this](int index) {
        visited_ |= 2 << index;
        btnOk_->setEnabled(visited_ == 124 || visited_ == 126);
    });
    btnOk_ = pnlVizsga_->AddOk(QPoint(280, 496));
    btnOk_->setEnabled(false);
    btnOk_->OnClick = [this] { btnOkClick(); };
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(Tick);
    timer1_->OnTimer([this] { elapsed_ += timer1_->Interval(); });
}

QWidget* TPnlMiniVizsgaForm::AddPage(const QString& caption)
{
    auto* page = new QWidget;
    pageControl_->addTab(page, caption);
    return page;
}

void TPnlMiniVizsgaForm::BuildKeyboard()
{
    QWidget* page = AddPage(QStringLiteral("Billentyűzet"));
    CheckGroup(page, QRect(16, 16, 580, 160), QStringLiteral("Az igaz állításokat pipáld ki!"),
               {{11, QStringLiteral("A Caps Lock billentyűvel számokat írhatunk.")},
                {12, QStringLiteral("A Shift billentyű segítségével nagybetűket gépelhetünk.")},
                {13, QStringLiteral("A Delete egy törlőbillentyű.")},
                {14, QStringLiteral("Az Alt Gr billentyűből kettő is van.")},
                {15, QStringLiteral("Az Esc billentyűvel gépelhetünk szóközt.")}});
}

void TPnlMiniVizsgaForm::BuildMouse()
{
    QWidget* page = AddPage(QStringLiteral("Egerezés"));
    label1_ = Controls::Label(page, QRect(128, 24, 170, 20), QStringLiteral("Kattints ide ballal "), ExamFont(14),
                              Qt::red);
    label2_ = Controls::Label(page, QRect(312, 24, 170, 20), QStringLiteral("Kattints ide jobbal "), ExamFont(14),
                              Qt::red);
    for (QLabel* label : {label1_, label2_})
        label->installEventFilter(this);
    imgLemezke1_ = new TImage(page, QRect(232, 64, 102, 186));
    imgLemezke1_->SetPng(LoadPng(QStringLiteral("panel\\PnlMiniVizsgaForm_lemezke1.png")));
    imgLemezke2_ = new TImage(page, QRect(232, 64, 102, 186));
    imgLemezke2_->SetPng(LoadPng(QStringLiteral("panel\\PnlMiniVizsgaForm_lemezke2.png")));
    imgLemezke2_->hide();
    imgLemezke1_->OnDblClick = [this] {
        doubleClick_ = true;
        imgLemezke1_->hide();
        imgLemezke1_->setEnabled(false);
        imgLemezke2_->show();
    };
    Controls::Label(page, QRect(183, 254, 200, 20), QStringLiteral("Kattints duplán Lemezkére!"), ExamFont(),
                    Qt::black, Qt::AlignHCenter | Qt::AlignTop);
    CheckGroup(page, QRect(16, 290, 580, 80), QStringLiteral("Az igaz állításokat pipáld ki!"),
               {{21, QStringLiteral("Az egérkurzor alakja többféle lehet.")},
                {22, QStringLiteral("Az egér görgőkerekével is gördítheted a listákat.")}});
}

void TPnlMiniVizsgaForm::BuildButtons()
{
    QWidget* page = AddPage(QStringLiteral("Gombok"));
    radioGroup1_ = new TRadioGroup(page, QRect(16, 8, 580, 76), QStringLiteral("Válassz!"),
                                   {QStringLiteral("A gombok között a Num Lock billentyűvel vándorolhatunk."),
                                    QStringLiteral("A gombok között a Tabulátor billentyűvel vándorolhatunk.")});
    radioGroup1_->setFont(ExamFont());
    CheckGroup(page, QRect(16, 96, 580, 104), QStringLiteral("Pipálj! A gombokhoz tartozó utasításokat"),
               {{31, QStringLiteral("az Enterrel is végrehajtathatjuk.")},
                {32, QStringLiteral("a Szóközzel is végrehajtathatjuk.")},
                {33, QStringLiteral("a rajtuk lévő szó aláhúzott első betűjével is végrehajtathatjuk.")}});
    Caption(page, QRect(16, 216, 300, 20), QStringLiteral("Kattints a Mégsem gombra!"));
    const QString captions[] = {QStringLiteral("Megszakítás"), QStringLiteral("Ismét"), QStringLiteral("Mégsem")};
    for (int tag = 1; tag <= 3; ++tag) {
        auto* button = new TPushButton(page, QRect(16 + (tag - 1) * 112, 242, 100, 25), captions[tag - 1]);
        button->SetTabStop(true);
        button->OnClick = [this, tag] { StandardClick(tag); };
        standard_[static_cast<std::size_t>(tag - 1)] = button;
    }
}

void TPnlMiniVizsgaForm::BuildSelection()
{
    QWidget* page = AddPage(QStringLiteral("Jelölések-beállítások"));
    Caption(page, QRect(16, 8, 300, 20), QStringLiteral("Állítsd be a csúszkát 70-re!"));
    for (int mark = 0; mark <= 100; mark += 10)
        Controls::Label(page, QRect(16 + 8 + mark * 284 / 100 - 12, 30, 24, 14), QString::number(mark), ExamFont(10),
                        Qt::black, Qt::AlignHCenter | Qt::AlignTop);
    trackBar1_ = new TTrackBar(page, QRect(16, 44, 300, 33), Qt::Horizontal, 0, 100, 0, 10);
    trackBar1_->setTickPosition(QSlider::TicksAbove);
    trackBar1_->setTickInterval(10);
    Caption(page, QRect(340, 8, 250, 20), QStringLiteral("Állítsd be az értéket 77-re!"));
    spinEdit1_ = new TSpinEdit(page, QRect(340, 44, 60, 22), 0, 100, 1);
    spinEdit1_->SetText(QStringLiteral("0"));
    spinEdit1_->Edit()->setMaxLength(3);
    OnControlKeyDown(spinEdit1_->Edit(), [this](int& key, Qt::KeyboardModifiers) {
        if ((key == VirtualKey::Delete || key == VirtualKey::Back) && spinEdit1_->Value() < 10) {
            spinEdit1_->SetText(QStringLiteral("0"));
            key = 0;
        }
    });
    radioGroup2_ = new TRadioGroup(page, QRect(16, 96, 580, 76), QStringLiteral("Válassz!"),
                                   {QStringLiteral("A rádiógombok közül egyszerre több is bejelölhető."),
                                    QStringLiteral("A rádiógombok közül egyszerre csak egy jelölhető be.")});
    radioGroup2_->setFont(ExamFont());
    CheckGroup(page, QRect(16, 188, 580, 80), QStringLiteral("Pipálj!"),
               {{41, QStringLiteral("A jelölőnégyzetek közül egyszerre több is bepipálható.")},
                {42, QStringLiteral("A jelölőnégyzetek közül egyszerre csak egy pipálható be.")}});
}

void TPnlMiniVizsgaForm::BuildLists()
{
    QWidget* page = AddPage(QStringLiteral("Listadobozok"));
    Caption(page, QRect(16, 6, 580, 20), QStringLiteral("A listában csak ez a három elem legyen:   citrom, banán, kiwi"));
    cbFruct_ = new TEditCombo(page, QRect(16, 28, 180, 24),
                              {QStringLiteral("alma"), QStringLiteral("banán"), QStringLiteral("málna")}, QString());
    OnControlKeyDown(cbFruct_->lineEdit(), [this](int& key, Qt::KeyboardModifiers) { FructKey(key); });
    OnControlKeyDown(cbFruct_, [this](int& key, Qt::KeyboardModifiers) { FructKey(key); });
    Caption(page, QRect(16, 62, 580, 20), QStringLiteral("Jelöld be Lemezke szülinapját: 1998. augusztus 15."));
    QStringList years, days;
    for (int year = 2010; year >= 1990; --year)
        years << QString::number(year);
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    cbEv_ = new TDropDownList(page, QRect(16, 84, 80, 24), years);
    cbHo_ = new TDropDownList(page, QRect(104, 84, 120, 24),
                              {QStringLiteral("január"), QStringLiteral("február"), QStringLiteral("március"),
                               QStringLiteral("április"), QStringLiteral("május"), QStringLiteral("június"),
                               QStringLiteral("július"), QStringLiteral("augusztus"), QStringLiteral("szeptember"),
                               QStringLiteral("október"), QStringLiteral("november"), QStringLiteral("december")});
    cbNap_ = new TDropDownList(page, QRect(232, 84, 60, 24), days);
    Controls::Label(page, QRect(16, 118, 380, 36),
                    QStringLiteral("Húzd át a tanár úr, Nóra és Tivadar nevét a másik listadobozba!"), ExamFont(),
                    Qt::black, Qt::AlignLeft | Qt::AlignTop, true);
    listBox1_ = new TDragListBox(page, QRect(16, 156, 180, 130),
                                 {QStringLiteral("Digit Nóra"), QStringLiteral("Pixeles Tivadar"), QStringLiteral("Tárolka"),
                                  QStringLiteral("Kábel Ödön"), QStringLiteral("Lemezke"), QStringLiteral("Nyilacska")});
    listBox1_->SetTag(55);
    listBox1_->SetDragMode(true);
    lbNames_ = new TDragListBox(page, QRect(212, 156, 180, 130));
    lbNames_->AcceptFromTag(55);
    lbNames_->OnDragDrop = [this](TDragListBox& source) {
        // The source keeps its names: a drop copies.
        for (const QString& name : source.SelectedItems())
            lbNames_->Add(name);
    };
    Controls::Label(page, QRect(408, 118, 190, 36), QStringLiteral("Töröld az egész listát billentyűk segítségével!"),
                    ExamFont(), Qt::black, Qt::AlignLeft | Qt::AlignTop, true);
    lbEmpty_ = new TDragListBox(page, QRect(408, 156, 180, 130),
                                {QStringLiteral("Billentyűzet"), QStringLiteral("Egerezés"), QStringLiteral("Gombok"),
                                 QStringLiteral("Jelölések-beállítások"), QStringLiteral("Listadobozok"),
                                 QStringLiteral("Panelek")});
    OnControlKeyDown(lbEmpty_, [this](int& key, Qt::KeyboardModifiers) {
        if ((key == VirtualKey::Delete || key == VirtualKey::Back) && lbEmpty_->ItemIndex() >= 0)
            lbEmpty_->Delete(lbEmpty_->ItemIndex());
    });
}

void TPnlMiniVizsgaForm::BuildPanels()
{
    QWidget* page = AddPage(QStringLiteral("Panelek"));
    Caption(page, QRect(16, 8, 580, 20), PanelsTask());
    const std::pair<const char*, TDropDownList**> rows[] = {
        {"error_dialog", &cbError_}, {"info_dialog", &cbInfo_}, {"warning_dialog", &cbWarning_}};
    int top = 40;
    for (const auto& [picture, box] : rows) {
        auto* icon = new TImage(page, QRect(16, top, 32, 32));
        icon->SetPng(LoadPng(Media + QString::fromLatin1(picture) + QStringLiteral(".png")));
        *box = new TDropDownList(page, QRect(64, top + 4, 200, 24), PanelKinds);
        top += 44;
    }
    CheckGroup(page, QRect(8, 180, 596, 80), QStringLiteral("Pipálj!"),
               {{61, QStringLiteral("Azokat a paneleket, ahol döntened kell, vagy be kell állítanod valamit,  "
                                    "párbeszédpaneleknek is nevezzük.")},
                {62, QStringLiteral("A paneleken található Alkalmaz gomb hatása: Az új beállítások alkalmazása. A "
                                    "panel NEM tűnik el.")}},
               11);
}

void TPnlMiniVizsgaForm::ShowPage()
{
    TPnlBaseForm::ShowPage();
    leftClick_ = rightClick_ = doubleClick_ = cancel_ = false;
    elapsed_ = 0;
    visited_ = 0;
    timer1_->SetEnabled(true);
}

bool TPnlMiniVizsgaForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == label1_ || watched == label2_)) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (watched == label1_ && button == Qt::LeftButton)
            Mark(label1_, leftClick_);
        else if (watched == label2_ && button == Qt::RightButton)
            Mark(label2_, rightClick_);
    }
    return TPnlBaseForm::eventFilter(watched, event);
}

void TPnlMiniVizsgaForm::Mark(QLabel* label, bool& flag)
{
    if (flag)
        return;
    flag = true;
    Controls::SetColour(label, QColor(0, 128, 0));
}

void TPnlMiniVizsgaForm::StandardClick(int tag)
{
    if (tag == 3)
        cancel_ = true;
    for (TPushButton* button : standard_)
        button->setEnabled(false);
}

void TPnlMiniVizsgaForm::FructKey(int& key)
{
    if (key == VirtualKey::Return && !cbFruct_->Text().isEmpty()) {
        if (cbFruct_->ItemIndex() < 0)
            cbFruct_->addItem(cbFruct_->Text());
        else
            cbFruct_->ReplaceItem(cbFruct_->ItemIndex(), cbFruct_->Text());
        cbFruct_->ClearText();
        key = 0;
    } else if ((key == VirtualKey::Delete || key == VirtualKey::Back) && cbFruct_->ItemIndex() >= 0) {
        cbFruct_->removeItem(cbFruct_->ItemIndex());
        cbFruct_->ClearText();
        key = 0;
    }
}

TExamAnswers TPnlMiniVizsgaForm::Answers() const
{
    TExamAnswers answers;
    for (const TCheckBox* box : pageControl_->findChildren<TCheckBox*>())
        answers.checks[box->Tag()] = box->isChecked();
    answers.leftClick = leftClick_;
    answers.rightClick = rightClick_;
    answers.doubleClick = doubleClick_;
    answers.cancel = cancel_;
    answers.buttonsChoice = radioGroup1_->ItemIndex();
    answers.radioChoice = radioGroup2_->ItemIndex();
    answers.trackBar = trackBar1_->Position();
    answers.spinEdit = spinEdit1_->Value();
    answers.fruits = cbFruct_->Items();
    answers.year = cbEv_->currentIndex();
    answers.month = cbHo_->currentIndex();
    answers.day = cbNap_->currentIndex();
    answers.names = lbNames_->Items();
    answers.emptyListCount = lbEmpty_->count();
    answers.error = cbError_->currentIndex();
    answers.warning = cbWarning_->currentIndex();
    answers.info = cbInfo_->currentIndex();
    return answers;
}

void TPnlMiniVizsgaForm::btnOkClick()
{
    timer1_->SetEnabled(false);
    const QString name = Board::Text(Controller(), QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(Controller(), QStringLiteral("ERTEKEL"),
                   TExamAnswers::ResultText(name, elapsed_, Answers().Score()));
    Notify();
}
