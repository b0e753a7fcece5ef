#include "player/CdPlayer.h"

#include "player/SaidWords.h"

#include "core/ThreadHandOff.h"
#include "disc/DiscSource.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace {
constexpr int PositionIntervalMs = 200;
/// How long a refused image is told of over a disc that goes on.
constexpr int RefusalShownMs = 5000;
/// How often a sound server that went away is asked after, and for how long.
constexpr int SoundCheckMs = 250;
constexpr int SoundAwaitedMs = 60000;
} // namespace

CdPlayer::CdPlayer(std::unique_ptr<DiscSource> source, OutputFactory outputs, QObject* parent)
    : QObject(parent), m_source(std::move(source)), m_outputs(std::move(outputs)),
      m_ring(std::size_t(BufferSeconds) * DiscToc::SectorsPerSecond * DiscToc::BytesPerSector),
      m_stream(m_ring), m_transport(*this)
{
    qRegisterMetaType<DiscToc>("DiscToc");
    m_transport.setTranslate([](const char* english, int count) {
        const QString said = QCoreApplication::translate("Transport", english, nullptr, count);
        return (count >= 0 ? SaidWords::counted(said, count) : said).toStdString();
    });
    m_stream.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_nothing.open(QIODevice::ReadOnly);

    m_worker = new DiscWorker(*m_source, m_ring, m_plan);
    m_worker->moveToThread(&m_thread);
    // The worker's last act on its thread, so the player may take everything back after wait().
    connect(
        &m_thread, &QThread::finished, m_worker,
        [this] {
            m_worker->shutDown();
            ThreadHandOff::release(&m_ring);
        },
        Qt::DirectConnection);
    connect(m_worker, &DiscWorker::opened, this, &CdPlayer::onOpened);
    connect(m_worker, &DiscWorker::readFailed, this, &CdPlayer::onReadFailed);
    connect(m_worker, &DiscWorker::imageRefused, this, &CdPlayer::onImageRefused);
    connect(m_worker, &DiscWorker::rangeTaken, this, &CdPlayer::onRangeTaken);
    connect(m_worker, &DiscWorker::drivesListed, this,
            [this](const QStringList& devices, const QStringList& descriptions) {
                ThreadHandOff::acquire(&m_ring);
                m_drives.clear();
                for (qsizetype n = 0; n < devices.size(); ++n)
                    m_drives.push_back({devices[n], descriptions.value(n)});
                Q_EMIT changed();
            });
    connect(this, &CdPlayer::readRequested, m_worker, &DiscWorker::startReading);
    m_thread.setObjectName(QStringLiteral("disc reader"));
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, &DiscWorker::listDrives, Qt::QueuedConnection);

    m_positionTimer.setInterval(PositionIntervalMs);
    connect(&m_positionTimer, &QTimer::timeout, this, [this] { updatePosition(); });
    m_soundCheck.setInterval(SoundCheckMs);
    connect(&m_soundCheck, &QTimer::timeout, this, &CdPlayer::checkForSound);
    m_soundDeadline.setSingleShot(true);
    m_soundDeadline.setInterval(SoundAwaitedMs);
    connect(&m_soundDeadline, &QTimer::timeout, this, &CdPlayer::stopAwaitingSound);
    m_refusalTimer.setSingleShot(true);
    m_refusalTimer.setInterval(RefusalShownMs);
    connect(&m_refusalTimer, &QTimer::timeout, this, [this] {
        m_transport.forgetRefusal();
        Q_EMIT changed();
    });
}

CdPlayer::~CdPlayer()
{
    dropProbe();
    if (m_output)
        m_output->stop();
    m_thread.quit();
    m_thread.wait();
    ThreadHandOff::acquire(&m_ring);
    delete m_worker;
}

void CdPlayer::open()
{
    const auto state = m_transport.state();
    if ((state == Transport::State::Playing || state == Transport::State::Paused) &&
        !m_transport.toc().fromImage)
        return;
    m_transport.opening();
    Q_EMIT changed();
    ThreadHandOff::release(&m_ring);
    QMetaObject::invokeMethod(m_worker, &DiscWorker::open, Qt::QueuedConnection);
    QMetaObject::invokeMethod(m_worker, &DiscWorker::listDrives, Qt::QueuedConnection);
}

void CdPlayer::openDrive(const QString& device)
{
    m_transport.opening();
    Q_EMIT changed();
    ThreadHandOff::release(&m_ring);
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, device] { worker->openDrive(device); }, Qt::QueuedConnection);
}

