// Episode 5, "Der Alienmond": the arrival on the Baron's moon and KIRA's
// hints, the scripts the whole episode shares.

#include "Episode5Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode5 {
namespace {

// Whenever the episode starts: the opening is still to come.
class ScriptEpisode5Init : public Script {
    void Run(const std::string&) override { End(); }
};

const ScriptRegistration<ScriptEpisode5Init> episode5Init("ScriptEpisode5Init");

} // namespace
} // namespace episode5
