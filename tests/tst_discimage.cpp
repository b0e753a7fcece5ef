// Disc images as rips are written, played through the player's own path (worker, ring,
// de-emphasis) and heard bit for bit against the disc they were ripped from.
#include "discimage/CueSheet.h"
#include "discimage/ImageDiscReader.h"
#include "discimage/ImageDiscSource.h"
#include "discimage/ImageLayout.h"
#include "drive/CdioDiscSource.h"
#include "player/CdPlayer.h"
#include "sound/DeEmphasis.h"
#include "support/DiscImage.h"
#include "support/RecordingOutput.h"
#include "support/TextTable.h"

#include <FLAC/metadata.h>
#include <QTemporaryDir>
#include <QtTest>

#include <random>
#include <sndfile.h>
#include <sys/stat.h>

namespace {

using State = Transport::State;
constexpr int Sector = DiscToc::BytesPerSector;
/// The length of the gaps the rips move between files, in sectors.
constexpr int Gap = 20;

/// A player with no drive, its sound recorded faster than real time.
struct Player {
    QByteArray recording;
    CdPlayer player{std::make_unique<CdioDiscSource>(std::vector<std::string>{}), [this] {
                        return std::make_unique<RecordingOutput>(recording);
                    }};

    Player()
    {
        player.setImageSources(
            [](const std::string& path) { return std::make_shared<ImageDiscSource>(path); });
    }

    State state() const { return player.transport().state(); }
    QString display() const { return QString::fromStdString(player.transport().display()); }
    bool open(const QString& path)
    {
        QSignalSpy opened(&player, &CdPlayer::imageOpened);
        player.openImage(path);
        return opened.wait(5000);
    }
};

/// Interleaved stereo samples as a file of the kind its name says (FLAC, WAV), raw otherwise.
void writeAudio(const QString& path, const std::vector<int16_t>& samples, int format = 0,
                int rate = 44100, int channels = 2)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format                   ? format
                  : path.endsWith(".flac") ? SF_FORMAT_FLAC | SF_FORMAT_PCM_16
                  : path.endsWith(".wav")  ? SF_FORMAT_WAV | SF_FORMAT_PCM_16
                  : path.endsWith(".aiff") ? SF_FORMAT_AIFF | SF_FORMAT_PCM_16
                                           : SF_FORMAT_RAW | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(qPrintable(path), SFM_WRITE, &info);
    QVERIFY2(file, sf_strerror(nullptr));
    sf_write_short(file, samples.data(), sf_count_t(samples.size()));
    sf_close(file);
}

