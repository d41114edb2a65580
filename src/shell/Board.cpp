#include "Board.h"

#include "platform/CourseError.h"
#include "Integer.h"
#include "String.h"

namespace Board {

std::optional<QString> Text(const IModuleController& controller, const QString& key)
{
    const TBoardValue* value = controller.GetValue(key);
    if (!value)
        return std::nullopt;
    if (auto text = dynamic_cast<const TString*>(value))
        return text->GetText();
    throw TCourseError("Board value " + key + " is not a text");
}

std::optional<std::int32_t> Number(const IModuleController& controller, const QString& key)
{
    const TBoardValue* value = controller.GetValue(key);
    if (!value)
        return std::nullopt;
    if (auto number = dynamic_cast<const TInteger*>(value))
        return number->GetNumber();
    throw TCourseError("Board value " + key + " is not a number");
}

void PutText(IModuleController& controller, const QString& key, const QString& text)
{
    controller.SetValue(key, std::make_unique<TString>(text));
}

void PutNumber(IModuleController& controller, const QString& key, std::int32_t number)
{
    controller.SetValue(key, std::make_unique<TInteger>(number));
}

} // namespace Board
