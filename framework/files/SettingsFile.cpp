#include "SettingsFile.h"

#include "File.h"
#include "StringTokens.h"
#include "app/Debug.h"

#include <algorithm>
#include <cctype>

namespace {
std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char character) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    });
    return upper;
}
} // namespace

bool SettingsFile::Load(const std::string& name)
{
    fileName = name;
    lines.clear();
    File file;
    if (!file.Open(name.c_str(), "r")) {
        LogError("Settings::Load could not open file <%s>\n", name.c_str());
        return false;
    }
    std::string line;
    while (file.ReadLine(line, maximumLineLength))
        lines.push_back(line);
    return true;
}

void SettingsFile::SetLines(const std::string& name, std::vector<std::string> newLines)
{
    fileName = name;
    lines = std::move(newLines);
}

bool SettingsFile::FindLine(std::string_view key, const char* section, std::string& line) const
{
    const std::string wantedKey = UpperCase(key);
    const std::string wantedSection = section != nullptr ? UpperCase(section) : std::string();
    bool inSection = false;
    for (const std::string& candidate : lines) {
        if (!candidate.empty() && candidate.front() == '#')
            continue;
        const StringTokens tokens(candidate);
        if (tokens.Count() == 0)
            continue;
        const std::string keyword = UpperCase(tokens.StringAt(0));
        if (keyword == "SECTION") {
            if (tokens.Count() > 1) {
                if (section != nullptr && UpperCase(tokens.StringAt(1)) == wantedSection)
                    inSection = true;
            } else {
                LogWarning("Section defined without name\n");
            }
        }
        if (keyword == "ENDSECTION")
            inSection = false;
        if ((section == nullptr || inSection) && keyword == wantedKey) {
            line = candidate;
            return true;
        }
    }
    return false;
}
