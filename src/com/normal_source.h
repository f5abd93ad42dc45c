#pragma once

#include <cmath>
#include <cstdint>

namespace dvk {

// Normal deviates for the throw model: xoshiro256+ with the polar method, which draws two
// deviates per accepted pair, so one dart's two axes cost one logarithm and one square root.
// The 15-bit generator of the table levels is far too coarse for a continuous spread, and
// this one is fast enough for simulating millions of legs. A fixed seed replays every dart.
class NormalSource {
public:
    explicit NormalSource(std::uint64_t seed = 1) { reseed(seed); }

    void reseed(std::uint64_t seed) {
        for (auto& s : m_state) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            s = z ^ (z >> 31);
        }
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // Two independent standard normal deviates.
    void normal_pair(double& a, double& b) {
        double u = 0;
        double v = 0;
        double s = 0;
        do {
            u = 2 * uniform() - 1;
            v = 2 * uniform() - 1;
            s = u * u + v * v;
        } while (s >= 1 || s == 0);
        const double scale = std::sqrt(-2 * std::log(s) / s);
        a = u * scale;
        b = v * scale;
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t next() {
        const std::uint64_t result = m_state[0] + m_state[3];
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

    std::uint64_t m_state[4]{};
};

} // namespace dvk
