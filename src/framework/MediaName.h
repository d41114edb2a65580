#pragma once

#include <QString>

// Pages spell media names in many ways ("Jelolesek\x.png", "\jelolesek/X.PNG"); on disk every
// file has one spelling: forward slashes, no leading slash, all lower case.
namespace MediaName {

QString Canonical(const QString& name);

} // namespace MediaName
