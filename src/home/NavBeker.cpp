#include "NavBeker.h"

#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/HungarianText.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QColor Blue = DelphiColor(0xFF0000);
const QColor Red = DelphiColor(0x0000FF);
} // namespace

TNavBeker::TNavBeker() : TBaseForm(QStringLiteral("NavBeker"))
{
    LoadBackground(QStringLiteral("alap_screen_name_input.jpg"));
    hatter()->Canvas().BrushClear = true;

    enter_ = new TImage(this, QRect(880, 344, 120, 137));
    kilep_ = new TImage(this, QRect(918, 645, 50, 52));
    kilep_->OnClick = [this] { kilepClick(); };
    kilep_->setCursor(Qt::PointingHandCursor);

    LMDSimpleLabel1_ = Controls::Label(this, QRect(80, 336, 713, 57),
                                       QStringLiteral("Gépeld ide a keresztneved (legfeljebb 15 betű)!\n"
                                                      "Aztán nyomd meg az ENTER feliratú gombot!"),
                                       PixelFont(QStringLiteral("Arial"), 24), Blue, Qt::AlignHCenter | Qt::AlignTop);
    Image1_ = new TImage(this, QRect(224, 392, 430, 321));
    Image1_->SetPng(LoadPng(QStringLiteral("egyutt_kicsi.png")));
    txtErrorMsg_ = Controls::Label(this, QRect(80, 176, 713, 57), QString(), PixelFont(QStringLiteral("Arial"), 24),
                                   Red, Qt::AlignHCenter | Qt::AlignTop);
    username_ = Controls::TypingBox(this, QRect(112, 256, 641, 68), PixelFont(QStringLiteral("Arial"), 53, true),
                                    Controls::HotLight);
    const QFont namesFont = PixelFont(QStringLiteral("Arial"), 19, true);
    nevek1_ = Controls::Label(this, QRect(64, 536, 161, 177), QStringLiteral("Pixeles Tivadar\nDigit Nóra\nKábel Ödön"),
                              namesFont, Blue);
    nevek2_ = Controls::Label(this, QRect(656, 536, 161, 177), QStringLiteral("Lemezke\nTárolka\nNyilacska"), namesFont,
                              Blue);

    OnControlKeyDown(username_, [this](int& key, Qt::KeyboardModifiers) { usernameKeyDown(key); });
    OnControlKeyPress(username_, [this](QChar& key) { usernameKeyPress(key); });
    setFocusProxy(username_);
}

bool TNavBeker::NameLetter(QChar character)
{
    static const QString accented = QStringLiteral("ÁÉÍÓÖŐÚÜŰáéíóöőúüű");
    const char16_t code = character.unicode();
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || accented.contains(character);
}

void TNavBeker::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Escape) {
        ConfirmExit();
    } else if (key == VirtualKey::Return) {
        if (ValidName())
            PostName();
    }
}

void TNavBeker::usernameKeyDown(int& key)
{
    static const int controlKeys[] = {VirtualKey::Back,  VirtualKey::Clear, VirtualKey::Return, VirtualKey::Shift,
                                      VirtualKey::Escape, VirtualKey::Left, VirtualKey::Up,     VirtualKey::Right,
                                      VirtualKey::Down,  VirtualKey::Delete};
    lastKeyWasControl_ = std::find(std::begin(controlKeys), std::end(controlKeys), key) != std::end(controlKeys);
}

void TNavBeker::usernameKeyPress(QChar& key)
{
    if (lastKeyWasControl_)
        return;
    if (!NameLetter(key)) {
        key = QChar();
        return;
    }
    if (errorShown_)
        txtErrorMsg_->clear();
}

void TNavBeker::kilepClick()
{
    ConfirmExit();
}

bool TNavBeker::ValidName()
{
    const qsizetype length = username_->text().length();
    if (length >= 3 && length <= 15)
        return true;
    txtErrorMsg_->setText(length >= 16 ? TooLong : TooShort);
    errorShown_ = true;
    username_->clear();
    return false;
}

void TNavBeker::PostName()
{
    const QString name = HungarianText::UpperFirst(username_->text());
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("USERNAME"), name);
    module->Notify();
}
