#pragma once

#include <string>

class Object;

// One direction of an object's Serialize function: a serializer either writes
// each field it is handed or stores into it what it reads, so an object
// declares its fields once for saving, loading and the element editor.
// Every name is a C string; a field's name is also its name in the file, so
// renaming a field orphans what older files hold for it. Values are passed
// by pointer or reference because reading stores into them; a field that the
// source does not hold keeps the value it had.
class Serializer {
public:
    Serializer() = default;
    Serializer(const Serializer&) = delete;
    Serializer& operator=(const Serializer&) = delete;
    virtual ~Serializer();

    virtual bool IsWriting() const = 0;
    virtual bool IsReading() const;

    // A point or a size.
    virtual void SerializeIntPair(const char* name, int (&values)[2]) = 0;
    // Text without double quotes: a quote inside ends the text when read.
    virtual void SerializeString(const char* name, std::string& value) = 0;
    virtual void SerializeBool(const char* name, bool* value) = 0;
    virtual void SerializeFloat(const char* name, float* value) = 0;
    // Also enumerations.
    virtual void SerializeInt(const char* name, int* value) = 0;
    // The object opens and closes its own section.
    virtual void SerializeObject(const char* name, Object* object) = 0;
    // Opens a block; fields up to the matching EndSection belong to it.
    virtual void BeginSection(const char* type, const char* name) = 0;
    virtual void EndSection() = 0;
    virtual void Comment(const char* text) = 0;
    // How the editor should present the next field ("hide", "changed",
    // "popup", "combobox [a][b]", "filename [Ogg|*.ogg]"); text serializers
    // ignore it.
    virtual void SetHint(const char* descriptor, const char* argument) = 0;
};
