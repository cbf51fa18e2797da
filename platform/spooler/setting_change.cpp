#include "platform/spooler/setting_change.h"

std::intptr_t SendMessageTimeoutA(std::uintptr_t window, unsigned, std::uintptr_t, std::intptr_t,
                                  unsigned, unsigned, std::uintptr_t* result) {
    if (result)
        *result = 0;
    return window == HWND_BROADCAST;
}
