#include "discimage/AudioFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string baseName(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

/// What a container-free file holds might still be a container: a WAV renamed .bin, say.
bool startsLikeAContainer(int fd)
{
    char head[12] = {};
    if (::pread(fd, head, sizeof head, 0) != ssize_t(sizeof head))
        return false;
    const auto is = [&](const char* tag, std::size_t at) {
        return std::memcmp(head + at, tag, 4) == 0;
    };
    return (is("RIFF", 0) && is("WAVE", 8)) || is("fLaC", 0) ||
           (is("FORM", 0) && (is("AIFF", 8) || is("AIFC", 8)));
}

Reason bitsOf(int subtype)
{
    switch (subtype) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        return Reason(QT_TRANSLATE_NOOP("Reason", "8-bit"));
    case SF_FORMAT_PCM_24:
        return Reason(QT_TRANSLATE_NOOP("Reason", "24-bit"));
    case SF_FORMAT_PCM_32:
        return Reason(QT_TRANSLATE_NOOP("Reason", "32-bit"));
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
        return Reason(QT_TRANSLATE_NOOP("Reason", "floating-point"));
    default:
        return Reason(QT_TRANSLATE_NOOP("Reason", "compressed"));
    }
}

} // namespace

std::unique_ptr<AudioFile> AudioFile::open(const std::string& path, CueSheet::FileType type,
                                           Reason& error)
{
    const Reason name = Reason::verbatim(baseName(path));
    // Non-blocking, so a pipe with no writer or a device cannot hold the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = Reason(fd < 0 ? QT_TRANSLATE_NOOP("Reason", "%1 cannot be read")
                              : QT_TRANSLATE_NOOP("Reason", "%1 is not a regular file"),
                       {name});
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    SF_INFO format{};
    if (type != CueSheet::FileType::Other && !startsLikeAContainer(fd)) {
        format.samplerate = 44100;
        format.channels = 2;
        format.format = SF_FORMAT_RAW | SF_FORMAT_PCM_16 |
                        (type == CueSheet::FileType::Motorola ? SF_ENDIAN_BIG : SF_ENDIAN_LITTLE);
    }
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &format, SF_TRUE);
    if (!file) {
        ::close(fd);
        error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 is not audio"), {name});
        return nullptr;
    }
    std::unique_ptr<AudioFile> audio(new AudioFile(file, format.frames));
    if (format.samplerate != 44100)
        error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 is %2 Hz, not 44100 Hz"),
                       {name, Reason::verbatim(std::to_string(format.samplerate))});
    else if (format.channels == 1)
        error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 is mono, not stereo"), {name});
    else if (format.channels != 2)
        error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 has %2 channels, not 2"),
                       {name, Reason::verbatim(std::to_string(format.channels))});
    else if ((format.format & SF_FORMAT_SUBMASK) != SF_FORMAT_PCM_16)
        error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 is %2, not 16-bit"),
                       {name, bitsOf(format.format & SF_FORMAT_SUBMASK)});
    else if (format.frames < 0 || format.frames > (1LL << 40))
        error =
            Reason(QT_TRANSLATE_NOOP("Reason", "%1 says it is of an impossible length"), {name});
    if (!error.empty())
        return nullptr;

    // A damaged or cut-off file often fails only near its end: read the last sector now.
    std::int16_t last[FramesPerSector * 2];
    const long long tail = std::min<long long>(audio->m_frames, FramesPerSector);
    if (sf_seek(file, audio->m_frames - tail, SEEK_SET) < 0 ||
        sf_readf_short(file, last, tail) != tail || sf_seek(file, 0, SEEK_SET) != 0) {
        error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 is damaged or cut short"), {name});
        return nullptr;
    }
    return audio;
}

AudioFile::AudioFile(SNDFILE* file, long long frames) : m_file(file), m_frames(frames) {}

AudioFile::~AudioFile()
{
    sf_close(m_file);
}

int AudioFile::sectors() const
{
    return int((m_frames + FramesPerSector - 1) / FramesPerSector);
}

bool AudioFile::read(int first, int count, int16_t* samples)
{
    const long long from = (long long)first * FramesPerSector;
    const long long wanted = (long long)count * FramesPerSector;
    const long long present = std::clamp(m_frames - from, 0LL, wanted);
    if (present > 0 && from != m_position) {
        if (sf_seek(m_file, from, SEEK_SET) != from)
            return false;
        m_position = from;
    }
    const long long got = present > 0 ? sf_readf_short(m_file, samples, present) : 0;
    m_position += got;
    if (got != present)
        return false;
    std::fill(samples + present * 2, samples + wanted * 2, int16_t(0));
    return true;
}
