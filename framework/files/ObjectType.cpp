#include "ObjectType.h"

#include "Object.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

std::string DemangledName(const std::type_info& type)
{
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

} // namespace

ObjectType& ObjectType::GetInstance()
{
    static ObjectType registry;
    return registry;
}

void ObjectType::Register(std::type_index type, std::string name)
{
    names[type] = std::move(name);
}

std::string ObjectType::GetClassName(const Object& object) const
{
    const std::type_info& type = typeid(object);
    const auto found = names.find(std::type_index(type));
    return "class " + (found != names.end() ? found->second : DemangledName(type));
}
