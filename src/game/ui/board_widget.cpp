// The game area of the game window: one widget paints every piece from one scaled picture.
#include "game/ui/board_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/board_layout.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_picture_clip.h"

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

BoardWidget::BoardWidget(Game& game, QtPictureClip& clip, QWidget* parent)
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

// Every piece is painted at one size in whole pixels, its piece size rounded; its place is its
// position rounded, so the gaps between pieces stay even to within a pixel.
QSize BoardWidget::pieceSize() const
{
    const Board& b = game_.board();
    return QSize(std::max(1, int(std::lround(toPixels(b.pieceWidth())))),
                 std::max(1, int(std::lround(toPixels(b.pieceHeight())))));
}

QRect BoardWidget::pieceRect(const Piece& p, QSize size) const
{
    return QRect(int(std::lround(toPixels(game_.form().Picture2.Left + p.Left))),
                 int(std::lround(toPixels(game_.form().Picture2.Top + p.Top))), size.width(), size.height());
}

const QImage& BoardWidget::wholePicture()
{
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(pixelRect(game_.form().Image1).toRect().size()) * ratio).toSize();
    const qint64 key = clip_.pictureKey();
    if (wholeGeneration_ != game_.form().pictureGeneration || wholeKey_ != key ||
        whole_.size() != devicePixels) {
        wholeGeneration_ = game_.form().pictureGeneration;
        wholeKey_ = key;
        whole_ = clip_.shownAt(devicePixels);
    }
    return whole_;
}

namespace {

// Where a piece's pixels start in the whole picture: where its cell, an equal share of the
// picture, starts, moved in so that the whole piece lies inside. A piece is its share's width
// rounded to whole pixels, so it shows its share to within a pixel.
int cellOrigin(int index, int count, int extent, int piece)
{
    const int start = int(std::lround(double(index) * extent / count));
    return std::clamp(start, 0, std::max(0, extent - piece));
}

} // namespace

void BoardWidget::paintPieces(QPainter& painter, const QRegion& dirty)
{
    const Board& b = game_.board();
    if (b.gridCols() <= 0 || b.gridRows() <= 0)
        return;
    const QSize size = pieceSize();
    const QImage& picture = wholePicture();
    if (picture.isNull())
        return;
    const QSize cell = (QSizeF(size) * devicePixelRatioF()).toSize();
    painter.save();
    painter.setClipRect(pixelRect(game_.form().Picture2));
    for (int k = 1; k <= b.pieceTotal(); ++k) {
        const Piece p = b.piece(k);
        const QRect target = pieceRect(p, size);
        if (!p.Visible || !dirty.intersects(target))
            continue;
        const int c = k - 1;
        const QRect source(cellOrigin(c % b.gridCols(), b.gridCols(), picture.width(), cell.width()),
                           cellOrigin(c / b.gridCols(), b.gridRows(), picture.height(), cell.height()),
                           cell.width(), cell.height());
        painter.drawImage(QRectF(target), picture, QRectF(source));
    }
    const double ox = game_.form().Picture2.Left, oy = game_.form().Picture2.Top;
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
    for (const Frame& f : b.marks())
        drawFrame(f);
    drawFrame(b.boardFrame());
    if (const QRect cell = cursorRect(); !cell.isEmpty())
        paintCursor(painter, cell);
    painter.restore();
}

QRect BoardWidget::cursorRect() const
{
    const KeyboardCursor& cursor = game_.cursor();
    const Board& b = game_.board();
    if (!cursor.visible() || !game_.form().Picture2.Visible || b.gridCols() < 1 || b.gridRows() < 1)
        return {};
    const CellGrid grid = game_.board().cells();
    const int cell = cursor.cell();
    if (cell < 1 || cell > grid.count())
        return {};
    return pieceRect(Piece{grid.left(cell), grid.top(cell), true}, pieceSize());
}

// The cursor is a dashed frame of black and white dashes set inside the cell, clear of the
// marker frame along the piece's edge: its two colours show on any picture and beside any
// selection or hint colour, and its dashes tell it from those solid frames.
void BoardWidget::paintCursor(QPainter& painter, const QRect& cell) const
{
    constexpr int kWidth = 3;
    const int inset = std::min({7, cell.width() / 4, cell.height() / 4});
    const QRectF box = QRectF(cell).adjusted(inset + kWidth / 2.0, inset + kWidth / 2.0,
                                             -inset - kWidth / 2.0, -inset - kWidth / 2.0);
    if (box.width() <= 0 || box.height() <= 0)
        return;
    QPen pen(Qt::black, kWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    pen.setColor(Qt::white);
    pen.setDashPattern({2.0, 2.0});
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawRect(box);
}

// A dark band across the middle of the whole picture with the result in white.
void BoardWidget::paintBanner(QPainter& painter, const QRect& picture, const QString& text) const
{
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::clamp(picture.width() / 28, 10, 40));
    const QFontMetrics metrics(font);
    const int band = std::min(picture.height(), metrics.height() * 2);
    const QRect area(picture.left(), picture.center().y() - band / 2, picture.width(), band);
    painter.save();
    painter.setClipRect(picture);
    painter.fillRect(area, QColor(0, 0, 0, 170));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter,
                     metrics.elidedText(text, Qt::ElideRight, std::max(0, picture.width() - 8)));
    painter.restore();
}

