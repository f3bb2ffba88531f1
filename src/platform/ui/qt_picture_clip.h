// The picture clip over Qt: holds the current picture for the engine (its natural size) and for
// the board widget (its pixels).
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <string>

#include "platform/picture_clip.h"
#include "platform/ui/picture_loader.h"

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
    // Sees the natural size, from the file's header, before decoding the picture, so a refused
    // picture changes nothing and costs no decode.
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
    // Changes only when the clip takes another picture or decodes its file again, sharper: not
    // when shownAt() reduces the pixels it holds. The board repaints the picture when it changes.
    qint64 pictureKey() const { return settled().pictureKey_; }

    // The picture at exactly `devicePixels`, as the board shows it. When the held picture is
    // larger both ways and can be decoded again from its file, the clip keeps only this reduced
    // copy, so the window holds one copy of the picture, not two; an area that grows later
    // decodes the file again. Otherwise the result is a scaled copy and the clip keeps its own.
    QImage shownAt(QSize devicePixels);

    // The game area in device pixels, the largest the picture is shown at. A loaded picture is
    // decoded only as large as showing it there needs, reduced by halves (as JPEG decodes such
    // sizes fastest), so a large photo costs a fraction of the time and memory; when the area
    // grows beyond what the held picture covers, the file is decoded again, larger.
    void setShownArea(QSize devicePixels);

private:
    void take(QImage image, QSize naturalSize);
    // The clip with the intro picture in place when loadIntro chose it and it is not yet read.
    const QtPictureClip& settled() const;
    // The long side a probed picture is decoded at for the shown area.
    int longSideFor(const PictureProbe& probe) const;

    std::function<QImage()> introSource_;
    mutable bool introPending_ = false;
    mutable QImage image_;
    mutable QSize natural_;
    mutable qint64 pictureKey_ = 0;
    QSize area_;
    QSize decodedFor_;     // the area the held picture was decoded for
    bool reduced_ = false; // shownAt() reduced it below what that area needs
    std::string path_;   // the file of the held picture, when load() took it
    std::string offeredPath_;
    QImage offeredImage_;
    QSize offeredSize_;
};

} // namespace quiltra
