// Decodes the picture windows' previews on a worker thread, one at a time, at the preview's size,
// so that the file and picture lists answer every key while a large photo decodes.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/ui/picture_loader.h"

class QWidget;

namespace quiltra {

// The long side to decode a probed picture at so that it still covers a square of `side` pixels
// on both axes: the smallest reduction by halves that does, never more than the loader's bound.
int previewLongSide(const PictureProbe& probe, int side);

// The square of device pixels `preview` shows a picture in.
int previewSide(const QWidget* preview);

class PreviewLoader : public QObject {
    Q_OBJECT
public:
    explicit PreviewLoader(QObject* parent);

    // Asks for `path` decoded to cover a square of `side` pixels. It supersedes every earlier
    // request: a request still waiting never starts, and one being decoded is told to stop and
    // its result dropped. At most one decode runs; the next waits for it.
    void request(const QString& path, int side);
    // No earlier request delivers a result.
    void cancel();
    // Whether a result is still to come.
    bool busy() const { return wanted_ != 0; }

    // Runs on the window's thread with the latest request's picture, or its failure.
    std::function<void(const QString& path, LoadedPicture picture)> onLoaded;
    // The decode the worker runs for (path, side); the loader's own by default. It must not
    // touch the window: it runs on the worker thread. `stop` is raised when the request is
    // superseded or cancelled, so that the next one need not wait for the whole decode.
    std::function<LoadedPicture(const QString& path, int side, const std::atomic<bool>& stop)>
        decode;

private:
    struct Job {
        QString path;
        int side = 0;
        std::uint64_t id = 0;
    };
    void start(const Job& job);
    void finished();

    QFutureWatcher<LoadedPicture> watcher_;
    std::uint64_t next_ = 0;     // the id the next request takes
    std::uint64_t wanted_ = 0;   // the request whose result is delivered; 0 when none
    std::uint64_t running_ = 0;  // the request being decoded; 0 when none
    QString runningPath_;
    std::shared_ptr<std::atomic<bool>> runningStop_;   // raised when the running one is unwanted
    Job waiting_;                // the request to start next; id 0 when none
};

} // namespace quiltra
