#include "Cipher.h"

namespace Cipher {

void Apply(QByteArray& data)
{
    char* bytes = data.data();
    const qsizetype size = data.size();
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ Key[i % KeyLength]);
}

QByteArray Applied(QByteArray data)
{
    Apply(data);
    return data;
}

} // namespace Cipher
