#include "OsszefoglListForm.h"

#include "ReviewTable.h"
#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/VirtualKey.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor Blue = DelphiColor(0xFF0000);
const QColor Red = DelphiColor(0x0000FF);

const QStringList GivenOrder = {QStringLiteral("Tárolka"),         QStringLiteral("Kábel Ödön"),
                                QStringLiteral("Nyilacska"),       QStringLiteral("Digit Nóra"),
                                QStringLiteral("Pixeles Tivadar"), QStringLiteral("Aladdin"),
                                QStringLiteral("Lemezke")};
const QStringList Alphabetical = {QStringLiteral("Aladdin"),    QStringLiteral("Digit Nóra"),
                                  QStringLiteral("Kábel Ödön"), QStringLiteral("Lemezke"),
                                  QStringLiteral("Nyilacska"),  QStringLiteral("Pixeles Tivadar"),
                                  QStringLiteral("Tárolka")};
const QStringList Remaining = {QStringLiteral("Nyilacska"), QStringLiteral("Tárolka")};

// Exactly two items are selected and each is one of the names.
bool TwoOf(const QStringList& selected, const QStringList& names)
{
    return selected.size() == 2 && names.contains(selected[0]) && names.contains(selected[1]);
}

} // namespace

TOsszefoglListForm::TOsszefoglListForm() : TBaseBillForm(QStringLiteral("OsszefoglListForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
    imgOdon_ = new TImage(this, QRect(352, 168, 234, 261));

    efList_ = new QLineEdit(this);
    efList_->setGeometry(72, 160, 169, 30);
    efList_->setFont(PixelFont(QStringLiteral("Arial"), 19));
    QPalette colours = efList_->palette();
    colours.setColor(QPalette::Text, Controls::HotLight);
    efList_->setPalette(colours);
    OnControlKeyDown(efList_, [this](int& key, Qt::KeyboardModifiers) {
        if (key != VirtualKey::Return)
            return;
        key = 0;
        // Enter adds as "Új elem - Felvétel" does, and only while that button may be used.
        if (btnNew_->isEnabled())
            AddFromBox();
    });

    const QFont listFont = PixelFont(QStringLiteral("Arial"), 16);
    lbEditable_ = new TDragListBox(this, QRect(72, 200, 169, 224));
    lbEditable_->setObjectName(QStringLiteral("lbEditable"));
    lbSimple_ = new TDragListBox(this, QRect(584, 200, 169, 224));
    for (TDragListBox* list : {lbEditable_, lbSimple_}) {
        list->setFont(listFont);
        list->SetMultiSelect(true);
        list->SetItemHeight(22);
    }
    lbEditable_->SetDragMode(true);
    lbSimple_->AcceptFrom(lbEditable_->objectName());
    lbSimple_->OnDragDrop = [this](TDragListBox&) { lbSimpleDragDrop(); };

    const QFont buttonFont = PixelFont(QStringLiteral("Arial"), 12);
    auto button = [this, &buttonFont](const QRect& geometry, const QString& caption,
                                      void (TOsszefoglListForm::*click)()) {
        auto* made = new TPushButton(this, geometry, caption);
        made->setFont(buttonFont);
        made->setEnabled(false);
        made->OnClick = [this, click] { (this->*click)(); };
        return made;
    };
    btnNew_ = button(QRect(248, 200, 113, 25), QStringLiteral("Új elem - Felvétel"), &TOsszefoglListForm::AddFromBox);
    btnInsert_ = button(QRect(248, 232, 113, 25), QStringLiteral("Beszúrás"), &TOsszefoglListForm::btnInsertClick);
    btnDel_ = button(QRect(248, 264, 113, 25), QStringLiteral("Törlés"), &TOsszefoglListForm::btnDelClick);
    btnDelAll_ =
        button(QRect(248, 312, 113, 25), QStringLiteral("Az összes törlése"), &TOsszefoglListForm::btnDelAllClick);
    btnUp_ = new TPushButton(this, QRect(248, 368, 113, 24), QStringLiteral("Fel"));
    btnDown_ = new TPushButton(this, QRect(248, 392, 113, 24), QStringLiteral("Le"));
    btnUp_->OnClick = [this] { MoveCurrent(-1); };
    btnDown_->OnClick = [this] { MoveCurrent(1); };
    for (TPushButton* arrow : {btnUp_, btnDown_}) {
        arrow->setFont(buttonFont);
        arrow->setEnabled(false);
    }

    txtInfo_ = Controls::Label(
        this, QRect(72, 440, 673, 65),
        QStringLiteral("A számítógépen a felsorolásokhoz gyakran listadobozokat használnak. Ezekben lehetnek például "
                       "nevek, számok, színeket vagy mértékegységek. A listából kattintással választhatod ki a "
                       "szavakat, vagyis az elemeket. A listákat szerkeszteni is lehet az alábbi gombok segítségével:"),
        PixelFont(QStringLiteral("Arial"), 16), Blue, Qt::AlignLeft | Qt::AlignTop, true);
    txtInfo_->setTextFormat(Qt::PlainText);

    using ReviewTable::TRow;
    const ReviewTable::TTable buttons = ReviewTable::Build(
        this, QPoint(8, 512), 168, 426,
        ReviewTable::WithHeading(
            QStringLiteral("A gomb jellemzője:"), QStringLiteral("A jellemző leírása:"),
            {TRow{QStringLiteral("Új elem vagy Felvétel"),
                  QStringLiteral("- Új elem felvétele a listába. Hozzáadásnak is nevezhető.")},
             TRow{QStringLiteral("Beszúrás"),
                  QStringLiteral("- Két már felvett listaelem közé beszúrható egy új elem.")},
             TRow{QStringLiteral("Törlés"), QStringLiteral("- A kijelölt elem vagy elemek törlése.")},
             TRow{QStringLiteral("Az összes törlése"), QStringLiteral("- A teljes lista törlése.")},
             TRow{QStringLiteral("Fel és le nyílgombok"),
                  QStringLiteral("- A listaelemek sorrendjének megváltoztatása.")}}));
    const ReviewTable::TTable selections = ReviewTable::Build(
        this, QPoint(buttons.area.right() + 9, 512), 128, 150,
        ReviewTable::WithHeading(
            QStringLiteral("Kijelölések"), QString(),
            {TRow{QStringLiteral("Egy elem kijelölése"), QStringLiteral("- Kattintással - Enterrel.")},
             TRow{QStringLiteral("Szomszédos elemek"),
                  QStringLiteral("- Az első elem kijelölése után Shift + nyílbillentyűk.")},
             TRow{QStringLiteral("Nem szomszédosak"), QStringLiteral("- Ctrl + kattintás.")}}));
    tablesArea_ = buttons.area.united(selections.area);

    btnTovabb_ = new TPushButton(this, QRect(384, 720, 89, 25), QStringLiteral("Tovább"));
    btnTovabb_->OnClick = [this] { btnTovabbClick(); };
}

void TOsszefoglListForm::InitPage()
{
    TBaseBillForm::InitPage();
    imgOdon_->SetPng(LoadPng(QStringLiteral("osszefoglal\\odon.png")));
}

void TOsszefoglListForm::ShowPage()
{
    TBaseBillForm::ShowPage();
    step_ = 0;
    Advance();
}

void TOsszefoglListForm::Instruct(const QString& text, const QColor& colour)
{
    txtInfo_->setText(text);
    Controls::SetColour(txtInfo_, colour);
}

void TOsszefoglListForm::EnableButtons(bool enabled)
{
    for (TPushButton* button : {btnNew_, btnInsert_, btnDel_, btnDelAll_, btnUp_, btnDown_})
        button->setEnabled(enabled);
}

void TOsszefoglListForm::Advance()
{
    ++step_;
    switch (step_) {
    case 2: {
        btnTovabb_->hide();
        EnableButtons(true);
        QFont bold = txtInfo_->font();
        bold.setBold(true);
        txtInfo_->setFont(bold);
        Instruct(QStringLiteral("Vedd fel a listába a neveket ebben a sorrendben: Tárolka, Kábel Ödön, Nyilacska, "
                                "Digit Nóra, Pixeles Tivadar, Aladdin, Lemezke"),
                 Blue);
        efList_->setFocus(Qt::OtherFocusReason);
        break;
    }
    case 3: Instruct(QStringLiteral("Rendezd a neveket ABC sorrendbe a nyílgombok segítségével!"), Red); break;
    case 4:
        EnableButtons(false);
        Instruct(QStringLiteral("A harmadik és a negyedik elemet húzd át egyszerre a jobboldali listadobozba!"), Blue);
        break;
    case 5:
        Instruct(QStringLiteral("Jelöld ki és húzd át egyszerre Tivadar és Nóra nevét a jobboldali listadobozba!"),
                 Red);
        break;
    case 6:
        EnableButtons(true);
        Instruct(QStringLiteral("Töröld a kakukktojást, vagyis az oda nem illő nevet a baloldali listából!"), Blue);
        break;
    case 7:
        Instruct(QStringLiteral("A két megmaradt nevet jelöld ki egyszerre, aztán másold át őket a jobboldali "
                                "listadobozba!"),
                 Red);
        break;
    case 8: Instruct(QStringLiteral("Töröld a baloldali listadobozt egy gombnyomással!"), Blue); break;
    case 9:
        Instruct(QStringLiteral("Nyomd meg a Tovább gombot!"), Red);
        btnTovabb_->show();
        break;
    default: break; // step 1: the introduction and "Tovább" stay
    }
}

void TOsszefoglListForm::CheckStep()
{
    const QStringList items = lbEditable_->Items();
    if ((step_ == 2 && items == GivenOrder) || (step_ == 3 && items == Alphabetical)
        || (step_ == 6 && items == Remaining) || (step_ == 8 && items.isEmpty()))
        Advance();
}

void TOsszefoglListForm::AddFromBox()
{
    if (efList_->text().isEmpty())
        return;
    lbEditable_->Add(efList_->text());
    efList_->setFocus(Qt::OtherFocusReason);
    efList_->clear();
    CheckStep();
}

void TOsszefoglListForm::btnInsertClick()
{
    const int current = lbEditable_->ItemIndex();
    if (current < 0 || efList_->text().isEmpty())
        return;
    lbEditable_->insertItem(current, efList_->text());
    efList_->clear();
    efList_->setFocus(Qt::OtherFocusReason);
    CheckStep();
}

void TOsszefoglListForm::btnDelClick()
{
    if (lbEditable_->SelectedCount() == 0)
        return;
    lbEditable_->DeleteSelected();
    CheckStep();
}

void TOsszefoglListForm::btnDelAllClick()
{
    lbEditable_->clear();
    if (step_ == 8)
        Advance();
    else
        CheckStep();
}

void TOsszefoglListForm::MoveCurrent(int by)
{
    const int current = lbEditable_->ItemIndex();
    const int other = current + by;
    // Without a current item there is nothing to move.
    if (current < 0 || other < 0 || other >= lbEditable_->count())
        return;
    const QString text = lbEditable_->item(current)->text();
    lbEditable_->item(current)->setText(lbEditable_->item(other)->text());
    lbEditable_->item(other)->setText(text);
    lbEditable_->clearSelection();
    lbEditable_->SetItemIndex(other);
    lbEditable_->SetSelected(other, true);
    CheckStep();
}

void TOsszefoglListForm::btnTovabbClick()
{
    if (step_ == 1)
        Advance();
    else if (step_ == LastStep)
        NotifyModule();
}

void TOsszefoglListForm::lbSimpleDragDrop()
{
    const QStringList selected = lbEditable_->SelectedItems();
    const QList<int> rows = lbEditable_->SelectedRows();
    // Ctrl counts when its key went down on the page or when the drop's own release carries it.
    const bool ctrl = ctrlHeld_ || (QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    const QStringList pair = {QStringLiteral("Digit Nóra"), QStringLiteral("Pixeles Tivadar")};
    const bool move = (step_ == 4 && rows == QList<int>{2, 3}) || (step_ == 5 && TwoOf(selected, pair));
    const bool copy = step_ == 7 && ctrl && TwoOf(selected, Remaining);
    if (!move && !copy)
        return;
    for (const QString& name : selected)
        lbSimple_->Add(name);
    if (move)
        lbEditable_->DeleteSelected();
    Advance();
}

void TOsszefoglListForm::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    TBaseBillForm::FormKeyDown(key, shift);
    if (key == VirtualKey::Control)
        ctrlHeld_ = true;
}

void TOsszefoglListForm::FormKeyUp(int& key, Qt::KeyboardModifiers shift)
{
    TBaseBillForm::FormKeyUp(key, shift);
    if (key == VirtualKey::Control)
        ctrlHeld_ = false;
}

void TOsszefoglListForm::changeEvent(QEvent* event)
{
    TBaseBillForm::changeEvent(event);
    // A Ctrl let go while the course's window was not active never reaches the page.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        ctrlHeld_ = false;
}
