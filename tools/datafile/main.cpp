// zephyra-datafile: builds, lists, unpacks and checks datafile.dat.
//     zephyra-datafile pack DIR OUT       store every file below DIR
//     zephyra-datafile list ARCHIVE       one member a line: name, offset, size
//     zephyra-datafile extract ARCHIVE DIR
//     zephyra-datafile verify ARCHIVE     every member lies inside the file and
//                                         has a usable name of its own

#include "ArchiveWriter.h"
#include "files/DataFile.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int Usage()
{
    std::fputs("Usage: zephyra-datafile pack DIR OUT\n"
               "       zephyra-datafile list ARCHIVE\n"
               "       zephyra-datafile extract ARCHIVE DIR\n"
               "       zephyra-datafile verify ARCHIVE\n",
               stderr);
    return 2;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "zephyra-datafile: %s\n", message.c_str());
    return 1;
}

// Reads the directory; the problems found are printed.
bool ReadEntries(const std::string& path, std::vector<DataFileEntry>& entries, bool& clean)
{
    std::vector<std::string> problems;
    const bool readable = DataFile::ReadDirectoryOf(path, entries, problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "zephyra-datafile: <%s>: %s\n", path.c_str(), Windows1252::ToUtf8(problem).c_str());
    clean = readable && problems.empty();
    return readable;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty())
        return Usage();
    const std::string& command = arguments[0];
    std::string error;

    if (command == "pack" && arguments.size() == 3) {
        std::vector<ArchiveMember> members;
        if (!CollectMembers(arguments[1], members, error) || !WriteArchive(arguments[2], members, error))
            return Fail(error);
        std::printf("%zu members\n", members.size());
        return 0;
    }
    if (command == "extract" && arguments.size() == 3)
        return ExtractArchive(arguments[1], arguments[2], error) ? 0 : Fail(error);
    if ((command == "list" || command == "verify") && arguments.size() == 2) {
        std::vector<DataFileEntry> entries;
        bool clean = false;
        if (!ReadEntries(arguments[1], entries, clean))
            return 1;
        if (command == "list") {
            for (const DataFileEntry& entry : entries)
                std::printf("%s %u %u\n", Windows1252::ToUtf8(entry.name).c_str(), entry.offset, entry.size);
            return clean ? 0 : 1;
        }
        if (!clean)
            return 1;
        std::printf("%zu members, all inside the archive\n", entries.size());
        return 0;
    }
    return Usage();
}
