#include "ui/main_screen.h"

#include <QLabel>
#include <QVBoxLayout>

#include "state/game.h"

namespace cw::ui {

TForm_main::TForm_main(Game& game, QWidget* parent) : QMainWindow(parent), game_(game) {
    setObjectName(QStringLiteral("TForm_main"));
    setWindowTitle(QStringLiteral("Crestwork II"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* title = new QLabel(QStringLiteral("Crestwork II"), central);
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setAlignment(Qt::AlignCenter);
    QFont f = title->font();
    f.setPointSize(28);
    f.setBold(true);
    title->setFont(f);
    layout->addWidget(title);
    auto* date = new QLabel(QStringLiteral("Week %1, %2").arg(game_.currentWeek).arg(game_.currentYear), central);
    date->setObjectName(QStringLiteral("dateLabel"));
    date->setAlignment(Qt::AlignCenter);
    layout->addWidget(date);
    setCentralWidget(central);
    resize(1024, 700);
}

}  // namespace cw::ui
