#include "Serializer.h"

// Defined here so that the class's virtual table has one home.
Serializer::~Serializer() = default;

bool Serializer::IsReading() const
{
    return !IsWriting();
}
