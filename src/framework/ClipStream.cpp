#include "ClipStream.h"

#include "ClipDecoder.h"
#include "platform/CourseError.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct TMemoryInput {
    const QByteArray* bytes;
    qint64 position = 0;
};

int ReadPacket(void* opaque, uint8_t* buffer, int size)
{
    auto* input = static_cast<TMemoryInput*>(opaque);
    const qint64 left = input->bytes->size() - input->position;
    if (left <= 0)
        return AVERROR_EOF;
    const int count = static_cast<int>(std::min<qint64>(left, size));
    std::memcpy(buffer, input->bytes->constData() + input->position, static_cast<size_t>(count));
    input->position += count;
    return count;
}

int64_t Seek(void* opaque, int64_t offset, int whence)
{
    auto* input = static_cast<TMemoryInput*>(opaque);
    const qint64 size = input->bytes->size();
    qint64 target = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return size;
    case SEEK_SET:
        target = offset;
        break;
    case SEEK_CUR:
        target = input->position + offset;
        break;
    case SEEK_END:
        target = size + offset;
        break;
    default:
        return -1;
    }
    if (target < 0 || target > size)
        return -1;
    input->position = target;
    return target;
}

struct TIoDeleter {
    void operator()(AVIOContext* io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};
struct TFormatDeleter {
    void operator()(AVFormatContext* format) const { avformat_close_input(&format); }
};
struct TCodecDeleter {
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct TFrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct TPacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct TScalerDeleter {
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

using TPacket = std::unique_ptr<AVPacket, TPacketDeleter>;

int FrameRate(const AVStream& stream)
{
    AVRational rate = stream.avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        rate = stream.r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        rate = av_inv_q(stream.time_base);
    if (rate.num <= 0 || rate.den <= 0)
        return 15;
    return std::clamp(static_cast<int>(std::lround(av_q2d(rate))), 1, 60);
}

// The decoder mends a slice whose checksum fails from the previous picture and says so only in
// its log: an error logged while a frame decodes makes that frame damaged.
thread_local bool* decodeErrorSeen = nullptr;

void NoteDecodeError(void*, int level, const char*, va_list)
{
    if (decodeErrorSeen && level <= AV_LOG_ERROR)
        *decodeErrorSeen = true;
}

} // namespace

struct TClipStream::TState {
    QString name;
    QSize size;
    int framesPerSecond = 15;
    qint64 dataBytes = 0;
    // One compressed frame each, in the order they are played.
    std::vector<TPacket> packets;
    std::unique_ptr<AVCodecContext, TCodecDeleter> codec;
    std::unique_ptr<AVFrame, TFrameDeleter> frame;
    std::unique_ptr<SwsContext, TScalerDeleter> scaler;
    // The frame the decoder would continue with without being reset.
    int next = -1;

    [[noreturn]] void Fail() const { throw TCourseError(QString("Cannot open AVI \"%1\".").arg(name)); }

    void Read(const QByteArray& bytes)
    {
        TMemoryInput input{&bytes};
        constexpr int BufferSize = 32 * 1024;
        auto* buffer = static_cast<unsigned char*>(av_malloc(BufferSize));
        if (!buffer)
            Fail();
        std::unique_ptr<AVIOContext, TIoDeleter> io(
            avio_alloc_context(buffer, BufferSize, 0, &input, ReadPacket, nullptr, ::Seek));
        if (!io) {
            av_free(buffer);
            Fail();
        }
        AVFormatContext* opened = avformat_alloc_context();
        if (!opened)
            Fail();
        opened->pb = io.get();
        opened->flags |= AVFMT_FLAG_CUSTOM_IO;
        // Only the AVI reader ever looks at the bytes; on failure it frees the context itself.
        if (avformat_open_input(&opened, nullptr, av_find_input_format("avi"), nullptr) < 0)
            Fail();
        std::unique_ptr<AVFormatContext, TFormatDeleter> format(opened);

        const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index < 0)
            Fail();
        const AVStream& stream = *format->streams[index];
        const AVCodecParameters& parameters = *stream.codecpar;
        if (parameters.width < 1 || parameters.height < 1 || parameters.width > ClipDecoder::MaxSide
            || parameters.height > ClipDecoder::MaxSide)
            Fail();
        size = QSize(parameters.width, parameters.height);
        framesPerSecond = FrameRate(stream);
        OpenDecoder(parameters);
        ReadPackets(*format, index);
        // The header counts the frames: fewer of them mean a cut file, more a damaged one.
        if (packets.empty() || (stream.nb_frames > 0 && static_cast<qint64>(packets.size()) != stream.nb_frames))
            Fail();
    }

