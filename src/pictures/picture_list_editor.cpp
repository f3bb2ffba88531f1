// The Picture List Editor (Form1): the picture list, its committed copy, OK and Cancel.
#include "pictures/picture_list_editor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/game.h"
#include "platform/message_box.h"
#include "startup/save_info.h"
#include "startup/settings_file.h"

namespace quiltra {

PictureListEditor::PictureListEditor(ProgramState& program, QWidget* parent)
    : QWidget(parent), program_(program)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quiltra - Picture List Editor"));
    listBox_ = new QListWidget(this);
    listBox_->setObjectName(QStringLiteral("List2"));
    View_ = new QCheckBox(QStringLiteral("View"), this);
    View_->setObjectName(QStringLiteral("View"));
    View_->setTristate(true);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OK"));
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("Cancel"));
    connect(okButton, &QPushButton::clicked, this, &PictureListEditor::ok);
    connect(cancelButton, &QPushButton::clicked, this, &PictureListEditor::cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(View_);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listBox_);
    layout->addLayout(buttons);
    resize(480, 400);
}

void PictureListEditor::setEntries(const std::vector<std::string>& entries)
{
    lists_.List1 = entries;
    lists_.List3 = entries;
    lists_.List2.clear();
    for (const std::string& path : entries)
        lists_.List2.push_back(displayName(path));
    refillList();
}

void PictureListEditor::refillList()
{
    listBox_->clear();
    for (const std::string& name : lists_.List2)
        listBox_->addItem(QString::fromStdString(name));
}

std::int16_t PictureListEditor::viewState() const
{
    switch (View_->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    default: return 2;
    }
}

void PictureListEditor::setViewState(std::int16_t state)
{
    View_->setCheckState(state == 0 ? Qt::Unchecked : state == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

bool PictureListEditor::Save_Info()
{
    if (!game_)
        return false;
    const std::string text = saveInfoTextFor(*game_, program_, lists_, viewState());
    std::string error;
    if (writeSettingsFile(program_, text, error))
        return true;
    if (messages_)
        messages_->show("The settings could not be saved to \"init.txt\": " + error +
                            ". The previous settings file is unchanged.",
                        "Quiltra", MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

void PictureListEditor::ok()
{
    EditorClosedByOK = true;
    lists_.List3 = lists_.List1;
    Save_Info();
    hide();
    if (onClosed)
        onClosed();
}

void PictureListEditor::cancel()
{
    // Uncommitted edits are undone: the list returns to its committed copy.
    lists_.List1 = lists_.List3;
    lists_.List2.clear();
    for (const std::string& path : lists_.List1)
        lists_.List2.push_back(displayName(path));
    refillList();
    hide();
    if (onClosed)
        onClosed();
}

void PictureListEditor::closeEvent(QCloseEvent* event)
{
    // The close box acts as Cancel; the editor is only ever hidden.
    event->ignore();
    cancel();
}

} // namespace quiltra
