#include "ui/language_files.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "finance/buildings.h"
#include "hardware/manufacturing.h"
#include "market/expo.h"
#include "market/reviews.h"
#include "people/hiring.h"
#include "setup/new_game.h"
#include "state/game.h"
#include "ui/board_meeting_screen.h"
#include "ui/buildings_screen.h"
#include "ui/city_map.h"
#include "ui/development_screen.h"
#include "ui/employees_screen.h"
#include "ui/end_screen.h"
#include "ui/expo_screen.h"
#include "ui/factory_assembly_screen.h"
#include "ui/language_screen.h"
#include "ui/language_support.h"
#include "ui/manual_window.h"
#include "ui/message_dialogs.h"
#include "ui/mod_screen.h"
#include "ui/new_platform_screen.h"
#include "ui/notification_window.h"
#include "ui/platform_publisher_screen.h"
#include "ui/post_mortem_screens.h"
#include "ui/product_card.h"
#include "ui/project_status_screen.h"
#include "ui/qt_player.h"
#include "ui/release_screens.h"
#include "ui/review_screen.h"
#include "ui/secretary_screen.h"
#include "ui/staff_dialogs.h"
#include "ui/tips_screen.h"
#include "ui/advertising_screen.h"
#include "ui/view_engines_screen.h"

namespace cw::ui {

struct LaterScreens::Parts {
    Game game;
    // With a factory, so the assembly screen shows its lines' controls.
    Game factoryGame;
    QtPlayer player{&game};
    ExpoShow expo;
    Review review;
    AutoTeamOffer offer;
    // The header names the console, so only the measure is a text of its own.
    NewTaskDialog newTask{game, std::string(), "Weeks"};
    std::unique_ptr<HiringScreen> hiring;
    std::vector<std::unique_ptr<QWidget>> owned;
};

namespace {

// Opens a message window, reads it as soon as it shows and closes it again.
void readModal(const QString& name, const std::function<void()>& open, const std::function<void(QWidget*)>& read) {
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (!dialog || !dialog->isVisible() || dialog->objectName() != name) continue;
            timer.stop();
            read(dialog);
            dialog->reject();
            return;
        }
    });
    timer.start();
    open();
    timer.stop();
}

}  // namespace

LaterScreens::LaterScreens() : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    NewGameOptions options;
    options.companyName = "Company";
    options.playerName = "Player";
    options.boardMeetings = false;
    applyNewGameOptions(p.game, options);
    options.startWithFactory = true;
    applyNewGameOptions(p.factoryGame, options);
    p.hiring = std::make_unique<HiringScreen>(p.game);
    auto own = [&](QWidget* w) {
        p.owned.emplace_back(w);
        screens_.push_back(w);
    };
    own(new TForm_buildings(p.game, p.player));
    own(new BuildingInfoPanel(p.game, Building::Office));
    own(new InterviewDialog(p.game, p.player, *p.hiring));
    own(new TForm_view_engines(p.game));
    own(new Tform_leaderchoose(p.offer));
    own(new TForm_study(p.game, p.player, 0));
    own(new TForm_GamePublisher(p.game, p.player, 1));
    own(new Tform_releasegame(p.game, 1));
    own(new TForm_preview(p.review));
    own(new Tform_advertising(p.game, p.player, 1));
    own(new TForm_project_finished(p.game, p.player, 1));
    own(new TForm_boardmeeting(p.game));
    own(new TForm_E3(p.game, p.expo));
    own(new Tform_end_screen(p.game));
    own(new SequelDialog(std::vector<DevelopmentScreen::SequelRow>{}, nullptr));
    own(new TForm_whyscore(p.game, 0, 0));
    own(new TForm_whysales(p.game, 0));
    own(new NotificationWindow);
    own(new Tform_didyouknow(p.game, nullptr));
    own(new Tform_Secatary(p.game, nullptr));
    // The factory, the console design and its publishers, the mod chooser,
    // the language help, the manual.
    own(new TForm_newplatform(p.game, p.player));
    own(new TForm_factory_assembly(p.factoryGame, p.player));
    own(new TForm_storage(p.game));
    own(new TForm_newtask_dialog(p.newTask, p.player));
    own(new Tform_platformPublisher(p.game, p.player, 0));
    own(new TForm_mod_load(p.game, p.player));
    own(makeLanguageHelpWindow(p.game.programFolder, nullptr));
    own(new TForm_manual(QString()));
    // The main screen's product card.
    own(new ProductCard(nullptr));

    // A language in use is on these too, as on every window the game opens.
    if (LanguageKeeper* keeper = LanguageKeeper::active())
        for (QWidget* w : screens_) keeper->applyTo(w);

    // The message windows exist only while open: each is read in its forms
    // (two buttons and one), the English captions of all of them kept.
    const auto readDialog = [this](QWidget* dialog) {
        for (LanguageEntry& e : languageEntries(dialog)) {
            bool known = false;
            for (const LanguageEntry& had : dialogEntries_) known = known || (had.screen == e.screen && had.control == e.control);
            if (!known) dialogEntries_.push_back(std::move(e));
        }
        recordEnglishCaptions(dialog, dialogCaptions_);
    };
    bool answer = true;
    readModal(QStringLiteral("TCW2Dialog"), [&] { runAskDialog(nullptr, {}, {}, true, true, answer); }, readDialog);
    readModal(QStringLiteral("TMessage_box"), [] { runMessageBox(nullptr, {}, {}, true); }, readDialog);
    readModal(QStringLiteral("TMessage_box"), [] { runMessageBox(nullptr, {}, {}, false); }, readDialog);
    readModal(QStringLiteral("TInputBox"), [] { runInputBox(nullptr, {}, {}, {}); }, readDialog);
}

