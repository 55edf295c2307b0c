#include <gtest/gtest.h>

#include "state/game.h"
#include "ui/main_screen.h"

TEST(MainScreen, IsTitledCrestworkII) {
    cw::Game game;
    cw::ui::TForm_main screen(game);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Crestwork II"));
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_main"));
}
