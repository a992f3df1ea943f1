#include "HostPath.h"

#include "platform/Windows1252.h"

std::string HostPath(std::string_view gamePath)
{
    std::string host = Windows1252::ToUtf8(gamePath);
    for (char& character : host) {
        if (character == '\\')
            character = '/';
    }
    return host;
}
