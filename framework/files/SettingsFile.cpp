#include "SettingsFile.h"

#include "HostPath.h"
#include "StringTokens.h"
#include "app/Debug.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

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
    std::ifstream file(HostPath(name), std::ios::binary);
    if (!file) {
        LogError("Settings::Load could not open file <%s>\n", name.c_str());
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    LoadText(name, text);
    return true;
}

void SettingsFile::LoadText(const std::string& name, std::string_view text)
{
    fileName = name;
    lines.clear();
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find('\n', position);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(position, end - position);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line.substr(0, maximumLineLength));
        position = end + 1;
    }
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
