// The game area of the game window: one widget paints every piece from one scaled picture.
#include "game/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/qt_dialogs.h"
#include "platform/qt_picture_clip.h"

namespace quiltra {

namespace {

// A rectangle with its edges on whole pixels, so neighbouring pieces keep crisp edges and an
// even gap between them.
QRectF snapped(double x, double y, double w, double h)
{
    const double left = std::round(x), top = std::round(y);
    return QRectF(left, top, std::round(x + w) - left, std::round(y + h) - top);
}

} // namespace

BoardWidget::BoardWidget(Game& game, const QtPictureClip& clip, QWidget* parent)
    : QWidget(parent), game_(game), clip_(clip)
{
    setObjectName(QStringLiteral("Picture2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QRectF BoardWidget::pixelRect(const Element& e) const
{
    return QRectF(toPixels(e.Left), toPixels(e.Top), toPixels(e.Width), toPixels(e.Height));
}

const QPixmap& BoardWidget::scaledPicture(QSize size)
{
    // The picture is scaled once per picture and size; every piece is painted from it.
    const QImage& source = clip_.image();
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size) * ratio).toSize();
    if (scaledGeneration_ != game_.pictureGeneration || scaledSource_ != &source ||
        scaled_.size() != devicePixels) {
        scaledGeneration_ = game_.pictureGeneration;
        scaledSource_ = &source;
        scaled_ = source.isNull() || devicePixels.isEmpty()
                      ? QPixmap()
                      : QPixmap::fromImage(source.scaled(devicePixels, Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    return scaled_;
}

void BoardWidget::paintPieces(QPainter& painter, const QPixmap& picture)
{
    const Board& b = game_.board;
    if (b.GridCols <= 0 || b.GridRows <= 0 || picture.isNull())
        return;
    const double cellW = picture.width() / double(b.GridCols);
    const double cellH = picture.height() / double(b.GridRows);
    const double w = toPixels(b.PieceWidth);
    const double h = toPixels(b.PieceHeight);
    painter.save();
    // Positions inside the game area are offset by its own position; everything is snapped to
    // whole pixels in window coordinates.
    const double ox = game_.Picture2.Left, oy = game_.Picture2.Top;
    painter.setClipRect(pixelRect(game_.Picture2));
    for (int k = 1; k <= b.PieceCount && k < int(b.Image2.size()); ++k) {
        const Piece& p = b.piece(k);
        if (!p.Visible)
            continue;
        const int cell = k - 1;
        const QRectF source((cell % b.GridCols) * cellW, (cell / b.GridCols) * cellH, cellW, cellH);
        painter.drawPixmap(snapped(toPixels(ox + p.Left), toPixels(oy + p.Top), w, h), picture, source);
    }
    auto drawFrame = [&painter, ox, oy](const Frame& f) {
        if (!f.Visible)
            return;
        QPen pen(toQColor(f.Color));
        pen.setWidthF(f.BorderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const double inset = f.BorderWidth / 2.0;
        const QRectF box = snapped(toPixels(ox + f.Left), toPixels(oy + f.Top), toPixels(f.Width),
                                   toPixels(f.Height));
        painter.drawRect(box.adjusted(inset, inset, -inset, -inset));
    };
    for (const Frame& f : b.Shape5)
        drawFrame(f);
    drawFrame(b.Shape7);
    painter.restore();
}

void BoardWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor back = toQColor(game_.BackColor);
    painter.fillRect(rect(), back);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (game_.Image1.Visible) {
        const QRectF target = pixelRect(game_.Image1);
        painter.drawPixmap(target, scaledPicture(target.size().toSize()), QRectF());
    }
    if (game_.Shape1.Visible) {
        painter.setPen(QPen(toQColor(game_.Shape1Color), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixelRect(game_.Shape1).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    // The game area is an opaque box above the whole picture: where both show, it covers it.
    if (game_.Picture2.Visible) {
        painter.fillRect(pixelRect(game_.Picture2), back);
        const QSize size(qRound(toPixels(game_.Image1.Width)), qRound(toPixels(game_.Image1.Height)));
        paintPieces(painter, scaledPicture(size));
    }
}

int BoardWidget::pieceAt(QPointF point) const
{
    if (!game_.Picture2.Visible)
        return 0;
    const Board& b = game_.board;
    const double x = toTwips(point.x()) - game_.Picture2.Left;
    const double y = toTwips(point.y()) - game_.Picture2.Top;
    for (int k = b.PieceCount; k >= 1; --k) {
        if (k >= int(b.Image2.size()))
            continue;
        const Piece& p = b.piece(k);
        if (p.Visible && x >= p.Left && x < p.Left + b.PieceWidth && y >= p.Top &&
            y < p.Top + b.PieceHeight)
            return k;
    }
    return 0;
}

void BoardWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = event->position();
    pressedPiece_ = pieceAt(at);
    const bool inArea = game_.Picture2.Visible && pixelRect(game_.Picture2).contains(at);
    pressedImage1_ = !inArea && game_.Image1.Visible && pixelRect(game_.Image1).contains(at);
    if (pressedPiece_ == 0 && inArea) {
        {
            game_.picture2_mousedown(Single(toTwips(at.x()) - game_.Picture2.Left),
                                     Single(toTwips(at.y()) - game_.Picture2.Top));
            emit gameChanged();
        }
    }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = event->position();
    // A click is a press and a release on the same element.
    if (pressedPiece_ != 0 && pieceAt(at) == pressedPiece_) {
        game_.image2_Click(pressedPiece_);
        emit gameChanged();
    } else if (pressedImage1_ && game_.Image1.Visible && pixelRect(game_.Image1).contains(at)) {
        game_.Image1_Click();
        emit gameChanged();
    }
    pressedPiece_ = 0;
    pressedImage1_ = false;
}

} // namespace quiltra
