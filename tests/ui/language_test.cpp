// Language files on the screens: a file read into every screen comes back
// out of the export, continued lines and hint-only controls reach their
// widgets, a hostile file changes nothing, and the German translation fits
// the screens at 1366x768 and 1024x700 (with CW_SCREENSHOT_DIR set, each German screen
// is saved there for a look).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>

#include "fakes/recording_player.h"
#include "refdata/reference_tables.h"
#include "setup/new_game.h"
#include "state/game.h"
#include "ui/app_style.h"
#include "ui/bank_screen.h"
#include "ui/company_books_screens.h"
#include "ui/cpu_screen.h"
#include "ui/database_screen.h"
#include "ui/development_screen.h"
#include "ui/employees_screen.h"
#include "ui/engine_deal_window.h"
#include "ui/factory_assembly_screen.h"
#include "ui/inbox_screen.h"
#include "ui/language_files.h"
#include "ui/language_screen.h"
#include "ui/language_support.h"
#include "ui/load_screen.h"
#include "ui/main_screen.h"
#include "ui/main_screen_keys.h"
#include "ui/new_platform_screen.h"
#include "ui/planning_screens.h"
#include "ui/platform_analysis_screen.h"
#include "ui/platform_publisher_screen.h"
#include "ui/platforms_screen.h"
#include "ui/product_card.h"
#include "ui/player_bonus_screen.h"
#include "ui/product_status_screen.h"
#include "ui/project_screen.h"
#include "ui/qt_player.h"
#include "ui/sound_panel.h"
#include "ui/sound_system.h"
#include "ui/staff_screen.h"
#include "ui/starter_screen.h"
#include "ui/stock_screen.h"
#include "ui/tips_screen.h"

namespace cw::ui {
namespace {
namespace fs = std::filesystem;

const std::string kGerman = std::string(CW_GAME_DIR) + "/lng/Deutsch.lng";

// Ends the language in use, so every test starts in English.
void backToEnglish() { delete LanguageKeeper::active(); }

class LanguageScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        backToEnglish();
        NewGameOptions o;
        o.companyName = "Pixel Forge";
        o.playerName = "Alex";
        o.boardMeetings = false;
        applyNewGameOptions(g, o);
        main = std::make_unique<TForm_main>(g, player);
        player.setMainScreen(main.get());
        // As the game dresses its main screen: the help and the sound panel.
        installMainScreenKeys(main.get(), [] {});
        sound = std::make_unique<SoundSystem>(soundDir.string());
        installSoundControls(main.get(), *sound);
        auto add = [&](QWidget* w) { screens.push_back(w); };
        add(main.get());
        add(new TForm_CW2Starter(g, player, ref, main.get()));
        add(new TForm_product_status(g, player, main.get()));
        add(new TForm_salesCharts(g, main.get()));
        add(new TDBForm(g, player, ref, main.get()));
        add(new TForm_employees(g, player, &ref, main.get()));
        add(new Tform_stock(g, player, main.get()));
        add(new TForm_inbox(g, player, main.get()));
        add(new TForm_platforms(g, main.get()));
        add(new Tform_cpu(g, main.get()));
        add(new TForm_view_employees(g, player, main.get()));
        add(new TDevelopment(g, player, main.get()));
        add(new Tform_Calendar(g, main.get()));
        add(new Tform_bank(g, player, main.get()));
        add(new TForm_EngineDeal(g, player, main.get()));
        add(new TForm_development(g, player, main.get()));
        add(new Tform_player_bonus(main.get()));
        add(new TForm_genredemands(g, main.get()));
        add(new Tform_Analyse(g, player, main.get()));
        add(new Tform_didyouknow(g, main.get()));
        add(new TForm_platform_analysis(g, main.get()));
        add(new TForm_company_overview(g, main.get()));
        add(new TForm_books(g, main.get()));
        add(new TPasswordDlg(main.get()));
        add(new TForm_load_game(g, player, main.get()));
        add(new TForm_lng(std::string(CW_GAME_DIR), main.get()));
        // As the game opens them.
        const QStringList secondary = {"TForm_salesCharts", "TDBForm", "TForm_employees", "TForm_inbox",
                                       "TForm_platforms", "Tform_cpu", "TForm_platform_analysis",
                                       "Tform_Calendar", "TForm_genredemands", "Tform_Analyse",
                                       "TForm_company_overview", "TForm_books"};
        for (QWidget* w : screens) {
            if (secondary.contains(w->objectName()))
                makeSecondaryWindow(w);
            else if (w != main.get())
                w->setWindowFlag(Qt::Window);
        }
    }
    void TearDown() override {
        backToEnglish();
        main.reset();
        sound.reset();
        fs::remove_all(soundDir);
    }

