#include "discimage/ImageDiscReader.h"

#include "discimage/AudioFile.h"
#include "discimage/FlacCueSheet.h"

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* AudioExtensions[] = {".flac", ".wav", ".aiff", ".aif", ".bin", ".raw"};

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

std::string extensionOf(const std::string& name)
{
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : lower(name.substr(dot));
}

bool exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

/// The name in `folder` that equals one of `wanted` but for case, in the order wanted.
std::string findIgnoringCase(const std::string& folder, const std::vector<std::string>& wanted)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    for (const std::string& want : wanted)
        for (const std::string& name : names)
            if (lower(name) == lower(want))
                return std::string(folder).append("/").append(name);
    return {};
}

/// The file a sheet names, or the one the rip left in its place: the same name in another
/// case, or the same base name with another audio extension. A path written on another
/// computer (C:\Rips\x.wav, \\server\share\x.flac, /home/old/x.flac) is looked for beside
/// the sheet; a relative folder first where the user copied it with the rip.
std::string locate(const std::string& folder, std::string named)
{
    // Sheets written on Windows separate folders with backslashes.
    std::replace(named.begin(), named.end(), '\\', '/');
    const bool elsewhere = named.starts_with('/') || (named.size() > 1 && named[1] == ':');
    std::string written = named.starts_with('/') ? named : folder + "/" + named;
    if (exists(written))
        return written;
    const std::string name = nameOf(named);
    std::vector<std::string> candidates{name};
    const std::string base = name.substr(0, name.find_last_of('.'));
    for (const char* extension : AudioExtensions)
        candidates.push_back(base + extension);
    std::string found;
    if (!elsewhere) {
        // The folders as copied from a computer that ignores case.
        std::string within = folder;
        for (std::size_t from = 0, slash;
             within.size() > 0 && (slash = named.find('/', from)) != std::string::npos;
             from = slash + 1)
            within = findIgnoringCase(within, {named.substr(from, slash - from)});
        if (!within.empty())
            found = findIgnoringCase(within, candidates);
    }
    if (found.empty())
        found = findIgnoringCase(folder, candidates);
    if (!found.empty())
        std::fprintf(stderr, "Spindella: the cue sheet names \"%s\"; playing \"%s\" instead\n",
                     named.c_str(), found.c_str());
    return found;
}

/// At most `limit` bytes of a regular file, without waiting on a pipe or a device.
bool readSmallFile(const std::string& path, std::size_t limit, std::string& bytes, Reason& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = Reason(fd < 0 ? QT_TRANSLATE_NOOP("Reason", "it cannot be read")
                              : QT_TRANSLATE_NOOP("Reason", "it is not a regular file"));
    } else if (std::size_t(info.st_size) > limit) {
        error = Reason(QT_TRANSLATE_NOOP("Reason", "the cue sheet is larger than 1 MB"));
    } else {
        bytes.resize(std::size_t(info.st_size));
        const ssize_t got = ::read(fd, bytes.data(), bytes.size());
        if (got != ssize_t(bytes.size()))
            error = Reason(QT_TRANSLATE_NOOP("Reason", "it cannot be read"));
    }
    if (fd >= 0)
        ::close(fd);
    return error.empty();
}

/// The cue sheet for `path`: itself, or the sheet beside an audio file with its base name.
std::string sheetFor(const std::string& path, Reason& error)
{
    const std::string extension = extensionOf(nameOf(path));
    if (std::find(std::begin(AudioExtensions), std::end(AudioExtensions), extension) ==
        std::end(AudioExtensions))
        return path;
    const std::string name = nameOf(path);
    const std::string sheet = name.substr(0, name.size() - extension.size()) + ".cue";
    std::string found = findIgnoringCase(folderOf(path), {sheet});
    if (found.empty())
        error = Reason(QT_TRANSLATE_NOOP("Reason", "there is no cue sheet %1 beside it"),
                       {Reason::verbatim(sheet)});
    return found;
}

/// A file of data tracks only is measured, never decoded.
bool holdsAudio(const CueSheet& sheet, int file)
{
    bool data = false;
    for (const CueSheet::Track& track : sheet.tracks)
        for (const CueSheet::Index& index : track.indexes)
            if (index.file == file && track.audio)
                return true;
            else if (index.file == file)
                data = true;
    return !data;
}

} // namespace

ImageDiscReader::ImageDiscReader(ImageLayout layout, std::vector<File> files)
    : m_layout(std::move(layout)), m_files(std::move(files))
{
}