/// Gives the FLAC file at `path` a CUESHEET block of tracks "number@sector:index@sector ..."
/// (sectors in 588 samples; the last track is the lead-out), a lead-in and tags, as `change` says.
void addCueSheet(const QString& path, const QString& change)
{
    FLAC__Metadata_Chain* chain = FLAC__metadata_chain_new();
    QVERIFY(FLAC__metadata_chain_read(chain, qPrintable(path)));
    FLAC__Metadata_Iterator* at = FLAC__metadata_iterator_new();
    FLAC__metadata_iterator_init(at, chain);
    QString tracks = "1@0:1@0 2@75:0@0,1@10 3@150:1@0 170@225";
    if (change == "tracks out of order")
        tracks = "2@0:1@0 1@75:1@0 170@225";
    else if (change == "off the sectors")
        tracks = "1@0:1@0 2@75.5:1@0 170@225";
    else if (change == "no INDEX 01")
        tracks = "1@0:1@0 2@75:2@0 170@225";
    else if (change == "indexes out of order")
        tracks = "1@0:1@0 2@75:1@10,0@0 170@225";
    else if (change == "no lead-out")
        tracks = "1@0:1@0 2@75:1@0";
    FLAC__StreamMetadata* sheet = FLAC__metadata_object_new(FLAC__METADATA_TYPE_CUESHEET);
    sheet->data.cue_sheet.is_cd = change != "not a CD's";
    sheet->data.cue_sheet.lead_in = change == "a pregap in the lead-in" ? 88200 + 32 * 588 : 88200;
    const QStringList trackList = tracks.split(' ');
    for (unsigned n = 0; n < unsigned(trackList.size()); ++n) {
        FLAC__metadata_object_cuesheet_insert_blank_track(sheet, n);
        FLAC__StreamMetadata_CueSheet_Track& track = sheet->data.cue_sheet.tracks[n];
        const QStringList parts = trackList[int(n)].split(':');
        const QStringList place = parts[0].split('@');
        track.number = FLAC__byte(place[0].toInt());
        track.offset = FLAC__uint64(place[1].toDouble() * 588);
        track.type = change == "a data track" && n == 1;
        for (const QString& index : parts.value(1).split(',', Qt::SkipEmptyParts)) {
            FLAC__StreamMetadata_CueSheet_Index made{};
            made.number = FLAC__byte(index.section('@', 0, 0).toInt());
            made.offset = FLAC__uint64(index.section('@', 1, 1).toInt() * 588);
            FLAC__metadata_object_cuesheet_track_insert_index(sheet, n, track.num_indices, made);
        }
    }
    // One comment block: readers read the first, and the encoder wrote one of its own.
    while (FLAC__metadata_iterator_next(at))
        if (FLAC__metadata_iterator_get_block_type(at) == FLAC__METADATA_TYPE_VORBIS_COMMENT)
            QVERIFY(FLAC__metadata_iterator_delete_block(at, false));
    QVERIFY(FLAC__metadata_iterator_insert_block_after(at, sheet));
    FLAC__StreamMetadata* tags = FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT);
    const QByteArray cdToc =
        change == "a CDTOC with junk" ? "3+96+EB+12C+1A9;x" : "3+96+EB+12C+1A9";
    for (const QByteArray& tag :
         {QByteArray("ALBUM=Tones"), QByteArray("ARTIST=The Band"), "CDTOC=" + cdToc}) {
        FLAC__StreamMetadata_VorbisComment_Entry entry{
            FLAC__uint32(tag.size()), (FLAC__byte*)const_cast<char*>(tag.constData())};
        FLAC__metadata_object_vorbiscomment_append_comment(tags, entry, true);
    }
    QVERIFY(FLAC__metadata_iterator_insert_block_after(at, tags));
    QVERIFY(FLAC__metadata_chain_write(chain, true, false));
    FLAC__metadata_iterator_delete(at);
    FLAC__metadata_chain_delete(chain);
}