    const fs::path soundDir = fs::temp_directory_path() / "cw_language_sound";
    std::unique_ptr<SoundSystem> sound;
    Game g;
    QtPlayer player{&g};
    ReferenceTables ref;
    std::unique_ptr<TForm_main> main;
    std::vector<QWidget*> screens;
};

TEST_F(LanguageScreensTest, ExportAfterImportingGermanGivesTheGermanTextsBack) {
    LanguageFile german;
    ASSERT_EQ(readLanguageFile(kGerman, german), "");
    ASSERT_EQ(importLanguage(*qApp, kGerman, screens), "");
    const LaterScreens later;
    const std::vector<LanguageEntry> exported = gatherLanguageEntries(screens, later);
    int compared = 0;
    std::set<std::string> exportedKeys;
    for (const LanguageEntry& e : exported) {
        exportedKeys.insert(e.screen + "." + e.control);
        const LanguageTexts t = languageTexts(german, e.screen, e.control, e.kind);
        if (!t.caption && !t.hint) continue;
        SCOPED_TRACE(e.screen + "." + e.control);
        if (t.caption) {
            EXPECT_EQ(e.text, *t.caption);
        }
        if (t.hint) {
            EXPECT_EQ(e.hint, *t.hint);
        }
        ++compared;
    }
    // Every German entry of the screens made here names a control that exists.
    std::set<std::string> exportedScreens;
    for (const LanguageEntry& e : exported) exportedScreens.insert(e.screen);
    int germanEntries = 0;
    for (const std::string& line : german.lines) {
        if (line.rfind("*OBJ=", 0) != 0) continue;
        const std::string key = line.substr(5);
        if (!exportedScreens.count(key.substr(0, key.find('.')))) continue;
        ++germanEntries;
        EXPECT_TRUE(exportedKeys.count(key)) << key << " names no control";
    }
    EXPECT_EQ(compared, germanEntries);
    EXPECT_GT(compared, 500);
    // A window made later gets the language when it is shown.
    auto* button = main->findChild<QPushButton*>(QStringLiteral("open_TForm_development"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Neues Spielprojekt"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("Die Entwicklung eines neuen Spiels beginnen"));
}

// The German file covers every text of every screen that the game does not
// write itself, and its hints follow the English ones: a hint where the
// English has none is one the game dropped.
TEST_F(LanguageScreensTest, GermanCoversEveryScreenAndFollowsTheEnglishHints) {
    LanguageFile german;
    ASSERT_EQ(readLanguageFile(kGerman, german), "");
    const LaterScreens later;
    // Texts the screens fill in with the game's names and states (figures
    // are told apart by their digits).
    const std::set<std::string> gameTexts = {
        "Form_main.logo", "Form_main.playerLabel", "Form_main.demandLabel1", "Form_main.demandLabel2", "Form_main.demandLabel3",
        "Form_CW2Starter.modLabel", "Form_CW2Starter.levelName", "Form_CW2Starter.levelEffects",
        "Form_CW2Starter.startupLevel", "form_player_bonus.retirementLabel", "form_player_bonus.effectLabel",
        "Form_preview.article", "Form_company_overview.headquarters", "Form_company_overview.factory",
        "Form_company_overview.warehouse", "form_platformPublisher.platformName",
        "Form_development.Label_CurrentEngineCodeLevel", "Form_development.Label_CurrentGenreLevelNone",
        "Form_development.Label_LeadingCompetitorsNone"};
    std::set<std::string> screensSeen;
    for (const LanguageEntry& e : gatherLanguageEntries(screens, later)) {
        const std::string key = e.screen + "." + e.control;
        screensSeen.insert(e.screen);
        SCOPED_TRACE(key);
        const LanguageTexts t = languageTexts(german, e.screen, e.control, e.kind);
        if (t.hint) {
            EXPECT_EQ(t.hint->empty(), e.hint.empty());
        }
        const std::string& shown = e.kind == LanguageControlKind::HintOnly ? e.hint : e.text;
        const bool figures = shown.find_first_of("0123456789") != std::string::npos;
        // A stand-in shows its screen's name, a table its file's name.
        const bool name = shown == "T" + e.screen || shown == e.control;
        if (figures || name || gameTexts.count(key) || e.kind == LanguageControlKind::TextField) continue;
        EXPECT_TRUE(t.caption || t.hint) << "no German for \"" << shown << "\"";
    }
    for (const char* screen : {"Form_newplatform", "Form_factory_assembly", "Form_storage", "Form_newtask_dialog",
                               "form_platformPublisher", "Form_mod_load", "Form_webbrowse", "Form_manual",
                               "productCard"})
        EXPECT_TRUE(screensSeen.count(screen)) << screen;
}

// A screen the game makes only when it opens it speaks German once shown,
// every row alike, and keeps the hints the game writes; so do the panels
// and menus of the main screen.
TEST_F(LanguageScreensTest, TheFactoryTheSoundPanelAndTheProductCardShowGermanAfterLoading) {
    ASSERT_EQ(importLanguage(*qApp, kGerman, screens), "");
    Game withFactory;
    NewGameOptions o;
    o.companyName = "Pixel Forge";
    o.playerName = "Alex";
    o.startWithFactory = true;
    applyNewGameOptions(withFactory, o);
    QtPlayer factoryPlayer{&withFactory};
    TForm_factory_assembly factory(withFactory, factoryPlayer, main.get());
    ASSERT_GE(factory.lineCount(), 2);
    const QString upgradeHint = factory.upgradeButton()->toolTip();
    factory.setAttribute(Qt::WA_DontShowOnScreen);
    factory.show();
    QApplication::processEvents();
    EXPECT_EQ(factory.windowTitle(), QStringLiteral("Fabrikfertigung"));
    for (int line = 1; line <= factory.lineCount(); ++line) {
        EXPECT_EQ(factory.startButton(line)->text(), QStringLiteral("Start"));
        EXPECT_EQ(factory.stopButton(line)->text(), QStringLiteral("Stopp"));
        EXPECT_EQ(factory.lineLabel(line)->text(), QStringLiteral("Produkt zuweisen"));
        EXPECT_EQ(factory.lineLabel(line)->toolTip(), QStringLiteral("Das Produkt wählen, das dieses Band baut"));
    }
    EXPECT_EQ(factory.upgradeButton()->text(), QStringLiteral("Fließbänder ausbauen"));
    EXPECT_EQ(factory.upgradeButton()->toolTip(), upgradeHint);
    factory.hide();

    TForm_newplatform design(g, player, main.get());
    design.setAttribute(Qt::WA_DontShowOnScreen);
    design.show();
    QApplication::processEvents();
    EXPECT_EQ(design.windowTitle(), QStringLiteral("Neue Plattform entwerfen"));
    design.hide();

    auto* music = main->findChild<QCheckBox*>(QStringLiteral("musicOnBox"));
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->text(), QStringLiteral("&Musik"));
    // So are the entries of the menus a screen keeps.
    auto* salesCharts = main->findChild<QAction*>(QStringLiteral("open_TForm_salesCharts"));
    ASSERT_NE(salesCharts, nullptr);
    EXPECT_EQ(salesCharts->text(), QStringLiteral("Verkaufscharts"));

    // The product card, made on the main screen when first needed, reads
    // its own entries.
    main->setAttribute(Qt::WA_DontShowOnScreen);
    main->show();
    auto* card = new ProductCard(main->centralWidget());
    card->show();
    QApplication::processEvents();
    auto* release = card->findChild<QPushButton*>(QStringLiteral("productReleaseButton"));
    ASSERT_NE(release, nullptr);
    EXPECT_EQ(release->text(), QStringLiteral("Veröffentlichen"));
    EXPECT_EQ(release->toolTip(), QStringLiteral("Ab nächster Woche im Handel"));
}

TEST(LanguageFileOnScreens, ContinuedLinesHintOnlyControlsAndHostileTexts) {
    backToEnglish();
    QWidget screen;
    screen.setObjectName(QStringLiteral("TForm_sample"));
    screen.setWindowTitle(QStringLiteral("Sample"));
    auto* col = new QVBoxLayout(&screen);
    auto* start = new QPushButton(QStringLiteral("Start new game"), &screen);
    auto* cash = new QLabel(QStringLiteral("Cash 1,000 $"), &screen);
    auto* heading = new QLabel(QStringLiteral("Heading"), &screen);
    heading->setObjectName(QStringLiteral("heading"));
    auto* slider = new QSlider(&screen);
    slider->setToolTip(QStringLiteral("Speed"));
    auto* edit = new QLineEdit(QStringLiteral("Acme"), &screen);
    edit->setToolTip(QStringLiteral("Your company's name"));
    auto* twin1 = new QLabel(QStringLiteral("Loans"), &screen);
    auto* twin2 = new QLabel(QStringLiteral("Shares"), &screen);
    twin1->setObjectName(QStringLiteral("cardTitle"));
    twin2->setObjectName(QStringLiteral("cardTitle"));
    for (QWidget* w : std::initializer_list<QWidget*>{start, cash, heading, slider, edit, twin1, twin2}) col->addWidget(w);

    // The names a file uses: kept, derived from the caption, or from the place.
    std::vector<std::string> names;
    for (const LanguageEntry& e : languageEntries(&screen)) names.push_back(e.control);
    EXPECT_EQ(names, (std::vector<std::string>{"Form_sample", "Button_StartNewGame", "Label1", "heading", "Slider1",
                                               "Edit1", "cardTitle_Loans", "cardTitle_Shares"}));
    EXPECT_EQ(start->objectName(), QStringLiteral("Button_StartNewGame"));
    EXPECT_EQ(twin1->objectName(), QStringLiteral("cardTitle"));  // the look still finds it

    const std::string sep(67, '-');
    const std::string text = sep + "\r\n*OBJ=form_sample.BUTTON_STARTNEWGAME\r\n**Caption=Neues Spiel\r\nstarten\r\n"
                             "**HINT=Zeile eins\r\nZeile zwei\r\n" + sep + "\r\n" + sep +
                             "\r\n*OBJ=Form_sample.Slider1\r\n**HINT=Tempo\r\n" + sep + "\r\n" + sep +
                             "\r\n*OBJ=Form_sample.Edit1\r\n**TEXT=Firma\r\n**HINT=Der Name Ihrer Firma\r\n" + sep +
                             "\r\n" + sep + "\r\n*OBJ=Form_sample.heading\r\n**Caption=<img src=\"x.png\">\r\n"
                             "**HINT=<b>fett</b>\r\n" + sep + "\r\n" + sep +
                             "\r\n*OBJ=Form_sample.Label1\r\n**Caption=Kasse\r\n**HINT=\r\n" + sep + "\r\n" + sep +
                             "\r\n*OBJ=Form_sample.cardTitle_Shares\r\n**Caption=Aktien\r\n**HINT=\r\n" + sep + "\r\n";
    LanguageFile file;
    ASSERT_EQ(parseLanguageText(text, "Sample.lng", file), "");
    QHash<QString, QString> english;
    recordEnglishCaptions(&screen, english);
    cash->setText(QStringLiteral("Cash 2,500 $"));  // the screen shows a figure by now
    applyLanguageFile(&screen, file, &english);
    EXPECT_EQ(start->text(), QStringLiteral("Neues Spiel\nstarten"));
    EXPECT_EQ(start->toolTip(), QStringLiteral("Zeile eins\nZeile zwei"));
    EXPECT_EQ(slider->toolTip(), QStringLiteral("Tempo"));
    EXPECT_EQ(edit->text(), QStringLiteral("Acme"));
    EXPECT_EQ(edit->toolTip(), QStringLiteral("Der Name Ihrer Firma"));
    EXPECT_EQ(cash->text(), QStringLiteral("Cash 2,500 $"));
    EXPECT_EQ(twin2->text(), QStringLiteral("Aktien"));
    EXPECT_EQ(twin1->text(), QStringLiteral("Loans"));
    // A plain label stays plain and a hint shows its marks as written.
    EXPECT_EQ(heading->textFormat(), Qt::PlainText);
    EXPECT_TRUE(heading->toolTip().contains(QStringLiteral("&lt;b&gt;fett&lt;/b&gt;")));

    // Exported again, the continued lines are written back as they came.
    const std::string again = writeLanguageText(languageEntries(&screen));
    EXPECT_NE(again.find("*OBJ=Form_sample.Button_StartNewGame\r\n**Caption=Neues Spiel\r\nstarten\r\n"
                         "**HINT=Zeile eins\r\nZeile zwei\r\n"),
              std::string::npos);
    EXPECT_NE(again.find("*OBJ=Form_sample.Slider1\r\n**HINT=Tempo\r\n" + sep), std::string::npos);
}

TEST(LanguageFileOnScreens, AHostileFileIsRefusedAndChangesNothing) {
    backToEnglish();
    const fs::path dir = fs::temp_directory_path() / "cw_language_hostile";
    fs::remove_all(dir);
    fs::create_directories(dir);
    QPushButton button(QStringLiteral("Close"));
    button.setObjectName(QStringLiteral("TForm_x"));
    std::vector<QWidget*> screens{&button};
    const std::string empty = (dir / "Leer.lng").string();
    std::ofstream(empty).close();
    EXPECT_EQ(importLanguage(*qApp, empty, screens), "The language file \"Leer.lng\" is empty.");
    const std::string binary = (dir / "Bild.lng").string();
    std::ofstream(binary, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0\0", 11);
    EXPECT_EQ(importLanguage(*qApp, binary, screens), "The language file \"Bild.lng\" is not a text file.");
    EXPECT_NE(importLanguage(*qApp, (dir / "weg.lng").string(), screens), "");
    EXPECT_EQ(LanguageKeeper::active(), nullptr);
    EXPECT_EQ(button.text(), QStringLiteral("Close"));
    fs::remove_all(dir);
}

TEST(LanguageChooser, ListsTheFolderAndCancelMeansEnglish) {
    backToEnglish();
    const fs::path dir = fs::temp_directory_path() / "cw_language_chooser";
    fs::remove_all(dir);
    fs::create_directories(dir / "lng");
    std::ofstream(dir / "lng" / "Deutsch.lng") << "x";
    std::ofstream(dir / "lng" / "Zulu.lng") << "x";
    TForm_lng chooser(dir.string());
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Language Setup"));
    EXPECT_EQ(chooser.currentLanguage(), QStringLiteral("English"));
    ASSERT_EQ(chooser.list()->count(), 3);
    EXPECT_EQ(chooser.list()->item(0)->text(), QStringLiteral("English Default"));
    EXPECT_EQ(chooser.list()->item(1)->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(chooser.cancelButton()->objectName(), QStringLiteral("dxButton2"));
    EXPECT_EQ(chooser.cancelButton()->toolTip(),
              QStringLiteral("If you cancel CW2 will run with the default text in English"));
    chooser.list()->setCurrentRow(1);
    EXPECT_EQ(chooser.currentLanguage(), QStringLiteral("Deutsch"));
    EXPECT_EQ(fs::path(chooser.languagePath(QStringLiteral("Deutsch"))).filename(), "Deutsch.lng");
    chooser.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&chooser, &esc);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.currentLanguage(), QString());
    chooser.showProgress(3, 54);
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Loading...3/54"));
    ASSERT_EQ(chooser.list()->count(), 1);
    EXPECT_EQ(chooser.list()->item(0)->text(), QStringLiteral("Choosen : "));
    EXPECT_FALSE(chooser.chooseButton()->isVisibleTo(&chooser));

    // The link shows the README's section, no network needed.
    const QString section = languageHelpSection(QStringLiteral(
        "# Game\n\nText\n\n## Writing a language file\n\nCopy Test.lng.\n\n### Keys\n\nA key.\n\n## Next\n\nOther"));
    EXPECT_EQ(section, QStringLiteral("## Writing a language file\n\nCopy Test.lng.\n\n### Keys\n\nA key."));
    fs::remove_all(dir);
}

// The text a control cannot show whole, or nothing: a one-line label or a
// button narrower than its text needs, or a grid's column narrower than its
// heading.
QString cutText(QWidget* w) {
    if (!w->isVisibleTo(w->window())) return {};
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
        QFont bold = table->horizontalHeader()->font();
        bold.setBold(true);
        const QFontMetrics fm(bold);
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->horizontalHeaderItem(c);
            if (!item || table->isColumnHidden(c) || table->horizontalHeader()->sectionSize(c) == 0) continue;
            int widest = 0;
            for (const QString& line : item->text().split(QLatin1Char('\n')))
                widest = std::max(widest, fm.horizontalAdvance(line));
            if (table->horizontalHeader()->sectionSize(c) < widest) return item->text();
        }
        return {};
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull()) return {};
        return label->width() + 1 < label->minimumSizeHint().width() ? label->text() : QString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return !button->text().isEmpty() && button->width() + 1 < button->minimumSizeHint().width() ? button->text()
                                                                                                    : QString();
    return {};
}

