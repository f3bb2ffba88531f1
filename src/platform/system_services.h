// The real clock and random source: a monotonic clock and a uniform generator seeded from it.
#pragma once

#include <chrono>
#include <ctime>
#include <random>
#include <string>

#include "platform/clock.h"
#include "platform/random_source.h"

namespace quiltra {

class SteadyClock : public Clock {
public:
    double now() override
    {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }
    std::string today() override
    {
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        char text[16] = "1970-01-01";
        if (localtime_r(&t, &local))
            std::strftime(text, sizeof text, "%Y-%m-%d", &local);
        return text;
    }
};

class ClockSeededRandom : public RandomSource {
public:
    void seedFromClock() override
    {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        engine_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
    }
    float next() override
    {
        // 24 random bits make every single-precision value in [0, 1) a multiple of 2^-24.
        return static_cast<float>(engine_() >> 8) / 16777216.0f;
    }

private:
    std::mt19937 engine_{std::random_device{}()};
};

} // namespace quiltra
