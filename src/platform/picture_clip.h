// The picture-clip component (PicClip1): holds the current picture and yields its cells.
#pragma once

#include <string>

namespace quiltra {

// The engine needs only the natural size; the window paints the cells from the decoded picture.
class PictureClip {
public:
    virtual ~PictureClip() = default;
    // Loads a BMP, GIF or JPEG file. On failure returns false with the loader's description in
    // `error` and keeps the picture it held before.
    virtual bool load(const std::string& path, std::string& error) = 0;
    // Takes the intro picture from the hidden intro picture holder.
    virtual void loadIntro() = 0;
    // Natural size of the held picture, in pixels (upright when the file carries an orientation).
    virtual int pixelWidth() const = 0;
    virtual int pixelHeight() const = 0;
};

} // namespace quiltra
