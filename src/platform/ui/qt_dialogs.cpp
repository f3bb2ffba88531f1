// Message boxes and the colour dialog over Qt.
#include "platform/ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QCoreApplication>
#include <QMessageBox>

namespace quiltra {

namespace {

// A standard button in the player's language. In English the button keeps the platform's own
// caption; Qt's translations of it may be missing on the system, so ours are given instead.
void captionButton(QMessageBox& box, QMessageBox::StandardButton which, const char* source,
                   const QString& translated)
{
    if (translated != QLatin1String(source))
        if (QAbstractButton* button = box.button(which))
            button->setText(translated);
}

} // namespace

MessageResult QtMessageBoxes::show(const std::string& text, const std::string& title,
                                   MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setIcon(icon == MessageIcon::Question  ? QMessageBox::Question
                : icon == MessageIcon::Warning ? QMessageBox::Warning
                                               : QMessageBox::NoIcon);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        captionButton(box, QMessageBox::Yes, "&Yes",
                      QCoreApplication::translate("Messages", "&Yes"));
        captionButton(box, QMessageBox::No, "&No", QCoreApplication::translate("Messages", "&No"));
        return box.exec() == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    captionButton(box, QMessageBox::Ok, "OK", QCoreApplication::translate("Messages", "OK"));
    box.exec();
    return MessageResult::Ok;
}

QColor toQColor(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t fromQColor(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

std::optional<std::uint32_t> QtColorDialog::choose()
{
    const QColor chosen = QColorDialog::getColor(toQColor(last_), parent_);
    if (!chosen.isValid())
        return std::nullopt;
    last_ = fromQColor(chosen);
    return last_;
}

} // namespace quiltra
