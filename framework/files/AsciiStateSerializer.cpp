#include "AsciiStateSerializer.h"

#include "Object.h"

void AsciiStateSerializer::SerializeObject(const char* name, Object* object)
{
    if (object == nullptr)
        return;
    WriteObjectHeader(*object);
    object->SerializeState(*this, name);
}