// How a screen sits on a display: the width it needs at least and the
// controls it cuts, each a position in the screen's list of widgets.
struct Fit {
    int minimumWidth = 0;
    std::map<int, QString> cuts;
};

// `opened` is the size the screen opens at.
Fit fitOf(QWidget* screen, const QSize& opened, const QSize& display, const QString& shot) {
    screen->resize(opened);
    screen->setAttribute(Qt::WA_DontShowOnScreen);
    screen->show();
    QApplication::processEvents();
    const QSize wanted = screen->sizeHint().expandedTo(screen->size()).expandedTo(screen->minimumSize());
    screen->resize(wanted.boundedTo(display));
    QApplication::processEvents();
    // A caption the screen set back to English on showing is translated
    // again once painted.
    screen->grab();
    QApplication::processEvents();
    Fit fit;
    fit.minimumWidth = screen->minimumSizeHint().width();
    const QList<QWidget*> widgets = screen->findChildren<QWidget*>();
    for (int i = 0; i < widgets.size(); ++i)
        if (widgets[i]->window() == screen)
            if (const QString cut = cutText(widgets[i]); !cut.isEmpty()) fit.cuts[i] = cut;
    const QByteArray shots = qgetenv("CW_SCREENSHOT_DIR");
    if (!shots.isEmpty()) screen->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath(shot + QStringLiteral(".png")));
    return fit;
}