LaterScreens::~LaterScreens() = default;

std::vector<QWidget*> allLanguageScreens(const std::vector<QWidget*>& startup, const LaterScreens& later) {
    std::vector<QWidget*> out;
    std::vector<bool> used(later.screens().size(), false);
    for (QWidget* s : startup) {
        QWidget* chosen = s;
        for (std::size_t i = 0; i < later.screens().size(); ++i)
            if (!used[i] && later.screens()[i]->objectName() == s->objectName()) {
                chosen = later.screens()[i];
                used[i] = true;
                break;
            }
        out.push_back(chosen);
    }
    for (std::size_t i = 0; i < later.screens().size(); ++i)
        if (!used[i]) out.push_back(later.screens()[i]);
    markLanguageScreens(startup);
    markLanguageScreens(out);
    return out;
}

std::vector<LanguageEntry> gatherLanguageEntries(const std::vector<QWidget*>& startup, const LaterScreens& later) {
    std::vector<LanguageEntry> entries;
    std::vector<LanguageEntry> dialogs = later.dialogEntries();
    std::vector<bool> written(dialogs.size(), false);
    for (QWidget* screen : allLanguageScreens(startup, later)) {
        const std::string name = languageScreenName(screen).toStdString();
        bool stoodIn = false;
        for (std::size_t i = 0; i < dialogs.size(); ++i)
            if (dialogs[i].screen == name) stoodIn = true;
        // A message window's stand-in gives way to the real window's controls.
        if (!stoodIn)
            for (LanguageEntry& e : languageEntries(screen)) entries.push_back(std::move(e));
        for (std::size_t i = 0; i < dialogs.size(); ++i)
            if (!written[i] && dialogs[i].screen == name) {
                entries.push_back(dialogs[i]);
                written[i] = true;
            }
    }
    for (std::size_t i = 0; i < dialogs.size(); ++i)
        if (!written[i]) entries.push_back(dialogs[i]);
    return entries;
}

std::string exportLanguage(const std::string& programFolder, const std::vector<QWidget*>& startup) {
    const LaterScreens later;
    const std::string path = (std::filesystem::path(programFolder) / kExportFileName).string();
    return writeLanguageFile(path, gatherLanguageEntries(startup, later));
}

std::string importLanguage(QApplication& app, const std::string& path, const std::vector<QWidget*>& startup,
                           const std::function<void(int, int)>& progress) {
    auto file = std::make_shared<LanguageFile>();
    if (std::string error = readLanguageFile(path, *file); !error.empty()) return error;
    delete LanguageKeeper::active();
    // The English captions of every screen, so that a window opened later
    // keeps the game's own figures and names in the labels that show them.
    QHash<QString, QString> english;
    {
        const LaterScreens later;
        for (QWidget* screen : allLanguageScreens(startup, later)) recordEnglishCaptions(screen, english);
        for (auto it = later.dialogCaptions().cbegin(); it != later.dialogCaptions().cend(); ++it)
            english.insert(it.key(), it.value());
    }
    markLanguageScreens(startup);
    auto* keeper = new LanguageKeeper(file, english, &app);
    const int total = static_cast<int>(startup.size());
    for (int i = 0; i < total; ++i) {
        if (progress) progress(i + 1, total);
        keeper->applyTo(startup[static_cast<std::size_t>(i)]);
    }
    app.installEventFilter(keeper);
    return {};
}

}  // namespace cw::ui
