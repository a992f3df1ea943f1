#pragma once

class Serializer;

// The root of everything the game configures from text: rooms, characters,
// animations, audio events, level settings. A class declares its parameters
// once in Serialize and its run-time state once in SerializeState; the same
// function then reads, writes or edits them, depending on the Serializer it
// is handed (see Serializer.h). `name` is the instance's name, which the
// object passes on to BeginSection so that its block can be found again.
//
// Reading only stores the fields that the text holds, so an object sets its
// defaults before it calls Serialize.
class Object {
public:
    virtual ~Object() = default;

    virtual void Serialize(Serializer& /*serializer*/, const char* /*name*/) {}
    virtual void SerializeState(Serializer& /*serializer*/, const char* /*name*/) {}
};
