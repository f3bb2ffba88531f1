// The hidden window (Form2) that holds the intro picture; it is never shown.
#include "help/ui/intro_picture_holder.h"

#include <QTimer>

#include "platform/ui/picture_loader.h"

namespace quiltra {

IntroPictureHolder::IntroPictureHolder(const QString& programFolder, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setVisible(false);
    resize(800, 600); // 12000 by 9000 twips
    path_ = programFolder + QStringLiteral("/intro.bmp");
}

QImage IntroPictureHolder::picture() const
{
    read_ = true;
    const LoadedPicture loaded = loadPicture(path_);
    if (loaded.ok())
        return loaded.image;
    QImage Picture1(573, 367, QImage::Format_RGB32);
    Picture1.fill(Qt::darkGray);
    return Picture1;
}

void IntroPictureHolder::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Loading it hides it at once; nothing ever shows it.
    QTimer::singleShot(0, this, &QWidget::hide);
}

} // namespace quiltra
