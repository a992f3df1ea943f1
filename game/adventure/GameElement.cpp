#include "GameElement.h"

#include "files/Serializer.h"

void GameElement::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("GameElement", name);
    serializer.EndSection();
    if (serializer.IsReading())
        Reset();
}

void GameElement::SerializeState(Serializer& serializer, const char* name)
{
    serializer.BeginSection("GameElement", name);
    serializer.EndSection();
}
