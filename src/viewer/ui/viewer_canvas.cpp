// The Picture Viewer's client area: the displayed picture, its frame and presses on the picture.
#include "viewer/ui/viewer_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/window_units.h"

namespace quiltra {

namespace {

// A stretched copy is kept up to this many device pixels (16 MiB); the zoom limit of 30000
// twips is 2000 pixels a side, so only a large picture at its natural size goes past it.
constexpr qint64 kStretchedCopyPixels = 4ll * 1024 * 1024;

} // namespace

ViewerCanvas::ViewerCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ViewerCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
}

void ViewerCanvas::setPicture(QImage picture)
{
    picture_ = std::move(picture);
    stretched_ = QPixmap();
    update();
}

void ViewerCanvas::setBackground(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    update();
}

void ViewerCanvas::place(const viewer::Rect& picture, const viewer::Rect& frame)
{
    if (picture == pictureRect_ && frame == frame_)
        return;
    pictureRect_ = picture;
    frame_ = frame;
    update();
}

QRect ViewerCanvas::pixelRect(const viewer::Rect& r) const
{
    return QRect(pixels(r.Left), pixels(r.Top), std::max(1, pixels(r.Width)),
                 std::max(1, pixels(r.Height)));
}

void ViewerCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (picture_.isNull())
        return;
    const QRect target = pixelRect(pictureRect_);
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(target.size()) * ratio).toSize();
    if (qint64(device.width()) * device.height() <= kStretchedCopyPixels) {
        // Stretched once per size: repaints and exposures reuse the copy.
        if (stretched_.isNull() || stretched_.size() != device) {
            stretched_ = QPixmap::fromImage(
                picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            stretched_.setDevicePixelRatio(ratio);
            ++stretchCount_;
        }
        painter.drawPixmap(target.topLeft(), stretched_);
    } else {
        // Too large to keep whole: stretch only the part that shows.
        stretched_ = QPixmap();
        const QRectF shown = QRectF(target).intersected(QRectF(event->rect()));
        if (!shown.isEmpty()) {
            const double sx = picture_.width() / double(target.width());
            const double sy = picture_.height() / double(target.height());
            const QRectF source((shown.left() - target.left()) * sx,
                                (shown.top() - target.top()) * sy, shown.width() * sx,
                                shown.height() * sy);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(shown, picture_, source);
            ++stretchCount_;
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(pixelRect(frame_)).adjusted(0.5, 0.5, -0.5, -0.5));
}

void ViewerCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = event->position();
    if (!QRectF(pixelRect(pictureRect_)).contains(at))
        return;
    emit picturePressed(at.x() * kTwipsPerPixel - pictureRect_.Left,
                        at.y() * kTwipsPerPixel - pictureRect_.Top);
}

} // namespace quiltra
