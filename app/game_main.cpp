// crestwork: the game with its windows.
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string_view>

#include "refdata/reference_tables.h"
#include "setup/load_game.h"
#include "setup/startup.h"
#include "setup/world_init.h"
#include "sim/game_clock.h"
#include "state/game.h"
#include "state/log.h"
#include "state/game_folders.h"
#include "state/paths.h"
#include "ui/app_style.h"
#include "ui/bank_screen.h"
#include "ui/cpu_screen.h"
#include "ui/database_screen.h"
#include "ui/company_books_screens.h"
#include "ui/development_screen.h"
#include "ui/employees_screen.h"
#include "ui/engine_deal_window.h"
#include "ui/inbox_screen.h"
#include "ui/keyboard.h"
#include "ui/language_files.h"
#include "ui/language_screen.h"
#include "ui/load_screen.h"
#include "ui/mod_screen.h"
#include "ui/main_screen.h"
#include "ui/main_screen_keys.h"
#include "ui/main_screen_parts.h"
#include "ui/manual_window.h"
#include "ui/placeholder_screens.h"
#include "ui/planning_screens.h"
#include "ui/platform_analysis_screen.h"
#include "ui/platforms_screen.h"
#include "ui/player_bonus_screen.h"
#include "ui/product_status_screen.h"
#include "ui/progress_window.h"
#include "ui/project_screen.h"
#include "ui/qt_player.h"
#include "ui/staff_screen.h"
#include "ui/starter_screen.h"
#include "ui/secretary_screen.h"
#include "ui/sound_panel.h"
#include "ui/sound_system.h"
#include "ui/stock_screen.h"
#include "ui/tips_screen.h"
#include "ui/window_settings.h"

