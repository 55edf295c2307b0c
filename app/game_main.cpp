// crestwork: the game with its windows.
#include <QApplication>

#include "state/game.h"
#include "state/log.h"
#include "state/paths.h"
#include "ui/main_screen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Crestwork II"));
    const cw::ProgramLocation where = cw::locateProgram(argv[0]);
    cw::Log log(where.folder, where.fileName, where.fullPath, cw::programVersion());
    log.startLog();
    cw::installAppLog(&log);
    log.writeLog("Application Init...");

    cw::Game game;
    game.rng.randomizeSeed();
    cw::ui::TForm_main mainScreen(game);
    mainScreen.show();
    const int rc = QApplication::exec();
    cw::installAppLog(nullptr);
    return rc;
}