// Only what is dirty is painted: the background, the whole picture or the pieces that meet it.
// Pictures are drawn at whole-pixel places and their own size, so painting only copies pixels.
void BoardWidget::paintEvent(QPaintEvent* event)
{
    const QRegion& dirty = event->region();
    if (!(currentLook() == shown_))
        stale_ += dirty;
    QPainter painter(this);
    const QColor back = toQColor(game_.form().BackColor);
    painter.fillRect(event->rect(), back);
    // The scaled picture is let go while nothing shows it (before the intro's picture).
    if (!game_.form().Image1.Visible && !game_.form().Picture2.Visible)
        whole_ = QImage();
    if (game_.form().Image1.Visible) {
        const QRect target = pixelRect(game_.form().Image1).toRect();
        if (dirty.intersects(target))
            painter.drawImage(QRectF(target), wholePicture());
    }
    if (game_.form().Shape1.Visible) {
        painter.setPen(QPen(toQColor(game_.form().Shape1Color), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixelRect(game_.form().Shape1).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (const std::string banner = game_.newBestBanner(); !banner.empty() && game_.form().Image1.Visible)
        paintBanner(painter, pixelRect(game_.form().Image1).toRect(), QString::fromStdString(banner));
    // The game area is an opaque box above the whole picture: where both show, it covers it.
    if (game_.form().Picture2.Visible) {
        painter.fillRect(pixelRect(game_.form().Picture2), back);
        paintPieces(painter, dirty);
    }
}

bool BoardWidget::Look::sameScene(const Look& o) const
{
    return picture == o.picture && generation == o.generation && back == o.back &&
           shape1Color == o.shape1Color && image1 == o.image1 && shape1 == o.shape1 &&
           picture2 == o.picture2 && piece == o.piece && pieces.size() == o.pieces.size() &&
           frames.size() == o.frames.size() && banner == o.banner;
}

BoardWidget::Look BoardWidget::currentLook() const
{
    const Game& g = game_;
    const Board& b = g.board();
    const auto shown = [this](const Element& e) {
        return e.Visible ? pixelRect(e).toAlignedRect() : QRect();
    };
    Look look;
    // The picture counts only while some element shows it: before the intro nothing does, and
    // the intro picture is not even read yet.
    if (g.form().Image1.Visible || g.form().Picture2.Visible)
        look.picture = clip_.pictureKey();
    look.generation = g.form().pictureGeneration;
    look.back = g.form().BackColor;
    look.shape1Color = g.form().Shape1Color;
    look.image1 = shown(g.form().Image1);
    look.shape1 = shown(g.form().Shape1);
    look.picture2 = shown(g.form().Picture2);
    if (g.form().Image1.Visible)
        look.banner = QString::fromStdString(g.newBestBanner());
    if (!g.form().Picture2.Visible)
        return look;
    look.cursor = cursorRect();
    look.piece = pieceSize();
    for (int k = 1; k <= b.pieceTotal(); ++k)
        look.pieces.push_back(b.piece(k).Visible ? pieceRect(b.piece(k), look.piece) : QRect());
    const auto frame = [&g](const Frame& f) {
        if (!f.Visible)
            return FrameLook{};
        return FrameLook{snapped(toPixels(g.form().Picture2.Left + f.Left), toPixels(g.form().Picture2.Top + f.Top),
                                 toPixels(f.Width), toPixels(f.Height))
                             .toAlignedRect(),
                         f.Color, f.BorderWidth};
    };
    for (const Frame& f : b.marks())
        look.frames.push_back(frame(f));
    look.frames.push_back(frame(b.boardFrame()));
    return look;
}

// What differs on screen from a full paint of the game as it is now: everything when the scene
// changed, else the cells and frames that moved or changed, and whatever was painted stale.
QRegion BoardWidget::changedSinceShown()
{
    Look now = currentLook();
    QRegion dirty = std::exchange(stale_, QRegion());
    if (!now.sameScene(shown_)) {
        dirty = rect();
    } else {
        for (std::size_t i = 0; i < now.pieces.size(); ++i)
            if (now.pieces[i] != shown_.pieces[i])
                dirty += QRegion(now.pieces[i]) + shown_.pieces[i];
        for (std::size_t i = 0; i < now.frames.size(); ++i)
            if (!(now.frames[i] == shown_.frames[i]))
                dirty += QRegion(now.frames[i].box) + shown_.frames[i].box;
        if (now.cursor != shown_.cursor)
            dirty += QRegion(now.cursor) + shown_.cursor;
    }
    shown_ = std::move(now);
    return dirty;
}

void BoardWidget::refresh()
{
    const QRegion dirty = changedSinceShown();
    if (!dirty.isEmpty())
        update(dirty);
}

void BoardWidget::refreshNow()
{
    const QRegion dirty = changedSinceShown();
    if (!dirty.isEmpty())
        repaint(dirty);
}

int BoardWidget::pieceAt(QPointF point) const
{
    if (!game_.form().Picture2.Visible)
        return 0;
    const Board& b = game_.board();
    const double x = toTwips(point.x()) - game_.form().Picture2.Left;
    const double y = toTwips(point.y()) - game_.form().Picture2.Top;
    for (int k = b.pieceTotal(); k >= 1; --k) {
        const Piece p = b.piece(k);
        if (p.Visible && x >= p.Left && x < p.Left + b.pieceWidth() && y >= p.Top &&
            y < p.Top + b.pieceHeight())
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
    const bool inArea = game_.form().Picture2.Visible && pixelRect(game_.form().Picture2).contains(at);
    pressedImage1_ = !inArea && game_.form().Image1.Visible && pixelRect(game_.form().Image1).contains(at);
    if (pressedPiece_ == 0 && inArea) {
        {
            game_.picture2_mousedown(Single(toTwips(at.x()) - game_.form().Picture2.Left),
                                     Single(toTwips(at.y()) - game_.form().Picture2.Top));
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
    } else if (pressedImage1_ && game_.form().Image1.Visible && pixelRect(game_.form().Image1).contains(at)) {
        game_.Image1_Click();
        emit gameChanged();
    }
    pressedPiece_ = 0;
    pressedImage1_ = false;
}

} // namespace quiltra
