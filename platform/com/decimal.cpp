#include "platform/com/decimal.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Wide = unsigned __int128;

constexpr int MaxScale = 28;
constexpr Wide Max96 = (Wide(1) << 96) - 1;

Wide PowerOfTen(int n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

Wide DividedRounded(Wide value, Wide divisor)
{
    Wide quotient = value / divisor;
    if ((value % divisor) * 2 >= divisor)
        ++quotient;
    return quotient;
}

void Store(Wide magnitude, int scale, bool negative, DECIMAL* out)
{
    while (scale > 0 && magnitude % 10 == 0) {
        magnitude /= 10;
        --scale;
    }
    out->wReserved = 0;
    out->scale = static_cast<BYTE>(scale);
    out->sign = negative && magnitude != 0 ? DECIMAL_NEG : 0;
    out->Hi32 = static_cast<ULONG>(magnitude >> 64);
    out->Lo64 = static_cast<ULONGLONG>(magnitude);
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
    Wide digits = static_cast<Wide>(std::llround(mantissa * 1e14));
    int scale = 14 - exponent;
    if (scale < 0) {
        digits *= PowerOfTen(-scale);
        scale = 0;
    } else if (scale > MaxScale) {
        digits = DividedRounded(digits, PowerOfTen(scale - MaxScale));
        scale = MaxScale;
    }
    if (digits > Max96)
        return DISP_E_OVERFLOW;
    Store(digits, scale, in < 0, out);
    return S_OK;
}
