#pragma once

// Building and unpacking datafile.dat, the game's content archive (its
// layout is described in framework/files/DataFile.h). Members are stored
// under their path relative to the packed folder, lower case, with
// backslashes ("data\level01\sprites.txt"); .txt members are scrambled.

#include <filesystem>
#include <string>
#include <vector>

struct ArchiveMember {
    std::string name;                 // as stored: Windows-1252, lower case, backslashes
    std::vector<unsigned char> bytes; // as stored: text members scrambled
};

// A stored name as a message can show it: UTF-8, control characters as '?'.
std::string Printable(const std::string& name);

// The stored name of a file at `relative` below the packed folder.
std::string MemberName(const std::filesystem::path& relative);
bool IsTextMember(const std::string& name);

// Every file below `folder`, in name order, ready to be stored. False with a
// reason when a file cannot be read, or its name does not fit the directory,
// holds a control character or is another file's too.
bool CollectMembers(const std::filesystem::path& folder, std::vector<ArchiveMember>& members, std::string& error);

// Writes an archive; the file is replaced atomically. Refuses names that
// cannot be members (see DataFile::NameProblem) and names given twice.
bool WriteArchive(const std::filesystem::path& path, const std::vector<ArchiveMember>& members, std::string& error);

// Writes the members of an archive back as files below `folder` (text
// members descrambled). Refuses what is not an archive, an archive with any
// unusable entry, and names that would leave the folder.
bool ExtractArchive(const std::filesystem::path& archive, const std::filesystem::path& folder, std::string& error);
