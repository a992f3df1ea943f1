#include "OggDecoder.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
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

int SeekSource(void* user, ogg_int64_t offset, int whence)
{
    auto* source = static_cast<OggDecoder::Source*>(user);
    ogg_int64_t base = 0;
    switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<ogg_int64_t>(source->position); break;
    case SEEK_END: base = static_cast<ogg_int64_t>(source->size); break;
    default: return -1;
    }
    // The size is far below the range of ogg_int64_t, so only the offset
    // can push the sum out of it.
    if (offset < -base || offset > static_cast<ogg_int64_t>(source->size) - base)
        return -1;
    source->position = static_cast<std::size_t>(base + offset);
    return 0;
}

long TellSource(void* user)
{
    return static_cast<long>(static_cast<OggDecoder::Source*>(user)->position);
}

const ov_callbacks memoryCallbacks = {ReadSource, SeekSource, nullptr, TellSource};

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
