#include "BoundingBox.h"

#include "files/Serializer.h"

void BoundingBox::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("BoundingBox", name);
    serializer.SerializeInt("Left", &Left);
    serializer.SerializeInt("Top", &Top);
    serializer.SerializeInt("Right", &Right);
    serializer.SerializeInt("Bottom", &Bottom);
    serializer.EndSection();
}
