#include "AviWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr int MaxSide = 4096;

// The muxer writes through this: it seeks back to fill in the headers once the frames are known.
struct TMemoryOutput {
    QByteArray bytes;
    qint64 position = 0;
};

int WritePacket(void* opaque, uint8_t* data, int size)
{
    auto* output = static_cast<TMemoryOutput*>(opaque);
    const qint64 end = output->position + size;
    if (end > output->bytes.size())
        output->bytes.resize(end);
    std::memcpy(output->bytes.data() + output->position, data, static_cast<size_t>(size));
    output->position = end;
    return size;
}

int64_t Seek(void* opaque, int64_t offset, int whence)
{
    auto* output = static_cast<TMemoryOutput*>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return output->bytes.size();
    case SEEK_SET:
        output->position = offset;
        break;
    case SEEK_CUR:
        output->position += offset;
        break;
    case SEEK_END:
        output->position = output->bytes.size() + offset;
        break;
    default:
        return -1;
    }
    if (output->position < 0)
        output->position = 0;
    return output->position;
}

void Check(int result, const char* step)
{
    if (result < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(result, text, sizeof text);
        throw std::runtime_error(std::string("EncodeAvi: ") + step + ": " + text);
    }
}

struct TFormatDeleter {
    void operator()(AVFormatContext* format) const
    {
        if (format->pb) {
            av_freep(&format->pb->buffer);
            avio_context_free(&format->pb);
        }
        avformat_free_context(format);
    }
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

// Moves every packet the encoder has ready into the file.
void Drain(AVCodecContext* codec, AVFormatContext* format, AVStream* stream, AVPacket* packet)
{
    for (;;) {
        const int result = avcodec_receive_packet(codec, packet);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return;
        Check(result, "encoding a frame");
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        Check(av_interleaved_write_frame(format, packet), "writing a frame");
    }
}

} // namespace

QByteArray EncodeAvi(const std::vector<QImage>& frames, int framesPerSecond)
{
    if (frames.empty())
        throw std::invalid_argument("EncodeAvi: no frames");
    if (framesPerSecond < 1 || framesPerSecond > 100)
        throw std::invalid_argument("EncodeAvi: frame rate out of range");
    const QSize size = frames.front().size();
    if (size.width() < 1 || size.height() < 1 || size.width() > MaxSide || size.height() > MaxSide)
        throw std::invalid_argument("EncodeAvi: bad frame size");
    for (const QImage& frame : frames)
        if (frame.size() != size)
            throw std::invalid_argument("EncodeAvi: frames differ in size");

    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_FFV1);
    if (!encoder)
        throw std::runtime_error("EncodeAvi: no FFV1 encoder");

    AVFormatContext* rawFormat = nullptr;
    Check(avformat_alloc_output_context2(&rawFormat, nullptr, "avi", nullptr), "creating the container");
    std::unique_ptr<AVFormatContext, TFormatDeleter> format(rawFormat);

    TMemoryOutput output;
    constexpr int BufferSize = 64 * 1024;
    auto* buffer = static_cast<unsigned char*>(av_malloc(BufferSize));
    if (!buffer)
        throw std::runtime_error("EncodeAvi: out of memory");
    format->pb = avio_alloc_context(buffer, BufferSize, 1, &output, nullptr, WritePacket, Seek);
    if (!format->pb) {
        av_free(buffer);
        throw std::runtime_error("EncodeAvi: out of memory");
    }
    format->flags |= AVFMT_FLAG_CUSTOM_IO;

    std::unique_ptr<AVCodecContext, TCodecDeleter> codec(avcodec_alloc_context3(encoder));
    codec->width = size.width();
    codec->height = size.height();
    codec->pix_fmt = AV_PIX_FMT_0RGB32;
    codec->time_base = AVRational{1, framesPerSecond};
    codec->framerate = AVRational{framesPerSecond, 1};
    // Every frame a key frame, and every slice with a checksum: a damaged frame is noticed and
    // spoils only itself.
    codec->gop_size = 1;
    codec->level = 3;
    codec->thread_count = 1;
    av_opt_set(codec->priv_data, "coder", "range_def", 0);
    av_opt_set_int(codec->priv_data, "slicecrc", 1, 0);
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(codec.get(), encoder, nullptr), "opening the encoder");

    AVStream* stream = avformat_new_stream(format.get(), nullptr);
    if (!stream)
        throw std::runtime_error("EncodeAvi: cannot add a stream");
    stream->time_base = codec->time_base;
    stream->avg_frame_rate = codec->framerate;
    Check(avcodec_parameters_from_context(stream->codecpar, codec.get()), "describing the stream");
    Check(avformat_write_header(format.get(), nullptr), "writing the header");

    std::unique_ptr<AVFrame, TFrameDeleter> frame(av_frame_alloc());
    std::unique_ptr<AVPacket, TPacketDeleter> packet(av_packet_alloc());
    frame->format = codec->pix_fmt;
    frame->width = codec->width;
    frame->height = codec->height;
    Check(av_frame_get_buffer(frame.get(), 0), "allocating a frame");

    const size_t rowBytes = static_cast<size_t>(size.width()) * 4;
    for (size_t index = 0; index < frames.size(); ++index) {
        const QImage image = frames[index].convertToFormat(QImage::Format_RGB32);
        Check(av_frame_make_writable(frame.get()), "preparing a frame");
        for (int y = 0; y < size.height(); ++y)
            std::memcpy(frame->data[0] + static_cast<ptrdiff_t>(y) * frame->linesize[0], image.constScanLine(y), rowBytes);
        frame->pts = static_cast<int64_t>(index);
        Check(avcodec_send_frame(codec.get(), frame.get()), "encoding a frame");
        Drain(codec.get(), format.get(), stream, packet.get());
    }
    Check(avcodec_send_frame(codec.get(), nullptr), "finishing the encoding");
    Drain(codec.get(), format.get(), stream, packet.get());
    Check(av_write_trailer(format.get()), "writing the index");
    avio_flush(format->pb);
    return output.bytes;
}
