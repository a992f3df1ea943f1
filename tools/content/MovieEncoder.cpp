#include "MovieEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <vector>

namespace {

std::string Describe(const char* what, int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return std::string(what) + ": " + text;
}

struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScalerDeleter {
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

using CodecContext = std::unique_ptr<AVCodecContext, CodecContextDeleter>;

} // namespace

struct MovieEncoder::State {
    AVFormatContext* format = nullptr;
    CodecContext video;
    CodecContext audio;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    std::unique_ptr<AVFrame, FrameDeleter> picture;
    std::unique_ptr<AVFrame, FrameDeleter> sound;
    std::unique_ptr<AVPacket, PacketDeleter> packet;
    std::unique_ptr<SwsContext, ScalerDeleter> scaler;
    int width = 0;
    int height = 0;
    int samplesPerPacket = 0;
    std::int64_t framesAdded = 0;
    std::int64_t soundFramesWritten = 0;
    std::vector<std::int16_t> pendingSamples;
    bool headerWritten = false;

    ~State()
    {
        if (format != nullptr) {
            if (format->pb != nullptr)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    // Sends one frame (or the flush, for null) and writes what comes out.
    bool Encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame, std::string& error)
    {
        int result = avcodec_send_frame(codec, frame);
        if (result < 0) {
            error = Describe("cannot encode", result);
            return false;
        }
        while ((result = avcodec_receive_packet(codec, packet.get())) >= 0) {
            av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            result = av_interleaved_write_frame(format, packet.get());
            if (result < 0) {
                error = Describe("cannot write", result);
                return false;
            }
        }
        if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) {
            error = Describe("cannot encode", result);
            return false;
        }
        return true;
    }

    bool WriteSound(std::span<const std::int16_t> samples, std::string& error)
    {
        const int count = static_cast<int>(samples.size() / channels);
        sound->nb_samples = count;
        if (av_frame_get_buffer(sound.get(), 0) < 0 || av_frame_make_writable(sound.get()) < 0) {
            error = "out of memory for sound";
            return false;
        }
        std::copy(samples.begin(), samples.end(), reinterpret_cast<std::int16_t*>(sound->data[0]));
        sound->pts = soundFramesWritten;
        soundFramesWritten += count;
        const bool written = Encode(audio.get(), audioStream, sound.get(), error);
        av_frame_unref(sound.get());
        sound->format = AV_SAMPLE_FMT_S16;
        sound->sample_rate = sampleRate;
        av_channel_layout_default(&sound->ch_layout, channels);
        return written;
    }
};

MovieEncoder::MovieEncoder() = default;
MovieEncoder::~MovieEncoder() = default;

bool MovieEncoder::Open(const std::string& path, int width, int height, int framesPerSecond, int quantiser,
                        std::string& error)
{
    if (width <= 0 || height <= 0 || width % 2 != 0 || height % 2 != 0 || framesPerSecond <= 0 || quantiser < 1 ||
        quantiser > 31) {
        error = "unusable movie size, rate or quality";
        return false;
    }
    state = std::make_unique<State>();
    State& s = *state;
    s.width = width;
    s.height = height;
    s.samplesPerPacket = std::max(1, sampleRate / framesPerSecond);
    av_log_set_level(AV_LOG_ERROR);

    int result = avformat_alloc_output_context2(&s.format, nullptr, "avi", path.c_str());
    if (result < 0 || s.format == nullptr) {
        error = Describe("cannot make an AVI", result);
        return false;
    }
    s.format->flags |= AVFMT_FLAG_BITEXACT;
    av_opt_set(s.format, "fflags", "+bitexact", 0);

    const AVCodec* videoCodec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    const AVCodec* audioCodec = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    if (videoCodec == nullptr || audioCodec == nullptr) {
        error = "the MPEG-4 or PCM encoder is missing from this FFmpeg";
        return false;
    }
    s.video.reset(avcodec_alloc_context3(videoCodec));
    s.audio.reset(avcodec_alloc_context3(audioCodec));
    s.picture.reset(av_frame_alloc());
    s.sound.reset(av_frame_alloc());
    s.packet.reset(av_packet_alloc());
    if (!s.video || !s.audio || !s.picture || !s.sound || !s.packet) {
        error = "out of memory";
        return false;
    }

    AVCodecContext& video = *s.video;
    video.width = width;
    video.height = height;
    video.pix_fmt = AV_PIX_FMT_YUV420P;
    video.time_base = AVRational{1, framesPerSecond};
    video.framerate = AVRational{framesPerSecond, 1};
    video.gop_size = framesPerSecond;
    video.max_b_frames = 0;
    video.thread_count = 1;
    // A fixed quantiser: the encoder takes it from each frame's quality, and
    // would clamp 1 to its default lower bound of 2.
    video.flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_QSCALE;
    video.global_quality = FF_QP2LAMBDA * quantiser;
    video.qmin = 1;
    av_opt_set(video.priv_data, "flags", "+bitexact", 0);
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER)
        video.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVCodecContext& audio = *s.audio;
    audio.sample_fmt = AV_SAMPLE_FMT_S16;
    audio.sample_rate = sampleRate;
    av_channel_layout_default(&audio.ch_layout, channels);
    audio.time_base = AVRational{1, sampleRate};
    audio.flags |= AV_CODEC_FLAG_BITEXACT;

