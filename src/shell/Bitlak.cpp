#include "Bitlak.h"

#include "ModulVezerlo.h"
#include "platform/CourseError.h"
#include "platform/DisplayModeChoice.h"
#include "platform/ErrorReport.h"
#include "platform/Installation.h"
#include "platform/KioskSession.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"

TBitlak::TBitlak(Parts parts) : parts_(std::move(parts)) {}

TBitlak::~TBitlak()
{
    FormDestroy();
}

void TBitlak::FormCreate()
{
    destroyed_ = false;
}

void TBitlak::FormActivate()
{
    if (destroyed_)
        return;
    if (parts_.installed && !parts_.installed()) {
        Services::Messages().Error(Installation::MissingText);
        FormDestroy();
        parts_.terminate();
        return;
    }
    try {
        DisplayModeChoice::SetDisplayMode(*parts_.display, 1024, 768);
    } catch (const TCourseError& error) {
        // Without a usable screen the course cannot start; say so and give the desktop back.
        ReportError(error.Message());
        FormDestroy();
        parts_.terminate();
        return;
    }
    if (parts_.kiosk)
        parts_.kiosk->Begin();
    if (!controller_) {
        controller_ = parts_.makeController();
        Guarded([this] { controller_->Start(); });
    }
}

void TBitlak::FormDestroy()
{
    if (destroyed_)
        return;
    destroyed_ = true;
    if (parts_.kiosk)
        parts_.kiosk->End();
    if (parts_.display)
        parts_.display->Restore();
    if (controller_)
        controller_->Release();
}
