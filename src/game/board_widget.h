// The game area of the game window: paints the whole picture or the pieces, their marker frames
// and the board frame from one picture scaled once, and turns mouse presses into game events.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "game/game.h"

namespace quiltra {

class QtPictureClip;

// Twips to pixels and back, at 15 twips per logical pixel.
inline double toPixels(double twips) { return twips / kTwipsPerPixel; }
inline double toTwips(double pixels) { return pixels * kTwipsPerPixel; }

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(Game& game, const QtPictureClip& clip, QWidget* parent = nullptr);

    // The piece under a point of the widget (pixels), or 0 when there is none.
    int pieceAt(QPointF point) const;

signals:
    // Emitted after a mouse event changed the game, so the window can refresh what it shows.
    void gameChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF pixelRect(const Element& e) const;
    const QPixmap& scaledPicture(QSize size);
    void paintPieces(QPainter& painter, const QPixmap& picture);

    Game& game_;
    const QtPictureClip& clip_;
    QPixmap scaled_;
    int scaledGeneration_ = -1;
    const QImage* scaledSource_ = nullptr;
    int pressedPiece_ = 0;
    bool pressedImage1_ = false;
};

} // namespace quiltra