    if ((result = avcodec_open2(&video, videoCodec, nullptr)) < 0) {
        error = Describe("cannot open the MPEG-4 encoder", result);
        return false;
    }
    if ((result = avcodec_open2(&audio, audioCodec, nullptr)) < 0) {
        error = Describe("cannot open the PCM encoder", result);
        return false;
    }
    s.videoStream = avformat_new_stream(s.format, nullptr);
    s.audioStream = avformat_new_stream(s.format, nullptr);
    if (s.videoStream == nullptr || s.audioStream == nullptr ||
        avcodec_parameters_from_context(s.videoStream->codecpar, &video) < 0 ||
        avcodec_parameters_from_context(s.audioStream->codecpar, &audio) < 0) {
        error = "cannot add the streams";
        return false;
    }
    s.videoStream->time_base = video.time_base;
    s.audioStream->time_base = audio.time_base;

    s.picture->format = video.pix_fmt;
    s.picture->width = width;
    s.picture->height = height;
    if (av_frame_get_buffer(s.picture.get(), 0) < 0) {
        error = "out of memory for a picture";
        return false;
    }
    s.sound->format = AV_SAMPLE_FMT_S16;
    s.sound->sample_rate = sampleRate;
    av_channel_layout_default(&s.sound->ch_layout, channels);

    s.scaler.reset(sws_getContext(width, height, AV_PIX_FMT_BGR0, width, height, AV_PIX_FMT_YUV420P,
                                  SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr, nullptr));
    if (!s.scaler) {
        error = "cannot convert pictures to yuv420p";
        return false;
    }
    if ((result = avio_open(&s.format->pb, path.c_str(), AVIO_FLAG_WRITE)) < 0) {
        error = Describe(("cannot create <" + path + ">").c_str(), result);
        return false;
    }
    if ((result = avformat_write_header(s.format, nullptr)) < 0) {
        error = Describe("cannot write the AVI header", result);
        return false;
    }
    s.headerWritten = true;
    return true;
}

bool MovieEncoder::AddFrame(const std::uint32_t* pixels, int pitchInPixels, std::string& error)
{
    if (!state || !state->headerWritten || pixels == nullptr || pitchInPixels < state->width) {
        error = "no open movie or no picture";
        return false;
    }
    State& s = *state;
    if (av_frame_make_writable(s.picture.get()) < 0) {
        error = "out of memory for a picture";
        return false;
    }
    const std::uint8_t* source[1] = {reinterpret_cast<const std::uint8_t*>(pixels)};
    const int sourcePitch[1] = {pitchInPixels * 4};
    sws_scale(s.scaler.get(), source, sourcePitch, 0, s.height, s.picture->data, s.picture->linesize);
    s.picture->pts = s.framesAdded++;
    s.picture->quality = s.video->global_quality;
    return s.Encode(s.video.get(), s.videoStream, s.picture.get(), error);
}

bool MovieEncoder::AddSamples(std::span<const std::int16_t> samples, std::string& error)
{
    if (!state || !state->headerWritten || samples.size() % channels != 0) {
        error = "no open movie, or samples that are not stereo pairs";
        return false;
    }
    State& s = *state;
    s.pendingSamples.insert(s.pendingSamples.end(), samples.begin(), samples.end());
    const std::size_t packetSamples = static_cast<std::size_t>(s.samplesPerPacket) * channels;
    std::size_t used = 0;
    for (; s.pendingSamples.size() - used >= packetSamples; used += packetSamples) {
        if (!s.WriteSound(std::span(s.pendingSamples).subspan(used, packetSamples), error))
            return false;
    }
    s.pendingSamples.erase(s.pendingSamples.begin(), s.pendingSamples.begin() + static_cast<std::ptrdiff_t>(used));
    return true;
}

bool MovieEncoder::Finish(std::string& error)
{
    if (!state || !state->headerWritten) {
        error = "no open movie";
        return false;
    }
    State& s = *state;
    if (!s.pendingSamples.empty() && !s.WriteSound(s.pendingSamples, error))
        return false;
    if (!s.Encode(s.video.get(), s.videoStream, nullptr, error) || !s.Encode(s.audio.get(), s.audioStream, nullptr, error))
        return false;
    int result = av_write_trailer(s.format);
    if (result < 0) {
        error = Describe("cannot write the AVI index", result);
        return false;
    }
    result = avio_closep(&s.format->pb);
    state.reset();
    if (result < 0) {
        error = Describe("cannot close the movie", result);
        return false;
    }
    return true;
}
