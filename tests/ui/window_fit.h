// Shared by the screen tests that open every window on the small screens:
// each window, fitted below the main screen's header as the game opens it,
// is no larger than the room left and shows every button label whole.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/app_style.h"
#include "ui/keyboard.h"

namespace cw::ui {

using WindowMakers = std::vector<std::pair<const char*, std::function<QWidget*()>>>;

inline void expectWindowsFit(const WindowMakers& windows, const std::vector<QSize>& screens) {
    for (const QSize& screen : screens) {
        for (const auto& [name, make] : windows) {
            SCOPED_TRACE(std::string(name) + " on " + std::to_string(screen.width()) + "x" +
                         std::to_string(screen.height()));
            std::unique_ptr<QWidget> w(make());
            if (!qobject_cast<QDialog*>(w.get())) makeSecondaryWindow(w.get());
            // Below the main window's header, as the windows open.
            const QRect area(0, 0, screen.width(), screen.height() - 70);
            fitIntoArea(w.get(), area);
            w->show();
            QApplication::processEvents();
            EXPECT_LE(w->height(), area.height());
            EXPECT_LE(w->width(), area.width());
            for (QPushButton* b : w->findChildren<QPushButton*>()) {
                if (!b->isVisibleTo(w.get()) || b->text().isEmpty()) continue;
                SCOPED_TRACE(b->text().toStdString());
                EXPECT_GE(b->width(), b->sizeHint().width());
            }
            if (const QByteArray dir = qgetenv("CW_SCREENSHOT_DIR"); !dir.isEmpty())
                w->grab().save(QStringLiteral("%1/fit_%2_%3x%4.png")
                                   .arg(QString::fromLocal8Bit(dir), QString::fromLatin1(name))
                                   .arg(screen.width())
                                   .arg(screen.height()));
        }
    }
}

}  // namespace cw::ui
