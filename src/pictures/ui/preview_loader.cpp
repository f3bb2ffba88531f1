// The picture windows' preview decoding on a worker thread.
#include "pictures/ui/preview_loader.h"

#include <QCoreApplication>
#include <QPromise>
#include <QThreadPool>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>

namespace quiltra {

int previewLongSide(const PictureProbe& probe, int side)
{
    // Whatever is wrong with the file, the loader describes it.
    const int w = probe.stored.width(), h = probe.stored.height();
    if (!probe.ok() || w <= 0 || h <= 0 || side <= 0)
        return kDecodeLongSide;
    // The preview stretches the picture to its square, so both sides must cover it.
    int divisor = 1;
    while (divisor < (1 << 16) && (w + 2 * divisor - 1) / (2 * divisor) >= side &&
           (h + 2 * divisor - 1) / (2 * divisor) >= side)
        divisor *= 2;
    const int longSide = std::max((w + divisor - 1) / divisor, (h + divisor - 1) / divisor);
    return std::min(kDecodeLongSide, longSide);
}

int previewSide(const QWidget* preview)
{
    return int(std::ceil(std::max(preview->width(), preview->height()) *
                         preview->devicePixelRatioF()));
}

PreviewLoader::PreviewLoader(QObject* parent) : QObject(parent)
{
    decode = [](const QString& path, int side, const std::atomic<bool>& stop) {
        const PictureProbe probe = probePicture(path);
        return loadPicture(probe, previewLongSide(probe, side), &stop);
    };
    connect(&watcher_, &QFutureWatcherBase::finished, this, [this] { finished(); });
}

void PreviewLoader::request(const QString& path, int side)
{
    const Job job{path, side, ++next_};
    wanted_ = job.id;
    if (running_) {
        runningStop_->store(true);
        waiting_ = job;
    } else {
        start(job);
    }
}

void PreviewLoader::cancel()
{
    wanted_ = 0;
    waiting_ = Job{};
    if (running_)
        runningStop_->store(true);
}

// The worker holds only the path, the size and a copy of the decode: a window closed meanwhile
// deletes its loader and the watcher with it, and the result goes nowhere.
void PreviewLoader::start(const Job& job)
{
    running_ = job.id;
    runningPath_ = job.path;
    runningStop_ = std::make_shared<std::atomic<bool>>(false);
    auto promise = std::make_shared<QPromise<LoadedPicture>>();
    watcher_.setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start(
        [promise, decode = decode, path = job.path, side = job.side, stop = runningStop_] {
            promise->addResult(decode(path, side, *stop));
            promise->finish();
        });
}

void PreviewLoader::finished()
{
    const std::uint64_t done = running_;
    const QString path = runningPath_;
    LoadedPicture picture;
    if (watcher_.future().resultCount() > 0)
        picture = watcher_.result();
    else
        picture.error = QCoreApplication::translate("Messages", "Invalid picture");
    running_ = 0;
    runningPath_.clear();
    runningStop_.reset();
    if (waiting_.id) {
        const Job next = waiting_;
        waiting_ = Job{};
        start(next);
    }
    if (done != wanted_)
        return;
    wanted_ = 0;
    if (onLoaded)
        onLoaded(path, std::move(picture));
}

} // namespace quiltra
