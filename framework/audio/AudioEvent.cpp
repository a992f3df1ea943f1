#include "AudioEvent.h"

#include "files/Serializer.h"

void AudioEvent::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("AudioEvent", name);
    serializer.SerializeBool("is 3d", &is3d);
    serializer.SerializeBool("is looping", &isLooping);
    serializer.SerializeFloat("volume", &volume);
    serializer.SerializeFloat("volume variation", &volumeVariation);
    serializer.SerializeFloat("pitch", &pitch);
    serializer.SerializeFloat("pitch variation", &pitchVariation);
    serializer.SerializeFloat("priority", &priority);
    serializer.SerializeFloat("minDistance", &minDistance);
    serializer.SerializeFloat("maxDistance", &maxDistance);
    serializer.SerializeInt("soundGroup", &soundGroup);
    serializer.EndSection();

    // Written as "not above" so that a value that reads as NaN is clamped
    // too; the distances must stay at least one pixel for the attenuation.
    if (!(priority >= 0.0f))
        priority = 0.0f;
    else if (priority > 1.0f)
        priority = 1.0f;
    if (!(minDistance > 1.0f))
        minDistance = 1.0f;
    if (!(maxDistance > 1.0f))
        maxDistance = 1.0f;
}
