// Text forms of the game window's state and the play mode.
#include "game/play_state.h"

#include <ostream>

namespace quiltra {

std::ostream& operator<<(std::ostream& out, State s)
{
    return out << static_cast<int>(static_cast<std::int16_t>(s));
}

} // namespace quiltra
