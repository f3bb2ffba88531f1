// The picture clip over Qt: holds the current picture for the engine (its natural size) and for
// the board widget (its pixels).
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <string>

#include "platform/picture_clip.h"
#include "platform/picture_loader.h"

namespace quiltra {

class QtPictureClip : public PictureClip {
public:
    explicit QtPictureClip(QImage intro = {})
        : introSource_([intro = std::move(intro)] { return intro; })
    {
    }
    // The intro picture asked for only when the intro first needs its pixels or size, so that
    // decoding it does not delay the first window.
    void setIntroSource(std::function<QImage()> source) { introSource_ = std::move(source); }

    bool load(const std::string& path, std::string& error) override;
    // Sees the natural size before taking the picture, so a refused picture changes nothing.
    ClipLoad loadIf(const std::string& path, const SizeRule& accepts, const std::string& heldPath,
                    std::string& error) override;
    void loadIntro() override;
    int pixelWidth() const override { return settled().natural_.width(); }
    int pixelHeight() const override { return settled().natural_.height(); }

    // A picture already decoded from `path` elsewhere (the Open Picture window's preview): the
    // next load of that path takes it instead of decoding the file again. Any load uses up the
    // offer; withdrawOffer lets go of one no load used.
    void offer(const std::string& path, QImage image, QSize naturalSize);
    void withdrawOffer();
    const QImage& image() const { return settled().image_; }

    // The game area in device pixels, the largest the picture is shown at. A loaded picture is
    // decoded only as large as showing it there needs, reduced by halves (as JPEG decodes such
    // sizes fastest), so a large photo costs a fraction of the time and memory; when the area
    // grows beyond what the held picture covers, the file is decoded again, larger.
    void setShownArea(QSize devicePixels);

private:
    void take(QImage image, QSize naturalSize);
    // The clip with the intro picture in place when loadIntro chose it and it is not yet read.
    const QtPictureClip& settled() const;
    // Decodes `path` for the shown area, or takes the offered picture of that path.
    LoadedPicture decode(const std::string& path);
    int longSideFor(const std::string& path) const;

    std::function<QImage()> introSource_;
    mutable bool introPending_ = false;
    mutable QImage image_;
    mutable QSize natural_;
    QSize area_;
    std::string path_;   // the file of the held picture, when load() took it
    std::string offeredPath_;
    QImage offeredImage_;
    QSize offeredSize_;
};

} // namespace quiltra
