#pragma once

#include "IModuleController.h"

#include <QString>
#include <cstdint>
#include <optional>

// Typed reading and writing of board values. A value of the wrong kind is a programming error.
namespace Board {

std::optional<QString> Text(const IModuleController& controller, const QString& key);
std::optional<std::int32_t> Number(const IModuleController& controller, const QString& key);
void PutText(IModuleController& controller, const QString& key, const QString& text);
void PutNumber(IModuleController& controller, const QString& key, std::int32_t number);

} // namespace Board
