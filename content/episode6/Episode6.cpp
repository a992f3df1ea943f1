// Episode 6, "Finale": the arrival in the base's hall and KIRA's
// hints, the scripts the whole episode shares.

#include "Episode6Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode6 {
namespace {

// Whenever the episode starts: the opening is still to come.
class ScriptEpisode6Init : public Script {
    void Run(const std::string&) override { End(); }
};

const ScriptRegistration<ScriptEpisode6Init> episode6Init("ScriptEpisode6Init");

} // namespace
} // namespace episode6
