// Files of the game folder, whose names compare without regard to letter case.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cw {

// The full path of the file `name` in `folder` whatever its letter case;
// empty when there is none.
std::string existingFileNoCase(const std::string& folder, const std::string& name);

// The same, but the path as given when there is no such file yet, for a
// file about to be written.
std::string findFileNoCase(const std::string& folder, const std::string& name);

// Opens a file for reading, but only a regular file: a folder, a FIFO or a
// device is refused at once (EINVAL) rather than read or waited on. Returns
// the descriptor, or -1 with errno set.
int openRegularFile(const std::string& path);

// Reads a whole regular file. Returns 0 and its bytes, or the error's code.
int readRegularFile(const std::string& path, std::string& bytes);

// A name beside `path` for a file that is written and then renamed onto
// `path`: path + "." + the process id + "-" + a counter of this run + ".new",
// so no two temporary files of this or any other run share a name.
std::string temporaryName(const std::string& path);

// Whether the file name `name` is a temporary name of the file name
// `finalName` (letter case aside), including the fixed finalName + ".new"
// that older builds used.
bool isTemporaryOf(const std::string& name, const std::string& finalName);

// Reads up to `count` lines of a text file, each without its line end
// (LF or CR LF). False when the file cannot be opened.
bool readFirstLines(const std::string& path, std::vector<std::string>& lines, std::size_t count);

}  // namespace cw
