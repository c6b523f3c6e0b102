#pragma once

#include <cstdint>
#include <random>

#include "ports/ports.h"

namespace kz {

// The programs' random numbers: one generator per run, seeded once (from the clock at start-up).
class SeededRandom final : public Random {
public:
    explicit SeededRandom(uint32_t seed) : m_engine(seed) {}
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

}  // namespace kz
