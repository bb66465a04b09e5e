#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace plat {

namespace {
Platform* active = nullptr;
}

Platform& os() {
    if (!active) {
        std::fputs("no platform installed\n", stderr);
        std::abort();
    }
    return *active;
}

void InstallPlatform(Platform* platform) { active = platform; }

}  // namespace plat