    void OpenDecoder(const AVCodecParameters& parameters)
    {
        const AVCodec* decoder = avcodec_find_decoder(parameters.codec_id);
        if (!decoder)
            Fail();
        codec.reset(avcodec_alloc_context3(decoder));
        if (!codec || avcodec_parameters_to_context(codec.get(), &parameters) < 0)
            Fail();
        codec->thread_count = 1;
        // A slice whose checksum fails makes the frame an error.
        codec->err_recognition = AV_EF_CRCCHECK | AV_EF_EXPLODE;
        if (avcodec_open2(codec.get(), decoder, nullptr) < 0)
            Fail();
        frame.reset(av_frame_alloc());
        if (!frame)
            Fail();
    }

    // The packets are all read now, so nothing but them needs to be kept for decoding later.
    void ReadPackets(AVFormatContext& format, int streamIndex)
    {
        const qint64 framePixels = static_cast<qint64>(size.width()) * size.height();
        for (;;) {
            TPacket packet(av_packet_alloc());
            if (!packet)
                Fail();
            const int result = av_read_frame(&format, packet.get());
            if (result == AVERROR_EOF)
                return;
            if (result < 0)
                Fail();
            if (packet->stream_index != streamIndex || packet->size == 0)
                continue;
            // A packet that ends before its announced size is a cut file.
            if ((packet->flags & AV_PKT_FLAG_CORRUPT) || av_packet_make_refcounted(packet.get()) < 0)
                Fail();
            if (packets.size() >= static_cast<size_t>(ClipDecoder::MaxFrames)
                || framePixels * static_cast<qint64>(packets.size() + 1) > ClipDecoder::MaxDecodedPixels)
                Fail();
            dataBytes += packet->size;
            packets.push_back(std::move(packet));
        }
    }

    QImage Decode(int index)
    {
        if (index != next)
            avcodec_flush_buffers(codec.get());
        next = -1;
        bool errorSeen = false;
        decodeErrorSeen = &errorSeen;
        const int sent = avcodec_send_packet(codec.get(), packets[static_cast<size_t>(index)].get());
        // An intra-coded frame comes out of its own packet at once.
        const int received = sent < 0 ? sent : avcodec_receive_frame(codec.get(), frame.get());
        decodeErrorSeen = nullptr;
        if (received < 0 || errorSeen) {
            av_frame_unref(frame.get());
            Fail();
        }
        QImage image = Convert(*frame);
        av_frame_unref(frame.get());
        next = index + 1;
        return image;
    }

    QImage Convert(const AVFrame& decoded)
    {
        if ((decoded.flags & AV_FRAME_FLAG_CORRUPT) || decoded.decode_error_flags)
            Fail();
        if (decoded.width < 1 || decoded.height < 1 || decoded.width > ClipDecoder::MaxSide
            || decoded.height > ClipDecoder::MaxSide)
            Fail();
        scaler.reset(sws_getCachedContext(scaler.release(), decoded.width, decoded.height,
            static_cast<AVPixelFormat>(decoded.format), size.width(), size.height(), AV_PIX_FMT_RGB32, SWS_POINT,
            nullptr, nullptr, nullptr));
        if (!scaler)
            Fail();
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull())
            Fail();
        uint8_t* target[4] = {image.bits(), nullptr, nullptr, nullptr};
        const int targetStride[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
        if (sws_scale(scaler.get(), decoded.data, decoded.linesize, 0, decoded.height, target, targetStride) <= 0)
            Fail();
        // Clips are opaque: the top byte must read 0xff whatever the source said about alpha.
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] |= 0xff000000u;
        }
        return image;
    }
};

TClipStream::TClipStream(const QByteArray& bytes, const QString& name) : state_(std::make_unique<TState>())
{
    state_->name = name;
    // Process-wide, set once: the course keeps no log (a damaged clip is reported by the error
    // alone), and since a damaged header can ask the demuxer for any packet or index size, nothing
    // FFmpeg allocates for a clip may be larger than a whole clip file may be.
    static const bool configured = [] {
        av_log_set_callback(NoteDecodeError);
        av_max_alloc(size_t(ClipDecoder::MaxFileBytes));
        return true;
    }();
    (void)configured;
    if (bytes.size() > ClipDecoder::MaxFileBytes)
        state_->Fail();
    state_->Read(bytes);
}

TClipStream::~TClipStream() = default;

int TClipStream::FrameCount() const
{
    return static_cast<int>(state_->packets.size());
}

QSize TClipStream::FrameSize() const
{
    return state_->size;
}

int TClipStream::FramesPerSecond() const
{
    return state_->framesPerSecond;
}

qint64 TClipStream::DataBytes() const
{
    return state_->dataBytes;
}

QImage TClipStream::Frame(int index)
{
    if (index < 0 || index >= FrameCount())
        state_->Fail();
    return state_->Decode(index);
}
