// The picture clip over Qt: holds the current picture for the engine (its natural size) and for
// the board widget (its pixels).
#pragma once

#include <QImage>
#include <QSize>
#include <string>

#include "platform/picture_clip.h"

namespace quiltra {

class QtPictureClip : public PictureClip {
public:
    explicit QtPictureClip(QImage intro = {}) : intro_(std::move(intro)) {}
    void setIntro(QImage intro) { intro_ = std::move(intro); }

    bool load(const std::string& path, std::string& error) override;
    void loadIntro() override;
    int pixelWidth() const override { return natural_.width(); }
    int pixelHeight() const override { return natural_.height(); }

    // Takes a picture already decoded elsewhere (the Open Picture window's preview).
    void take(QImage image, QSize naturalSize);
    const QImage& image() const { return image_; }

    // The game area in device pixels, the largest the picture is shown at. A loaded picture is
    // decoded only as large as showing it there needs, reduced by halves (as JPEG decodes such
    // sizes fastest), so a large photo costs a fraction of the time and memory; when the area
    // grows beyond what the held picture covers, the file is decoded again, larger.
    void setShownArea(QSize devicePixels);

private:
    int longSideFor(const std::string& path) const;

    QImage intro_;
    QImage image_;
    QSize natural_;
    QSize area_;
    std::string path_;   // the file of the held picture, when load() took it
};

} // namespace quiltra
