// Message boxes and the colour dialog over Qt.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/color_dialog.h"
#include "platform/message_box.h"

namespace quiltra {

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    MessageResult show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    QPointer<QWidget> parent_;
};

class QtColorDialog : public ColorDialog {
public:
    explicit QtColorDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::uint32_t> choose() override;

private:
    QPointer<QWidget> parent_;
    std::uint32_t last_ = 0xFFFFFF;
};

// 0xBBGGRR colours as Qt colours and back.
QColor toQColor(std::uint32_t bgr);
std::uint32_t fromQColor(const QColor& color);

} // namespace quiltra
