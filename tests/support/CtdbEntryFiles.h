#pragma once

#include "ctdb/CtdbCrc.h"
#include "ctdb/CtdbSyndromes.h"
#include "ctdb/CtdbToc.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <span>

/// The CUETools database's entry of a disc as a stand-in database serves it: `entry.xml`, the
/// lookup's answer with one entry (id 7, confidence 3, its parity at /parity/7), and
/// `parity.bin`, its parity file; for `audio`, the disc's audio tracks, as a rip read `shift`
/// samples later than it holds them.
inline bool writeCtdbEntry(const QString& folder, const CtdbToc& toc,
                           std::span<const std::int16_t> audio, int shift)
{
    const std::vector<int> bounds = toc.audioBounds();
    const std::optional<CtdbLayout> layout =
        bounds.empty() ? std::nullopt : CtdbLayout::of(bounds.back());
    const std::optional<CtdbCrc> crc = CtdbCrc::of(toc, audio, shift);
    const std::optional<CtdbSyndromes> syndromes =
        layout ? CtdbSyndromes::of(*layout, audio, shift) : std::nullopt;
    if (!crc || !syndromes)
        return false;
    const auto bytes = [](auto&& words) {
        QByteArray made;
        for (const std::uint16_t word : words)
            made.append(char(word & 0xff)).append(char(word >> 8));
        return made;
    };
    QStringList trackCrcs;
    for (const std::uint32_t track : crc->tracks)
        trackCrcs << QString::number(track, 16).rightJustified(8, u'0');
    QFile entry(folder + "/entry.xml");
    QFile parity(folder + "/parity.bin");
    if (!entry.open(QIODevice::WriteOnly) || !parity.open(QIODevice::WriteOnly))
        return false;
    entry.write(QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<ctdb xmlns=\"http://db.cuetools.net/ns/mmd-1.0#\">\n"
                        " <entry id=\"7\" crc32=\"%1\" confidence=\"3\" npar=\"16\" "
                        "stride=\"5880\" hasparity=\"/parity/7\" syndrome=\"%2\" "
                        "trackcrcs=\"%3\" toc=\"%4\" />\n</ctdb>\n")
                    .arg(QString::number(crc->disc, 16).rightJustified(8, u'0'),
                         QString::fromLatin1(bytes(syndromes->column(0)).toBase64()),
                         trackCrcs.join(' '), QString::fromStdString(toc.toString()))
                    .toUtf8());
    return parity.write(bytes(syndromes->planes())) > 0;
}
