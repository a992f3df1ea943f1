#include "SfxLoaderUtil.h"

#include "AudioEvent.h"
#include "SampleData.h"
#include "SampleManager.h"
#include "SoundEngine.h"
#include "app/Debug.h"
#include "files/File.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr float progressPerEntry = 0.001f;

std::function<void(float)>& ProgressStep()
{
    static std::function<void(float)> step;
    return step;
}

bool IsNone(const std::string& word)
{
    return word.size() == 4 && std::equal(word.begin(), word.end(), "none", [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

} // namespace

void SfxLoaderUtil::SetProgressStep(std::function<void(float)> step)
{
    ProgressStep() = std::move(step);
}

bool SfxLoaderUtil::LoadSoundEffects(const std::string& listFile, const std::string& sampleFolder)
{
    File file;
    if (!file.Open(listFile.c_str(), "r")) {
        LogWarning("SfxLoaderUtil::LoadSoundEffects: Failed to open <%s>!\n", listFile.c_str());
        return false;
    }
    SampleManager& samples = SampleManager::GetInstance();
    SoundEngine& engine = SoundEngine::GetInstance();
    while (!file.IsEOF()) {
        const StringTokens tokens = file.ReadTokens();
        if (tokens.GetText().starts_with('#') || tokens.Count() != 2)
            continue;
        const std::string eventName = tokens.StringAt(0);
        const std::string sampleFile = tokens.StringAt(1);
        if (IsNone(sampleFile))
            continue;
        const std::string poolName = "sample_" + sampleFile;
        if (!samples.HasSample(poolName))
            samples.AddSample(poolName, sampleFolder + sampleFile, soundEffectSampleFlags);
        AudioEvent event;
        event.sampleName = poolName;
        engine.AddAudioEvent(eventName, event);
        if (ProgressStep())
            ProgressStep()(progressPerEntry);
    }
    return true;
}
