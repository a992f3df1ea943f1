#include "OutputBundle.h"

#include "HostFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string_view>

namespace content {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view magic = "ZCB1";

void PutNumber(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Reads forward through a bundle, never past its end.
class BundleReader {
public:
    explicit BundleReader(std::span<const std::uint8_t> all) : bytes(all) {}

    bool Number(int size, std::uint64_t& value)
    {
        if (Left() < static_cast<std::size_t>(size))
            return false;
        value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint64_t{bytes[at + static_cast<std::size_t>(i)]} << (8 * i);
        at += static_cast<std::size_t>(size);
        return true;
    }
    bool Take(std::uint64_t size, std::span<const std::uint8_t>& taken)
    {
        if (Left() < size)
            return false;
        taken = bytes.subspan(at, static_cast<std::size_t>(size));
        at += static_cast<std::size_t>(size);
        return true;
    }
    std::size_t Left() const { return bytes.size() - at; }

private:
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

// A path a bundle may hold: relative, '/' between non-empty names that are
// not "." or "..", no backslash or control character.
bool UsablePath(std::string_view path)
{
    if (path.empty() || path.size() > 0xffff || path.front() == '/' || path.back() == '/')
        return false;
    if (std::any_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\\'; }))
        return false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name.empty() || name == "." || name == "..")
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

bool BundleFiles(const fs::path& folder, std::span<const std::string> paths, std::vector<std::uint8_t>& bundle,
                 std::string& error)
{
    std::vector<std::string> names;
    for (const std::string& path : paths) {
        std::error_code code;
        if (!fs::is_directory(folder / path, code)) {
            names.push_back(path);
            continue;
        }
        for (auto walk = fs::recursive_directory_iterator(folder / path, code);
             !code && walk != fs::recursive_directory_iterator(); walk.increment(code)) {
            if (walk->is_regular_file(code))
                names.push_back(fs::relative(walk->path(), folder, code).generic_string());
        }
        if (code) {
            error = "cannot list " + (folder / path).string() + ": " + code.message();
            return false;
        }
    }
    std::sort(names.begin(), names.end());
    std::vector<std::vector<std::uint8_t>> contents(names.size());
    std::vector<BundleFile> files;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!UsablePath(names[i]) || (i > 0 && names[i] == names[i - 1])) {
            error = "cannot bundle the path " + names[i];
            return false;
        }
        if (!ReadHostFile(folder / names[i], contents[i])) {
            error = "cannot read " + (folder / names[i]).string();
            return false;
        }
        files.push_back({names[i], contents[i]});
    }
    bundle = MakeBundle(files);
    return true;
}

std::vector<std::uint8_t> MakeBundle(std::span<const BundleFile> files)
{
    std::vector<std::uint8_t> out(magic.begin(), magic.end());
    PutNumber(out, files.size(), 4);
    for (const BundleFile& file : files) {
        PutNumber(out, file.path.size(), 2);
        out.insert(out.end(), file.path.begin(), file.path.end());
        PutNumber(out, file.bytes.size(), 8);
        out.insert(out.end(), file.bytes.begin(), file.bytes.end());
    }
    return out;
}

bool ReadBundle(std::span<const std::uint8_t> bundle, std::vector<BundleFile>& files, std::string& error)
{
    files.clear();
    BundleReader reader(bundle);
    std::span<const std::uint8_t> head;
    std::uint64_t count = 0;
    if (!reader.Take(magic.size(), head) || std::memcmp(head.data(), magic.data(), magic.size()) != 0 ||
        !reader.Number(4, count)) {
        error = "not a bundle";
        return false;
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        std::uint64_t length = 0;
        std::uint64_t size = 0;
        std::span<const std::uint8_t> name;
        BundleFile file;
        if (!reader.Number(2, length) || !reader.Take(length, name) || !reader.Number(8, size) ||
            !reader.Take(size, file.bytes)) {
            error = "file " + std::to_string(i + 1) + " of " + std::to_string(count) + " is cut short";
            return false;
        }
        file.path.assign(name.begin(), name.end());
        if (!UsablePath(file.path) || (!files.empty() && file.path <= files.back().path)) {
            error = "file " + std::to_string(i + 1) + " has an unusable path";
            return false;
        }
        files.push_back(std::move(file));
    }
    if (reader.Left() != 0) {
        error = std::to_string(reader.Left()) + " bytes after the last file";
        return false;
    }
    return true;
}

bool UnpackBundle(std::span<const std::uint8_t> bundle, const fs::path& folder, std::string& error)
{
    std::vector<BundleFile> files;
    if (!ReadBundle(bundle, files, error))
        return false;
    for (const BundleFile& file : files) {
        const fs::path path = folder / file.path;
        std::error_code code;
        fs::create_directories(path.parent_path(), code);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
        if (!out.flush()) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

} // namespace content
