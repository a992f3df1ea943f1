#pragma once

#include "files/File.h"

#include <functional>
#include <string>

// Writing one of the game's own text files (options, highscores,
// savegames): the plain text goes to "<name>.new" beside the target, is
// scrambled there and only then takes the target's place in one step. A
// crash or a failed write therefore leaves the previous file as it was,
// never a half-written or an unscrambled one.
class ScrambledTextFile {
public:
    explicit ScrambledTextFile(std::string name);
    ScrambledTextFile(const ScrambledTextFile&) = delete;
    ScrambledTextFile& operator=(const ScrambledTextFile&) = delete;
    // Removes the unfinished file unless it was committed.
    ~ScrambledTextFile();

    bool Open();
    File& GetFile() { return file; }
    // Closes, scrambles and puts the file in the target's place. False, with
    // the target as it was and the reason in the log, when any step failed.
    bool Commit();

    // The whole write: `write` fills the file. A failure is logged as
    // "<origin>: Failed to open <name>!" or "<origin>: Failed to write
    // <name>!", after the reason.
    static bool Write(const char* name, const char* origin, const std::function<void(File&)>& write);

private:
    std::string name;
    std::string unfinished;
    File file;
    bool committed = false;
};
