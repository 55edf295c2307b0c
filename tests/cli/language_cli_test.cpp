// "languages": the chooser's list as the driver prints it, with what each
// file would give.
#include <fstream>

#include "fakes/cli_session.h"

namespace cw {
namespace {

class LanguageCliTest : public test::CliSessionTest {};

TEST_F(LanguageCliTest, ListsEveryFileWithItsControlsOrItsProblem) {
    EXPECT_EQ(run("languages\n"), 0);
    EXPECT_EQ(out.str(), "languages: English Default\n");
    std::filesystem::create_directories(dir / "LNG");
    std::ofstream(dir / "LNG" / "Deutsch.lng") << "*OBJ=Form_lng.dxButton2\r\n**Caption=Abbrechen\r\n**HINT=\r\n"
                                                  "*OBJ=Form_lng.dxButton1\r\n**Caption=W\xC3\xA4hlen\r\n**HINT=\r\n";
    std::ofstream(dir / "LNG" / "Leer.lng").close();
    EXPECT_EQ(run("languages\n"), 0);
    EXPECT_EQ(out.str(),
              "languages: English Default\n"
              "  Deutsch (LNG/Deutsch.lng): 2 controls\n"
              "  Leer (LNG/Leer.lng): The language file \"Leer.lng\" is empty.\n");
    EXPECT_EQ(run("languages x\n"), 2);
}

}  // namespace
}  // namespace cw
