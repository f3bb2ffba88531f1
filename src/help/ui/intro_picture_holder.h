// The hidden window (Form2) that holds the intro picture; it is never shown.
#pragma once

#include <QImage>
#include <QWidget>

namespace quiltra {

class IntroPictureHolder : public QWidget {
    Q_OBJECT
public:
    // Holds the intro picture of the program folder ("intro.bmp"); the window stays hidden.
    explicit IntroPictureHolder(const QString& programFolder, QWidget* parent = nullptr);

    // Picture1: the intro picture (a 573 x 367 bitmap), a grey one of that size when the file is
    // missing or unreadable. It is read each time it is asked for (when the intro starts, after
    // the first window is up) and not kept, so the memory goes with the intro.
    QImage picture() const;
    bool pictureRead() const { return read_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString path_;
    mutable bool read_ = false;
};

} // namespace quiltra
