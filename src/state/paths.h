// Where the program and its game folder are.
#pragma once

#include <string>

namespace cw {

struct ProgramLocation {
    std::string folder;    // the program folder: data, pictures, saves and the log live here
    std::string fileName;  // the program file's name with its extension
    std::string fullPath;
};

// Found from the running executable; argv0 is the fallback.
ProgramLocation locateProgram(const char* argv0);

// The program's version as four numbers joined by ".".
const char* programVersion();

}  // namespace cw
