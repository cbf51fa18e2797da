#include "platform/com/decimal.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int MaxScale = 28;
constexpr ULONGLONG Low32 = 0xFFFFFFFFu;

// The 96-bit integer as the record holds it, worked on in 32-bit pieces so that no
// compiler needs a 128-bit type.
struct Magnitude {
    ULONG high = 0;
    ULONGLONG low = 0;
};

// False when the product no longer fits in 96 bits.
bool MultiplyByTen(Magnitude& m)
{
    const ULONGLONG bottom = (m.low & Low32) * 10;
    const ULONGLONG middle = (m.low >> 32) * 10 + (bottom >> 32);
    const ULONGLONG top = ULONGLONG(m.high) * 10 + (middle >> 32);
    if (top > Low32)
        return false;
    m.high = static_cast<ULONG>(top);
    m.low = (middle << 32) | (bottom & Low32);
    return true;
}

// Half up: the digits below the last one dropped can only decide the rounding through it.
ULONGLONG DividedByPowerOfTenRounded(ULONGLONG value, int n)
{
    for (; n > 1; --n)
        value /= 10;
    return value / 10 + (value % 10 >= 5 ? 1 : 0);
}

void Store(const Magnitude& magnitude, int scale, bool negative, DECIMAL* out)
{
    out->wReserved = 0;
    out->scale = static_cast<BYTE>(scale);
    out->sign = negative && (magnitude.high != 0 || magnitude.low != 0) ? DECIMAL_NEG : 0;
    out->Hi32 = magnitude.high;
    out->Lo64 = magnitude.low;
}

// Digits times ten to the power of minus scale, with the scale brought into 0..28.
HRESULT ScaleInto(ULONGLONG digits, int scale, bool negative, DECIMAL* out)
{
    Magnitude magnitude;
    if (scale < 0) {
        magnitude.low = digits;
        for (; scale < 0; ++scale)
            if (!MultiplyByTen(magnitude))
                return DISP_E_OVERFLOW;
    } else {
        if (scale > MaxScale) {
            digits = DividedByPowerOfTenRounded(digits, scale - MaxScale);
            scale = MaxScale;
        }
        for (; scale > 0 && digits % 10 == 0; --scale)
            digits /= 10;
        magnitude.low = digits;
    }
    Store(magnitude, scale, negative, out);
    return S_OK;
}

}  // namespace

HRESULT VarR8FromDec(const DECIMAL* in, double* out)
{
    if (!in || !out || in->scale > MaxScale)
        return E_INVALIDARG;
    const double magnitude = std::ldexp(double(in->Hi32), 64) + double(in->Lo64);
    const double value = magnitude / std::pow(10.0, in->scale);
    *out = (in->sign & DECIMAL_NEG) ? -value : value;
    return S_OK;
}

HRESULT VarDecFromR8(double in, DECIMAL* out)
{
    if (!out)
        return E_INVALIDARG;
    if (!std::isfinite(in) || std::fabs(in) >= 7.9228162514264337593543950335e28)
        return DISP_E_OVERFLOW;
    // 15 significant digits: d.dddddddddddddde<exponent>
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(in));
    char* exponentText = std::strchr(text, 'e');
    const int exponent = std::atoi(exponentText + 1);
    *exponentText = '\0';
    const double mantissa = std::strtod(text, nullptr);
    const auto digits = static_cast<ULONGLONG>(std::llround(mantissa * 1e14));
    return ScaleInto(digits, 14 - exponent, in < 0, out);
}
