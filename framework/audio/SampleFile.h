#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

// How sound files are found and read. A sample name is relative to the data
// folder: a name without a dot gets the file type's extension appended, a
// name with a dot must end in that extension (letter case aside).

// "data\" + the name (with `extension`, such as ".WAV", appended when the name
// has no dot); empty when the name has a dot and ends otherwise.
std::string SampleFilePath(const std::string& name, const char* extension);
// Whether the name is of that type and the file exists (archive members
// count).
bool SampleFileExists(const std::string& name, const char* extension);

struct MallocDeleter {
    void operator()(std::uint8_t* bytes) const { std::free(bytes); }
};
// Bytes from malloc, which the decoded PCM may take over in place.
using MallocBytes = std::unique_ptr<std::uint8_t, MallocDeleter>;

enum class SampleFileRead { read, failed, outOfMemory };

// Reads the whole file into one allocation of its exact size (null for an
// empty file). A file that cannot be opened or read whole is logged here;
// running out of memory is left to the caller, whose message it is.
SampleFileRead ReadSampleFile(const std::string& path, MallocBytes& bytes, std::size_t& size);
