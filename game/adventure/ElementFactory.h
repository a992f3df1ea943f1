#pragma once

// Game elements by class name, as the level's settings files name them
// ("class Room" in the object header, "Room" here). Every class that
// settings files create has one ElementRegistration in ElementFactory.cpp,
// which enters it both in the factory and in the object type names, so that
// what the serializer writes as the class is what the factory creates.
// Keeping them all in the file of CreateElement means that a program which
// creates elements only by name still links every class in.

#include "GameElement.h"
#include "app/Factory.h"
#include "files/ObjectType.h"

#include <memory>
#include <string_view>

using ElementFactory = Factory<GameElement>;

template <typename Element>
struct ElementRegistration {
    explicit ElementRegistration(const char* name) : factory(name), type(name) {}

    FactoryRegistration<GameElement, Element> factory;
    ObjectTypeRegistration<Element> type;
};

// A new element of the class; a leading "class " is dropped. Null, after
// the factory's message, for an unknown class.
std::unique_ptr<GameElement> CreateElement(std::string_view className);
