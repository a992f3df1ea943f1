#include "InputDigest.h"

#include "HostFile.h"

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/sha.h>
}

#include <link.h>
#include <sys/stat.h>
#include <vector>

namespace content {

void InputDigest::Deleter::operator()(AVSHA* sha) const
{
    av_free(sha);
}

InputDigest::InputDigest()
    : context(av_sha_alloc())
{
    if (!context || av_sha_init(context.get(), 256) != 0)
        throw std::bad_alloc();
}

InputDigest::~InputDigest() = default;

void InputDigest::AddRaw(const void* data, std::size_t size)
{
    av_sha_update(context.get(), static_cast<const std::uint8_t*>(data), size);
}

void InputDigest::Add(std::span<const std::uint8_t> bytes)
{
    const std::uint64_t size = bytes.size();
    AddRaw(&size, sizeof size);
    AddRaw(bytes.data(), bytes.size());
}

void InputDigest::Add(std::string_view text)
{
    Add(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool InputDigest::AddFile(const std::filesystem::path& path)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadHostFile(path, bytes))
        return false;
    Add(bytes);
    return true;
}

bool InputDigest::AddRunningProgram()
{
    if (!AddFile("/proc/self/exe"))
        return false;
    // The libraries in the order the loader put them in, which is the same
    // for the same program on the same system.
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* digest) {
            struct stat status{};
            if (info->dlpi_name == nullptr || info->dlpi_name[0] != '/' || ::stat(info->dlpi_name, &status) != 0)
                return 0;
            auto& self = *static_cast<InputDigest*>(digest);
            self.Add(std::string_view(info->dlpi_name));
            const std::int64_t identity[] = {status.st_size, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
            self.AddRaw(identity, sizeof identity);
            return 0;
        },
        this);
    return true;
}

InputDigest::Bytes InputDigest::Finish()
{
    Bytes digest{};
    av_sha_final(context.get(), digest.data());
    return digest;
}

std::string InputDigest::FinishHex()
{
    const Bytes digest = Finish();
    std::string hex;
    for (const std::uint8_t byte : digest) {
        constexpr const char* digits = "0123456789abcdef";
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

InputDigest::Bytes InputDigest::Of(std::span<const std::uint8_t> bytes)
{
    InputDigest digest;
    digest.AddRaw(bytes.data(), bytes.size());
    return digest.Finish();
}

} // namespace content
