// The Picture Viewer's client area: paints the displayed picture stretched to its rectangle and
// its frame, and reports presses on the picture.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "viewer/viewer_geometry.h"

namespace quiltra {

class ViewerCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ViewerCanvas(QWidget* parent = nullptr);

    void setPicture(QImage picture);
    void setBackground(const QColor& colour);
    // The displayed picture (Image1) and its frame (Shape1), in twips.
    void place(const viewer::Rect& picture, const viewer::Rect& frame);
    const QImage& picture() const { return picture_; }

    // How many times the picture has been stretched for the screen: once per new displayed size,
    // or once per paint when the displayed picture is too large to keep a stretched copy.
    int stretchCount() const { return stretchCount_; }

signals:
    // A press on the picture at (x, y) twips relative to its top-left corner.
    void picturePressed(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect pixelRect(const viewer::Rect& r) const;

    QImage picture_;
    QPixmap stretched_;
    viewer::Rect pictureRect_;
    viewer::Rect frame_;
    int stretchCount_ = 0;
};

} // namespace quiltra
