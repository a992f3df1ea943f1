#pragma once

#include "AsciiSerializer.h"

// The text format of AsciiSerializer for an object's run-time state
// (savegames): nested objects are asked for SerializeState instead of
// Serialize. Same File ownership and reading rules.
class AsciiStateSerializer : public AsciiSerializer {
public:
    using AsciiSerializer::AsciiSerializer;

    void SerializeObject(const char* name, Object* object) override;
};
