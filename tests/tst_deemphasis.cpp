#include "cdaudio/DeEmphasis.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

/// One second of a stereo sine at a quarter of full scale, the right channel inverted.
std::vector<int16_t> sine(double hertz)
{
    std::vector<int16_t> samples;
    for (int n = 0; n < 44100; ++n) {
        const auto value =
            int16_t(std::lround(8192 * std::sin(2 * std::numbers::pi * hertz * n / 44100)));
        samples.insert(samples.end(), {value, int16_t(-value)});
    }
    return samples;
}

double rms(const std::vector<int16_t>& samples, std::size_t from)
{
    double sum = 0;
    for (std::size_t n = from; n < samples.size(); ++n)
        sum += double(samples[n]) * samples[n];
    return std::sqrt(sum / double(samples.size() - from));
}

} // namespace

class TestDeEmphasis : public QObject {
    Q_OBJECT

private slots:
    void gainFollowsTheCurve_data()
    {
        QTest::addColumn<double>("hertz");
        for (double hertz : {20.0, 1000.0, 5000.0, 10000.0, 16000.0})
            QTest::addRow("%g Hz", hertz) << hertz;
    }

    void gainFollowsTheCurve()
    {
        QFETCH(double, hertz);
        // The analog curve (1 + s·15 µs) / (1 + s·50 µs): -0.37 dB at 1 kHz, -7.60 dB at 10 kHz.
        const double w = 2 * std::numbers::pi * hertz;
        const double curve =
            10 * std::log10((1 + std::pow(w * 15e-6, 2)) / (1 + std::pow(w * 50e-6, 2)));
        std::vector<int16_t> samples = sine(hertz);
        const double before = rms(samples, 44100);
        DeEmphasis filter;
        filter.process(samples.data(), samples.size() / 2);
        const double gain = 20 * std::log10(rms(samples, 44100) / before);
        QVERIFY2(std::abs(gain - curve) < 0.1,
                 qPrintable(QStringLiteral("%1 dB against %2").arg(gain).arg(curve)));
    }

    void aSilentChannelStaysSilentBesideALoudOne()
    {
        std::vector<int16_t> samples(4000, 0);
        for (std::size_t n = 0; n < samples.size(); n += 2)
            samples[n] = (n / 2) % 10 < 5 ? 32767 : -32768;
        DeEmphasis().process(samples.data(), samples.size() / 2);
        for (std::size_t n = 1; n < samples.size(); n += 2)
            QCOMPARE(samples[n], int16_t(0));
    }
};

QTEST_APPLESS_MAIN(TestDeEmphasis)
#include "tst_deemphasis.moc"
