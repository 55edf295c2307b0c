#include "finance/board.h"

namespace cw {

void yearEndPeopleStep(Game&, Player&) {}
void holdBoardMeeting(Game&, Player&) {}
void showEndScreen(Game& g, Player& p) {
    p.showModal(ScreenId::EndScreen);
    g.gameOver = true;
}

}  // namespace cw
