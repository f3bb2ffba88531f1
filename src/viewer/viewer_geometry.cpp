// Geometry of the Picture Viewer in twips: opening place, fitted size, zoom steps, click to centre.
#include "viewer/viewer_geometry.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/translation.h"

namespace quiltra::viewer {

namespace {

// Allowances from the window's outer size.
constexpr double kPlaceAllowanceX = 90, kPlaceAllowanceY = 790;
constexpr double kFitAllowanceX = 200, kFitAllowanceY = 760;
constexpr double kClickAllowanceX = 160, kClickAllowanceY = 700;

double whole(double twips) { return roundEven(twips); }

// The ratio of the rectangle a step starts from, in single precision; it is taken afresh at
// every step, so it may drift slightly as sizes are whole twips.
Single ratioOf(const Rect& r) { return Single(r.Width) / Single(r.Height); }

// A picture larger than the view keeps the view's centre on the same point of the picture: the
// point under the click point before the step stays under it after the step. A step clamped at
// a limit changes no size and so moves nothing.
void keepCentre(Rect& r, const Rect& from, const ViewNumbers& v)
{
    if (r.Width > v.ViewWidth && from.Width > 0)
        r.Left = whole(v.ClickX - (v.ClickX - from.Left) * r.Width / from.Width);
    if (r.Height > v.ViewHeight && from.Height > 0)
        r.Top = whole(v.ClickY - (v.ClickY - from.Top) * r.Height / from.Height);
}

// Starts or continues a gesture: the rectangle the step starts from, with the working
// rectangle at the displayed picture's place on the first step.
Rect beginStep(Zoom& zoom, const Rect& displayed)
{
    if (!zoom.Zooming) {
        zoom.Working.Left = displayed.Left;
        zoom.Working.Top = displayed.Top;
        zoom.Zooming = true;
        return displayed;
    }
    return zoom.Working;
}

// A picture that fits the view on an axis is centred on it.
void centreWhereItFits(Rect& r, const ViewNumbers& v)
{
    if (r.Width <= v.ViewWidth)
        r.Left = whole((v.CentreWidth - r.Width) / 2);
    if (r.Height <= v.ViewHeight)
        r.Top = whole((v.CentreHeight - r.Height) / 2);
}

} // namespace

ViewNumbers viewNumbers(const WindowGeometry& window)
{
    return ViewNumbers{window.Width - 110,       window.Height - 650,
                       window.Width - 70,        window.Height - 615,
                       (window.Width - 140) / 2, (window.Height - 600) / 2};
}

FitSize fittedSize(Single naturalWidth, Single naturalHeight, const WindowGeometry& window)
{
    const Single ratio = naturalWidth / naturalHeight;
    const Single roomW = Single(window.Width - kFitAllowanceX);
    const Single roomH = Single(window.Height - kFitAllowanceY);
    FitSize fit;
    if (naturalWidth > naturalHeight) {
        fit.Width = roomW;
        fit.Height = fit.Width / ratio;
    } else {
        fit.Height = roomH;
        fit.Width = fit.Height * ratio;
    }
    if (fit.Height > roomH) {
        fit.Height = roomH;
        fit.Width = fit.Height * ratio;
    }
    if (fit.Width > Single(window.Width)) {
        fit.Width = Single(window.Width);
        fit.Height = fit.Width / ratio;
    }
    return fit;
}

Rect placeAtOpening(double width, double height, const WindowGeometry& window)
{
    Rect r;
    r.Width = whole(width);
    r.Height = whole(height);
    r.Left = whole((window.Width - kPlaceAllowanceX - r.Width) / 2);
    r.Top = whole((window.Height - kPlaceAllowanceY - r.Height) / 2);
    if (r.Top < kMargin)
        r.Top = kMargin;
    if (r.Left < kMargin)
        r.Left = kMargin;
    return r;
}

std::optional<Rect> originalSize(const Rect& displayed, Single orgWidth, Single orgHeight,
                                 const WindowGeometry& window)
{
    if (displayed.Width == whole(orgWidth) && displayed.Height == whole(orgHeight))
        return std::nullopt;
    Rect r;
    r.Width = whole(orgWidth);
    r.Height = whole(orgHeight);
    r.Left = whole((window.Width - r.Width) / 2);
    r.Top = whole((viewNumbers(window).CentreHeight - r.Height) / 2);
    if (r.Top < kMargin)
        r.Top = kMargin;
    if (r.Left < kMargin)
        r.Left = kMargin;
    return r;
}

Rect frameAround(const Rect& p)
{
    return Rect{p.Left - kFrameGap, p.Top - kFrameGap, p.Width + 2 * kFrameGap,
                p.Height + 2 * kFrameGap};
}

void zoomInStep(Zoom& zoom, const Rect& displayed, bool clickCentred, const WindowGeometry& window)
{
    const ViewNumbers v = viewNumbers(window);
    const Rect from = beginStep(zoom, displayed);
    const Single ratio = ratioOf(from);
    Rect& r = zoom.Working;
    r.Width = whole(from.Width + kZoomStep);
    r.Height = whole(Single(r.Width) / ratio);
    // The larger dimension stops at 30000; the other follows the ratio.
    if (r.Width > kLargestZoom) {
        r.Width = kLargestZoom;
        r.Height = whole(Single(kLargestZoom) / ratio);
    }
    if (r.Height > kLargestZoom) {
        r.Height = kLargestZoom;
        r.Width = whole(Single(kLargestZoom) * ratio);
    }
    centreWhereItFits(r, v);
    if (clickCentred)
        keepCentre(r, from, v);
}

void zoomOutStep(Zoom& zoom, const Rect& displayed, bool clickCentred, const WindowGeometry& window)
{
    const ViewNumbers v = viewNumbers(window);
    const Rect from = beginStep(zoom, displayed);
    const Single ratio = ratioOf(from);
    Rect& r = zoom.Working;
    r.Width = whole(from.Width - kZoomStep);
    r.Height = whole(Single(r.Width) / ratio);
    // The smaller dimension stops at 1000; the other follows the ratio.
    if (r.Width < kSmallestZoom) {
        r.Width = kSmallestZoom;
        r.Height = whole(Single(kSmallestZoom) / ratio);
    }
    if (r.Height < kSmallestZoom) {
        r.Height = kSmallestZoom;
        r.Width = whole(Single(kSmallestZoom) * ratio);
    }
    centreWhereItFits(r, v);
    if (clickCentred)
        keepCentre(r, from, v);
    // A picture larger than the view goes on covering it: its top-left edges at most 20 inside,
    // its right and bottom edges no shorter than the view.
    if (r.Width > v.ViewWidth && r.Left > kMargin)
        r.Left = kMargin;
    if (r.Height > v.ViewHeight && r.Top > kMargin)
        r.Top = kMargin;
    if (r.Left + r.Width < v.ViewWidth && r.Width > v.ViewWidth)
        r.Left = v.ViewWidth - r.Width;
    if (r.Top + r.Height < v.ViewHeight && r.Height > v.ViewHeight)
        r.Top = v.ViewHeight - r.Height;
}

bool applyZoom(Rect& displayed, const Zoom& zoom)
{
    if (displayed.Width == zoom.Working.Width && displayed.Height == zoom.Working.Height)
        return false;
    displayed = zoom.Working;
    return true;
}

Rect clickToCentre(const Rect& picture, double x, double y, const WindowGeometry& window)
{
    const ViewNumbers v = viewNumbers(window);
    Rect r = picture;
    if (r.Width > window.Width) {
        r.Left = whole(r.Left - (x + r.Left - v.ClickX));
        if (r.Left > kMargin)
            r.Left = kMargin;
        if (window.Width - kClickAllowanceX > r.Left + r.Width)
            r.Left = window.Width - kClickAllowanceX - r.Width;
    }
    if (r.Height > window.Height) {
        r.Top = whole(r.Top - (y + r.Top - v.ClickY));
        if (window.Height - kClickAllowanceY > r.Top + r.Height)
            r.Top = window.Height - kClickAllowanceY - r.Height;
        if (r.Top > kMargin)
            r.Top = kMargin;
    }
    return r;
}

Rect scrollPicture(const Rect& picture, double dx, double dy, const WindowGeometry& window)
{
    // Along one axis: a picture larger than the view moves by `delta`, its far edge never short of
    // the view's and its near edge never past the margin.
    const auto scrolled = [](double position, double extent, double view, double delta) {
        if (extent <= view)
            return position;
        return std::min(std::max(whole(position + delta), view - extent), double(kMargin));
    };
    const ViewNumbers v = viewNumbers(window);
    Rect r = picture;
    r.Left = scrolled(r.Left, r.Width, v.ViewWidth, dx);
    r.Top = scrolled(r.Top, r.Height, v.ViewHeight, dy);
    return r;
}

std::string sizeCaption(double width, double height)
{
    //: %1 and %2 are the width and height in twips.
    std::string caption = translate("PictureViewer", "Size : %1x%2");
    for (const auto& [mark, value] :
         {std::pair{"%1", whole(width)}, std::pair{"%2", whole(height)}})
        if (const std::size_t at = caption.find(mark); at != std::string::npos)
            caption.replace(at, 2, std::to_string(std::int64_t(value)));
    return caption;
}

} // namespace quiltra::viewer
