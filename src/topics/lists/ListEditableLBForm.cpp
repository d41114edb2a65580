#include "ListEditableLBForm.h"

#include "framework/Controls.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"
#include "platform/VirtualKey.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const QColor Blue(0, 0, 255);
const QRect HintStart(736, 248, 257, 73);

} // namespace

QString TListEditableLBForm::Instruction(TPhase phase)
{
    switch (phase) {
    case TPhase::New:
        return QStringLiteral(
            "Ez a lista már szerkeszthető, átalakítható. Új elemet úgy vehetsz fel, hogy begépeled a "
            "szerkesztőmezőbe, és megnyomod az \"Új elem - Felvétel\" gombot.\nGépeld be a szerkesztőmező feletti "
            "papíron lévő nevet!");
    case TPhase::Insert:
        return QStringLiteral("Az új elem felvételéhez hasonló az új elem beszúrása. Beszúráskor az új elem nem a "
                              "lista végére, hanem a listában kijelölt elem fölé kerül. Beszúrás előtt tehát ki "
                              "kell jelölnöd egy listaelemet!");
    case TPhase::Delete:
        return QStringLiteral("Előfordulhat, hogy a listából törölni kell egy vagy több elemet. Figyelmesen jelöld "
                              "ki a törlendő elemeket, ellenőrizd a kijelölést, és csak azután nyomd meg a \"Törlés\" "
                              "gombot! Emlékezz vissza, hogyan jelölhetsz ki egyszerre több elemet!");
    case TPhase::DeleteAll:
        return QStringLiteral("A lista teljes törlése csak különleges esetekben fordulhat elő. Ezzel a gombbal nagyon "
                              "óvatosnak kell lenned, mert hosszadalmas visszagépelni a teljes listát!");
    }
    return QString();
}

QString TListEditableLBForm::Hint(TPhase phase)
{
    switch (phase) {
    case TPhase::New:
        return QStringLiteral("Az új elem felvételéhez ezt a gombot kell használnod! Klikk! Használhatod az ENTER "
                              "billentyűt is.");
    case TPhase::Insert: return QStringLiteral("Az új elem beszúrásához ezt a gombot kell használnod! Klikk!");
    case TPhase::Delete:
        return QStringLiteral("A kijelölt elem(ek) törléséhez ezt a gombot kell használnod! Klikk!Törléshez "
                              "használhatod a DELETE billentyűt is.");
    case TPhase::DeleteAll: return QStringLiteral("A teljes lista törléséhez ezt a gombot kell használnod! Klikk!");
    }
    return QString();
}

QString TListEditableLBForm::InsertOrder(const QString& name, const QString& above)
{
    return name + QStringLiteral(", ezt szúrd be ") + above + QStringLiteral(" neve fölé!");
}

QStringList TListEditableLBForm::ButtonCaptions()
{
    return {QStringLiteral("Új elem - Felvétel"), QStringLiteral("Beszúrás"), QStringLiteral("Törlés"),
            QStringLiteral("Az összes törlése")};
}

TListEditableLBForm::TListEditableLBForm()
    : TListBaseForm(QStringLiteral("ListEditableLBForm"), QStringLiteral("ListEditableLBForm"), 704)
{
    SetInstruction(Instruction(TPhase::New), 17, QRect(104, 592, 729, 97));
    Controls::SetColour(lbText(), Blue);
    lblPapir_ = Controls::Label(this, QRect(384, 112, 329, 57), QString(), PixelFont(QStringLiteral("Arial"), 19),
                                Qt::black, Qt::AlignCenter, true);
    lblPapir_->hide();
    lblHint_ = Controls::Label(this, HintStart, QString(), PixelFont(QStringLiteral("Arial"), 15), Qt::black,
                               Qt::AlignCenter, true);
    lblHint_->hide();
    efList_ = new QLineEdit(this);
    efList_->setGeometry(368, 232, 209, 26);
    efList_->setFont(PixelFont(QStringLiteral("Arial"), 17));
    lbEditable_ = new TDragListBox(this, QRect(368, 272, 209, 246), {QStringLiteral("Pixeles Tivadar")});
    lbEditable_->setFont(PixelFont(QStringLiteral("Arial"), 17));
    auto button = [this](int top, const QString& caption, void (TListEditableLBForm::*click)()) {
        auto* made = Button(QRect(584, top, 137, 25), caption, 13);
        made->setEnabled(false);
        made->OnClick = [this, click] { (this->*click)(); };
        return made;
    };
    const QStringList captions = ButtonCaptions();
    btnNew_ = button(272, captions[0], &TListEditableLBForm::Add);
    btnInsert_ = button(336, captions[1], &TListEditableLBForm::btnInsertClick);
    btnDel_ = button(400, captions[2], &TListEditableLBForm::Delete);
    btnDelAll_ = button(464, captions[3], &TListEditableLBForm::btnDelAllClick);
    connect(efList_, &QLineEdit::textChanged, this, [this] { efListChange(); });
    OnControlKeyDown(efList_, [this](int& key, Qt::KeyboardModifiers) {
        // The edit field swallows Enter always; it adds the name in the "NEW" phase.
        if (key != VirtualKey::Return)
            return;
        key = 0;
        Add();
    });
    OnControlKeyDown(lbEditable_, [this](int& key, Qt::KeyboardModifiers) {
        if (key == VirtualKey::Delete)
            Delete();
    });
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(BlinkTick);
    timer1_->OnTimer([this] { Timer1Timer(); });
    timer1_->SetEnabled(true);
}

