// A headless driver session in a game folder of its own, for tests that run
// scripts and read the transcript.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "cli/driver.h"

namespace cw::test {

class CliSessionTest : public ::testing::Test {
protected:
    std::filesystem::path dir = [] {
        std::random_device rd;
        std::filesystem::path d =
            std::filesystem::temp_directory_path() / ("cw_cli_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(d);
        return d;
    }();
    std::ostringstream out;
    cli::Session s{out, dir.string()};

    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    // Runs a script on the session; the transcript holds only its output.
    int run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return cli::runScript(s, in, "t");
    }
    bool printed(const std::string& text) const { return out.str().find(text) != std::string::npos; }
};

}  // namespace cw::test
