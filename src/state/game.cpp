#include "state/game.h"

#include <cstring>

namespace cw {

// The image is 32 MB: it always lives on the heap, zeroed like a new game.
Game::Game() : image(std::make_unique<SaveImage>()) { reset(); }

void Game::reset() {
    std::memset(static_cast<void*>(image.get()), 0, sizeof(SaveImage));
    currentYear = 1980;
    currentWeek = 1;
    gameOver = false;
    session.endScreenShown = false;
    session.lastYearCash.clear();
}

}  // namespace cw
