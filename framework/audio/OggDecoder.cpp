#include "OggDecoder.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace {

std::size_t ReadSource(void* destination, std::size_t size, std::size_t count, void* user)
{
    auto* source = static_cast<OggDecoder::Source*>(user);
    if (size == 0)
        return 0;
    const std::size_t wanted = std::min(count, (source->size - source->position) / size);
    std::memcpy(destination, source->data + source->position, wanted * size);
    source->position += wanted * size;
    return wanted;
}

// Read only, no seeking: libvorbisfile then decodes straight through, and a
// damaged page is a hole it reports and passes, where its seeking open would
// scan the whole file for links and give up on a damaged one. Starting over
// is a reopen.
const ov_callbacks memoryCallbacks = {ReadSource, nullptr, nullptr, nullptr};

} // namespace

OggDecoder::OggDecoder()
    : file(std::make_unique<OggVorbis_File>())
{
}

OggDecoder::~OggDecoder()
{
    Release();
}

int OggDecoder::Open(MallocBytes fileBytes, std::size_t size)
{
    Release();
    bytes = std::move(fileBytes);
    source = Source{bytes.get(), bytes != nullptr ? size : 0, 0};
    return Reopen();
}

int OggDecoder::Reopen()
{
    CloseDecoder();
    source.position = 0;
    if (source.data == nullptr)
        return OV_EREAD;
    // On failure libvorbisfile has cleared the decoder itself.
    const int result = ov_open_callbacks(&source, file.get(), nullptr, 0, memoryCallbacks);
    open = result == 0;
    if (open && GetChannels() <= 0) {
        CloseDecoder();
        return OV_EBADHEADER;
    }
    return result;
}

void OggDecoder::Release()
{
    CloseDecoder();
    bytes.reset();
    source = Source{};
}

void OggDecoder::CloseDecoder()
{
    if (open)
        ov_clear(file.get());
    open = false;
}

long OggDecoder::GetRate() const
{
    const vorbis_info* info = open ? ov_info(file.get(), -1) : nullptr;
    return info != nullptr ? info->rate : 0;
}

int OggDecoder::GetChannels() const
{
    const vorbis_info* info = open ? ov_info(file.get(), -1) : nullptr;
    return info != nullptr ? info->channels : 0;
}

long OggDecoder::Read(std::uint8_t* buffer, int maxBytes)
{
    if (!open)
        return OV_EINVAL;
    int bitstream = 0;
    return ov_read(file.get(), reinterpret_cast<char*>(buffer), maxBytes, 0, 2, 1, &bitstream);
}
