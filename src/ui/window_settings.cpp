#include "ui/window_settings.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace cw::ui {

namespace {

// The size the main screen is laid out for; smaller screens get it maximised.
constexpr QSize kPreferred(1200, 800);

class RememberSize : public QObject {
public:
    RememberSize(QWidget* main, QString path) : QObject(main), path_(std::move(path)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            auto* w = static_cast<QWidget*>(watched);
            const bool maximized = w->isMaximized();
            saveWindowPlacement(path_, {maximized ? w->normalGeometry().size() : w->size(), maximized});
        }
        return false;
    }

private:
    QString path_;
};

}  // namespace

QString settingsFile(const QString& gameFolder) { return QDir(gameFolder).filePath(QStringLiteral("crestwork.ini")); }

WindowPlacement loadWindowPlacement(const QString& settingsPath) {
    QSettings s(settingsPath, QSettings::IniFormat);
    WindowPlacement p;
    const QSize size = s.value(QStringLiteral("MainWindow/size")).toSize();
    // A size from a broken or hand-edited file is no size.
    if (size.width() >= 200 && size.height() >= 150 && size.width() <= 20000 && size.height() <= 20000) p.size = size;
    p.maximized = s.value(QStringLiteral("MainWindow/maximized"), false).toBool();
    return p;
}

void saveWindowPlacement(const QString& settingsPath, const WindowPlacement& placement) {
    QSettings s(settingsPath, QSettings::IniFormat);
    if (placement.size.isValid()) s.setValue(QStringLiteral("MainWindow/size"), placement.size);
    s.setValue(QStringLiteral("MainWindow/maximized"), placement.maximized);
    s.sync();
}

WindowPlacement chooseMainPlacement(const WindowPlacement& stored, QSize available, QSize preferred) {
    WindowPlacement p;
    p.size = stored.size.isValid() ? stored.size : preferred;
    if (available.isValid()) {
        p.maximized = stored.maximized || (!stored.size.isValid() && (available.width() < preferred.width() ||
                                                                       available.height() < preferred.height()));
        p.size = p.size.boundedTo(available);
    } else {
        p.maximized = stored.maximized;
    }
    return p;
}

void showMainWindow(QWidget* main, const QString& settingsPath) {
    QSize available;
    if (const QScreen* screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen())
        available = screen->availableGeometry().size();
    const WindowPlacement p = chooseMainPlacement(loadWindowPlacement(settingsPath), available, kPreferred);
    // The main screen asks for 1024x700; a smaller screen (or a large scale
    // factor) gets the window as large as it is.
    if (available.isValid()) main->setMinimumSize(main->minimumSize().boundedTo(available));
    main->resize(p.size);
    main->installEventFilter(new RememberSize(main, settingsPath));
    if (p.maximized)
        main->showMaximized();
    else
        main->show();
}

}  // namespace cw::ui
