#pragma once

#include "SampleData.h"

#include <string>

// Decodes a whole sound file into memory. One instance of every registered
// loader type lives as long as the sample manager; the manager asks them in
// the order of their type names.
class SampleLoader {
public:
    virtual ~SampleLoader() = default;

    // Whether `name` (relative to the data folder) is a file of this type
    // that exists.
    virtual bool CanLoad(const std::string& name) = 0;
    // Decodes the file into `data`; false, with a log line, when it cannot.
    virtual bool Load(const std::string& name, SampleData& data) = 0;
};
