// Thousands of random presses of the panel's buttons and Load, with discs taken out, put in and
// swapped (while playing, too), checking after every step that what the panel shows agrees
// with the player's state, and after every swap that it shows the disc that is really there.
#include "cdaudio/CdPlayerPanel.h"
#include "cdaudio/CdioDiscSource.h"
#include "support/DiscImage.h"
#include "support/RecordingOutput.h"

#include "support/TestSeed.h"
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include <QtTest>

#include <random>

namespace {

using State = Transport::State;

/// One drive whose disc can be taken out or replaced with another.
class Drive {
public:
    explicit Drive(const QString& folder) : m_folder(folder) {}

    QString path() const { return m_folder + "/drive.cue"; }
    void insert(const DiscImage& disc)
    {
        QFile::copy(QString::fromStdString(disc.binPath), m_folder + "/drive.bin");
        QFile::copy(QString::fromStdString(disc.cuePath), path());
    }
    void remove()
    {
        QFile::remove(path());
        QFile::remove(m_folder + "/drive.bin");
    }

private:
    QString m_folder;
};

} // namespace

class TestPanelWalk : public QObject {
    Q_OBJECT

private slots:
    void randomWalk()
    {
        const unsigned seed = testSeed(1206u);
        std::mt19937 random(seed);
        QTemporaryDir dir;
        QDir().mkdir(dir.filePath("discs"));
        const std::string discs = dir.filePath("discs").toStdString();
        DiscImage::Design a, b;
        a.title = "Disc A";
        a.tracks = {{440, 1.0, 0.5, {}}, {550, 0.5, 0.5, {}}, {660, 0.8, 0.5, {}}};
        b.title = "Disc B";
        b.tracks = {{330, 0.6, 0.5, {}}, {770, 0.4, 0.5, {}}};
        const DiscImage discA = DiscImage::write(discs, "a", a);
        const DiscImage discB = DiscImage::write(discs, "b", b);

        Drive drive(dir.path());
        drive.insert(discA);
        const DiscImage* inDrive = &discA;

        QByteArray recording;
        CdPlayerPanel panel(
            std::make_unique<CdioDiscSource>(std::vector<std::string>{drive.path().toStdString()}),
            [&] { return std::make_unique<RecordingOutput>(recording); });
        const QList<QWidget*> buttons = panel.buttons();
        auto* display = panel.findChild<QLabel*>("display");
        const Transport& transport = panel.player().transport();
        bool loaded = false;

        for (int step = 0; step < 3000; ++step) {
            const QString where = QStringLiteral("seed %1 (set SPINDELLA_SEED to repeat), step %2")
                                      .arg(seed)
                                      .arg(step);
            const int action = int(random() % 100);
            if (step % 500 != 250 && action < 88) {
                QTest::mouseClick(buttons[int(random() % 6)], Qt::LeftButton);
            } else if (step % 500 != 250) {
                panel.setDeviceType("CDaudio");
                panel.setCommand("Open");
                loaded = true;
            } else {
                // Every other swap takes the disc out while it plays.
                if (step % 1000 == 250)
                    QTest::mouseClick(buttons[1], Qt::LeftButton);
                // Out, long enough for the drive to be polled, and back with either disc.
                drive.remove();
                QTest::qWait(1700);
                if (loaded)
                    QVERIFY2(transport.state() == State::NoDisc, qPrintable(where));
                inDrive = random() % 2 ? &discA : &discB;
                drive.insert(*inDrive);
                QTest::qWait(1700);
                if (loaded) {
                    QTRY_VERIFY2(transport.state() == State::Stopped, qPrintable(where));
                    QCOMPARE(transport.toc().tracks.size(), inDrive == &discA ? 3u : 2u);
                }
            }
            QTest::qWait(int(random() % 4));

            const Transport::Buttons enabled = transport.buttons();
            const bool flags[6] = {enabled.previous, enabled.play, enabled.pause,
                                   enabled.stop,     enabled.next, enabled.eject};
            for (int n = 0; n < 6; ++n)
                QVERIFY2(buttons[n]->isEnabled() == flags[n], qPrintable(where));
            QVERIFY2(display->text() == QString::fromStdString(transport.display()),
                     qPrintable(where));
            if (transport.hasDisc()) {
                QVERIFY2(transport.track() >= 1 &&
                             transport.track() <= int(transport.toc().tracks.size()),
                         qPrintable(where));
                QVERIFY2(transport.toc().title == (inDrive == &discA ? "Disc A" : "Disc B"),
                         qPrintable(where));
            }
        }
    }
};

QTEST_MAIN(TestPanelWalk)
#include "tst_panel_walk.moc"
