#include "platform/spooler/os_version.h"

int GetVersionExA(OSVERSIONINFOA* version) {
    if (!version || version->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
        return 0;
    *version = OSVERSIONINFOA();
    version->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    version->dwMajorVersion = 5;
    version->dwMinorVersion = 1;
    version->dwPlatformId = VER_PLATFORM_WIN32_NT;
    return 1;
}