// German fits wherever English does: no wider than the display (or than
// English, on a screen English already overflows), nothing cut that
// English shows whole. Each screen is looked at as the game opens it, and
// with the panels it opens over itself (the sound setup on the main
// screen, the mod builder in place of the database tables, the talks with
// a publisher).
TEST_F(LanguageScreensTest, GermanFitsAt1366x768And1024x700) {
    const LaterScreens later;
    const std::vector<QWidget*> all = allLanguageScreens(screens, later);
    auto* soundButton = main->findChild<QPushButton*>(QStringLiteral("soundButton"));
    ASSERT_NE(soundButton, nullptr);
    TDBForm* database = nullptr;
    for (QWidget* s : all)
        if (auto* d = qobject_cast<TDBForm*>(s)) database = d;
    ASSERT_NE(database, nullptr);
    Tform_platformPublisher* publisher = nullptr;
    for (QWidget* s : all)
        if (auto* d = qobject_cast<Tform_platformPublisher*>(s)) publisher = d;
    ASSERT_NE(publisher, nullptr);
    std::map<QWidget*, QSize> opened;
    for (QWidget* s : all) opened[s] = s->size();
    const std::vector<QSize> displays = {QSize(1366, 768), QSize(1024, 700)};
    const auto lookAtAll = [&](const QString& language) {
        std::map<QString, Fit> fits;
        for (const QSize& display : displays) {
            const QString size = QStringLiteral("_%1x%2_").arg(display.width()).arg(display.height()) + language;
            for (QWidget* screen : all) {
                fits[screen->objectName() + size] = fitOf(screen, opened[screen], display, screen->objectName() + size);
                if (screen == main.get()) {
                    soundButton->setChecked(true);
                    fits[QStringLiteral("SoundPanel") + size] = fitOf(screen, opened[screen], display, QStringLiteral("SoundPanel") + size);
                    soundButton->setChecked(false);
                }
                screen->hide();
            }
        }
        database->showModBuilder();
        for (const QSize& display : displays) {
            const QString name = QStringLiteral("ModBuilder_%1x%2_").arg(display.width()).arg(display.height()) + language;
            fits[name] = fitOf(database, opened[database], display, name);
        }
        database->hide();
        publisher->negotiationBox()->show();
        for (const QSize& display : displays) {
            const QString name = QStringLiteral("Negotiation_%1x%2_").arg(display.width()).arg(display.height()) + language;
            fits[name] = fitOf(publisher, opened[publisher], display, name);
        }
        publisher->hide();
        return fits;
    };
    const std::map<QString, Fit> english = lookAtAll(QStringLiteral("en"));
    ASSERT_EQ(importLanguage(*qApp, kGerman, screens), "");
    const std::map<QString, Fit> german = lookAtAll(QStringLiteral("de"));
    for (const auto& [shot, fit] : german) {
        QString name = shot;
        name.chop(2);
        const Fit& before = english.at(name + QStringLiteral("en"));
        const int width = name.contains(QLatin1String("_1024x700")) ? 1024 : 1366;
        SCOPED_TRACE(shot.toStdString());
        EXPECT_LE(fit.minimumWidth, std::max(width, before.minimumWidth));
        for (const auto& [at, text] : fit.cuts)
            if (!before.cuts.count(at)) ADD_FAILURE() << "cuts \"" << text.toStdString() << "\"";
    }
}

}  // namespace
}  // namespace cw::ui
