#pragma once

#include <QByteArray>

// Pictures are stored XOR-ed with a repeating 16-byte key; the same step enciphers and deciphers.
namespace Cipher {

inline constexpr char Key[] = "-=o 40183726 o=-";
inline constexpr int KeyLength = 16;

void Apply(QByteArray& data);
QByteArray Applied(QByteArray data);

} // namespace Cipher
