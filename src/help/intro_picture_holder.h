// The hidden window (Form2) that holds the intro picture; it is never shown.
#pragma once

#include <QImage>
#include <QWidget>

namespace quiltra {

class IntroPictureHolder : public QWidget {
    Q_OBJECT
public:
    // Loads the intro picture from the program folder ("intro.bmp"); the window stays hidden.
    explicit IntroPictureHolder(const QString& programFolder, QWidget* parent = nullptr);

    // Picture1: the intro picture (a 573 x 367 bitmap), empty when the file is missing.
    const QImage& picture() const { return Picture1_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QImage Picture1_;
};

} // namespace quiltra
