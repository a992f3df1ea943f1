#pragma once

#include <string>
#include <string_view>
#include <vector>

// One key-value settings file held in memory (data\config.txt and others):
//     # a comment: '#' in the very first column
//     screenwidth 1024
//     SECTION video
//     screendepth 32
//     ENDSECTION
// A setting is a key followed by its values, separated by spaces or tabs.
// Keys, section names and the two keywords compare without regard to letter
// case. Lines of other forms are ignored. A line is read up to 999 bytes;
// the rest of a longer line is dropped.
class SettingsFile {
public:
    static constexpr std::size_t maximumLineLength = 999;

    bool Load(const std::string& fileName);
    // Takes lines that are already in memory.
    void SetLines(const std::string& fileName, std::vector<std::string> lines);

    // The whole line of the first setting with this key; with a section, only
    // lines inside a section of that name count.
    bool FindLine(std::string_view key, const char* section, std::string& line) const;

    const std::string& GetFileName() const { return fileName; }
    const std::vector<std::string>& GetLines() const { return lines; }

private:
    std::string fileName;
    std::vector<std::string> lines;
};
