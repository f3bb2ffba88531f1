// The Picture List Editor's changes to the working list: Add, Remove and moving by dragging.
#include <QLabel>
#include <algorithm>

#include "game/game.h"
#include "game/sizes.h"
#include "game/text_fields.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/picture_list_editor.h"
#include "platform/ui/native_path.h"
#include "platform/ui/picture_loader.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

// "&Add" and the editor extend the list only while it holds fewer than this many pictures.
constexpr std::size_t kListLimit = 22;

// The size check needs only the picture's natural size and a decode that proves the file is a
// picture; a small decode does both (JPEG files are reduced while decoding).
constexpr int kCheckDecodeSide = 128;

// A message with the file name put in place of its "%1"; the name itself is not read for
// placeholders, so a name holding "%1" is shown as it is.
std::string withName(std::string message, const std::string& name)
{
    if (const std::size_t at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, name);
    return message;
}

template <typename T>
void eraseAt(std::vector<T>& v, std::size_t i)
{
    if (i < v.size())
        v.erase(v.begin() + static_cast<std::ptrdiff_t>(i));
}

} // namespace

// Adds every selected file that is not listed yet (paths compared exactly), after checking each
// one: a path the settings file cannot hold, a file that is not a picture, or a picture too
// small to cut is reported and nothing is added. The limit is checked once, before adding, so
// 21 entries and three new files make 24.
void PictureListEditor::Add_Click()
{
    if (lists_.List1.size() >= kListLimit)
        return;
    std::vector<QListWidgetItem*> selected;
    for (int row = 0; row < File1_->count(); ++row)
        if (File1_->item(row)->isSelected())
            selected.push_back(File1_->item(row));
    if (selected.empty())
        return;

    std::vector<std::pair<QString, QString>> files;   // name, path (native_path.h)
    for (QListWidgetItem* item : selected) {
        const QString path = File1_->filePath(item);
        const std::string p = toNativePath(path);
        const bool listed = std::find(lists_.List1.begin(), lists_.List1.end(), p) !=
                            lists_.List1.end();
        if (!listed)
            files.emplace_back(File1_->fileName(item), path);
    }
    if (files.empty() || !checkAddable(files))
        return;
    for (const auto& [name, path] : files) {
        lists_.List2.push_back(toNativePath(name));
        lists_.List1.push_back(toNativePath(path));
        List2_->addItem(readableName(name));
    }
}

bool PictureListEditor::checkAddable(const std::vector<std::pair<QString, QString>>& files)
{
    Label9_->show();
    Label9_->repaint();
    std::string failure;
    for (const auto& [name, path] : files) {
        if (!isStorablePath(toNativePath(path))) {
            //: %1 is a file name, shown in the double quotes around it.
            failure = withName(translate("PictureListEditor",
                                         "\"%1\" cannot be added to the Picture List: its name "
                                         "or folder contains a double quote or a line break."),
                               toNativePath(name));
            break;
        }
        // The size rule is put to the header's size before anything decodes the picture, and to
        // the decoded picture's own size after.
        const auto openable = [this](QSize size) {
            return !game_ || game_->openablePicture(size.width(), size.height());
        };
        const PictureProbe probe = probePicture(path);
        const LoadedPicture loaded = probe.ok() && !openable(probe.natural)
                                         ? LoadedPicture{}
                                         : loadPicture(probe, kCheckDecodeSide);
        if (!loaded.ok()) {
            failure = loaded.error.toStdString();
            break;
        }
        if (!openable(probe.natural) || !openable(loaded.naturalSize)) {
            failure = translateStored("Messages", kTooSmallMessage);
            break;
        }
    }
    Label9_->hide();
    if (failure.empty())
        return true;
    report(failure);
    return false;
}

// Removes every selected entry from both lists at the same index. A removed entry that was being
// previewed takes the preview with it.
void PictureListEditor::Remove_Click()
{
    std::vector<int> rows;
    for (int row = 0; row < List2_->count(); ++row)
        if (List2_->item(row)->isSelected())
            rows.push_back(row);
    if (rows.empty())
        return;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const std::size_t i = std::size_t(*it);
        if (i < lists_.List1.size() && fromNativePath(lists_.List1[i]) == PreviewPath)
            clearPreview();
        eraseAt(lists_.List1, i);
        eraseAt(lists_.List2, i);
        delete List2_->takeItem(*it);
    }
}

void PictureListEditor::List2_MouseDown(int row)
{
    DragBlocked = false;
    DragFrom = row;
}

// Dropping an entry on another takes it out and inserts it at the target's index, in both lists
// alike; dropping it on itself changes nothing. The entry under the mouse is then previewed.
void PictureListEditor::List2_MouseUp(int row)
{
    const int count = int(std::min(lists_.List1.size(), lists_.List2.size()));
    if (!DragBlocked && DragFrom >= 0 && DragFrom < count && row >= 0 && row < count &&
        row != DragFrom) {
        const auto from = static_cast<std::ptrdiff_t>(DragFrom);
        const auto to = static_cast<std::ptrdiff_t>(row);
        for (std::vector<std::string>* list : {&lists_.List2, &lists_.List1}) {
            std::string entry = (*list)[std::size_t(from)];
            list->erase(list->begin() + from);
            list->insert(list->begin() + to, std::move(entry));
        }
        refillList();
        List2_->setCurrentRow(row);
    }
    DragFrom = -1;
    previewListEntry(List2_->currentRow());
}

void PictureListEditor::List2_KeyUp() { previewListEntry(List2_->currentRow()); }

} // namespace quiltra
