#include "Random.h"

namespace kotebu {

float SeededRandom::next()
{
    // 24 random bits fill a float's mantissa exactly, so the result can never
    // round up to 1.0 (std::generate_canonical<float> can).
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

namespace {
SeededRandom &programGenerator()
{
    static SeededRandom generator;
    return generator;
}
RandomSource *installed = nullptr;
} // namespace

RandomSource &random()
{
    return installed ? *installed : programGenerator();
}

void setRandomSource(RandomSource *source)
{
    installed = source;
}

void seedRandom(std::uint32_t seed)
{
    programGenerator().seed(seed);
}

} // namespace kotebu
