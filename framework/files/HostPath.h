#pragma once

#include <string>
#include <string_view>

// The game names files as on Windows: relative to the working directory,
// backslashes between the parts, any letter case, Windows-1252 letters
// ("data\Level01\RoomBrücke.jpg"). On the host every part is matched without
// regard to letter case against the entries of its folder (folder listings
// are cached; the cache is dropped whenever the game creates a file or a
// folder) and converted to UTF-8. Forward slashes separate parts too; a path
// that starts with one is absolute. A relative path is relative to the
// working directory, or installed to the folder GameFolders picks for it.

// The host path of an existing file, or the path as spelled when there is
// no such file.
std::string HostPath(std::string_view gamePath);

// The host path to create a file at: existing parts are matched as above,
// missing folders are created as spelled.
std::string HostPathForWriting(std::string_view gamePath);

void ForgetFolderListings();

// Windows-1252 lower case (A-Z and the accented capitals).
char LowerCaseWindows1252(char character);
std::string LowerCaseWindows1252(std::string_view text);