void TListEditableLBForm::btnNextClick()
{
    if (phase_ == TPhase::DeleteAll)
        Notify();
}

void TListEditableLBForm::ShowPage()
{
    TListBaseForm::ShowPage();
    phase_ = TPhase::New;
    step_ = 0;
    Advance();
    efList_->setFocus(Qt::OtherFocusReason);
}

void TListEditableLBForm::Paper(const QString& text)
{
    lblPapir_->setText(text);
    PlaySoundFile(QStringLiteral("list_papirvalt.wav"));
}

void TListEditableLBForm::NewPhase(TPhase phase)
{
    phase_ = phase;
    step_ = 0;
    blink_ = true;
    blinkCount_ = 0;
    lbText()->setText(Instruction(phase));
    lblHint_->setText(Hint(phase));
    lblHint_->move(lblHint_->x(), lblHint_->y() + HintStep);
}

void TListEditableLBForm::Advance()
{
    switch (phase_) {
    case TPhase::New:
        switch (step_) {
        case 0:
            target_ = QStringLiteral("Lemezke");
            lblHint_->setText(Hint(TPhase::New));
            Paper(target_);
            lblPapir_->show();
            break;
        case 1:
            btnNew_->setEnabled(true);
            lblHint_->show();
            break;
        case 2:
            target_ = QStringLiteral("Nyilacska");
            Paper(target_);
            break;
        case 3:
            target_ = QStringLiteral("Digit Nóra");
            Paper(target_);
            break;
        default:
            NewPhase(TPhase::Insert);
            target_ = QStringLiteral("Kábel Ödön");
            second_ = QStringLiteral("Nyilacska");
            Paper(InsertOrder(target_, second_));
            btnInsert_->setEnabled(true);
            return;
        }
        break;
    case TPhase::Insert:
        if (step_ == 0) {
            target_ = QStringLiteral("Tárolka");
            second_ = QStringLiteral("Digit Nóra");
            Paper(InsertOrder(target_, second_));
            break;
        }
        NewPhase(TPhase::Delete);
        Paper(QStringLiteral("Tárolka törlése"));
        target_ = QStringLiteral("Tárolka");
        btnDel_->setEnabled(true);
        lbEditable_->SetMultiSelect(true);
        return;
    case TPhase::Delete:
        if (step_ == 0) {
            target_ = QStringLiteral("Pixeles Tivadar");
            second_ = QStringLiteral("Digit Nóra");
            Paper(QStringLiteral("A fiú és a lány törlése"));
            break;
        }
        NewPhase(TPhase::DeleteAll);
        Paper(QStringLiteral("Töröld a teljes listát!"));
        target_.clear();
        btnDelAll_->setEnabled(true);
        lbEditable_->SetMultiSelect(false);
        return;
    case TPhase::DeleteAll:
        btnNext()->setEnabled(true);
        break;
    }
    ++step_;
}

void TListEditableLBForm::efListChange()
{
    if (phase_ == TPhase::New && step_ == 1 && efList_->text() == target_)
        Advance();
}

void TListEditableLBForm::Add()
{
    if (phase_ != TPhase::New || efList_->text() != target_ || step_ < 2)
        return;
    lbEditable_->Add(efList_->text());
    efList_->clear();
    efList_->setFocus(Qt::OtherFocusReason);
    Advance();
}

void TListEditableLBForm::btnInsertClick()
{
    const QList<int> rows = lbEditable_->SelectedRows();
    if (phase_ != TPhase::Insert || rows.isEmpty() || efList_->text() != target_
        || lbEditable_->item(rows.first())->text() != second_)
        return;
    lbEditable_->insertItem(rows.first(), efList_->text());
    efList_->clear();
    efList_->setFocus(Qt::OtherFocusReason);
    Advance();
}

void TListEditableLBForm::Delete()
{
    if (phase_ != TPhase::Delete)
        return;
    const QList<int> rows = lbEditable_->SelectedRows();
    const QStringList selected = lbEditable_->SelectedItems();
    if (step_ == 0) {
        if (rows.size() != 1 || selected.first() != target_ || rows.first() != lbEditable_->ItemIndex())
            return;
    } else {
        if (rows.size() != 2)
            return;
        for (const QString& item : selected)
            if (item != target_ && item != second_)
                return;
    }
    lbEditable_->DeleteSelected();
    Advance();
}

void TListEditableLBForm::btnDelAllClick()
{
    if (phase_ != TPhase::DeleteAll)
        return;
    lbEditable_->clear();
    // The page stays, its exercise done: the instruction now names the one way on.
    lbText()->setText(QStringLiteral("Ügyes vagy, a lista üres! Kattints a Tovább gombra!"));
    lblHint_->clear();
    lblPapir_->clear();
    for (TPushButton* button : {btnNew_, btnInsert_, btnDel_, btnDelAll_})
        button->setEnabled(false);
    Advance();
}

void TListEditableLBForm::Timer1Timer()
{
    if (!blink_)
        return;
    if (blinkCount_ == 6) {
        Controls::SetColour(lbText(), Blue);
        blinkCount_ = 0;
        blink_ = false;
        return;
    }
    Controls::SetColour(lbText(), blinkCount_ % 2 == 1 ? QColor(Qt::red) : Blue);
    ++blinkCount_;
}
