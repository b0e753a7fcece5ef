// Secure reading of a 74-minute disc from a source that answers at once (an image already in
// memory): both reads of every sector, compared and offset-corrected, in sectors per second and
// in times real time (75 sectors a second). Saving a whole disc, FLAC and checksums included, must
// stay far above 40 times real time on one core. Then with the test and copy CRCs the caller
// adds, and the CRC alone.
#include "cdaudio/DiscReader.h"
#include "discsave/Crc32.h"
#include "discsave/SecureReader.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <vector>

namespace {

constexpr int DiscSectors = 74 * 60 * DiscToc::SectorsPerSecond;
constexpr int SamplesPerSector = 2 * SecureReader::FramesPerSector;
/// ~9.6 MB of noise repeated over the disc: more than the processor's caches hold, as a real
/// image would be, without 780 MB of memory.
constexpr int PatternSectors = 4096;

class MemoryDisc final : public DiscReader {
public:
    MemoryDisc() : m_samples(std::size_t(PatternSectors) * SamplesPerSector)
    {
        std::uint32_t noise = 2463534242u;
        for (int16_t& sample : m_samples) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            sample = int16_t(noise >> 16);
        }
        m_toc.leadOut = DiscSectors;
    }

    const DiscToc& toc() const override { return m_toc; }
    bool read(int first, int count, int16_t* samples) override
    {
        if (first < 0 || count <= 0 || first + count > m_toc.leadOut)
            return false;
        for (int sector = first; sector < first + count; ++sector, samples += SamplesPerSector)
            std::memcpy(samples,
                        m_samples.data() + std::size_t(sector % PatternSectors) * SamplesPerSector,
                        SamplesPerSector * sizeof(int16_t));
        return true;
    }
    void limitSpeed(int) override {}
    void eject() override {}

private:
    DiscToc m_toc;
    std::vector<int16_t> m_samples;
};

class DiscardingSink final : public SecureReadSink {
public:
    void copied(const int16_t* samples, std::size_t) override { benchmark::DoNotOptimize(samples); }
    void tested(const int16_t* samples, std::size_t) override { benchmark::DoNotOptimize(samples); }
};

class CheckingSink final : public SecureReadSink {
public:
    Crc32 test;
    Crc32 copy;
    void copied(const int16_t* samples, std::size_t frames) override
    {
        copy.update(samples, frames * 2 * sizeof(int16_t));
    }
    void tested(const int16_t* samples, std::size_t frames) override
    {
        test.update(samples, frames * 2 * sizeof(int16_t));
    }
};

template <typename Sink> void readDisc(benchmark::State& state)
{
    MemoryDisc disc;
    SecureReader reader(disc, int(state.range(0)));
    const std::atomic<bool> cancel = false;
    for (auto _ : state) {
        Sink sink;
        const SecureReader::Result result = reader.read(0, DiscSectors, DiscSectors, sink, cancel);
        if (result.status != SecureReader::Status::Done || result.rereadSectors != 0)
            state.SkipWithError("the disc did not read cleanly");
    }
    const double sectors = double(state.iterations()) * DiscSectors;
    state.counters["sectors_per_second"] = benchmark::Counter(sectors, benchmark::Counter::kIsRate);
    state.counters["times_real_time"] =
        benchmark::Counter(sectors / DiscToc::SectorsPerSecond, benchmark::Counter::kIsRate);
}

void secureRead(benchmark::State& state)
{
    readDisc<DiscardingSink>(state);
}

void secureReadWithCrcs(benchmark::State& state)
{
    readDisc<CheckingSink>(state);
}

void crc32(benchmark::State& state)
{
    const std::vector<char> data(std::size_t(state.range(0)), 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(Crc32::of(data.data(), data.size()));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

} // namespace

// The read offset: none, a few samples (every chunk straddles a sector), whole sectors back.
BENCHMARK(secureRead)->Arg(0)->Arg(6)->Arg(-1176)->Unit(benchmark::kMillisecond);
BENCHMARK(secureReadWithCrcs)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(crc32)->Arg(SecureReader::ChunkSectors* SamplesPerSector * 2);

BENCHMARK_MAIN();
