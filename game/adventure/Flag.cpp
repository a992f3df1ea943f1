#include "Flag.h"

#include "Cast.h"
#include "app/Debug.h"
#include "files/Serializer.h"


void Flag::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Flag", name);
    serializer.SerializeInt("start value", &startValue);
    GameElement::Serialize(serializer, name);
    serializer.EndSection();
}

void Flag::SerializeState(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Flag", name);
    serializer.SerializeInt("value", &value);
    GameElement::SerializeState(serializer, name);
    serializer.EndSection();
}

void Flag::Dump() const
{
    LogPrint("%s = %d  (start-val=%d)\n", Cast::GetInstance().GetFullName(this).c_str(), value, startValue);
}
