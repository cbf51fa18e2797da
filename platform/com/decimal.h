#pragma once
// The 96-bit scaled decimal of automation and its conversions to and from double.

#include "platform/com/base_types.h"
#include "platform/com/result_codes.h"

constexpr BYTE DECIMAL_NEG = 0x80;

struct DECIMAL {
    USHORT wReserved;
    BYTE scale;  // powers of ten the 96-bit integer is divided by, 0 to 28
    BYTE sign;   // DECIMAL_NEG or 0
    ULONG Hi32;
    ULONGLONG Lo64;
};

HRESULT VarR8FromDec(const DECIMAL* in, double* out);
// Keeps 15 significant digits, as the platform's conversion does.
HRESULT VarDecFromR8(double in, DECIMAL* out);
