#include "ctdb/CtdbAnswer.h"

#include "ctdb/ReedSolomon.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

constexpr QLatin1StringView Namespace("http://db.cuetools.net/ns/mmd-1.0#");
/// Longer than any attribute the database writes: a table of 99 tracks, their sums.
constexpr qsizetype MaxAttributeLength = 1024;
constexpr qsizetype MaxUrlLength = 256;
constexpr int MaxNpar = 64;
/// Old entries keep 8 parity words of column 0 instead of syndromes.
constexpr int LegacyNpar = 8;
constexpr int Stride = 5880;

template <typename Number>
std::optional<Number> number(std::string_view text, int base, std::size_t digits)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || text.size() > digits || error != std::errc() ||
        end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

/// Reads one entry's attributes; the first that is out of shape is the error.
class EntryReader {
public:
    explicit EntryReader(const QXmlStreamAttributes& attributes) : m_attributes(attributes) {}

    const std::string& error() const { return m_error; }

    std::optional<CtdbEntry> read()
    {
        for (const QXmlStreamAttribute& attribute : m_attributes)
            if (attribute.value().size() > MaxAttributeLength)
                fail(attribute.name().toString().toStdString() + " is too long");
        CtdbEntry entry;
        entry.id = text("id");
        if (!entry.id.empty() && !number<std::uint64_t>(entry.id, 10, 19))
            fail("id is not a number");
        const std::optional<CtdbToc> toc = CtdbToc::parse(required("toc"));
        if (!toc)
            fail("toc is not a table of contents of 1 to 99 tracks");
        else
            entry.toc = *toc;
        entry.crc = hex(required("crc32"), "crc32");
        entry.confidence = count("confidence", 0);
        if (count("stride", Stride) != Stride)
            fail("stride is not 5880");
        readParity(entry);
        readTrackCrcs(entry);
        entry.parityUrl = text("hasparity");
        if (entry.parityUrl.size() > MaxUrlLength ||
            !(entry.parityUrl.empty() || entry.parityUrl.starts_with("http://") ||
              entry.parityUrl.starts_with("https://") || entry.parityUrl.starts_with("/")) ||
            entry.parityUrl.find_first_of(" \t\r\n\"<>\\") != std::string::npos)
            fail("hasparity is not a URL");
        if (!m_error.empty())
            return std::nullopt;
        return entry;
    }

private:
    void fail(const std::string& why)
    {
        if (m_error.empty())
            m_error = why;
    }

    bool has(const char* name) const { return m_attributes.hasAttribute(QLatin1StringView(name)); }

    std::string text(const char* name) const
    {
        return m_attributes.value(QLatin1StringView(name)).toString().toStdString();
    }

    std::string required(const char* name)
    {
        if (!has(name))
            fail(std::string("no ") + name);
        return text(name);
    }

    int count(const char* name, int absent)
    {
        if (!has(name))
            return absent;
        const auto value = number<int>(text(name), 10, 9);
        if (!value)
            fail(std::string(name) + " is not a count");
        return value.value_or(absent);
    }

    std::uint32_t hex(const std::string& value, const std::string& what)
    {
        const auto crc = number<std::uint32_t>(value, 16, 8);
        if (!crc || value.size() != 8)
            fail(what + " is not 8 hexadecimal digits");
        return crc.value_or(0);
    }

    /// Little-endian words from base64 that must make exactly `length` of them.
    std::vector<std::uint16_t> words(const char* name, int length)
    {
        const auto decoded =
            QByteArray::fromBase64Encoding(m_attributes.value(QLatin1StringView(name)).toLatin1(),
                                           QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || decoded.decoded.size() != 2 * qsizetype(length)) {
            fail(std::string(name) + " is not " + std::to_string(2 * length) + " bytes of base64");
            return {};
        }
        std::vector<std::uint16_t> values(static_cast<std::size_t>(length));
        for (std::size_t n = 0; n < values.size(); ++n)
            values[n] = std::uint16_t(std::uint8_t(decoded.decoded[qsizetype(n) * 2]) |
                                      std::uint8_t(decoded.decoded[qsizetype(n) * 2 + 1]) << 8);
        return values;
    }

    void readParity(CtdbEntry& entry)
    {
        const bool hasSyndrome = has("syndrome");
        const int npar = count("npar", hasSyndrome ? -1 : LegacyNpar);
        if (npar < 2 || npar > MaxNpar || npar % 2 != 0) {
            fail("npar is missing or not an even count from 2 to 64");
            return;
        }
        std::vector<std::uint16_t> legacy;
        if (has("parity"))
            legacy = ReedSolomon::syndromesOfParity(words("parity", LegacyNpar));
        if (hasSyndrome)
            entry.syndrome = words("syndrome", npar);
        else
            entry.syndrome = legacy;
        // Later syndromes only add to the first 16, which are all that a repair uses.
        if (entry.syndrome.size() > std::size_t(ReedSolomon::MaxParity))
            entry.syndrome.resize(std::size_t(ReedSolomon::MaxParity));
        entry.npar = int(entry.syndrome.size());
    }

    void readTrackCrcs(CtdbEntry& entry)
    {
        const std::string crcs = text("trackcrcs");
        for (std::size_t at = 0; at < crcs.size(); at += 9) {
            if (at > 0 && crcs[at - 1] != ' ') {
                fail("trackcrcs is not a list of sums");
                return;
            }
            entry.trackCrcs.push_back(hex(crcs.substr(at, 8), "a track's crc"));
        }
        const std::size_t audioTracks =
            std::max<std::size_t>(entry.toc.audioBounds().size(), 1) - 1;
        if (!entry.trackCrcs.empty() && entry.trackCrcs.size() != audioTracks)
            fail("trackcrcs has " + std::to_string(entry.trackCrcs.size()) + " sums for " +
                 std::to_string(audioTracks) + " audio tracks");
    }

    const QXmlStreamAttributes& m_attributes;
    std::string m_error;
};

} // namespace

CtdbAnswer CtdbAnswer::read(std::string_view bytes)
{
    CtdbAnswer answer;
    if (bytes.empty())
        return {{}, "the answer is empty"};
    if (bytes.size() > MaxBytes)
        return {{}, "the answer is larger than 1 MB"};
    QXmlStreamReader xml(QByteArray(bytes.data(), qsizetype(bytes.size())));
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return {{}, "the answer declares a document type"};
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1 &&
                (xml.name() != QLatin1StringView("ctdb") || xml.namespaceUri() != Namespace))
                return {{}, "the answer is not the database's XML"};
            if (depth == 2 && xml.name() == QLatin1StringView("entry") &&
                xml.namespaceUri() == Namespace) {
                const QXmlStreamAttributes attributes = xml.attributes();
                EntryReader reader(attributes);
                const std::optional<CtdbEntry> entry = reader.read();
                if (!entry)
                    return {{},
                            "entry " + std::to_string(answer.entries.size() + 1) + ": " +
                                reader.error()};
                answer.entries.push_back(*entry);
            } else if (depth == 2) {
                xml.skipCurrentElement();
                --depth;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return {{}, "the answer is not well-formed XML: " + xml.errorString().toStdString()};
    return answer;
}
