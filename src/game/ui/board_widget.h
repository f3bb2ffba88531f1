// The game area of the game window: paints the whole picture or the pieces, their marker frames
// and the board frame from one picture scaled once, and turns mouse presses into game events.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <vector>

#include "game/game.h"
#include "platform/window_units.h"

namespace quiltra {

class QtPictureClip;

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(Game& game, QtPictureClip& clip, QWidget* parent = nullptr);

    // The piece under a point of the widget (pixels), or 0 when there is none.
    int pieceAt(QPointF point) const;

    // Brings the widget up to date with the game: schedules a repaint of what looks different
    // since the last call (two pieces and their frames after a move), of everything when the
    // picture, a view or a colour changed, and of nothing when only the caption did.
    void refresh();
    // The same, painted at once: for the points inside a long handler where the game lets the
    // player see where it has got to.
    void refreshNow();

signals:
    // Emitted after a mouse event changed the game, so the window can refresh what it shows.
    void gameChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // What the widget shows, in whole pixels: compared between refreshes to find what changed.
    struct FrameLook {
        QRect box;              // empty while hidden
        std::uint32_t color = 0;
        int width = 0;
        bool operator==(const FrameLook&) const = default;
    };
    struct Look {
        qint64 picture = 0;     // the clip's picture and the game's picture generation
        int generation = -1;
        std::uint32_t back = 0, shape1Color = 0;
        QRect image1, shape1, picture2;   // empty while hidden
        QSize piece;
        std::vector<QRect> pieces;        // piece k at k - 1, empty while hidden
        std::vector<FrameLook> frames;    // Shape5(0..n), then Shape7
        QRect cursor;                     // the keyboard cursor's cell, empty while hidden
        QString banner;                   // the new best time over the whole picture
        bool sameScene(const Look& other) const;
        bool operator==(const Look&) const = default;
    };
    Look currentLook() const;
    QRegion changedSinceShown();

    QRectF pixelRect(const Element& e) const;
    QSize pieceSize() const;
    QRect pieceRect(const Piece& p, QSize size) const;
    // The picture at the whole picture's size in device pixels; the pieces are cut from it.
    const QImage& wholePicture();
    void paintPieces(QPainter& painter, const QRegion& dirty);
    // The cell the keyboard cursor stands on, in pixels; empty while it is hidden.
    QRect cursorRect() const;
    void paintCursor(QPainter& painter, const QRect& cell) const;
    void paintBanner(QPainter& painter, const QRect& picture, const QString& text) const;

    Game& game_;
    QtPictureClip& clip_;
    // What the last refresh scheduled: outside the region Qt has still to paint, the screen shows
    // a full paint of this look, except in stale_.
    Look shown_;
    // Where a paint drew a state other than shown_ (a paint before the refresh that follows a
    // change): the next refresh repaints it, whatever that state was.
    QRegion stale_;
    // The picture scaled once to the whole picture's size. The pieces are copied from it, never
    // scaled, when painted: each piece shows the part of the whole picture its cell covers. The
    // clip keeps this same copy when it can (see QtPictureClip::shownAt).
    QImage whole_;
    qint64 wholeKey_ = 0;
    int wholeGeneration_ = -1;
    int pressedPiece_ = 0;
    bool pressedImage1_ = false;
};

} // namespace quiltra
