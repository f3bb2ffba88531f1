// The Picture Viewer's geometry: opening place, fitted size, zoom limits, centring, covering the
// view while zooming out, centre keeping, Original Size and click to centre.
#include <gtest/gtest.h>

#include <cmath>

#include "viewer/viewer_geometry.h"

namespace quiltra::viewer {
namespace {

constexpr WindowGeometry kWindow{9550, 6750};

Rect natural(double w, double h) { return placeAtOpening(w, h, kWindow); }

// Runs zoom steps until the working rectangle stops changing, checking `each` after every step.
template <class Step, class Check>
Rect zoomUntilStable(Rect displayed, bool clickCentred, Step step, Check each)
{
    Zoom zoom;
    Rect last{-1, -1, -1, -1};
    for (int i = 0; i < 2000 && !(zoom.Zooming && zoom.Working == last); ++i) {
        last = zoom.Working;
        step(zoom, displayed, clickCentred, kWindow);
        each(zoom.Working);
    }
    return zoom.Working;
}

TEST(ViewerGeometry, ViewNumbersOfTheDefaultWindow)
{
    const ViewNumbers v = viewNumbers(kWindow);
    EXPECT_EQ(v.ViewWidth, 9440);
    EXPECT_EQ(v.ViewHeight, 6100);
    EXPECT_EQ(v.CentreWidth, 9480);
    EXPECT_EQ(v.CentreHeight, 6135);
    EXPECT_EQ(v.ClickX, 4705);
    EXPECT_EQ(v.ClickY, 3075);
}

TEST(ViewerGeometry, OpensAtNaturalSizeCentredAndFitsOnce)
{
    struct Case {
        double w, h;
        Rect place;
        Single fitW, fitH;
    } cases[] = {
        // 640 x 480 pixels: larger than the window, so at the 20-twip margin.
        {9600, 7200, {20, 20, 9600, 7200}, 7986.6667f, 5990},
        // Small: centred in the window less 90 x 790; the fit enlarges it.
        {1500, 1500, {3980, 2230, 1500, 1500}, 5990, 5990},
        // Portrait: the height decides.
        {7200, 9600, {1130, 20, 7200, 9600}, 4492.5f, 5990},
        // A wide strip: the width decides.
        {30000, 3000, {20, 1480, 30000, 3000}, 9350, 935},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(natural(c.w, c.h), c.place) << c.w << "x" << c.h;
        const FitSize fit = fittedSize(Single(c.w), Single(c.h), kWindow);
        EXPECT_NEAR(fit.Width, c.fitW, 0.01) << c.w << "x" << c.h;
        EXPECT_NEAR(fit.Height, c.fitH, 0.01) << c.w << "x" << c.h;
    }
    // The fitted picture is placed as at opening, whole twips, ties to even.
    EXPECT_EQ(placeAtOpening(7986.6667f, 5990, kWindow), (Rect{736, 20, 7987, 5990}));
    EXPECT_EQ(sizeCaption(9600, 7200), "Size : 9600x7200");
}

TEST(ViewerGeometry, ZoomStopsAtTheLimitsAndCentresWhatFits)
{
    const ViewNumbers v = viewNumbers(kWindow);
    auto centredWhereItFits = [&v](const Rect& r) {
        if (r.Width <= 9440) {
            ASSERT_EQ(r.Left, std::nearbyint((v.CentreWidth - r.Width) / 2)) << r.Width;
        }
        if (r.Height <= 6100) {
            ASSERT_EQ(r.Top, std::nearbyint((v.CentreHeight - r.Height) / 2)) << r.Height;
        }
    };
    struct Case {
        double w, h;
        double inW, inH;     // where zooming in stops
        double outW, outH;   // where zooming out stops
    } cases[] = {
        {9600, 7200, 30000, 22500, 1333, 1000},   // landscape: width 30000, height 1000
        {7200, 9600, 22500, 30000, 1000, 1333},   // portrait: height 30000, width 1000
        {1500, 1500, 30000, 30000, 1000, 1000},
    };
    for (const Case& c : cases) {
        const Rect in = zoomUntilStable(natural(c.w, c.h), false, zoomInStep, centredWhereItFits);
        EXPECT_EQ(std::max(in.Width, in.Height), 30000) << c.w;
        // The other dimension follows the ratio, which drifts slightly over many whole-twip steps.
        EXPECT_NEAR(in.Width, c.inW, 60) << c.w;
        EXPECT_NEAR(in.Height, c.inH, 60) << c.w;
        const Rect out = zoomUntilStable(natural(c.w, c.h), false, zoomOutStep, centredWhereItFits);
        EXPECT_EQ(std::min(out.Width, out.Height), 1000) << c.w;
        EXPECT_NEAR(out.Width, c.outW, 10) << c.w;
        EXPECT_NEAR(out.Height, c.outH, 10) << c.w;
    }
}

TEST(ViewerGeometry, OneStepIs100TwipsWideAndTheFirstStartsFromTheDisplayedPicture)
{
    Zoom zoom;
    const Rect shown{300, 400, 4000, 3000};
    zoomInStep(zoom, shown, false, kWindow);
    EXPECT_TRUE(zoom.Zooming);
    EXPECT_EQ(zoom.Working, (Rect{2690, 1530, 4100, 3075}));
    zoomInStep(zoom, shown, false, kWindow);   // goes on from the working rectangle
    EXPECT_EQ(zoom.Working.Width, 4200);
    zoomOutStep(zoom, shown, false, kWindow);
    EXPECT_EQ(zoom.Working.Width, 4100);

    // Applying changes the displayed picture only when the size differs.
    Rect displayed = shown;
    EXPECT_TRUE(applyZoom(displayed, zoom));
    EXPECT_EQ(displayed, zoom.Working);
    Zoom sameSize{Rect{0, 0, 4100, 3075}, false};
    EXPECT_FALSE(applyZoom(displayed, sameSize));
    EXPECT_EQ(displayed.Left, 2690);
}

TEST(ViewerGeometry, ZoomingOutALargePictureKeepsTheViewCovered)
{
    auto covers = [](const Rect& r) {
        if (r.Width > 9440) {
            ASSERT_LE(r.Left, 20) << r.Width;
            ASSERT_GE(r.Left + r.Width, 9440) << r.Width;
        }
        if (r.Height > 6100) {
            ASSERT_LE(r.Top, 20) << r.Height;
            ASSERT_GE(r.Top + r.Height, 6100) << r.Height;
        }
    };
    // Large pictures placed anywhere a click or a zoom can leave them, with and without centre
    // keeping.
    const Rect starts[] = {
        {20, 20, 30000, 22500},      {-20560, -16400, 30000, 22500}, {-8000, -3000, 30000, 22500},
        {20, 20, 22500, 30000},      {-13000, -23800, 22500, 30000}, {-500, -900, 12000, 9000},
        {20, -2000, 12000, 6500},    {-3000, 20, 15000, 5000},
    };
    for (const Rect& start : starts)
        for (bool centred : {false, true})
            zoomUntilStable(start, centred, zoomOutStep, covers);
}

TEST(ViewerGeometry, CentreKeepingHoldsThePointUnderTheViewCentre)
{
    const ViewNumbers v = viewNumbers(kWindow);
    const Rect start{-6000, -4000, 20000, 15000};
    // The fraction of the picture under the click point.
    auto under = [&v](const Rect& r) {
        return std::pair((v.ClickX - r.Left) / r.Width, (v.ClickY - r.Top) / r.Height);
    };
    for (auto step : {zoomInStep, zoomOutStep}) {
        Zoom zoom;
        Rect from = start;
        for (int i = 0; i < 40; ++i) {
            step(zoom, start, true, kWindow);
            const auto [fx, fy] = under(from);
            const auto [tx, ty] = under(zoom.Working);
            EXPECT_NEAR(tx * zoom.Working.Width, fx * zoom.Working.Width, 1.0);
            EXPECT_NEAR(ty * zoom.Working.Height, fy * zoom.Working.Height, 1.0);
            from = zoom.Working;
        }
    }
    // Without a click a large picture grows and shrinks from its top-left corner.
    Zoom zoom;
    zoomInStep(zoom, start, false, kWindow);
    EXPECT_EQ(zoom.Working.Left, -6000);
    EXPECT_EQ(zoom.Working.Top, -4000);
    // A step held at the limit changes no size and so moves nothing.
    Zoom atLimit;
    const Rect largest{-9000, -7000, 30000, 22500};
    zoomInStep(atLimit, largest, true, kWindow);
    EXPECT_EQ(atLimit.Working, largest);
}

TEST(ViewerGeometry, OriginalSizeChangesNothingAtNaturalSize)
{
    const Rect opened = natural(9600, 7200);
    EXPECT_FALSE(originalSize(opened, 9600, 7200, kWindow).has_value());
    // From the fitted size: centred across the whole window and at the zoom steps' height,
    // never closer than 20 to the corner.
    const Rect fitted = placeAtOpening(7987, 5990, kWindow);
    EXPECT_EQ(originalSize(fitted, 9600, 7200, kWindow), (Rect{20, 20, 9600, 7200}));
    EXPECT_EQ(originalSize(fitted, 3000, 2000, kWindow), (Rect{3275, 2068, 3000, 2000}));
    EXPECT_EQ(frameAround(Rect{20, 30, 100, 200}), (Rect{5, 15, 130, 230}));
}

TEST(ViewerGeometry, ClickBringsThePointToTheCentreOfALargePicture)
{
    // Narrower and lower than the window: nothing moves.
    const Rect small{2000, 1000, 5000, 4000};
    EXPECT_EQ(clickToCentre(small, 100, 100, kWindow), small);
    // A large picture: the clicked point comes to (4705, 3075).
    const Rect large{20, 20, 30000, 22500};
    const Rect moved = clickToCentre(large, 15000, 11000, kWindow);
    EXPECT_EQ(moved.Left + 15000, 4705);
    EXPECT_EQ(moved.Top + 11000, 3075);
    // Near the edges it stops with the view covered: at most 20 in at the top-left, and the
    // right and bottom edges no shorter than the window less 160 and 700.
    EXPECT_EQ(clickToCentre(large, 100, 100, kWindow).Left, 20);
    EXPECT_EQ(clickToCentre(large, 100, 100, kWindow).Top, 20);
    const Rect corner = clickToCentre(large, 29900, 22400, kWindow);
    EXPECT_EQ(corner.Left + corner.Width, 9550 - 160);
    EXPECT_EQ(corner.Top + corner.Height, 6750 - 700);
}

} // namespace
} // namespace quiltra::viewer
