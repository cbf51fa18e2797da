#include "platform/com/bstr.h"

#include <cstdlib>
#include <cstring>

namespace {

DWORD* LengthPrefix(BSTR text)
{
    return reinterpret_cast<DWORD*>(text) - 1;
}

}  // namespace

BSTR SysAllocString(const OLECHAR* text)
{
    if (!text)
        return nullptr;
    UINT length = 0;
    while (text[length])
        ++length;
    return SysAllocStringLen(text, length);
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length)
{
    const std::size_t bytes = std::size_t(length) * sizeof(OLECHAR);
    auto* block = static_cast<DWORD*>(std::malloc(sizeof(DWORD) + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    block[0] = static_cast<DWORD>(bytes);
    auto* chars = reinterpret_cast<OLECHAR*>(block + 1);
    if (text)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[length] = 0;
    return chars;
}

void SysFreeString(BSTR text)
{
    if (text)
        std::free(LengthPrefix(text));
}

UINT SysStringLen(BSTR text)
{
    return text ? *LengthPrefix(text) / sizeof(OLECHAR) : 0;
}
