#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

/// The noise the database's own tests are made of: .NET's seeded System.Random (Knuth's
/// subtractive generator), each draw's low byte, read as 16-bit little-endian stereo samples.
class CtdbTestImage {
public:
    /// `words` samples of the noise of `seed` after its first `skipBytes` bytes.
    static std::vector<std::int16_t> noise(int seed, std::size_t skipBytes, std::size_t words)
    {
        CtdbTestImage random(seed);
        for (std::size_t n = 0; n < skipBytes; ++n)
            random.next();
        std::vector<std::int16_t> samples(words);
        for (std::int16_t& sample : samples) {
            const int low = random.next() & 0xff;
            sample = std::int16_t(std::uint16_t(low | (random.next() & 0xff) << 8));
        }
        return samples;
    }

private:
    static constexpr int Big = 2147483647;

    explicit CtdbTestImage(int seed)
    {
        int mj = 161803398 - std::abs(seed);
        int mk = 1;
        m_seeds[55] = mj;
        for (int i = 1; i < 55; ++i) {
            const int ii = 21 * i % 55;
            m_seeds[std::size_t(ii)] = mk;
            mk = mj - mk;
            if (mk < 0)
                mk += Big;
            mj = m_seeds[std::size_t(ii)];
        }
        for (int k = 1; k < 5; ++k)
            for (std::size_t i = 1; i < 56; ++i) {
                m_seeds[i] -= m_seeds[1 + (i + 30) % 55];
                if (m_seeds[i] < 0)
                    m_seeds[i] += Big;
            }
    }

    int next()
    {
        m_next = m_next + 1 >= 56 ? 1 : m_next + 1;
        m_nextP = m_nextP + 1 >= 56 ? 1 : m_nextP + 1;
        int value = m_seeds[m_next] - m_seeds[m_nextP];
        if (value == Big)
            --value;
        if (value < 0)
            value += Big;
        m_seeds[m_next] = value;
        return value;
    }

    std::array<int, 56> m_seeds{};
    std::size_t m_next = 0;
    std::size_t m_nextP = 21;
};
