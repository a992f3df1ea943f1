#include "SettingsManager.h"

#include "app/Debug.h"

bool SettingsManager::LoadSettings(const std::string& fileName)
{
    for (const auto& file : files) {
        if (file->GetFileName() == fileName)
            return true;
    }
    auto file = std::make_unique<SettingsFile>();
    if (!file->Load(fileName)) {
        LogError("SettingsManager::LoadSettings: could not load settings <%s>\n", fileName.c_str());
        return false;
    }
    files.push_back(std::move(file));
    return true;
}

bool SettingsManager::FindSetting(const std::string& key, const char* section, std::string& line)
{
    for (const auto& file : files) {
        if (file->FindLine(key, section, line))
            return true;
    }
    LogWarning("SettingsManager: Could not find setting <%s> in section <%s>\n", key.c_str(), section != nullptr ? section : "");
    line.clear();
    return false;
}

StringTokens SettingsManager::GetTokens(const std::string& key, const char* section)
{
    std::string line;
    FindSetting(key, section, line);
    return StringTokens(line);
}

template <typename Value, typename Read>
Value SettingsManager::Lookup(std::map<std::string, Value> SectionCache::*map, const std::string& key,
                              const char* section, Read read)
{
    auto& cache = caches[section != nullptr ? section : ""].*map;
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;
    StringTokens tokens = GetTokens(key, section);
    tokens.Skip(1);
    const Value value = read(tokens);
    cache[key] = value;
    return value;
}

std::string SettingsManager::GetString(const std::string& key, const char* section)
{
    return Lookup(&SectionCache::strings, key, section, [](StringTokens& tokens) { return tokens.NextString(); });
}

int SettingsManager::GetInt(const std::string& key, const char* section)
{
    return Lookup(&SectionCache::ints, key, section, [](StringTokens& tokens) { return tokens.NextInt(); });
}

float SettingsManager::GetFloat(const std::string& key, const char* section)
{
    return Lookup(&SectionCache::floats, key, section, [](StringTokens& tokens) { return tokens.NextFloat(); });
}

bool SettingsManager::GetBool(const std::string& key, const char* section)
{
    return Lookup(&SectionCache::bools, key, section, [](StringTokens& tokens) { return tokens.NextBool(); });
}
