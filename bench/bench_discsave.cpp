// Secure reading of a 74-minute disc from a source that answers at once (an image already in
// memory): both reads of every sector, compared and offset-corrected, in sectors per second and
// in times real time (75 sectors a second), and how much more the drive reads than the two
// passes to read past a cache of 16 MB that survives seeks: a clean disc, and one with a
// sector whose first read is wrong in three places. Then with the test and copy CRCs the caller
// adds, and the CRC alone. Then the whole saving, FLAC file, sums and all, which must stay above 40
// times real time on one core with under 64 MB more resident memory; verifying the saved
// image, with its CUETools database sums and verdict, which must stay above 150 times real time;
// and repairing an image damaged in a burst of 75 sectors from the database's parity, from its
// first read to the repaired folder written, above 40 times real time with under 128 MB more
// resident memory.
#include "ctdb/CtdbVerdict.h"
#include "disc/DiscReader.h"
#include "discimage/ImageDiscReader.h"
#include "discsave/Crc32.h"
#include "discsave/DiscSaver.h"
#include "discsave/ImageVerifier.h"
#include "discsave/RepairingReader.h"
#include "discsave/SecureReader.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
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
        // Twelve tracks of six minutes and a short last one, as an album has them.
        for (int start = 0, number = 1; start < DiscSectors; start += 27000, ++number) {
            TrackInfo track;
            track.number = number;
            track.firstSector = start;
            track.sectorCount = std::min(27000, DiscSectors - start);
            m_toc.tracks.push_back(track);
        }
    }

    const DiscToc& toc() const override { return m_toc; }
    bool read(int first, int count, int16_t* samples) override
    {
        sectorsRead += count;
        if (first < 0 || count <= 0 || first + count > m_toc.leadOut)
            return false;
        for (int sector = first; sector < first + count; ++sector, samples += SamplesPerSector) {
            std::memcpy(samples,
                        m_samples.data() + std::size_t(sector % PatternSectors) * SamplesPerSector,
                        SamplesPerSector * sizeof(int16_t));
            if (sector >= damaged.first && sector < damaged.second)
                for (int n = 0; n < SamplesPerSector; ++n)
                    samples[n] = int16_t(samples[n] ^ 0x2a5);
            if (const auto spoilt = std::find(flaky.begin(), flaky.end(), sector);
                spoilt != flaky.end()) {
                samples[0] ^= 1;
                flaky.erase(spoilt);
            }
        }
        return true;
    }
    void limitSpeed(int) override {}
    void eject() override {}

    long long sectorsRead = 0;
    /// Sectors whose first read comes back spoilt.
    std::vector<int> flaky;
    /// Sectors that always read wrong, alike each time, as a scratch pressed into a rip.
    std::pair<int, int> damaged{0, 0};

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
    const int flaky = int(state.range(1));
    for (auto _ : state) {
        Sink sink;
        for (int n = 0; n < flaky; ++n)
            disc.flaky.push_back((2 * n + 1) * DiscSectors / (2 * flaky));
        const SecureReader::Result result = reader.read(0, DiscSectors, DiscSectors, sink, cancel);
        if (result.status != SecureReader::Status::Done || result.rereadSectors != flaky)
            state.SkipWithError("the disc did not read as made");
    }
    const double sectors = double(state.iterations()) * DiscSectors;
    state.counters["reading_above_two_passes_percent"] =
        100.0 * (double(disc.sectorsRead) - 2 * sectors) / (2 * sectors);
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

/// The process's resident memory now and at its peak, in kB.
long residentKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    return 0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class Quiet final : public DiscSaver::Listener {
public:
    void reading(int, int) override {}
    void trackRead(const TrackResult&) override {}
};

std::string benchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp ? tmp : "/tmp") + "/spindella-bench-discsave";
}

/// The saved image of the whole disc, made by saveDisc for verifyImage.
std::string g_savedSheet;

/// Saves `disc` into the bench's folder as "Bench - <title>"; the saved image's cue sheet.
std::string save(MemoryDisc& disc, const std::string& title)
{
    std::filesystem::remove_all(benchFolder() + "/Bench - " + title);
    DiscSaver saver(disc, 4);
    DiscSaver::Request request;
    request.names.title = title;
    request.names.performer = "Bench";
    request.readOffset = 6;
    request.parent = benchFolder();
    Quiet quiet;
    std::atomic<bool> stop = false;
    if (!saver.read(request, quiet, stop) ||
        !saver.keep(saver.tracks(), "Spindella benchmark", "today"))
        return {};
    return saver.folder() + "/Bench - " + title + ".cue";
}

void saveDisc(benchmark::State& state)
{
    MemoryDisc disc;
    std::filesystem::remove_all(benchFolder());
    std::filesystem::create_directories(benchFolder());
    const long residentBefore = residentKb("VmRSS:");
    double cpu = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        g_savedSheet = save(disc, "Disc");
        cpu += cpuSeconds() - before;
        if (g_savedSheet.empty())
            state.SkipWithError("the disc was not saved");
    }
    const double seconds = double(state.iterations()) * DiscSectors / DiscToc::SectorsPerSecond;
    state.counters["times_real_time_cpu"] = seconds / cpu;
    state.counters["resident_MB_above_idle"] = double(residentKb("VmHWM:") - residentBefore) / 1024;
}

