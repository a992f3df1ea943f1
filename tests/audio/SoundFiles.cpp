#include "SoundFiles.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

void PutUint32(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

void PutUint16(std::string& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<char>(value);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

std::string Pcm16(const std::vector<std::int16_t>& samples)
{
    std::string bytes(samples.size() * 2, '\0');
    for (std::size_t i = 0; i < samples.size(); ++i)
        PutUint16(bytes, i * 2, static_cast<std::uint16_t>(samples[i]));
    return bytes;
}

std::string MakeWav(int rate, int channels, int bits, const std::string& pcm)
{
    std::string bytes(44, '\0');
    bytes.replace(0, 4, "RIFF");
    PutUint32(bytes, 4, static_cast<std::uint32_t>(36 + pcm.size()));
    bytes.replace(8, 8, "WAVEfmt ");
    PutUint32(bytes, 16, 16);
    PutUint16(bytes, 20, 1);
    PutUint16(bytes, 22, static_cast<std::uint16_t>(channels));
    PutUint32(bytes, 24, static_cast<std::uint32_t>(rate));
    PutUint32(bytes, 28, static_cast<std::uint32_t>(rate * channels * bits / 8));
    PutUint16(bytes, 32, static_cast<std::uint16_t>(channels * bits / 8));
    PutUint16(bytes, 34, static_cast<std::uint16_t>(bits));
    bytes.replace(36, 4, "data");
    PutUint32(bytes, 40, static_cast<std::uint32_t>(pcm.size()));
    return bytes + pcm;
}

std::string MakeOgg(int rate, int channels, int frames)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.3f) != 0)
        std::abort();
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1234);

    std::string file;
    ogg_page page;
    auto appendPage = [&file, &page] {
        file.append(reinterpret_cast<const char*>(page.header), static_cast<std::size_t>(page.header_len));
        file.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
    };
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage();

    constexpr int chunk = 1024;
    for (int done = 0;; done += chunk) {
        const int count = std::min(chunk, frames - done);
        if (count > 0) {
            float** input = vorbis_analysis_buffer(&dsp, count);
            for (int i = 0; i < count; ++i)
                for (int c = 0; c < channels; ++c)
                    input[c][i] = 0.25f * static_cast<float>(std::sin((done + i) * 0.05 * (c + 1)));
            vorbis_analysis_wrote(&dsp, count);
        } else {
            vorbis_analysis_wrote(&dsp, 0);
        }
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    appendPage();
            }
        }
        if (count <= 0)
            break;
    }
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage();

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return file;
}
