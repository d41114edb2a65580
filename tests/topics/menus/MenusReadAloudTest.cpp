#include "MenusCourse.h"

#include "framework/BalloonHint.h"
#include "framework/BaseCustForm.h"
#include "platform/PageTimer.h"
#include "platform/RecordingVoice.h"
#include "platform/Services.h"
#include "platform/SpeechVoice.h"
#include "topics/menus/MenuAsztalkaForm.h"
#include "topics/menus/MenuAsztalkaMForm.h"

namespace {

class MenusReadAloudTest : public MenusCourse {
protected:
    void SetUp() override { Services::SetVoice(&voice); }
    void TearDown() override { Services::SetVoice(nullptr); }

    TRecordingVoice voice;
};

// The guest's wish in a balloon is what the key reads while it is open; a new wish or a closed
// balloon silences the old one at once.
TEST_F(MenusReadAloudTest, TheGuestsBalloonIsReadAndGoesSilentWithIt)
{
    QPointer<TMenuAsztalkaMForm> page = Reach<TMenuAsztalkaMForm>(TMenusStop::Asztalka);
    ASSERT_NE(page, nullptr);
    page->Timer()->Fire();
    ASSERT_NE(TBalloonHint::Current(page), nullptr);
    PressKey(Qt::Key_F12);
    ASSERT_FALSE(voice.Said().isEmpty());
    EXPECT_EQ(voice.Said().last(), "Narancslét szeretnék inni!");
    EXPECT_TRUE(voice.Speaking());

    MenusMoves::ChooseByMouse(*this, *page->AsztalkaWindow(), {1, 2}); // narancslé
    EXPECT_FALSE(voice.Speaking());
    PressKey(Qt::Key_F12);
    EXPECT_EQ(voice.Said().last(), "Puncsos sütit kívánok!");

    TBalloonHint::Current(page)->Close();
    EXPECT_FALSE(voice.Speaking());
    // Without a balloon the page's own instructions are read.
    PressKey(Qt::Key_F12);
    EXPECT_EQ(voice.Said().last(), "Vannak olyan menüpontok, amelyek kipipálhatók. Ha a parancsra kattintasz, akkor "
                                   "megjelenik egy pipa, ha újra klikkelsz, eltűnik. Klikkeléssel tedd az asztalra, "
                                   "amit Tivadar óhajt!");
}

} // namespace