ImageDiscReader::~ImageDiscReader() = default;

std::unique_ptr<ImageDiscReader> ImageDiscReader::open(const std::string& path, std::string& error)
{
    Reason why;
    auto image = open(path, why);
    error = why.english();
    return image;
}

std::unique_ptr<ImageDiscReader> ImageDiscReader::open(const std::string& path, Reason& error)
{
    std::string sheetPath = sheetFor(path, error);
    std::variant<CueSheet, Reason> parsed;
    if (sheetPath.empty() && extensionOf(nameOf(path)) == ".flac") {
        // A FLAC image may carry its sheet inside.
        parsed = FlacCueSheet::read(path);
        if (const auto* why = std::get_if<Reason>(&parsed)) {
            error = Reason(QT_TRANSLATE_NOOP("Reason", "%1, and %2"), {error, *why});
            return nullptr;
        }
        error = {};
        sheetPath = path;
    } else {
        std::string bytes;
        if (sheetPath.empty() || !readSmallFile(sheetPath, CueSheet::MaxBytes, bytes, error))
            return nullptr;
        parsed = CueSheet::parse(bytes);
    }
    if (const auto* why = std::get_if<Reason>(&parsed)) {
        error = *why;
        return nullptr;
    }
    const CueSheet& sheet = std::get<CueSheet>(parsed);

    std::vector<File> files;
    std::vector<int> sectors;
    for (std::size_t n = 0; n < sheet.files.size(); ++n) {
        const CueSheet::File& named = sheet.files[n];
        const std::string found = locate(folderOf(sheetPath), named.name);
        const bool audio = holdsAudio(sheet, int(n));
        if (found.empty() && audio) {
            error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 is not there"),
                           {Reason::verbatim(named.name)});
            return nullptr;
        }
        files.push_back({found, named.type});
        if (found.empty()) {
            // A data track's placeholder, as rippers write it: never played, never there.
            sectors.push_back(0);
        } else if (audio) {
            const auto audio = AudioFile::open(found, named.type, error);
            if (!audio)
                return nullptr;
            sectors.push_back(audio->sectors());
        } else {
            // Data is never read, only measured, in the sectors of its track's mode.
            struct stat info {};
            ::stat(found.c_str(), &info);
            const auto track =
                std::find_if(sheet.tracks.begin(), sheet.tracks.end(),
                             [&](const CueSheet::Track& t) { return t.start().file == int(n); });
            const int bytesPerSector =
                track == sheet.tracks.end() ? DiscToc::BytesPerSector : track->dataSectorBytes;
            sectors.push_back(int(
                std::min<long long>(info.st_size / bytesPerSector, ImageLayout::MaxSectors + 1LL)));
        }
    }
    auto layout = ImageLayout::build(sheet, sectors);
    if (const auto* why = std::get_if<Reason>(&layout)) {
        error = *why;
        return nullptr;
    }
    return std::make_unique<ImageDiscReader>(std::move(std::get<ImageLayout>(layout)),
                                             std::move(files));
}

bool ImageDiscReader::read(int firstSector, int count, int16_t* samples)
{
    if (firstSector < 0 || count <= 0 || firstSector + count > m_layout.toc.leadOut)
        return false;
    const auto& segments = m_layout.segments;
    auto segment = std::upper_bound(segments.begin(), segments.end(), firstSector,
                                    [](int sector, const ImageLayout::Segment& s) {
                                        return sector < s.firstSector;
                                    }) -
                   1;
    const std::size_t samplesPerSector = DiscToc::BytesPerSector / 2;
    for (int sector = firstSector; count > 0; ++segment) {
        const int n = std::min(count, segment->endSector() - sector);
        const int into = segment->fileSector + (sector - segment->firstSector);
        if (segment->file == ImageLayout::Segment::Silence) {
            std::fill_n(samples, std::size_t(n) * samplesPerSector, int16_t(0));
        } else {
            if (m_openFile != segment->file) {
                m_open.reset();
                m_openFile = -1;
                Reason error;
                const File& file = m_files[std::size_t(segment->file)];
                m_open = AudioFile::open(file.path, file.type, error);
                if (!m_open)
                    return false;
                m_openFile = segment->file;
            }
            if (!m_open->read(into, n, samples))
                return false;
        }
        samples += std::size_t(n) * samplesPerSector;
        sector += n;
        count -= n;
    }
    return true;
}

void ImageDiscReader::eject()
{
    m_open.reset();
    m_openFile = -1;
}
