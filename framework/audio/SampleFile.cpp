#include "SampleFile.h"

#include "app/Debug.h"
#include "files/File.h"

#include <cctype>

std::string SampleFilePath(const std::string& name, const char* extension)
{
    const std::string wanted(extension + 1); // without the dot
    if (name.find('.') == std::string::npos)
        return "data\\" + name + extension;
    if (name.size() < wanted.size())
        return {};
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const auto letter = static_cast<unsigned char>(name[name.size() - wanted.size() + i]);
        if (std::toupper(letter) != wanted[i])
            return {};
    }
    return "data\\" + name;
}

bool SampleFileExists(const std::string& name, const char* extension)
{
    const std::string path = SampleFilePath(name, extension);
    return !path.empty() && File::Exists(path.c_str());
}

SampleFileRead ReadSampleFile(const std::string& path, MallocBytes& bytes, std::size_t& size)
{
    bytes.reset();
    size = 0;
    File file;
    if (path.empty() || !file.Open(path.c_str(), "rb")) {
        LogError("ReadSampleFile: could not open <%s>!\n", path.c_str());
        return SampleFileRead::failed;
    }
    const int length = file.GetSize();
    if (length < 0) {
        LogError("ReadSampleFile: could not read <%s>!\n", path.c_str());
        return SampleFileRead::failed;
    }
    if (length == 0)
        return SampleFileRead::read;
    bytes.reset(static_cast<std::uint8_t*>(std::malloc(static_cast<std::size_t>(length))));
    if (bytes == nullptr)
        return SampleFileRead::outOfMemory;
    if (file.Read(bytes.get(), length) != length) {
        LogError("ReadSampleFile: could not read <%s>!\n", path.c_str());
        bytes.reset();
        return SampleFileRead::failed;
    }
    size = static_cast<std::size_t>(length);
    return SampleFileRead::read;
}