void CdPlayer::openImage(const QString& path)
{
    if (!m_images)
        throw std::logic_error("An image opened with no way to open images");
    m_imagePath = path;
    m_worker->requestImage(m_images(path.toStdString()), path.toStdString());
    ThreadHandOff::release(&m_ring);
    QMetaObject::invokeMethod(m_worker, &DiscWorker::openRequestedImage, Qt::QueuedConnection);
}

void CdPlayer::onImageRefused(const QString& why)
{
    ThreadHandOff::acquire(&m_ring);
    std::fprintf(stderr, "%s\n",
                 qPrintable(tr("Spindella: cannot play %1: %2").arg(m_imagePath, why)));
    //: The tooltip of an image that cannot be played: %1 its file's name, %2 why.
    m_transport.imageRefused(
        tr("%1: %2").arg(QFileInfo(m_imagePath).fileName(), why).toStdString());
    if (m_transport.hasDisc())
        m_refusalTimer.start();
    Q_EMIT changed();
}

void CdPlayer::pressPlay()
{
    m_transport.play();
    Q_EMIT changed();
}

void CdPlayer::pressPause()
{
    m_transport.pause();
    Q_EMIT changed();
}

void CdPlayer::pressStop()
{
    m_transport.stop();
    Q_EMIT changed();
}

void CdPlayer::pressPrevious()
{
    m_transport.previous();
    Q_EMIT changed();
}

void CdPlayer::pressNext()
{
    m_transport.next();
    Q_EMIT changed();
}

void CdPlayer::pressEject()
{
    m_transport.eject();
    Q_EMIT changed();
}

void CdPlayer::seek(qint64 usecsIntoTrack)
{
    // Rounded down, so a jump never lands past where it was asked to.
    const qint64 sectors = DiscToc::sectors(usecsIntoTrack);
    m_transport.seek(int(std::clamp<qint64>(sectors, -1, std::numeric_limits<int>::max())));
    Q_EMIT changed();
}

bool CdPlayer::chooseTrack(int number)
{
    const bool chosen = m_transport.choose(number);
    Q_EMIT changed();
    return chosen;
}

void CdPlayer::setShuffle(bool shuffle)
{
    m_transport.setShuffle(shuffle);
    Q_EMIT changed();
}

void CdPlayer::setRepeat(Transport::Repeat repeat)
{
    m_transport.setRepeat(repeat);
    Q_EMIT changed();
}

qint64 CdPlayer::positionUSecs() const
{
    return DiscToc::usecs(m_transport.elapsedSectors());
}

void CdPlayer::setVolume(double volume)
{
    if (std::isnan(volume))
        return;
    m_volume = std::clamp(volume, 0.0, 1.0);
    if (m_output)
        m_output->setVolume(m_volume);
    Q_EMIT changed();
}

void CdPlayer::onOpened(DiscWorker::Found found, const DiscToc& toc, const QString& where)
{
    ThreadHandOff::acquire(&m_ring);
    const bool image = found == DiscWorker::Found::Disc && toc.fromImage;
    m_drive = found == DiscWorker::Found::Disc && !image ? where : QString();
    m_image = image ? where : QString();
    switch (found) {
    case DiscWorker::Found::NoDrive:
        m_transport.noDrive();
        break;
    case DiscWorker::Found::NoDisc:
        m_transport.noDisc();
        break;
    case DiscWorker::Found::Disc:
        m_transport.discLoaded(toc);
        break;
    }
    Q_EMIT changed();
    if (found == DiscWorker::Found::Disc && toc.fromImage)
        Q_EMIT imageOpened();
}

void CdPlayer::start(int firstSector, int endSector)
{
    stop(); // also starts the ring's new generation
    m_stream.restart();
    m_startSector = firstSector;
    m_endSector = endSector;
    m_rangeStartUSecs = 0;
    m_rangesAhead.clear();
    m_plan.restart(m_generation);
    ThreadHandOff::release(&m_ring);
    Q_EMIT readRequested(firstSector, endSector, m_generation);

    m_output = m_outputs ? m_outputs() : nullptr;
    if (!m_output) {
        // Told after the press that started it has finished.
        QMetaObject::invokeMethod(this, &CdPlayer::onOutputFailed, Qt::QueuedConnection);
        return;
    }
    m_output->setVolume(m_volume);
    connect(m_output.get(), &AudioOutput::failed, this, &CdPlayer::onOutputFailed);
    connect(m_output.get(), &AudioOutput::deviceLost, this, &CdPlayer::onDeviceLost);
    connect(m_output.get(), &AudioOutput::drained, this, &CdPlayer::onDrained);
    if (!m_output->start(&m_stream)) {
        m_output->disconnect(this);
        m_output.reset();
        QMetaObject::invokeMethod(this, &CdPlayer::onOutputFailed, Qt::QueuedConnection);
        return;
    }
    m_positionTimer.start();
}

