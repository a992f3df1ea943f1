#pragma once

#include "Debug.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A process-wide map from a class name (exact, case-sensitive) to a function
// that creates an object of that class. Classes enter it before main runs,
// through a FactoryRegistration object placed beside each class.
template <typename Base>
class Factory {
public:
    using Creator = std::function<std::unique_ptr<Base>()>;

    static Factory& GetInstance()
    {
        static Factory factory;
        return factory;
    }

    // A name registered twice keeps its first class; the second is noted
    // (registration runs before main, before there is a log to tell).
    void Register(const std::string& name, Creator creator)
    {
        if (!creators.emplace(name, std::move(creator)).second)
            duplicates.push_back(name);
    }
    bool IsRegistered(const std::string& name) const { return creators.contains(name); }
    // The names some class tried to take a second time, in that order.
    const std::vector<std::string>& GetDuplicates() const { return duplicates; }

    // The registered class names, in name order.
    std::vector<std::string> GetNames() const
    {
        std::vector<std::string> names;
        names.reserve(creators.size());
        for (const auto& entry : creators)
            names.push_back(entry.first);
        return names;
    }

    // Logs the registered class names, one a line.
    void LogEntries() const
    {
        LogPrint("Factory Entries:\n");
        for (const auto& entry : creators)
            LogPrint("  %s\n", entry.first.c_str());
    }

    // A new object of the named class; for an unknown name a message box
    // says so and the result is null.
    std::unique_ptr<Base> Create(const std::string& name) const
    {
        const auto found = creators.find(name);
        if (found == creators.end()) {
            LogMessageBox("Factory: could not create\n\"%s\"", name.c_str());
            return nullptr;
        }
        return found->second();
    }

private:
    std::map<std::string, Creator> creators;
    std::vector<std::string> duplicates;
};

template <typename Base, typename Derived>
struct FactoryRegistration {
    explicit FactoryRegistration(const char* name)
    {
        Factory<Base>::GetInstance().Register(name, [] { return std::make_unique<Derived>(); });
    }
};
