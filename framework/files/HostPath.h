#pragma once

#include <string>
#include <string_view>

// The host's name for a file the game names Windows style ("data\config.txt"):
// backslashes become slashes and Windows-1252 becomes UTF-8.
std::string HostPath(std::string_view gamePath);
