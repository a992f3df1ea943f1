#pragma once

#include <map>
#include <string>
#include <typeindex>

class Object;

// The run-time class names that object headers carry ("class Room"). The
// level loader strips the "class " and hands the rest to the element factory,
// so a class created from settings files registers the same name here as
// there, with an ObjectTypeRegistration beside the class:
//     const ObjectTypeRegistration<Room> roomType("Room");
// A class that is not registered goes by its C++ name, which is the same for
// classes at global scope. Registrations happen before main and live until
// the process ends (this is not a Singleton, which tests tear down).
class ObjectType {
public:
    static ObjectType& GetInstance();

    void Register(std::type_index type, std::string name);

    // "class " followed by the name of the object's most derived class.
    std::string GetClassName(const Object& object) const;

private:
    ObjectType() = default;

    std::map<std::type_index, std::string> names;
};

template <typename T>
struct ObjectTypeRegistration {
    explicit ObjectTypeRegistration(const char* name) { ObjectType::GetInstance().Register(typeid(T), name); }
};
