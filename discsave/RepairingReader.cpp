#include "discsave/RepairingReader.h"

#include "ctdb/CtdbLayout.h"

#include <algorithm>

RepairingReader::RepairingReader(DiscReader& image, int audioStart,
                                 const std::vector<CtdbRepair::Fix>& fixes)
    : m_image(image),
      m_audioStart((long long)audioStart * (long long)CtdbLayout::WordsPerSector),
      m_fixes(fixes)
{
    std::sort(m_fixes.begin(), m_fixes.end(),
              [](const CtdbRepair::Fix& a, const CtdbRepair::Fix& b) { return a.word < b.word; });
}

bool RepairingReader::read(int firstSector, int count, int16_t* samples)
{
    if (!m_image.read(firstSector, count, samples))
        return false;
    const long long begin =
        (long long)firstSector * (long long)CtdbLayout::WordsPerSector - m_audioStart;
    const long long end = begin + (long long)count * (long long)CtdbLayout::WordsPerSector;
    if (end <= 0)
        return true;
    auto fix = std::lower_bound(
        m_fixes.begin(), m_fixes.end(), std::size_t(std::max(begin, 0LL)),
        [](const CtdbRepair::Fix& fix, std::size_t word) { return fix.word < word; });
    for (; fix != m_fixes.end() && (long long)fix->word < end; ++fix) {
        int16_t& sample = samples[(long long)fix->word - begin];
        sample = int16_t(uint16_t(sample) ^ fix->error);
    }
    return true;
}