void CdPlayer::queue(int firstSector, int endSector)
{
    m_plan.queue(m_generation, {firstSector, endSector});
}

bool CdPlayer::requeue(int firstSector, int endSector)
{
    return m_plan.requeue(m_generation, {firstSector, endSector});
}

void CdPlayer::onRangeTaken(quint64 generation, int firstSector, int endSector)
{
    ThreadHandOff::acquire(&m_ring);
    if (generation != m_generation)
        return;
    m_rangesAhead.push_back({firstSector, endSector});
    m_transport.rangeTaken();
    Q_EMIT changed();
}

void CdPlayer::pause()
{
    if (m_output)
        m_output->suspend();
}

void CdPlayer::resume()
{
    if (m_output)
        m_output->resume();
}

void CdPlayer::stop()
{
    m_positionTimer.stop();
    if (m_output) {
        m_output->disconnect(this);
        m_output->stop();
        m_output.reset();
    }
    m_generation = m_ring.clear();
    ThreadHandOff::release(&m_ring);
    QMetaObject::invokeMethod(m_worker, &DiscWorker::stopReading, Qt::QueuedConnection);
}

void CdPlayer::eject()
{
    ThreadHandOff::release(&m_ring);
    QMetaObject::invokeMethod(m_worker, &DiscWorker::eject, Qt::QueuedConnection);
}

void CdPlayer::onReadFailed(quint64 generation)
{
    ThreadHandOff::acquire(&m_ring);
    if (generation == m_generation) {
        m_transport.readError();
        Q_EMIT changed();
    }
}

void CdPlayer::onOutputFailed()
{
    // The position stays where it was last seen: a failed output counts nothing played.
    m_transport.noSound();
    if (m_transport.isAwaitingSound() && !m_soundCheck.isActive()) {
        m_soundCheck.start();
        m_soundDeadline.start();
    }
    Q_EMIT changed();
}

void CdPlayer::checkForSound()
{
    if (!m_transport.isAwaitingSound()) {
        stopAwaitingSound();
        return;
    }
    if (m_probe)
        return; // the last one is still asking
    // A sound server is back when an output opens again; this one plays nothing.
    m_probe.reset(m_outputs ? m_outputs().release() : nullptr);
    if (!m_probe)
        return;
    connect(m_probe.get(), &AudioOutput::ready, this, [this] {
        dropProbe();
        m_soundCheck.stop();
        m_soundDeadline.stop();
        m_transport.soundBack();
        Q_EMIT changed();
    });
    connect(m_probe.get(), &AudioOutput::failed, this, &CdPlayer::dropProbe);
    if (!m_probe->start(&m_nothing))
        dropProbe();
}

void CdPlayer::dropProbe()
{
    if (!m_probe)
        return;
    m_probe->disconnect(this);
    m_probe->stop();
    // It may be telling its news right now.
    m_probe.release()->deleteLater();
}

void CdPlayer::stopAwaitingSound()
{
    dropProbe();
    m_soundCheck.stop();
    m_soundDeadline.stop();
    if (m_transport.isAwaitingSound()) {
        m_transport.stopAwaitingSound();
        Q_EMIT changed();
    }
}

void CdPlayer::onDeviceLost()
{
    updatePosition();
    m_transport.outputGone();
    Q_EMIT changed();
}

void CdPlayer::renameDisc(const DiscToc& named)
{
    m_transport.rename(named);
    Q_EMIT changed();
}

void CdPlayer::prepareForSleep()
{
    updatePosition();
    m_transport.sleep();
    Q_EMIT changed();
}

void CdPlayer::onDrained()
{
    updatePosition(true);
}

void CdPlayer::updatePosition(bool drained)
{
    if (!m_output)
        return;
    const qint64 played = m_output->playedUSecs();
    // The output's clock may lag or stall short of the end; its word that all was heard counts.
    while (!m_rangesAhead.empty() &&
           (drained || played - m_rangeStartUSecs >= DiscToc::usecs(m_endSector - m_startSector))) {
        m_rangeStartUSecs += DiscToc::usecs(m_endSector - m_startSector);
        m_startSector = m_rangesAhead.front().first;
        m_endSector = m_rangesAhead.front().end;
        m_rangesAhead.pop_front();
        m_transport.rangeStarted();
    }
    const qint64 into = std::max<qint64>(played - m_rangeStartUSecs, 0);
    if (m_ring.finished() && m_ring.available() == 0 &&
        (drained || into >= DiscToc::usecs(m_endSector - m_startSector))) {
        m_transport.endOfDisc();
    } else {
        const int sector = m_startSector + int(DiscToc::sectors(into));
        m_transport.position(std::min(sector, m_endSector - 1));
    }
    Q_EMIT changed();
}
