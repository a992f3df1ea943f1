#include "MovieReader.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr int ioBufferSize = 16384;
constexpr int maximumChannels = 16;
constexpr int maximumInputRate = 384000;
// A frame due more than this long after the one before it (or after the
// start) is a broken time stamp, not a pause.
constexpr std::int64_t maximumFrameGapMilliseconds = 10000;

std::string Describe(const char* what, int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return std::string(what) + " (" + text + ")";
}

// The movie's bytes as FFmpeg's input.
struct MemoryInput {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;

    static int Read(void* opaque, std::uint8_t* buffer, int size)
    {
        auto& input = *static_cast<MemoryInput*>(opaque);
        const std::size_t left = input.bytes.size() - input.position;
        const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(size, 0)));
        if (count == 0)
            return AVERROR_EOF;
        std::memcpy(buffer, input.bytes.data() + input.position, count);
        input.position += count;
        return static_cast<int>(count);
    }

    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence)
    {
        auto& input = *static_cast<MemoryInput*>(opaque);
        const auto size = static_cast<std::int64_t>(input.bytes.size());
        std::int64_t target = offset;
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return size;
        case SEEK_SET:
            break;
        case SEEK_CUR:
            target += static_cast<std::int64_t>(input.position);
            break;
        case SEEK_END:
            target += size;
            break;
        default:
            return AVERROR(EINVAL);
        }
        if (target < 0 || target > size)
            return AVERROR(EINVAL);
        input.position = static_cast<std::size_t>(target);
        return target;
    }
};

struct Decoder {
    AVCodecContext* context = nullptr;
    AVStream* stream = nullptr;

    ~Decoder() { avcodec_free_context(&context); }

    bool Open(AVStream* chosen, std::string& error)
    {
        stream = chosen;
        const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
        if (codec == nullptr) {
            error = "no decoder for the movie's " + std::string(avcodec_get_name(stream->codecpar->codec_id));
            return false;
        }
        context = avcodec_alloc_context3(codec);
        if (context == nullptr || avcodec_parameters_to_context(context, stream->codecpar) < 0) {
            error = "cannot set up the decoder";
            return false;
        }
        context->thread_count = 1;
        const int result = avcodec_open2(context, codec, nullptr);
        if (result < 0) {
            error = Describe("cannot open the decoder", result);
            return false;
        }
        return true;
    }
};

void SilenceFfmpeg()
{
    av_log_set_level(AV_LOG_QUIET);
}

} // namespace

struct MovieReader::State {
    MemoryInput input;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    Decoder video;
    Decoder audio;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    int outputWidth = 0;
    int outputHeight = 0;
    std::int64_t framesDecoded = 0;
    std::int64_t lastMilliseconds = -1;
    bool ended = false;
    std::deque<Frame> frames;
    std::vector<std::int16_t> samples;

