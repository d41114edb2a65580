#include "ReadAloud.h"

#include "BaseForm.h"
#include "Image.h"
#include "MediaAccess.h"
#include "MessageDialog.h"
#include "SpokenText.h"
#include "platform/SchoolSettings.h"
#include "platform/Services.h"
#include "platform/SpeechText.h"
#include "platform/SpeechVoice.h"
#include "platform/Stage.h"

#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace {

TSchoolSettings::TSpeech Mode()
{
    return Services::Settings().Speech();
}

// Decoded once: every page shows it.
const QImage& SignImage()
{
    static const QImage sign = LoadPng(ReadAloud::SignPicture);
    return sign;
}

} // namespace

namespace ReadAloud {

QWidget* Shown()
{
    TStage* stage = TStage::Current();
    if (!stage)
        return nullptr;
    const QObjectList& children = stage->Canvas()->children();
    for (auto child = children.crbegin(); child != children.crend(); ++child)
        if (auto* dialog = qobject_cast<TMessageDialog*>(*child); dialog && dialog->isVisible())
            return dialog;
    for (auto child = children.crbegin(); child != children.crend(); ++child)
        if (auto* page = qobject_cast<TBaseForm*>(*child);
            page && page->isVisible() && page->PageState() == TBaseForm::TPageState::Shown)
            return page;
    return nullptr;
}

QString PreparedText(const QWidget* shown)
{
    return SpeechText::Prepare(SpokenText::Of(shown));
}

void Request()
{
    if (Mode() == TSchoolSettings::TSpeech::Off)
        return;
    const QString text = PreparedText(Shown());
    if (text.isEmpty())
        Services::Voice().Stop();
    else
        Services::Voice().Say(text);
}

bool HandleKey(const QKeyEvent& event)
{
    if (event.key() != Key || Mode() == TSchoolSettings::TSpeech::Off)
        return false;
    if (event.type() == QEvent::KeyPress && !event.isAutoRepeat())
        Request();
    return true;
}

void Appeared(QWidget* shown)
{
    Services::Voice().Stop();
    if (Mode() != TSchoolSettings::TSpeech::EveryPage)
        return;
    // The page writes its texts after it is shown; read them when it is done.
    QTimer::singleShot(0, shown, [shown = QPointer<QWidget>(shown)] {
        if (shown && shown->isVisible())
            Request();
    });
}

void Gone()
{
    Services::Voice().Stop();
}

void AddSign(QWidget* page)
{
    if (Mode() == TSchoolSettings::TSpeech::Off)
        return;
    auto* sign = new TImage(page, SignArea);
    sign->setObjectName(QStringLiteral("hangszoro"));
    sign->SetPng(SignImage());
    sign->setCursor(Qt::PointingHandCursor);
    sign->OnClick = [] { Request(); };
}

} // namespace ReadAloud
