// Checking a 74-minute disc against the CUETools database, all in memory: the syndromes of every
// column at npar 16 (what costs most in a repair), the disc's and its tracks' CRCs, the search
// for the read offset, and finding the mends for a burst of 8 lost rows.
#include "ctdb/CtdbCrc.h"
#include "ctdb/CtdbOffset.h"
#include "ctdb/CtdbRepair.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int DiscSectors = 74 * 60 * 75;

/// The disc's noise, 783 MB, made once for all the measures.
const std::vector<std::int16_t>& discAudio()
{
    static const std::vector<std::int16_t> audio = [] {
        std::vector<std::int16_t> made(std::size_t(DiscSectors) * CtdbLayout::WordsPerSector);
        std::uint32_t noise = 2463534242u;
        for (std::int16_t& sample : made) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            sample = std::int16_t(noise >> 16);
        }
        return made;
    }();
    return audio;
}

/// Twelve tracks of six minutes and a short last one, as an album has them.
CtdbToc albumToc()
{
    CtdbToc toc;
    for (int start = 0; start < DiscSectors; start += 27000)
        toc.tracks.push_back({start, true});
    toc.leadOut = DiscSectors;
    return toc;
}

void reportSpeed(benchmark::State& state)
{
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(discAudio().size() * 2));
    state.counters["times_real_time"] = benchmark::Counter(
        double(state.iterations()) * DiscSectors / 75, benchmark::Counter::kIsRate);
}

void syndromes(benchmark::State& state)
{
    const CtdbLayout layout = *CtdbLayout::of(DiscSectors);
    discAudio();
    for (auto _ : state)
        benchmark::DoNotOptimize(CtdbSyndromes::of(layout, discAudio(), 0));
    reportSpeed(state);
}

void crcs(benchmark::State& state)
{
    const CtdbToc toc = albumToc();
    discAudio();
    for (auto _ : state)
        benchmark::DoNotOptimize(CtdbCrc::of(toc, discAudio(), 0));
    reportSpeed(state);
}

/// An entry read 1000 samples late (the search goes that far both ways before it finds it), or
/// another disc's, for which it tries every offset.
void offsetSearch(benchmark::State& state)
{
    const CtdbLayout layout = *CtdbLayout::of(DiscSectors);
    const CtdbSyndromes own = *CtdbSyndromes::of(layout, discAudio(), 0);
    std::vector<std::uint16_t> entry = CtdbSyndromes::of(layout, discAudio(), 1000)->column(0);
    if (state.range(0) != 0)
        entry.front() ^= 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(CtdbOffset::find(own, layout, discAudio(), entry));
}

void repairBurst(benchmark::State& state)
{
    const CtdbLayout layout = *CtdbLayout::of(DiscSectors);
    const CtdbSyndromes file = *CtdbSyndromes::of(layout, discAudio(), 0);
    std::vector<std::int16_t> damaged = discAudio();
    std::mt19937 random(74);
    const std::size_t from = damaged.size() / 3;
    for (std::size_t at = from; at < from + 8 * CtdbLayout::Stride; ++at)
        damaged[at] = std::int16_t(std::uint16_t(damaged[at]) ^ (1 + random() % 65535));
    const CtdbSyndromes own = *CtdbSyndromes::of(layout, damaged, 0);
    for (auto _ : state) {
        const auto fixes = CtdbRepair::fixes(own, file, layout, 0);
        if (!fixes || fixes->size() != 8 * CtdbLayout::Stride)
            state.SkipWithError("the burst was not mended");
    }
}

} // namespace

BENCHMARK(syndromes)->Unit(benchmark::kMillisecond);
BENCHMARK(crcs)->Unit(benchmark::kMillisecond);
BENCHMARK(offsetSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(repairBurst)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