    ~State()
    {
        sws_freeContext(scaler);
        swr_free(&resampler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avformat_close_input(&format);
        if (io != nullptr)
            av_freep(&io->buffer);
        avio_context_free(&io);
    }

    bool OpenSound(std::string& error)
    {
        const AVCodecParameters& parameters = *audio.stream->codecpar;
        if (parameters.ch_layout.nb_channels <= 0 || parameters.ch_layout.nb_channels > maximumChannels ||
            parameters.sample_rate <= 0 || parameters.sample_rate > maximumInputRate) {
            error = "the movie's sound has an unusable rate or channel count";
            return false;
        }
        if (!audio.Open(audio.stream, error))
            return false;
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        if (swr_alloc_set_opts2(&resampler, &stereo, AV_SAMPLE_FMT_S16, outputRate, &audio.context->ch_layout,
                                audio.context->sample_fmt, audio.context->sample_rate, 0, nullptr) < 0 ||
            swr_init(resampler) < 0) {
            error = "cannot convert the movie's sound";
            return false;
        }
        return true;
    }

    bool TakePicture(std::string& error)
    {
        if (frame->width <= 0 || frame->height <= 0 || frame->width > maximumWidth || frame->height > maximumHeight) {
            error = "a picture of the movie has an unusable size";
            return false;
        }
        scaler = sws_getCachedContext(scaler, frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                                      outputWidth, outputHeight, AV_PIX_FMT_BGR0, SWS_BILINEAR, nullptr, nullptr,
                                      nullptr);
        if (scaler == nullptr) {
            error = "cannot convert the movie's pictures";
            return false;
        }
        std::int64_t milliseconds = 0;
        const std::int64_t stamp = frame->best_effort_timestamp;
        if (stamp != AV_NOPTS_VALUE) {
            const std::int64_t start = video.stream->start_time == AV_NOPTS_VALUE ? 0 : video.stream->start_time;
            milliseconds = av_rescale_q(stamp - start, video.stream->time_base, AVRational{1, 1000});
        } else if (video.stream->avg_frame_rate.num > 0) {
            milliseconds = av_rescale_q(framesDecoded, av_inv_q(video.stream->avg_frame_rate), AVRational{1, 1000});
        }
        const std::int64_t previous = std::max<std::int64_t>(lastMilliseconds, 0);
        milliseconds = std::max(milliseconds, previous);
        if (milliseconds - previous > maximumFrameGapMilliseconds) {
            error = "the movie's frame times jump";
            return false;
        }
        lastMilliseconds = milliseconds;
        ++framesDecoded;

        Frame& picture = frames.emplace_back();
        picture.milliseconds = static_cast<std::uint32_t>(milliseconds);
        picture.pixels.resize(static_cast<std::size_t>(outputWidth) * static_cast<std::size_t>(outputHeight));
        std::uint8_t* target[1] = {reinterpret_cast<std::uint8_t*>(picture.pixels.data())};
        const int targetPitch[1] = {outputWidth * 4};
        sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, target, targetPitch);
        return true;
    }

    bool TakeSound(std::string& error)
    {
        const int room = swr_get_out_samples(resampler, frame->nb_samples);
        if (room < 0) {
            error = "cannot convert the movie's sound";
            return false;
        }
        const std::size_t start = samples.size();
        samples.resize(start + static_cast<std::size_t>(room) * 2);
        std::uint8_t* target[1] = {reinterpret_cast<std::uint8_t*>(samples.data() + start)};
        const int converted = swr_convert(resampler, target, room, const_cast<const std::uint8_t**>(frame->extended_data),
                                          frame->nb_samples);
        if (converted < 0) {
            samples.resize(start);
            error = "cannot convert the movie's sound";
            return false;
        }
        samples.resize(start + static_cast<std::size_t>(converted) * 2);
        return true;
    }

    // Hands a packet (null: the end) to its decoder and takes what comes out.
    bool Decode(Decoder& decoder, const AVPacket* compressed, std::string& error)
    {
        int result = avcodec_send_packet(decoder.context, compressed);
        if (result < 0 && result != AVERROR_EOF) {
            error = Describe("the movie cannot be decoded", result);
            return false;
        }
        while ((result = avcodec_receive_frame(decoder.context, frame)) >= 0) {
            const bool taken = &decoder == &video ? TakePicture(error) : TakeSound(error);
            av_frame_unref(frame);
            if (!taken)
                return false;
        }
        if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) {
            error = Describe("the movie cannot be decoded", result);
            return false;
        }
        return true;
    }
};

MovieReader::MovieReader() = default;
MovieReader::~MovieReader() = default;