namespace {

using namespace cw;
using namespace cw::ui;

int programStart(QApplication& app, int argc, char** argv) {
    const ProgramLocation where = locateProgram(argc > 0 ? argv[0] : nullptr);
    // Installed, the shipped files are read-only and the player's files go
    // to his own data folder; run from the build, both are the game folder.
    const GameFolders folders = gameFoldersFor(where.folder, processEnvironment());
    if (const std::string why = prepareUserFolder(folders); !why.empty())
        std::fprintf(stderr, "crestwork: %s; the game cannot keep its saves\n", why.c_str());
    Game game;
    game.programFolder = folders.program;
    if (folders.user != folders.program) game.userFolder = folders.user;
    Log log(game.writableFolder(), where.fileName, where.fullPath, programVersion());
    installAppLog(&log);
    StartupSwitches switches = parseStartupSwitches(argc, argv);
    // "--export-language": the export of "/Lngfile" alone, for scripts.
    const bool exportOnly = argc > 1 && std::string_view(argv[1]) == "--export-language";
    if (exportOnly) switches.exportLanguage = true;
    bool exportFailed = false;

    QtPlayer player(&game);
    // Alt+letters, Enter, F1 and fitting windows to the screen, everywhere.
    const QString gameFolder = qs(game.programFolder);
    // The menu entry's name and icon, so a desktop groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("crestwork"));
    QApplication::setWindowIcon(QIcon(gameFolder + QStringLiteral("/icons/crestwork-256.png")));
    KeyboardHelper keys([gameFolder](QWidget* over) { openManual(gameFolder, over); });
    keys.install(app);
    // The music and effects; made with the main screen, they outlive it.
    std::unique_ptr<SoundSystem> sound;
    // The reference tables live for the whole run: every import fills them.
    ReferenceTables reference;
    // The main screen owns every other screen, so they close with it.
    std::unique_ptr<TForm_main> mainScreen;
    ScreenSet screens;

    StartupHooks hooks;
    hooks.setApplicationTitle = [](std::string_view title) {
        QApplication::setApplicationName(qs(title));
        QApplication::setApplicationDisplayName(qs(title));
    };
    hooks.createScreen = [&](const ScreenStep& step) {
        const QString name = QString::fromLatin1(step.name);
        QWidget* screen = nullptr;
        if (name == QLatin1String("TForm_main")) {
            game.rng.randomizeSeed();
            installHintTiming(app);
            mainScreen = std::make_unique<TForm_main>(game, player);
            player.setMainScreen(mainScreen.get());
            installMainScreenKeys(mainScreen.get(),
                                  [gameFolder, &mainScreen] { openManual(gameFolder, mainScreen.get()); });
            sound = std::make_unique<SoundSystem>(game.programFolder, nullptr, game.writableFolder());
            player.setSound(sound.get());
            installSoundControls(mainScreen.get(), *sound);
            QObject::connect(sound.get(), &SoundSystem::notice, mainScreen.get(),
                             [&player](const QString& title, const QString& text) {
                                 player.notify(title.toStdString(), text.toStdString(), 8000);
                             });
            sound->startMusic();  // the menu music, until a game starts
            screen = mainScreen.get();
        } else if (name == QLatin1String("TForm_CW2Starter")) {
            auto* starter = new TForm_CW2Starter(game, player, reference, mainScreen.get());
            NewGameHooks startHooks;
            startHooks.showMainScreen = [&mainScreen] {
                mainScreen->setCoverVisible(false);
                mainScreen->refresh();
                mainScreen->activateWindow();
            };
            startHooks.showTips = [&game, &mainScreen] {
                auto* tips = dynamic_cast<Tform_didyouknow*>(
                    mainScreen->findChild<QWidget*>(QStringLiteral("Tform_didyouknow")));
                if (!tips) tips = new Tform_didyouknow(game, mainScreen.get());
                tips->openTip();
                placeOverMain(tips, mainScreen.get());
                tips->show();
                tips->raise();
            };
            startHooks.openTutor = [&game, &mainScreen] {
                auto* secretary = dynamic_cast<Tform_Secatary*>(
                    mainScreen->findChild<QWidget*>(QStringLiteral("Tform_Secatary")));
                if (!secretary) secretary = new Tform_Secatary(game, mainScreen.get());
                secretary->show();
                secretary->raise();
            };
            // The new-game screen's "Music" starts from the sound settings and
            // decides whether this game has music.
            if (sound) {
                NewGameOptions shown = starter->options();
                shown.music = sound->settings().musicOn;
                starter->setOptions(shown);
            }
            startHooks.switchToGameSound = [&sound, starter] {
                if (sound) sound->setMusicOn(starter->options().music);
            };
            startHooks.startMusic = [&sound] {
                if (sound) sound->startMusic();
            };
            starter->setStartHooks(std::move(startHooks));
            QObject::connect(starter, &TForm_CW2Starter::exitRequested, &app, &QApplication::quit);
            screen = starter;
        } else if (name == QLatin1String("Tform_player_bonus")) {
            screen = new Tform_player_bonus(mainScreen.get());
        } else if (name == QLatin1String("TForm_Project_progress")) {
            auto* progress = new TForm_Project_progress(game, mainScreen.get());
            mainScreen->attachProgressWindow(progress);
            player.setProgressWindow(progress);
            screen = progress;
        } else if (name == QLatin1String("TForm_inbox")) {
            auto* inbox = new TForm_inbox(game, player, mainScreen.get());
            makeSecondaryWindow(inbox);
            inbox->hide();
            QObject::connect(inbox, &TForm_inbox::inboxChanged, mainScreen.get(), &TForm_main::refresh);
            QObject::connect(mainScreen.get(), &TForm_main::inboxRequested, inbox, [inbox, &mainScreen] {
                inbox->reload();
                mainScreen->presentWindow(inbox);
            });
            screen = inbox;
        } else if (name == QLatin1String("TDBForm")) {
            auto* db = new TDBForm(game, player, reference, mainScreen.get());
            // "Test": a world built from the tables as they stand, summed up.
            QObject::connect(db, &TDBForm::testRequested, db, [&game, &player, &reference] {
                std::string summary;
                if (testWorld(game, player, reference, summary))
                    player.messageBox("Test", "World built: " + summary, false);
            });
            makeSecondaryWindow(db);
            db->hide();
            screen = db;
        } else if (name == QLatin1String("TForm_platforms") || name == QLatin1String("Tform_cpu") ||
                   name == QLatin1String("TForm_platform_analysis")) {
            // Hardware screens: separate windows, rebuilt when shown; a second
            // click on a button that opens one while it is open rebuilds it.
            QWidget* hw = nullptr;
            if (name == QLatin1String("TForm_platforms")) {
                auto* platforms = new TForm_platforms(game, mainScreen.get());
                QObject::connect(mainScreen.get(), &TForm_main::screenRequested, platforms,
                                 [platforms](const QString& n) {
                                     if (n == QLatin1String("TForm_platforms")) platforms->reopen();
                                 });
                hw = platforms;
            } else if (name == QLatin1String("Tform_cpu")) {
                hw = new Tform_cpu(game, mainScreen.get());
            } else {
                auto* analysis = new TForm_platform_analysis(game, mainScreen.get());
                QObject::connect(mainScreen.get(), &TForm_main::screenRequested, analysis,
                                 [analysis](const QString& n) {
                                     if (n == QLatin1String("TForm_platform_analysis")) analysis->reopen();
                                 });
                hw = analysis;
            }
            makeSecondaryWindow(hw);
            hw->hide();
            screen = hw;
        } else if (name == QLatin1String("TForm_employees")) {
            auto* employees = new TForm_employees(game, player, &reference, mainScreen.get());
            makeSecondaryWindow(employees);
            employees->hide();
            QObject::connect(employees, &TForm_employees::staffChanged, mainScreen.get(), &TForm_main::refresh);
            screen = employees;
        } else if (name == QLatin1String("TForm_development") || name == QLatin1String("TDevelopment")) {
            QDialog* dev = nullptr;
            if (name == QLatin1String("TForm_development")) {
                auto* development = new TForm_development(game, player, mainScreen.get());
                QObject::connect(development, &TForm_development::projectStarted, mainScreen.get(),
                                 &TForm_main::refresh);
                dev = development;
            } else {
                auto* project = new TDevelopment(game, player, mainScreen.get());
                // An open project screen follows the weeks played on the main screen.
                QObject::connect(mainScreen.get(), &TForm_main::turnPlayed, project, [project] {
                    if (project->isVisible()) project->refresh();
                });
                QObject::connect(mainScreen.get(), &TForm_main::projectRequested, project,
                                 [project, &mainScreen](int task) {
                                     project->showTask(task);
                                     mainScreen->presentWindow(project);
                                 });
                dev = project;
            }
            // What the player changed there shows on the main screen at once.
            QObject::connect(dev, &QDialog::finished, mainScreen.get(), &TForm_main::refresh);
            dev->setWindowFlag(Qt::Window);
            dev->hide();
            screen = dev;
        } else if (name == QLatin1String("TForm_view_employees")) {
            auto* staff = new TForm_view_employees(game, player, mainScreen.get());
            staff->hide();
            QObject::connect(staff, &TForm_view_employees::staffChanged, mainScreen.get(), &TForm_main::refresh);
            // Somebody hired shows up in the staff list at once, and somebody
            // fired goes back on the market.
            if (auto* hiring = screens.get<TForm_employees>(QStringLiteral("TForm_employees"))) {
                QObject::connect(hiring, &TForm_employees::staffChanged, staff, &TForm_view_employees::refresh);
                QObject::connect(staff, &TForm_view_employees::staffChanged, hiring, &TForm_employees::refresh);
            }
            screen = staff;
        } else if (name == QLatin1String("TForm_salesCharts") || name == QLatin1String("Tform_Calendar") ||
                   name == QLatin1String("TForm_genredemands") || name == QLatin1String("Tform_Analyse")) {
            // The planning views: windows of their own, redrawn when shown.
            QWidget* view = nullptr;
            if (name == QLatin1String("TForm_salesCharts")) {
                view = new TForm_salesCharts(game, mainScreen.get());
            } else if (name == QLatin1String("Tform_Calendar")) {
                view = new Tform_Calendar(game, mainScreen.get());
            } else if (name == QLatin1String("TForm_genredemands")) {
                view = new TForm_genredemands(game, mainScreen.get());
            } else {
                auto* analysis = new Tform_Analyse(game, player, mainScreen.get());
                view = analysis;
                // The game screen asks for both while a game is planned.
                if (auto* development = screens.get<TForm_development>(QStringLiteral("TForm_development"))) {
                    QObject::connect(development, &TForm_development::analysisRequested, analysis,
                                     [analysis, &mainScreen](const QString& title, int platform, int genre) {
                                         analysis->setSubject(title, platform, genre);
                                         mainScreen->presentWindow(analysis);
                                     });
                    QObject::connect(development, &TForm_development::calendarRequested, analysis,
                                     [&screens, &mainScreen] {
                                         if (QWidget* calendar = screens.find(QStringLiteral("Tform_Calendar")))
                                             mainScreen->presentWindow(calendar);
                                     });
                }
                // The product screen asks for it for a game product, and the
                // question and payment follow at once.
                if (auto* product = screens.get<TForm_product_status>(QStringLiteral("TForm_product_status")))
                    QObject::connect(product, &TForm_product_status::analysisRequested, analysis,
                                     [analysis, &mainScreen](const QString& title, int platform, int genre) {
                                         analysis->setSubject(title, platform, genre);
                                         mainScreen->presentWindow(analysis);
                                         analysis->pressAnalyse();
                                     });
            }
            makeSecondaryWindow(view);
            view->hide();
            screen = view;
        } else if (name == QLatin1String("TForm_load_game")) {
            screen = new TForm_load_game(game, player, mainScreen.get());
        } else if (name == QLatin1String("Tform_bank") || name == QLatin1String("Tform_stock")) {
            QDialog* money = nullptr;
            if (name == QLatin1String("Tform_bank")) {
                auto* bank = new Tform_bank(game, player, mainScreen.get());
                QObject::connect(bank, &Tform_bank::moneyChanged, mainScreen.get(), &TForm_main::refresh);
                money = bank;
            } else {
                auto* stock = new Tform_stock(game, player, mainScreen.get());
                QObject::connect(stock, &Tform_stock::moneyChanged, mainScreen.get(), &TForm_main::refresh);
                money = stock;
            }
            money->hide();
            screen = money;
        } else if (name == QLatin1String("TForm_product_status")) {
            auto* product = new TForm_product_status(game, player, mainScreen.get());
            product->setWindowFlag(Qt::Window);
            product->hide();
            QObject::connect(product, &TForm_product_status::productChanged, mainScreen.get(), &TForm_main::refresh);
            // An open product screen follows the weeks played (the licence
            // wait, the curves).
            QObject::connect(mainScreen.get(), &TForm_main::turnPlayed, product, [product] {
                if (product->isVisible()) product->refresh();
            });
            QObject::connect(mainScreen.get(), &TForm_main::productRequested, product,
                             [product, &mainScreen](int slot) {
                                 product->showProduct(slot);
                                 mainScreen->presentWindow(product);
                             });
            screen = product;
        } else if (name == QLatin1String("TForm_EngineDeal")) {
            auto* deal = new TForm_EngineDeal(game, player, mainScreen.get());
            deal->hide();
            QObject::connect(deal, &TForm_EngineDeal::dealMade, mainScreen.get(), &TForm_main::refresh);
            if (auto* product = screens.get<TForm_product_status>(QStringLiteral("TForm_product_status")))
                product->setDealScreen(deal);
            screen = deal;
        } else if (name == QLatin1String("TForm_company_overview")) {
            // The overview and the graphs and reports window: read-only
            // books, filled each time they are shown.
            auto* overview = new TForm_company_overview(game, mainScreen.get());
            makeSecondaryWindow(overview);
            overview->hide();
            auto* books = new TForm_books(game, mainScreen.get());
            makeSecondaryWindow(books);
            books->hide();
            screens.add(books);
            screen = overview;
        } else if (name == QLatin1String("TPasswordDlg")) {
            screen = new TPasswordDlg(mainScreen.get());
        } else if (name == QLatin1String("TForm_mod_load")) {
            screen = new TForm_mod_load(game, player, mainScreen.get());
        } else if (name == QLatin1String("TForm_lng")) {
            screen = new TForm_lng(game.programFolder, mainScreen.get(), game.userFolder);
        } else {
            screen = createPlaceholderScreen(name, mainScreen.get());
        }
        screens.add(screen);
    };
    // The language: the export of every screen's texts, or the chooser and
    // the chosen file applied to every screen.
    const auto startupScreens = [&screens] {
        std::vector<QWidget*> out;
        for (const QString& n : screens.names())
            if (QWidget* s = screens.find(n)) out.push_back(s);
        return out;
    };
    hooks.exportDefaultLanguage = [&] {
        const std::string error = exportLanguage(game.writableFolder(), startupScreens());
        if (!error.empty()) {
            writeLog("Language export failed: " + error);
            if (exportOnly)
                std::fprintf(stderr, "crestwork: %s\n", error.c_str());
            else
                player.messageBox("Language file", error, false);
        } else if (exportOnly) {
            std::printf("crestwork: wrote %s/%s\n", game.writableFolder().c_str(), kExportFileName);
        }
        exportFailed = !error.empty();
        return error.empty();
    };
    hooks.chooseLanguage = [&]() -> std::string {
        auto* chooser = screens.get<TForm_lng>(QStringLiteral("TForm_lng"));
        return chooser ? chooser->chooseLanguage().toStdString() : std::string();
    };
    hooks.loadLanguage = [&](const std::string& language) {
        auto* chooser = screens.get<TForm_lng>(QStringLiteral("TForm_lng"));
        if (!chooser) return;
        chooser->show();
        const std::string path = chooser->languagePath(QString::fromStdString(language));
        const std::string error =
            path.empty() ? "The language file \"" + language + ".lng\" is no longer in the folder lng."
                         : importLanguage(app, path, startupScreens(), [chooser](int n, int total) {
                               chooser->showProgress(n, total);
                               QApplication::processEvents();
                           });
        if (!error.empty()) {
            writeLog("Language not loaded: " + error);
            player.messageBox("Language file", error + "\r\nThe game runs with its English texts.", false);
        }
    };
    hooks.closeLanguageChooser = [&] {
        if (QWidget* chooser = screens.find(QStringLiteral("TForm_lng"))) chooser->hide();
    };
    hooks.layoutScreens = [&] {
        // Until a game has started the main screen stays under its cover.
        mainScreen->setCoverVisible(true);
    };
    runStartup(log, switches, hooks);
    if (exportOnly) {
        mainScreen.reset();
        installAppLog(nullptr);
        return exportFailed ? 1 : 0;
    }

    // The new-game screen borrows the screens created after it.
    if (auto* starter = screens.get<TForm_CW2Starter>(QStringLiteral("TForm_CW2Starter"))) {
        starter->setPlayerSetupScreen(screens.get<Tform_player_bonus>(QStringLiteral("Tform_player_bonus")));
        starter->setPasswordDialog(screens.get<TPasswordDlg>(QStringLiteral("TPasswordDlg")));
        starter->setModChooser(screens.get<TForm_mod_load>(QStringLiteral("TForm_mod_load")));
        QObject::connect(starter, &TForm_CW2Starter::modBuilderRequested, starter, [&screens, &mainScreen] {
            if (auto* db = screens.get<TDBForm>(QStringLiteral("TDBForm"))) {
                db->showModBuilder();
                mainScreen->presentWindow(db);
            }
        });
        // "Load game": the load screen, then the start in its loading form
        // around the saved tables, the inbox file and one week.
        QObject::connect(starter, &TForm_CW2Starter::loadRequested, starter, [&screens, &game, &player, starter] {
            auto* load = screens.get<TForm_load_game>(QStringLiteral("TForm_load_game"));
            if (!load) return;
            load->exec();
            loadChosenGame(
                game, player, [starter] { return starter->beginLoadedGame(); },
                [starter] { starter->finishLoadedGame(); });
        });
        QObject::connect(starter, &TForm_CW2Starter::databaseRequested, starter, [&screens, &mainScreen] {
            if (auto* db = screens.get<TDBForm>(QStringLiteral("TDBForm"))) {
                db->reload();
                mainScreen->presentWindow(db);
            }
        });
    }

    QObject::connect(mainScreen.get(), &TForm_main::gameEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(mainScreen.get(), &TForm_main::screenRequested, mainScreen.get(),
                     [&screens, &mainScreen](const QString& name) {
                         if (QWidget* screen = screens.find(name)) mainScreen->presentWindow(screen);
                     });

    // Play time counts in steps of 10 seconds while the main screen is open.
    QTimer playTime;
    playTime.setInterval(10000);
    QObject::connect(&playTime, &QTimer::timeout, mainScreen.get(), [&] {
        addPlayTime(game, 10);
        mainScreen->refresh();
    });
    QObject::connect(mainScreen.get(), &QObject::destroyed, &playTime, &QTimer::stop);
    playTime.start();

    if (switches.editorMode) {
        mainScreen->showMinimized();
        if (QWidget* db = screens.find(QStringLiteral("TDBForm"))) db->show();
    } else {
        showMainWindow(mainScreen.get(), settingsFile(qs(game.writableFolder())));
        QWidget* starter = screens.find(QStringLiteral("TForm_CW2Starter"));
        QTimer::singleShot(250, starter, [starter] {
            starter->show();
            starter->raise();
            starter->activateWindow();
        });
    }

    const int rc = QApplication::exec();
    playTime.stop();
    // A quit between two tenth weeks keeps its time too.
    if (game.session.playTimeRead) storePlayTime(game);
    mainScreen.reset();
    installAppLog(nullptr);
    return rc;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // One look for every screen, set before the first one is made.
    cw::ui::applyAppStyle(app);
    return programStart(app, argc, argv);
}
