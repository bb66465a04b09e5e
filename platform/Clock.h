#pragma once
#include <cstdint>

namespace plat {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(uint32_t milliseconds) = 0;
    virtual uint32_t GetTickCount() = 0;
};

}  // namespace plat
