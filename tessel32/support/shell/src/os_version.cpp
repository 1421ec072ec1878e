// Module OSVER: IsNtPlatform.
#include "tessel32/shell/functions.h"
#include "tessel32/shell/rules.h"

namespace tessel32::shell {

bool IsNtPlatform() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);  // 148 bytes
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    if (!GetVersionExA(&version)) return false;
    return IsNtPlatformId(version.dwPlatformId);
}

}  // namespace tessel32::shell
