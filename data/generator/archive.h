// Packing files into a deflated ZIP archive that comes out byte for byte
// the same every time.
#pragma once

#include <string>
#include <vector>

namespace datagen {

// Each file becomes a member named by its file name. False with a reason
// in `error` when the archive could not be written.
bool writeArchive(const std::string& zipPath, const std::vector<std::string>& files, std::string& error);

}  // namespace datagen
