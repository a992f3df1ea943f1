#pragma once

#include "GameElement.h"

#include <cstdint>

// A named integer that scripts and conversations set and test.
class Flag : public GameElement {
public:
    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;
    void Draw() override {}
    void Update(float /*dt*/) override {}
    void Reset() override { value = startValue; }

    // Logs the flag's full name (as the cast knows it), value and start value.
    void Dump() const;

    std::int32_t GetValue() const { return value; }
    void SetValue(std::int32_t newValue) { value = newValue; }
    std::int32_t GetStartValue() const { return startValue; }
    void SetStartValue(std::int32_t newValue) { startValue = newValue; }

private:
    std::int32_t startValue = 0;
    std::int32_t value = 0;
};
