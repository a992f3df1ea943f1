#include "DebugDisplaySettings.h"

#include "files/ObjectType.h"
#include "files/Serializer.h"

namespace {
const ObjectTypeRegistration<DebugDisplaySettings> type("DebugDisplaySettings");
} // namespace

void DebugDisplaySettings::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("DebugDisplaySettings", name);
    serializer.SerializeBool("Display walk-path", &displayWalkPath);
    serializer.EndSection();
}
