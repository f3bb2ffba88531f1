// Lets a test stage a game's parts directly (a clock started long ago, counters near their
// limit, a menu check mark) where reaching that state through the handlers would only hide what
// the test is about. The game itself never uses it.
#pragma once

#include "game/game.h"

namespace quiltra {

struct GameParts {
    static GameMenus& menus(Game& g) { return g.menus_; }
    // The menu items by name, to stage a caption, check mark or enabled state.
    static GameMenus::Items& menuItems(Game& g) { return g.menus_.items_; }
    static Board& board(Game& g) { return g.board_; }
    static GameClock& clock(Game& g) { return g.clock_; }
    static Counters& counters(Game& g) { return g.counters_; }
    static GameForm& form(Game& g) { return g; }
    static GameServices& services(Game& g) { return g.services; }
    static ProgramState& program(Game& g) { return g.program; }
};

} // namespace quiltra
