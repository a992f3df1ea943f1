#pragma once

#include "SettingsFile.h"
#include "StringTokens.h"
#include "app/Singleton.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// The loaded settings files and typed lookups in them. Every file is loaded
// once per run; a lookup asks the files in load order and the first that has
// the key wins. Each typed value is read once and then answered from a cache
// per section. A null section searches every line of every file; the game's
// own lookups all pass null. A missing setting is logged and reads as "", 0,
// 0.0 or false.
class SettingsManager : public Singleton<SettingsManager> {
public:
    bool LoadSettings(const std::string& fileName);

    std::string GetString(const std::string& key, const char* section = nullptr);
    int GetInt(const std::string& key, const char* section = nullptr);
    float GetFloat(const std::string& key, const char* section = nullptr);
    bool GetBool(const std::string& key, const char* section = nullptr);
    // The whole setting line; the key is token 0.
    StringTokens GetTokens(const std::string& key, const char* section = nullptr);
    bool FindSetting(const std::string& key, const char* section, std::string& line);

private:
    struct SectionCache {
        std::map<std::string, std::string> strings;
        std::map<std::string, int> ints;
        std::map<std::string, float> floats;
        std::map<std::string, bool> bools;
    };

    template <typename Value, typename Read>
    Value Lookup(std::map<std::string, Value> SectionCache::*map, const std::string& key, const char* section, Read read);

    std::vector<std::unique_ptr<SettingsFile>> files;
    std::map<std::string, SectionCache> caches;
};
