// Puzzle sizes as pure functions: fitting a picture into the game area, the largest grid, the
// list of offered sizes with their captions, the initial size draw and the validity rule.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/twips.h"
#include "platform/translation.h"

namespace quiltra {

// The message of the validity rule, and of a picture that forms no size at all; the game and the
// picture windows show it, translated in the shared messages' context.
inline constexpr const char* kTooSmallMessage =
    QUILTRA_TRANSLATABLE("Messages", "Picture is too small to divide into a puzzle.");

// The home tables hold pieces 1 to 300: no offered grid has more pieces than this.
inline constexpr int kMaxPieces = 300;

// Smallest extent of a piece when the largest grid is counted, and the step of the validity rule.
inline constexpr Single kMinPieceExtent = 600;
inline constexpr Single kValidityStep = 500;

// A grid of columns by rows.
struct Grid {
    std::int16_t cols = 0;
    std::int16_t rows = 0;
    int pieces() const { return int{cols} * int{rows}; }
    bool operator==(const Grid&) const = default;
};

// The whole-picture image after fitting: position and size in twips.
struct FittedPicture {
    Single Left = 0;
    Single Top = 0;
    Single Width = 0;
    Single Height = 0;
};

// Fits a picture of natural size naturalW x naturalH into a game area of areaW x areaH: a picture
// higher than the area less 500 twips is reduced to that height first, then one wider than the
// area less 600 twips to that width, always keeping its aspect ratio; a smaller picture keeps its
// natural size. The result is centred on the game window of windowW x windowH (outer size).
FittedPicture fitPicture(Single naturalW, Single naturalH, Single areaW, Single areaH,
                         Single windowW, Single windowH);

// The largest count n for which extent / n is still greater than step; 0 when extent <= step.
std::int16_t stepCount(Single extent, Single step);

// Reduces a grid, keeping its column/row ratio, until it has at most maxPieces pieces: each step
// takes one from the larger side and recomputes the other from the original ratio (rounded,
// never below 1). A grid within the limit is returned unchanged.
Grid capGrid(Grid grid, int maxPieces = kMaxPieces);

// The largest grid of a fitted picture: 600-twip steps in each direction, then reduced while the
// cells with their 35-twip gaps would overflow the game area (width first, then height), then
// capped at kMaxPieces pieces.
Grid largestGrid(Single fittedW, Single fittedH, Single areaW, Single areaH, int gap);

// The sizes offered for a largest grid, smallest first; the largest grid is always the last.
// Columns drop one at a time and rows follow the ratio, as long as the untruncated grid still has
// 9 pieces or more and at least one column and one row; rows are then truncated, so the smallest
// entry may have fewer than 9 pieces. A largest grid with fewer than 9 pieces offers nothing.
std::vector<Grid> sizeList(Grid largest);

// "4x3=12": columns, "x", rows, "=", pieces.
std::string sizeCaption(Grid grid);

// The entry drawn by Set_Size: truncated((sizeCount - 1) * draw). With two or more entries the
// last (largest) one is never drawn; with one entry it is entry 0.
int initialSizeIndex(int sizeCount, float draw);

// The validity rule: a picture is accepted only when its natural width and height each give at
// least 3 steps of 500 twips, i.e. it is more than 1500 twips wide and high.
bool pictureLargeEnough(Single naturalW, Single naturalH);

// Whether a picture of this natural size, fitted into the game area, offers at least one size.
// A picture that does not is refused with kTooSmallMessage like one that fails the validity rule.
bool formsAnySize(Single naturalW, Single naturalH, Single areaW, Single areaH, int gap);

} // namespace quiltra
