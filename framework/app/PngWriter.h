#pragma once

#include "platform/Picture.h"

#include <string>

// Writes a picture as an 8-bit RGB PNG file (screenshots for people; the
// game's own images are BMP).
bool WritePng(const std::string& hostPath, const platform::Picture& picture);
