// The picture-clip component (PicClip1): holds the current picture and yields its cells.
#pragma once

#include <functional>
#include <string>

namespace quiltra {

// What became of a picture file offered to the clip under a rule.
enum class ClipLoad {
    Taken,     // the clip holds the new picture
    Failed,    // the file could not be loaded; `error` says why
    Refused,   // the picture loaded but the rule refused its size
};

// The engine needs only the natural size; the window paints the cells from the decoded picture.
class PictureClip {
public:
    // Agrees to a picture of this natural size (pixels) or refuses it.
    using SizeRule = std::function<bool(int pixelWidth, int pixelHeight)>;

    virtual ~PictureClip() = default;
    // Loads a BMP, GIF, JPEG, PNG, WebP or TIFF file. On failure returns false with the loader's
    // description in `error` and keeps the picture it held before.
    virtual bool load(const std::string& path, std::string& error) = 0;
    // Takes the intro picture from the hidden intro picture holder.
    virtual void loadIntro() = 0;
    // Natural size of the held picture, in pixels (upright when the file carries an orientation).
    virtual int pixelWidth() const = 0;
    virtual int pixelHeight() const = 0;

    // Loads a picture file and takes it only when `accepts` agrees to its natural size. On
    // Failed and Refused the clip holds the picture it held before, which is the file
    // `heldPath` or, when that is empty, the intro picture. This version loads first and loads
    // the held picture back after a refusal; a clip that can see the size before taking the
    // picture does better.
    virtual ClipLoad loadIf(const std::string& path, const SizeRule& accepts,
                            const std::string& heldPath, std::string& error)
    {
        if (!load(path, error))
            return ClipLoad::Failed;
        if (accepts(pixelWidth(), pixelHeight()))
            return ClipLoad::Taken;
        std::string ignored;
        if (heldPath.empty() || !load(heldPath, ignored))
            loadIntro();
        return ClipLoad::Refused;
    }
};

} // namespace quiltra