bool MovieReader::Open(std::span<const std::uint8_t> movie, std::string& error)
{
    SilenceFfmpeg();
    state = std::make_unique<State>();
    State& s = *state;
    s.input.bytes = movie;
    auto* buffer = static_cast<std::uint8_t*>(av_malloc(ioBufferSize));
    if (buffer != nullptr)
        s.io = avio_alloc_context(buffer, ioBufferSize, 0, &s.input, &MemoryInput::Read, nullptr, &MemoryInput::Seek);
    s.format = avformat_alloc_context();
    if (s.io == nullptr || s.format == nullptr || s.packet == nullptr || s.frame == nullptr) {
        if (s.io == nullptr)
            av_free(buffer);
        error = "out of memory";
        return false;
    }
    s.format->pb = s.io;
    s.format->flags |= AVFMT_FLAG_CUSTOM_IO;
    // Our movies are AVI files; nothing else gets to parse the bytes.
    const AVInputFormat* avi = av_find_input_format("avi");
    int result = avformat_open_input(&s.format, nullptr, avi, nullptr);
    if (result < 0) {
        error = Describe("not an AVI movie", result);
        return false;
    }
    if ((result = avformat_find_stream_info(s.format, nullptr)) < 0) {
        error = Describe("the movie's streams cannot be read", result);
        return false;
    }
    const int videoIndex = av_find_best_stream(s.format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (videoIndex < 0) {
        error = "the movie has no pictures";
        return false;
    }
    const AVCodecParameters& picture = *s.format->streams[videoIndex]->codecpar;
    if (picture.width <= 0 || picture.height <= 0 || picture.width > maximumWidth || picture.height > maximumHeight) {
        error = "the movie's pictures have an unusable size";
        return false;
    }
    if (!s.video.Open(s.format->streams[videoIndex], error))
        return false;
    s.outputWidth = picture.width;
    s.outputHeight = picture.height;
    const int audioIndex = av_find_best_stream(s.format, AVMEDIA_TYPE_AUDIO, -1, videoIndex, nullptr, 0);
    if (audioIndex >= 0) {
        s.audio.stream = s.format->streams[audioIndex];
        if (!s.OpenSound(error))
            return false;
    }
    return true;
}

int MovieReader::GetWidth() const
{
    return state ? state->video.context->width : 0;
}

int MovieReader::GetHeight() const
{
    return state ? state->video.context->height : 0;
}

bool MovieReader::HasSound() const
{
    return state && state->audio.context != nullptr;
}

bool MovieReader::SetOutputSize(int width, int height, std::string& error)
{
    if (!state || width <= 0 || height <= 0 || width > maximumWidth || height > maximumHeight) {
        error = "unusable picture size";
        return false;
    }
    state->outputWidth = width;
    state->outputHeight = height;
    return true;
}

bool MovieReader::DecodeMore(std::string& error)
{
    error.clear();
    if (!state || state->ended)
        return false;
    State& s = *state;
    for (;;) {
        const int result = av_read_frame(s.format, s.packet);
        if (result < 0) {
            s.ended = true;
            if (result != AVERROR_EOF) {
                error = Describe("the movie cannot be read", result);
                return false;
            }
            if (!s.Decode(s.video, nullptr, error) || (s.audio.context && !s.Decode(s.audio, nullptr, error)))
                return false;
            const std::int64_t announced = s.video.stream->nb_frames;
            if (announced > 0 && s.framesDecoded < announced)
                error = "the movie ends after " + std::to_string(s.framesDecoded) + " of its " +
                        std::to_string(announced) + " pictures";
            else if (s.framesDecoded == 0)
                error = "the movie has no pictures";
            return false;
        }
        Decoder* decoder = s.packet->stream_index == s.video.stream->index ? &s.video
                           : (s.audio.stream && s.packet->stream_index == s.audio.stream->index) ? &s.audio
                                                                                                  : nullptr;
        const bool decoded = decoder == nullptr || s.Decode(*decoder, s.packet, error);
        av_packet_unref(s.packet);
        if (!decoded) {
            s.ended = true;
            return false;
        }
        if (decoder != nullptr)
            return true;
    }
}

std::deque<MovieReader::Frame>& MovieReader::GetFrames()
{
    return state->frames;
}

std::vector<std::int16_t>& MovieReader::GetSamples()
{
    return state->samples;
}

} // namespace platform
