// The running game: the ten tables (one contiguous block, the save image),
// the game date and the random generator. Values that live only while the
// program runs are added here by the subsystems that own them.
#pragma once

#include <memory>
#include <string>

#include "state/inbox.h"
#include "state/random.h"
#include "state/session.h"
#include "state/world.h"

namespace cw {

struct Game {
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Zeroes every table and sets the date to week 1 of 1980.
    void reset();

    SaveImage& tables() { return *image; }
    const SaveImage& tables() const { return *image; }
    World& world() { return image->world; }
    const World& world() const { return image->world; }

    // The raw save image, byte for byte as a save file holds it.
    unsigned char* imageBytes() { return reinterpret_cast<unsigned char*>(image.get()); }
    const unsigned char* imageBytes() const { return reinterpret_cast<const unsigned char*>(image.get()); }

    std::unique_ptr<SaveImage> image;
    i32 currentYear = 1980;
    i32 currentWeek = 1;
    Random rng;
    // Set when the game has ended (end year, bankruptcy, takeover, cheating);
    // no further week is played and nothing is saved.
    bool gameOver = false;

    Inbox inbox;
    Session session;
    // The program folder: the shipped data, pictures, sounds, mods and
    // languages are read from it.
    std::string programFolder = ".";
    // Where the game writes its saves, play time, high score, names and
    // its own mods (state/game_folders.h); empty: the program folder.
    std::string userFolder;
    const std::string& writableFolder() const { return userFolder.empty() ? programFolder : userFolder; }
};

}  // namespace cw
