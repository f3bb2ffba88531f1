// The picture clip over Qt: holds the current picture for the engine (its natural size) and for
// the board widget (its pixels).
#pragma once

#include <QImage>

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

private:
    QImage intro_;
    QImage image_;
    QSize natural_;
};

} // namespace quiltra
