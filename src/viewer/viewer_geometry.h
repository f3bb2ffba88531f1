// Geometry of the Picture Viewer in twips: where a picture opens, its fitted size, Original Size,
// Fit to screen, the zoom steps on the working rectangle, click to centre and the Size caption.
#pragma once

#include <optional>
#include <string>

#include "game/twips.h"
#include "game/window_geometry.h"

namespace quiltra::viewer {

// A stretched picture element (the displayed picture, the working rectangle, the frame). Sizes
// and positions are whole twips: every value is rounded (ties to even) when it is stored.
struct Rect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool operator==(const Rect&) const = default;
};

// The view used by zoom steps and click to centre. They follow the window's size and are
// 9440 x 6100 (view), 9480 x 6135 (centring) and (4705, 3075) (click point) for the default
// 9550 x 6750 window.
struct ViewNumbers {
    double ViewWidth;
    double ViewHeight;
    double CentreWidth;   // a picture that fits is centred at Left = (CentreWidth - width) / 2
    double CentreHeight;  // and Top = (CentreHeight - height) / 2
    double ClickX;        // the point of the client area a clicked point is brought to
    double ClickY;
};
ViewNumbers viewNumbers(const WindowGeometry& window);

inline constexpr double kZoomStep = 100;     // width change of one zoom step
inline constexpr double kLargestZoom = 30000;
inline constexpr double kSmallestZoom = 1000;
inline constexpr double kMargin = 20;        // nearest a picture's top-left comes to the corner
inline constexpr double kFrameGap = 15;      // between the picture and its frame

// The fitted size, computed once at opening from the natural size.
struct FitSize {
    Single Width = 0;
    Single Height = 0;
};
FitSize fittedSize(Single naturalWidth, Single naturalHeight, const WindowGeometry& window);

// A picture of the given size placed as at opening and after Fit to screen: centred in the
// window less its allowances, never closer than 20 to the top-left corner.
Rect placeAtOpening(double width, double height, const WindowGeometry& window);

// Original Size: nothing when the picture already has its natural size; otherwise the natural
// size centred across the window and at the zoom steps' height.
std::optional<Rect> originalSize(const Rect& displayed, Single orgWidth, Single orgHeight,
                                 const WindowGeometry& window);

// The frame drawn 15 twips outside the picture on every side.
Rect frameAround(const Rect& picture);

// A zoom gesture's working rectangle. The first step copies the displayed picture's position;
// later steps go on from the working rectangle. `Zooming` marks a gesture in progress.
struct Zoom {
    Rect Working;
    bool Zooming = false;
};

// One step of 100 twips in width, the height following the ratio of the rectangle the step
// starts from. `clickCentred`: the player has clicked the picture, so a picture larger than the
// view keeps the view's centre on the same point of the picture.
void zoomInStep(Zoom& zoom, const Rect& displayed, bool clickCentred, const WindowGeometry& window);
void zoomOutStep(Zoom& zoom, const Rect& displayed, bool clickCentred, const WindowGeometry& window);

// End of a gesture: the displayed picture takes the working rectangle, unless it already has
// its size. Returns whether the displayed picture changed.
bool applyZoom(Rect& displayed, const Zoom& zoom);

// Click to centre at (x, y) relative to the picture: a picture wider (higher) than the window
// brings the clicked point to the click point, keeping the view covered.
Rect clickToCentre(const Rect& picture, double x, double y, const WindowGeometry& window);

// The wheel moves a picture larger than the view across it by (dx, dy) twips, on each axis on
// which it is larger, and keeps the view covered: its top-left edges at most 20 inside, its right
// and bottom edges no shorter than the view. A picture that fits the view on an axis stays put
// on it.
Rect scrollPicture(const Rect& picture, double dx, double dy, const WindowGeometry& window);

// "Size : 9600x7200".
std::string sizeCaption(double width, double height);

} // namespace quiltra::viewer
