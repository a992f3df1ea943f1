#include "ElementFactory.h"

#include <string>

std::unique_ptr<GameElement> CreateElement(std::string_view className)
{
    constexpr std::string_view prefix = "class ";
    if (className.starts_with(prefix))
        className.remove_prefix(prefix.size());
    return ElementFactory::GetInstance().Create(std::string(className));
}