/// The CUETools database's entry of the saved disc and its parity file, made by verifyImage.
CtdbEntry g_entry;
std::string g_parity;

void verifyImage(benchmark::State& state)
{
    std::string error;
    double cpu = 0;
    for (auto _ : state) {
        const auto image = ImageDiscReader::open(g_savedSheet, error);
        if (!image) {
            state.SkipWithError(error.c_str());
            break;
        }
        ImageVerifier verifier(*image);
        const std::atomic<bool> cancel = false;
        const double before = cpuSeconds();
        if (!verifier.read({}, cancel)) {
            state.SkipWithError(verifier.error().c_str());
            break;
        }
        // The database's entry is the disc's own: the verdict is the accurate one's whole way.
        const CtdbDiscSums& sums = *verifier.ctdbSums();
        const CtdbCrc crc = *sums.crcAt(0);
        g_entry = {"1", crc.disc, 5, 16, sums.syndromes().column(0), "/parity/1", crc.tracks, {}};
        if (CtdbVerdict::judge(sums, {g_entry}).result != CtdbVerdict::Result::Accurate)
            state.SkipWithError("the image is not its own entry's");
        cpu += cpuSeconds() - before;
        const auto planes = sums.syndromes().planes();
        g_parity.clear();
        for (const std::uint16_t word : planes)
            g_parity.append(1, char(word & 0xff)).append(1, char(word >> 8));
    }
    const double seconds = double(state.iterations()) * DiscSectors / DiscToc::SectorsPerSecond;
    state.counters["times_real_time_cpu"] = seconds / cpu;
}

void repairImage(benchmark::State& state)
{
    MemoryDisc disc;
    disc.damaged = {DiscSectors / 3, DiscSectors / 3 + 75};
    const std::string damaged = save(disc, "Damaged");
    // Peak memory counted from here: the damaged image's saving is not the repair's.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long residentBefore = residentKb("VmRSS:");
    double cpu = 0;
    for (auto _ : state) {
        std::filesystem::remove_all(benchFolder() + "/Repaired");
        const double before = cpuSeconds();
        std::string error;
        auto image = ImageDiscReader::open(damaged, error);
        if (!image) {
            state.SkipWithError(error.c_str());
            break;
        }
        ImageVerifier verifier(*image);
        const std::atomic<bool> cancel = false;
        if (!verifier.read({}, cancel)) {
            state.SkipWithError(verifier.error().c_str());
            break;
        }
        CtdbVerdict verdict = CtdbVerdict::judge(*verifier.ctdbSums(), {g_entry});
        const auto fixes = verdict.mend(*verifier.ctdbSums(), g_parity);
        if (!fixes) {
            state.SkipWithError("the damage was not found repairable");
            break;
        }
        image = ImageDiscReader::open(damaged, error);
        int first = 0;
        for (const TrackInfo& track : image->toc().tracks)
            if (track.number == 1)
                first = track.firstSector;
        RepairingReader mended(*image, first, *fixes);
        DiscSaver saver(mended, 0);
        DiscSaver::Request request;
        request.names = image->toc();
        request.parent = benchFolder();
        request.folderName = "Repaired";
        Quiet quiet;
        std::atomic<bool> stop = false;
        if (!saver.read(request, quiet, stop) ||
            CtdbVerdict::judge(*saver.ctdbSums(), {g_entry}).result !=
                CtdbVerdict::Result::Accurate ||
            !saver.keep(saver.tracks(), "Spindella benchmark", "today"))
            state.SkipWithError("the repaired image is not the entry's");
        cpu += cpuSeconds() - before;
        state.counters["words_repaired"] = double(verdict.repairWords);
        state.counters["sectors_repaired"] = double(verdict.repairSectors);
    }
    const double seconds = double(state.iterations()) * DiscSectors / DiscToc::SectorsPerSecond;
    state.counters["times_real_time_cpu"] = seconds / cpu;
    state.counters["resident_MB_above_idle"] = double(residentKb("VmHWM:") - residentBefore) / 1024;
    std::filesystem::remove_all(benchFolder());
}

} // namespace

// The read offset: none, a few samples (every chunk straddles a sector), whole sectors back.
// Then the sectors whose first read is wrong.
BENCHMARK(secureRead)
    ->Args({0, 0})
    ->Args({6, 0})
    ->Args({-1176, 0})
    ->Args({6, 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(secureReadWithCrcs)->Args({6, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(crc32)->Arg(SecureReader::LargestCacheSectors* SamplesPerSector * 2);
// A 74-minute disc of noise, the FLAC encoder's hardest audio, into a file on the disk.
BENCHMARK(saveDisc)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(verifyImage)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(repairImage)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
