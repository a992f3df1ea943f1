#pragma once

// Every output of the generator in one list, with what it is made from.
// An output is a set of files and folders below RUN_DIR, made by one
// function that writes them below the working directory; it is kept in the
// cache as one entry (a bundle of its files) under the digest of its inputs.
// Besides the files listed here, every output is made from the generator's
// program and the system files of SystemInputs().
//
// The intro movie is not in this list: it is made by its own program,
// zephyra-content-intro, beside the others, so that its key holds only its
// own code and a change to a room does not draw the movie again.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace content {

struct ContentOutput {
    std::string name;                          // its cache entry and messages: "fonts", "room-roomstrand"
    std::vector<std::string> paths;            // what it writes, relative to RUN_DIR, '/' between folders (UTF-8)
    std::vector<std::filesystem::path> inputs; // source files it reads: scores, lists
    std::function<bool()> make;                // writes `paths` below the working directory
};

const std::vector<ContentOutput>& ContentOutputs();

} // namespace content
