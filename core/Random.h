#pragma once

#include <cstdint>
#include <random>

namespace kotebu {

// The source of every random draw of the game: floats in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The program's generator: seedable, so a run can be repeated.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed = 0) : m_engine(seed) {}
    void seed(std::uint32_t value) { m_engine.seed(value); }
    float next() override;

private:
    std::mt19937 m_engine;
};

// The generator of the running program. Tests install their own source with
// setRandomSource(); nullptr brings the program's generator back.
RandomSource &random();
void setRandomSource(RandomSource *source);

// Seeds the program's generator (LoadGameState does this from the clock).
void seedRandom(std::uint32_t seed);

} // namespace kotebu