QString msf(int sectors)
{
    return QString::asprintf("%02d:%02d:%02d", sectors / 75 / 60, sectors / 75 % 60, sectors % 75);
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestDiscImage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DiscImage m_disc;
    QString m_long;
    std::string m_longPcm;

    /// A stretch of the disc: h (the hidden track), 1, 2 or 3; with "-" less its last Gap
    /// sectors, with "+" only those.
    std::string piece(const QString& name) const
    {
        const std::vector<int> starts{0, m_disc.trackStarts[0], m_disc.trackStarts[1],
                                      m_disc.trackStarts[2], m_disc.sectors};
        const int n = name[0] == 'h' ? 0 : name[0].digitValue();
        int first = starts[std::size_t(n)], end = starts[std::size_t(n) + 1];
        if (name.endsWith('-'))
            end -= Gap;
        if (name.endsWith('+'))
            first = end - Gap;
        return m_disc.pcm(first, end);
    }
    /// Pieces written one after another, as in "h12" or "1+2-".
    std::string pieces(const QString& names) const
    {
        std::string out;
        for (qsizetype n = 0; n < names.size(); ++n) {
            const bool cut = n + 1 < names.size() && QString("+-").contains(names[n + 1]);
            out += piece(names.mid(n, cut ? 2 : 1));
            n += cut;
        }
        return out;
    }
    static std::vector<int16_t> samples(const std::string& pcm)
    {
        std::vector<int16_t> out(pcm.size() / 2);
        std::memcpy(out.data(), pcm.data(), pcm.size());
        return out;
    }

private slots:
    void initTestCase()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".+")));
        DiscImage::Design design;
        design.tracks = {{440, 1.0, 0.5}, {660, 0.6, 0.5}, {880, 0.8, 0.5}};
        design.gapSeconds = 1;
        design.gapFrequency = 550;
        m_disc = DiscImage::write(m_dir.path().toStdString(), "reference", design);
        design = {};
        design.tracks = {{440, 60, 0.5}};
        const DiscImage tone = DiscImage::write(m_dir.path().toStdString(), "tone", design);
        m_long = m_dir.filePath("long.cue");
        m_longPcm = tone.pcm(0, tone.sectors);
        writeAudio(m_dir.filePath("long.flac"), tone.samples);
        writeText(m_long, "FILE \"long.flac\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
    }

    void ripsPlayAsTheDisc_data()
    {
        // Cue lines end at ';'; {pieces} is their length as a time. From track 0 is the hidden
        // track, reached with Previous; z30 is 30 sectors of silence, ~2 track 2 de-emphasised.
        addTextRows("files cue open form from title heard", R"(
one FLAC for the disc | disc.flac=h123 | FILE "disc.flac" WAVE;TRACK 01 AUDIO;INDEX 00 00:00:00;INDEX 01 {h};TRACK 02 AUDIO;INDEX 01 {h1};TRACK 03 AUDIO;INDEX 01 {h12} | disc.cue | utf8 | 2 | | 2 3
the hidden track, reached with Previous | disc.flac=h123 | FILE "disc.flac" WAVE;TRACK 01 AUDIO;INDEX 01 {h};TRACK 02 AUDIO;INDEX 01 {h1};TRACK 03 AUDIO;INDEX 01 {h12} | disc.cue | utf8 | 0 | | h 1 2 3
one WAV a track, gaps appended to the file before | 1.wav=1, 2.wav=2, 3.wav=3 | FILE "1.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 00 {1-};FILE "2.wav" WAVE;INDEX 01 00:00:00;TRACK 03 AUDIO;INDEX 00 {2-};FILE "3.wav" WAVE;INDEX 01 00:00:00 | disc.cue | utf8 | 2 | | 2 3
gaps at the start of each file | a.flac=1-, b.flac=1+2-, c.flac=2+3 | FILE "a.flac" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;FILE "b.flac" WAVE;TRACK 02 AUDIO;INDEX 00 00:00:00;INDEX 01 {1+};FILE "c.flac" WAVE;TRACK 03 AUDIO;INDEX 00 00:00:00;INDEX 01 {2+} | disc.cue | utf8 | 2 | | 2 3
gaps left out, AIFF | 1.aiff=1, 2.aiff=2, 3.aiff=3 | FILE "1.aiff" AIFF;TRACK 01 AUDIO;INDEX 01 00:00:00;FILE "2.aiff" AIFF;TRACK 02 AUDIO;INDEX 01 00:00:00;FILE "3.aiff" AIFF;TRACK 03 AUDIO;INDEX 01 00:00:00 | disc.cue | utf8 | 1 | | 1 2 3
PREGAP and POSTGAP are silence | 1.wav=1, 2.wav=23 | FILE "1.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;POSTGAP 00:00:30;FILE "2.wav" WAVE;TRACK 02 AUDIO;PREGAP 00:00:20;INDEX 01 00:00:00;TRACK 03 AUDIO;INDEX 01 {2} | disc.cue | utf8 | 1 | | 1 z30 z20 2 3
byte-order mark, CRLF, remarks | disc.wav=123 | REM GENRE Test;CATALOG 0000000000000;FILE "disc.wav" WAVE;TRACK 01 AUDIO;ISRC ZZZZZ0000000;INDEX 01 00:00:00;TRACK 02 AUDIO;TITLE "Café";INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | bom crlf | 2 | Café | 2 3
Latin-1 | disc.wav=123 | FILE "disc.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;TITLE "Café";PERFORMER "Zoë";INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | latin1 | 2 | Café | 2 3
lower-case keywords, unknown ones skipped | disc.flac=123 | file "disc.flac" wave;  track 01 audio;flags dcp;index 01 00:00:00;track 02 audio;title Tones;frobnicate 7;index 01 {1};Track 03 Audio;Index 01 {12} | disc.cue | utf8 | 2 | Tones | 2 3
the .wav named, the .flac there | disc.flac=123 | FILE "disc.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 2 | | 2 3
a .bin opened alone | disc.bin=123 | FILE "DISC.BIN" BINARY;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.bin | utf8 | 2 | | 2 3
a WAV called BINARY | disc.wav=123 | FILE "disc.wav" BINARY;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 1 | | 1 2 3
an AIFF called BINARY | disc.aiff=123 | FILE "disc.aiff" BINARY;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 1 | | 1 2 3
MOTOROLA, big-endian | disc.bin=123:be | FILE "disc.bin" MOTOROLA;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 1 | | 1 2 3
written on Windows | disc.flac=123 | FILE "C:\Rips\Disc.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 2 | | 2 3
on a network share | disc.flac=123 | FILE "\\server\share\disc.flac" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 2 | | 2 3
on another computer | disc.flac=123 | FILE "/home/old/disc.flac" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 2 | | 2 3
in the folder above, moved beside | disc.bin=123 | FILE "..\disc.bin" BINARY;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 2 | | 2 3
in a folder copied with the rip | Rips/disc.flac=123 | FILE "rips\disc.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 2 | | 2 3
UTF-16, little-endian | disc.wav=123 | FILE "disc.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;TITLE "Café 𝄞";INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf16le crlf | 2 | Café 𝄞 | 2 3
UTF-16, big-endian | disc.wav=123 | FILE "disc.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;TITLE "Café";INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf16be | 2 | Café | 2 3
a data track's placeholder | disc.flac=123 | FILE "<Filename>.iso" BINARY;TRACK 01 MODE1/2352;FILE "disc.flac" WAVE;TRACK 02 AUDIO;INDEX 01 00:00:00;TRACK 03 AUDIO;INDEX 01 {1};TRACK 04 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 3 | | 2 3
a placeholder with INDEX 00 only | disc.flac=123 | FILE "<Filename>.iso" BINARY;TRACK 01 MODE1/2352;INDEX 00 00:00:00;FILE "disc.flac" WAVE;TRACK 02 AUDIO;INDEX 01 00:00:00;TRACK 03 AUDIO;INDEX 01 {1};TRACK 04 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 2 | | 1 2 3
an enhanced CD, its data in a file of its own | 1.wav=1, 2.wav=2, 3.wav=3, data.bin=h123 | FILE "1.wav" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;FILE "2.wav" WAVE;TRACK 02 AUDIO;INDEX 01 00:00:00;FILE "3.wav" WAVE;TRACK 03 AUDIO;INDEX 01 00:00:00;FILE "data.bin" BINARY;TRACK 04 MODE1/2352;INDEX 00 00:00:00;INDEX 01 00:02:00 | disc.cue | utf8 | 1 | | 1 2 3
pre-emphasis, de-emphasised | disc.flac=123 | FILE "disc.flac" WAVE;TRACK 01 AUDIO;INDEX 01 00:00:00;TRACK 02 AUDIO;FLAGS PRE;INDEX 01 {1};TRACK 03 AUDIO;INDEX 01 {12} | disc.cue | utf8 | 1 | | 1 ~2 3
)");
    }

    void ripsPlayAsTheDisc()
    {
        QTemporaryDir rip;
        for (const QString& file : cellList(cell("files"))) {
            const QStringList parts = file.split(QRegularExpression("[=:]"));
            std::string pcm = pieces(parts[1]);
            if (parts.value(2) == "be")
                for (std::size_t n = 0; n < pcm.size(); n += 2)
                    std::swap(pcm[n], pcm[n + 1]);
            QVERIFY(QDir(rip.path()).mkpath(QFileInfo(parts[0]).path()));
            writeAudio(rip.filePath(parts[0]), samples(pcm));
        }
        QString cue = cell("cue");
        for (const auto& match : QRegularExpression("\\{(\\S+?)\\}").globalMatch(cue))
            cue.replace(match.captured(0), msf(int(pieces(match.captured(1)).size() / Sector)));
        const QString form = cell("form");
        cue.replace(';', form.contains("crlf") ? "\r\n" : "\n");
        QByteArray text = form == "latin1" ? cue.toLatin1() : cue.toUtf8();
        if (form.startsWith("utf16")) {
            text = form.contains("le") ? "\xff\xfe" : "\xfe\xff";
            for (const QChar character : cue) {
                const char16_t unit = character.unicode();
                const char high = char(unit >> 8), low = char(unit & 0xff);
                text += form.contains("le") ? low : high;
                text += form.contains("le") ? high : low;
            }
        }
        writeText(rip.filePath("disc.cue"), (form.contains("bom") ? "\xef\xbb\xbf" : "") + text);

        Player p;
        QVERIFY(p.open(rip.filePath(cell("open"))));
        const int from = cell("from").toInt();
        if (from == 0)
            p.player.pressPrevious();
        for (int n = 0; n < 99 && p.player.transport().track() < from; ++n)
            p.player.pressNext();
        QCOMPARE(p.display(), QString::asprintf("%02d 00:00", from));
        if (!cell("title").isEmpty())
            QCOMPARE(QString::fromStdString(p.player.transport().currentTrack().title),
                     cell("title"));
        p.player.pressPlay();
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 10000);

        std::string heard;
        for (const QString& token : cell("heard").split(' ')) {
            if (token.startsWith('z')) {
                heard += std::string(std::size_t(token.mid(1).toInt()) * Sector, '\0');
            } else if (token.startsWith('~')) {
                std::string pcm = piece(token.mid(1));
                DeEmphasis().process(reinterpret_cast<int16_t*>(pcm.data()), pcm.size() / 4);
                heard += pcm;
            } else {
                heard += piece(token);
            }
        }
        QVERIFY(p.recording.toStdString() == heard);
    }

    void anEnhancedCdsImagePlaysItsMusicOnly()
    {
        DiscImage::Design design;
        design.tracks = {{440, 1.0, 0.5}, {660, 1.0, 0.5}, {0, 2.0, 0, "Data", {}, false, true}};
        const DiscImage disc = DiscImage::write(m_dir.path().toStdString(), "enhanced", design);
        Player p;
        QVERIFY(p.open(QString::fromStdString(disc.cuePath)));
        QVERIFY(p.player.transport().details().ends_with("\n2 tracks, 00:02"));
        p.player.pressPlay();
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 10000);
        QVERIFY(p.recording.toStdString() ==
                disc.pcm(0, disc.trackStarts[2] - DiscToc::SessionGap));
    }

    void aFileCutShortWhilePlayingEndsInReadError()
    {
        QTemporaryDir dir;
        writeAudio(dir.filePath("cut.wav"), samples(m_longPcm));
        writeText(dir.filePath("cut.cue"),
                  "FILE cut.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
        Player p;
        QVERIFY(p.open(dir.filePath("cut.cue")));
        p.player.pressPlay();
        QTRY_VERIFY(p.recording.size() > 10 * Sector);
        QVERIFY(QFile::resize(dir.filePath("cut.wav"), 44));
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::ReadError, 10000);
    }

    void badImagesSayWhyAndTheDiscPlaysOn_data()
    {
        addTextRows("kind reason", R"(
a folder as the cue sheet | folder | bad.cue: it is not a regular file
a pipe | fifo | it is not a regular file
a device | /dev/zero | it is not a regular file
an empty file | empty | no TRACK in it
100 MB of junk | junk | larger than 1 MB
a file that is not there | missing | gone.wav is not there
a file no track starts in, not there | unused | gone.wav is not there
a file that is not audio | text | notes.wav is not audio
a FLAC cut short | cut | bad.flac is damaged or cut short
a FLAC with a broken header | broken | bad.flac is not audio
48 kHz | 48k | bad.wav is 48000 Hz, not 44100 Hz
24-bit | 24bit | bad.wav is 24-bit, not 16-bit
mono | mono | bad.wav is mono, not stereo
more than 99 tracks | 100 tracks | line 200: track numbers must rise from 1 to 99
an INDEX past its file's end | past the end | TRACK 02 has an INDEX past the end of bad.wav
times going backwards | backwards | line 7: INDEX goes back in time
a line of 5 KB | long line | line 2: longer than 4096 bytes
an audio file without its cue sheet | alone | there is no cue sheet lonely.cue beside it, and it holds no cue sheet of its own
)");
    }

    void badImagesSayWhyAndTheDiscPlaysOn()
    {
        QTemporaryDir dir;
        const QString kind = cell("kind");
        QString path = dir.filePath("bad.cue");
        QByteArray cue = "FILE \"bad.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n";
        const std::vector<int16_t> second(44100 * 2, 1000);
        if (kind == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("bad.cue"));
        } else if (kind == "fifo") {
            QVERIFY(::mkfifo(qPrintable(path), 0600) == 0);
        } else if (kind.startsWith('/')) {
            path = kind;
        } else if (kind == "junk") {
            QFile junk(path);
            QVERIFY(junk.open(QIODevice::WriteOnly) && junk.resize(100 << 20));
        } else if (kind == "missing" || kind == "text") {
            cue.replace("bad.wav", kind == "text" ? "notes.wav" : "gone.wav");
            writeText(dir.filePath("notes.wav"), "These are no sounds.\n");
        } else if (kind == "cut" || kind == "broken") {
            cue.replace("bad.wav", "bad.flac");
            writeAudio(dir.filePath("bad.flac"), std::vector<int16_t>(44100 * 20, 0x1234));
            QFile flac(dir.filePath("bad.flac"));
            QVERIFY(flac.open(QIODevice::ReadWrite));
            if (kind == "cut")
                flac.resize(flac.size() / 2);
            else
                flac.write(QByteArray(40, '\xff'));
        } else if (kind == "48k" || kind == "24bit" || kind == "mono") {
            writeAudio(dir.filePath("bad.wav"), second,
                       SF_FORMAT_WAV | (kind == "24bit" ? SF_FORMAT_PCM_24 : SF_FORMAT_PCM_16),
                       kind == "48k" ? 48000 : 44100, kind == "mono" ? 1 : 2);
        } else if (kind == "100 tracks" || kind == "past the end" || kind == "backwards") {
            writeAudio(dir.filePath("bad.wav"), second);
            const int tracks = kind == "100 tracks" ? 100 : kind == "backwards" ? 3 : 2;
            for (int n = 2; n <= tracks; ++n)
                cue += QString("TRACK %1 AUDIO\nINDEX 01 00:0%2:00\n")
                           .arg(n, 2, 10, QChar('0'))
                           .arg(kind == "backwards" && n == 3 ? 1 : 2)
                           .toLatin1();
        } else if (kind == "unused") {
            writeAudio(dir.filePath("bad.wav"), second);
            cue.prepend("FILE \"gone.wav\" WAVE\n");
        } else if (kind == "long line") {
            cue.insert(cue.indexOf('\n') + 1, "REM " + QByteArray(5000, 'x') + "\n");
        } else if (kind == "alone") {
            path = dir.filePath("lonely.flac");
            writeAudio(path, second);
        }
        if (!QFileInfo::exists(path) && kind != "empty")
            writeText(path, cue);
        else if (kind == "empty")
            writeText(path, {});

        Player p;
        QVERIFY(p.open(m_long));
        p.player.pressPlay();
        QTRY_VERIFY(p.recording.size() > 10 * Sector);
        p.player.openImage(path);
        QTRY_COMPARE(p.display(), QStringLiteral("Bad image"));
        QVERIFY(p.player.transport().details().ends_with(cell("reason").toStdString()));
        QCOMPARE(p.state(), State::Playing);
        const qsizetype heard = p.recording.size();
        QTRY_VERIFY(p.recording.size() > heard + 10 * Sector);
        QVERIFY(m_longPcm.starts_with(p.recording.toStdString()));
    }

    void flacsCarryingTheirSheetAreCheckedAsSheets_data()
    {
        addTextRows("starts why", R"(
none | | there is no cue sheet disc.cue beside it, and it holds no cue sheet of its own
nothing | 0 85 150 |
a pregap in the lead-in | 32 117 182 |
a CDTOC with junk | 0 85 150 |
not a CD's | | its cue sheet is not a CD's
no lead-out | | its cue sheet has no tracks, or no end
tracks out of order | | its cue sheet's track 1 is out of order
a data track | | its cue sheet's track 2 is no audio
off the sectors | | its cue sheet's track 2 does not lie on a CD's sectors
no INDEX 01 | | its cue sheet's track 2 has no INDEX 01
indexes out of order | | its cue sheet's track 2 has indexes out of order
)");
    }
    void flacsCarryingTheirSheetAreCheckedAsSheets()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("disc.flac");
        writeAudio(path, std::vector<int16_t>(225 * Sector / 2, 1000));
        const QString change = QString::fromUtf8(QTest::currentDataTag());
        if (change != "none")
            addCueSheet(path, change);
        std::string error;
        const auto image = ImageDiscReader::open(path.toStdString(), error);
        QVERIFY2(QString::fromStdString(error).endsWith(cell("why")), error.c_str());
        QCOMPARE(!image, !cell("why").isEmpty());
        if (!image)
            return;
        QStringList starts;
        for (const TrackInfo& track : image->toc().tracks)
            starts << QString::number(track.firstSector);
        QCOMPARE(starts.join(' '), cell("starts"));
        QCOMPARE(image->toc().title, "Tones");
        QCOMPARE(image->toc().performer, "The Band");
        QCOMPARE(QString::fromStdString(image->toc().pressedToc),
                 change == "a CDTOC with junk" ? "" : "3+96+EB+12C+1A9");
    }

    void mangledFlacSheetsAreReadOrRefusedNeverBelieved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("disc.flac");
        writeAudio(path, std::vector<int16_t>(225 * Sector / 2, 1000));
        addCueSheet(path, "a pregap in the lead-in");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        file.close();
        // The CUESHEET block (type 5), found by walking the metadata blocks' headers.
        qsizetype from = 0, to = 0;
        for (qsizetype at = 4; at + 4 <= good.size() && to == 0;) {
            const auto header = std::uint8_t(good[at]);
            const qsizetype length = (qsizetype(std::uint8_t(good[at + 1])) << 16) |
                                     (qsizetype(std::uint8_t(good[at + 2])) << 8) |
                                     std::uint8_t(good[at + 3]);
            if ((header & 0x7f) == 5)
                std::tie(from, to) = std::pair(at + 4, at + 4 + length);
            if (header & 0x80)
                break;
            at += 4 + length;
        }
        QVERIFY(to > from);
        std::mt19937 random(20261208);
        int read = 0;
        for (int round = 0; round < 2000; ++round) {
            QByteArray bytes = good;
            for (int changes = 1 + int(random() % 4); changes > 0; --changes)
                bytes[from + qsizetype(random() % std::uint32_t(to - from))] = char(random());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            std::string error;
            const auto image = ImageDiscReader::open(path.toStdString(), error);
            QCOMPARE(!image, !error.empty());
            if (!image)
                continue;
            ++read;
            const DiscToc& toc = image->toc();
            QVERIFY(!toc.tracks.empty() && toc.tracks.size() <= 99);
            for (const TrackInfo& track : toc.tracks)
                QVERIFY(track.firstSector >= 0 && track.endSector() <= toc.leadOut);
            std::vector<int16_t> samples(Sector / 2);
            QVERIFY(image->read(toc.leadOut - 1, 1, samples.data()));
        }
        qInfo("%d of 2000 mangled sheets still made a disc", read);
    }

    void sheetsAndFilesAreTakenAtTheirWord()
    {
        // A minute count longer than four digits is no time.
        const auto refused =
            CueSheet::parse("FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 12345:00:00\n");
        QCOMPARE(std::get<Reason>(refused).english(), "line 3: INDEX needs a time mm:ss:ff");

        // A sector size of nothing is not believed; a line of 4096 bytes is still read.
        const auto sized = CueSheet::parse("TITLE \"" + std::string(4088, 'x') +
                                           "\"\nFILE d.bin BINARY\nTRACK 01 MODE1/0\n"
                                           "INDEX 01 00:00:00\n");
        QVERIFY(std::holds_alternative<CueSheet>(sized));
        QCOMPARE(std::get<CueSheet>(sized).tracks.at(0).dataSectorBytes, 2352);

        // UTF-16: a surrogate without its other half is replaced; a private-use character, next
        // to the surrogates' range, is kept.
        const std::u16string title = u"\xD834\xE000 \xE000 \xDC00\xDC00";
        std::string sheet = "\xff\xfe";
        for (const char16_t unit :
             u"TITLE \"" + title + u"\"\nFILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n")
            sheet += {char(unit & 0xff), char(unit >> 8)};
        QCOMPARE(std::get<CueSheet>(CueSheet::parse(sheet)).title,
                 "\xEF\xBF\xBD\xEE\x80\x80 \xEE\x80\x80 \xEF\xBF\xBD\xEF\xBF\xBD");

        // A raw image whose first bytes happen to read RIFF, not followed by WAVE, is sound.
        QTemporaryDir dir;
        std::vector<int16_t> samples(10 * Sector / 2, 0x0101);
        std::memcpy(samples.data(), "RIFF\0\0\0\0AVI ", 12);
        writeAudio(dir.filePath("riff.bin"), samples);
        writeText(dir.filePath("riff.cue"),
                  "FILE riff.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
        std::string why;
        const auto image = ImageDiscReader::open(dir.filePath("riff.cue").toStdString(), why);
        QVERIFY2(image, why.c_str());
        // Read within the disc only: up to its lead-out, not past it.
        std::vector<int16_t> read(10 * Sector / 2);
        QVERIFY(image->read(0, 10, read.data()));
        QVERIFY(read == samples);
        QVERIFY(!image->read(5, 10, read.data()));
        QVERIFY(!image->read(-1, 1, read.data()));
    }

    void mangledSheetsAreReadOrRefusedNeverBelieved()
    {
        // Good sheets of each shape, changed a little at a time, thousands of times over.
        std::vector<std::string> sheets{
            "FILE \"a.flac\" WAVE\nTRACK 01 AUDIO\nINDEX 00 00:00:00\nINDEX 01 00:01:00\n"
            "TRACK 02 AUDIO\nINDEX 01 00:05:00\nTRACK 03 MODE1/2048\nINDEX 01 00:09:00\n",
            "REM X\nFILE \"1.wav\" WAVE\n track 01 audio\n index 01 00:00:00\n POSTGAP "
            "00:00:30\nTRACK 02 AUDIO\nTITLE \"Two\"\nINDEX 00 00:04:00\nFILE \"2.wav\" "
            "WAVE\nINDEX 01 00:00:00\nTRACK 03 AUDIO\nPREGAP 00:00:20\nFLAGS PRE\nINDEX 01 "
            "00:02:00\n",
            "FILE \"<x>.iso\" BINARY\nTRACK 01 MODE1/2352\nINDEX 00 00:00:00\nFILE a.wav WAVE\n"
            "TRACK 02 AUDIO\nINDEX 01 00:00:00\nFILE d.bin BINARY\nTRACK 03 MODE1/2352\n"};
        // The second also as UTF-16, as some Windows tools write it.
        std::string utf16 = "\xff\xfe";
        for (const char c : sheets[1])
            utf16 += {c, '\0'};
        sheets.push_back(utf16);
        std::mt19937 random(20261207);
        const auto pick = [&](std::size_t n) {
            return std::size_t(random() % std::max<std::size_t>(n, 1));
        };
        int read = 0;
        for (int round = 0; round < 20000; ++round) {
            std::string text = sheets[pick(sheets.size())];
            for (std::size_t changes = 1 + pick(4); changes > 0; --changes) {
                const std::size_t at = pick(text.size());
                switch (pick(4)) {
                case 0:
                    text[at] = char(random());
                    break;
                case 1:
                    text.erase(at, pick(20));
                    break;
                case 2:
                    text.insert(at, text.substr(pick(text.size()), pick(40)));
                    break;
                default:
                    text.insert(at, std::to_string(random() % 100000));
                }
            }
            const auto parsed = CueSheet::parse(text);
            const auto* sheet = std::get_if<CueSheet>(&parsed);
            if (!sheet)
                continue;
            QVERIFY(!sheet->tracks.empty() && sheet->tracks.back().number <= 99);
            std::vector<int> lengths;
            for (std::size_t n = 0; n < sheet->files.size(); ++n)
                lengths.push_back(int(pick(20000)));
            const auto built = ImageLayout::build(*sheet, lengths);
            const auto* layout = std::get_if<ImageLayout>(&built);
            if (!layout)
                continue;
            ++read;
            // Every sector comes from somewhere within its file, and every track lies on the disc.
            int next = 0;
            for (const ImageLayout::Segment& segment : layout->segments) {
                QCOMPARE(segment.firstSector, next);
                QVERIFY(segment.sectorCount > 0);
                QVERIFY(segment.file == ImageLayout::Segment::Silence ||
                        segment.fileSector + segment.sectorCount <=
                            lengths[std::size_t(segment.file)]);
                next = segment.endSector();
            }
            QCOMPARE(layout->toc.leadOut, next);
            for (const TrackInfo& track : layout->toc.tracks)
                QVERIFY(track.firstSector >= 0 && track.sectorCount >= 0 &&
                        track.endSector() <= next);
        }
        qInfo() << read << "of 20000 mangled sheets still made a disc";
        QVERIFY(read > 1000);
    }
};

QTEST_GUILESS_MAIN(TestDiscImage)
#include "tst_discimage.moc"
