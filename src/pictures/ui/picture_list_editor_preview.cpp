// The Picture List Editor's preview, its View box, the focus rules of its two lists and the
// folder browsing.
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <QLabel>

#include "game/game.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/folder_label.h"
#include "pictures/ui/picture_list_editor.h"
#include "pictures/ui/preview_loader.h"
#include "platform/ui/native_path.h"
#include "platform/ui/picture_loader.h"
#include "platform/translation.h"
#include "platform/ui/volumes.h"

namespace quiltra {

void PictureListEditor::clearPreview()
{
    previews_->cancel();
    PreviewPath.clear();
    Label10_->clear();
    Image1_->clearPicture();
    previewSource_ = Source::None;
}

// Shows "Loading" and has PreviewPath decoded on a worker; the lists answer meanwhile and the
// preview keeps the picture it shows until the new one is ready (previewLoaded).
void PictureListEditor::preview(const QString& name, Source source, int listRow)
{
    Label10_->setText(QCoreApplication::translate("PictureListEditor", "Loading"));
    Label10_->show();
    previewSource_ = source;
    loadingName_ = name;
    loadingRow_ = listRow;
    previews_->request(PreviewPath, previewSide(Image1_));
}

// Shows the decoded picture stretched to the square. A file from the file list that cannot be
// loaded shows "Invalid file" (a vanished one its own description, and the lists are read again);
// a list entry that cannot be loaded is reported and leaves the list. Either way the preview and
// the file selection are cleared.
void PictureListEditor::previewLoaded(const QString& path, LoadedPicture loaded)
{
    if (loaded.ok()) {
        Image1_->showPicture(path, std::move(loaded.image), loaded.naturalSize);
        Image1_->show();
        Label10_->setText(loadingName_);
        return;
    }

    const bool vanished = !pathExists(path);
    if (previewSource_ == Source::Files) {
        report(vanished ? loaded.error.toStdString()
                        : translate("PictureListEditor", "Invalid file"));
        if (vanished) {
            Dir1_->reread();
            File1_->reread();
        }
    } else {
        report(loaded.error.toStdString());
        // The entry leaves the list where it stands now.
        std::size_t i = std::size_t(loadingRow_);
        if (loadingRow_ < 0 || i >= lists_.List1.size() ||
            fromNativePath(lists_.List1[i]) != path)
            i = std::size_t(std::find_if(lists_.List1.begin(), lists_.List1.end(),
                                         [&path](const std::string& entry) {
                                             return fromNativePath(entry) == path;
                                         }) -
                            lists_.List1.begin());
        if (i < lists_.List1.size() && i < lists_.List2.size()) {
            lists_.List1.erase(lists_.List1.begin() + std::ptrdiff_t(i));
            lists_.List2.erase(lists_.List2.begin() + std::ptrdiff_t(i));
            delete List2_->takeItem(int(i));
        }
    }
    File1_->clearSelection();
    clearPreview();
}

void PictureListEditor::previewListEntry(int row)
{
    if (row < 0 || std::size_t(row) >= lists_.List1.size() || !List2_->item(row) ||
        !List2_->item(row)->isSelected())
        return;
    const QString path = fromNativePath(lists_.List1[std::size_t(row)]);
    if (path == PreviewPath)
        return;
    PreviewPath = path;
    if (View_->previews())
        preview(List2_->item(row)->text(), Source::List, row);
}

// The file list's current file, when selected, is previewed as soon as it is chosen.
void PictureListEditor::file1_Click()
{
    QListWidgetItem* item = File1_->currentItem();
    if (!item || !item->isSelected() || !View_->previews())
        return;
    const QString path = File1_->filePath(item);
    if (path == PreviewPath)
        return;
    PreviewPath = path;
    preview(item->text(), Source::Files, -1);
}

// Checking the box previews the file list's current file when it is selected, otherwise the
// picture list's current entry when it is selected, otherwise the picture last chosen.
void PictureListEditor::View_Click()
{
    if (!View_->previews()) {
        previews_->cancel();
        Label10_->hide();
        Image1_->hide();
        return;
    }
    QString name;
    Source source = Source::None;
    int row = -1;
    if (QListWidgetItem* f = File1_->currentItem(); f && f->isSelected()) {
        PreviewPath = File1_->filePath(f);
        name = f->text();
        source = Source::Files;
    } else if (QListWidgetItem* e = List2_->currentItem(); e && e->isSelected()) {
        row = List2_->currentRow();
        PreviewPath = fromNativePath(lists_.List1[std::size_t(row)]);
        name = e->text();
        source = Source::List;
    } else if (!PreviewPath.isEmpty()) {
        name = readableName(QFileInfo(PreviewPath).fileName());
        source = previewSource_;
    }
    if (PreviewPath.isEmpty()) {
        report(translate("PictureListEditor", "Invalid picture"));
        return;
    }
    if (Image1_->picturePath() == PreviewPath && !Image1_->picture().isNull()) {
        Image1_->show();
        Label10_->setText(name);
        Label10_->show();
        return;
    }
    preview(name, source, row);
}

void PictureListEditor::Image1_Click()
{
    // While the next preview loads, the picture shown is not the one chosen.
    if (PreviewPath.isEmpty() || !onViewPicture || Image1_->picture().isNull() ||
        previews_->busy())
        return;
    backFromViewer_ = true;
    onViewPicture(toNativePath(PreviewPath));
    hide();
}

// One selection at a time drives Add and the preview; giving the file list the focus also ends
// any drag begun in the picture list.
void PictureListEditor::File1_GotFocus()
{
    List2_->clearSelection();
    DragBlocked = true;
}

void PictureListEditor::List2_GotFocus() { File1_->clearSelection(); }

void PictureListEditor::Dir1_Change()
{
    const QString folder = Dir1_->path();
    if (folder != File1_->path() && previewSource_ == Source::Files)
        clearPreview();
    Drive1_->showDriveOf(folder);
    File1_->setPath(folder);
    folderLabel_->setText(QString::fromStdString(folderLabel(toNativePath(folder))));
}

// A volume that cannot be read is reported and the lists stay where they were.
void PictureListEditor::Drive1_Change()
{
    QString error;
    if (!volumeReady(Drive1_->drive(), error) || !Dir1_->setPath(Drive1_->drive(), error)) {
        report(error.toStdString());
        Drive1_->showDriveOf(Dir1_->path());
    }
}

} // namespace quiltra
