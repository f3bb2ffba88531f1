// The menus' operations that keep related items in step.
#include "game/game_menus.h"

#include <iterator>
#include <utility>

namespace quiltra {

void GameMenus::showPictures(const std::vector<std::string>& names)
{
    pictures_.clear();
    pictures_.reserve(names.size());
    for (const std::string& name : names)
        pictures_.push_back(MenuItem{name});
    ++generation_;
}

void GameMenus::addPicture(const std::string& name)
{
    pictures_.push_back(MenuItem{name});
    ++generation_;
}

void GameMenus::removePicture(std::size_t index)
{
    if (index < pictures_.size())
        pictures_.erase(std::next(pictures_.begin(), static_cast<std::ptrdiff_t>(index)));
    ++generation_;
}

void GameMenus::showSizes(std::vector<SizeItem> items)
{
    if (items.empty()) // no size: entry 0 stays, blank and disabled
        items.push_back(SizeItem{{"", false}, Grid{}});
    sizes_ = std::move(items);
    ++generation_;
}

void GameMenus::setSoundEffects(bool on)
{
    items_.mnuEffects.Checked = on;
    items_.SndInt.Enabled = items_.SndMv.Enabled = items_.SndEnd.Enabled = on;
}

void GameMenus::enableForPicture()
{
    items_.mnuNew.Enabled = true;
    items_.mnuV.Enabled = true;
    items_.mnus.Enabled = true;
    items_.mnuAddCur.Enabled = true;
}

} // namespace quiltra
