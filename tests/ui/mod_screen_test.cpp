// The mod chooser, "New MOD" on the new-game screen and the builder panel of
// the database screen.
#include "ui/mod_screen.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/recording_player.h"
#include "fakes/tiny_data.h"
#include "refdata/mods.h"
#include "ui/database_screen.h"
#include "ui/starter_screen.h"

namespace cw::ui {
namespace {
namespace fs = std::filesystem;

// With CW_SHOT_DIR set, the screens are saved there as pictures to look at.
void shot(QWidget& w, const char* name) {
    if (const char* to = std::getenv("CW_SHOT_DIR")) w.grab().save(QString::fromStdString((fs::path(to) / name).string()));
}

class ModScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_modscreen_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "MODS");
        g.programFolder = dir.string();
        g.rng.fixedSeed = 3;
        test::writeTinyDataArchive(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / "MODS" / name, std::ios::binary) << bytes;
    }
    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir;
    Game g;
    test::RecordingPlayer player;
    ReferenceTables ref;
};

TEST_F(ModScreenTest, TheChooserShowsDescriptionsAndChooses) {
    write("Handhelds.cwm", ";DOS;\r\n;Action;\r\nHandhelds\r\nonly\r\n");
    write("zz.cwm", "broken");
    TForm_mod_load chooser(g, player);
    chooser.refill();
    ASSERT_EQ(chooser.list()->count(), 3);
    EXPECT_EQ(chooser.list()->item(0)->text(), QStringLiteral("Default CW2"));
    EXPECT_EQ(chooser.descriptionText(), QStringLiteral("Default FULL CW2 MOD\nPlatforms : All (61)\nGenres : All (37)"));
    chooser.list()->setCurrentRow(1);
    EXPECT_EQ(chooser.descriptionText(), QStringLiteral("Handhelds\nonly"));
    QString label;
    QObject::connect(&chooser, &TForm_mod_load::modChosen, [&](const QString& l) { label = l; });
    chooser.chooseClicked();
    EXPECT_EQ(label, QStringLiteral("Handhelds\nonly"));
    EXPECT_EQ(g.session.modPlatformLine, ";DOS;");
    EXPECT_EQ(g.session.modGenreLine, ";Action;");

    // A damaged file says why, on the screen and in a message, and changes nothing.
    chooser.list()->setCurrentRow(2);
    EXPECT_TRUE(chooser.descriptionText().contains(QStringLiteral("is damaged")));
    chooser.chooseClicked();
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(g.session.modPlatformLine, ";DOS;");
    chooser.resize(560, 320);
    shot(chooser, "chooser.png");
}

TEST_F(ModScreenTest, NewModNeedsItsCodeAndTheBuilderSavesAndLoads) {
    TForm_CW2Starter starter(g, player, ref);
    int asked = 0;
    QObject::connect(&starter, &TForm_CW2Starter::modBuilderRequested, [&] { ++asked; });
    EXPECT_FALSE(starter.newModWithCode(QStringLiteral("qvjjQ")));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(ref.modLists.platforms.empty());
    EXPECT_TRUE(starter.newModWithCode(QStringLiteral("QvjjQ")));
    EXPECT_EQ(asked, 1);

    TDBForm form(g, player, ref);
    form.showModBuilder();
    form.show();
    ModBuilderPanel* panel = form.modBuilder();
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(panel->platformList()->count(), 3);
    EXPECT_EQ(panel->platformList()->item(2)->checkState(), Qt::Checked);
    EXPECT_TRUE(panel->platformList()->item(2)->text().startsWith(QStringLiteral("Orbit(game releases:")));
    panel->platformList()->item(2)->setCheckState(Qt::Unchecked);
    panel->descriptionEdit()->setPlainText(QString(100, QLatin1Char('x')));
    EXPECT_EQ(panel->descriptionEdit()->toPlainText().size(), 80);
    panel->descriptionEdit()->setPlainText(QStringLiteral("No Orbit"));
    form.resize(1000, 600);
    shot(form, "builder.png");

    const fs::path file = dir / "MODS" / "NoOrbit.CWM";
    EXPECT_TRUE(panel->saveModTo(QString::fromStdString(file.string())));
    EXPECT_FALSE(form.isVisible());  // "Save MOD and close"
    EXPECT_EQ(read(file), ";Orbit;\r\n;\r\nNo Orbit\r\n");

    // "Load Mod": a damaged file leaves the lists as they were.
    form.showModBuilder();
    form.show();
    panel->platformList()->item(2)->setCheckState(Qt::Checked);
    write("bad.cwm", std::string("\0\0\0", 3));
    EXPECT_FALSE(panel->loadModFrom(QString::fromStdString((dir / "MODS" / "bad.cwm").string())));
    EXPECT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(panel->platformList()->item(2)->checkState(), Qt::Checked);
    EXPECT_TRUE(panel->loadModFrom(QString::fromStdString(file.string())));
    EXPECT_EQ(panel->platformList()->item(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(panel->descriptionEdit()->toPlainText(), QStringLiteral("No Orbit"));
    form.findChild<QPushButton*>(QStringLiteral("cancelModButton"))->click();
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace cw::ui
