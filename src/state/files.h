// Files of the game folder, whose names compare without regard to letter case.
#pragma once

#include <string>

namespace cw {

// The full path of the file `name` in `folder` whatever its letter case;
// empty when there is none.
std::string existingFileNoCase(const std::string& folder, const std::string& name);

// The same, but the path as given when there is no such file yet, for a
// file about to be written.
std::string findFileNoCase(const std::string& folder, const std::string& name);

}  // namespace cw
