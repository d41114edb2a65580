#include "PictureDecoding.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>
#include <png.h>

// Both C libraries report errors by calling back into us; we leave their frames with longjmp. The
// functions that call setjmp keep all their state in a job object owned by the caller and create
// nothing with a destructor, so that jumping out skips no cleanup.

namespace PictureDecoding {

namespace {

bool SizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && width * height <= MaxPixels;
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// --- JPEG ---------------------------------------------------------------------------------------

struct JpegJob {
    jpeg_error_mgr errors; // first, so that the library's error pointer is the job itself
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    jpeg_decompress_struct info;
    const QByteArray* data = nullptr;
    QImage* out = nullptr;
};

[[noreturn]] void JpegFail(j_common_ptr info)
{
    JpegJob* job = reinterpret_cast<JpegJob*>(info->err);
    (*info->err->format_message)(info, job->message);
    std::longjmp(job->jump, 1);
}

void JpegMessage(j_common_ptr info, int level)
{
    // Warnings mean damaged data (a cut-off file, a bad code): the picture would be partly grey.
    // Only notes about unusual but harmless headers are let through.
    if (level < 0 && info->err->msg_code != JWRN_JFIF_MAJOR && info->err->msg_code != JWRN_ADOBE_XFORM)
        JpegFail(info);
}

void JpegQuiet(j_common_ptr) {}

bool RunJpeg(JpegJob& job)
{
    std::memset(&job.info, 0, sizeof(job.info));
    job.info.err = jpeg_std_error(&job.errors);
    job.errors.error_exit = JpegFail;
    job.errors.emit_message = JpegMessage;
    job.errors.output_message = JpegQuiet;
    if (setjmp(job.jump)) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_create_decompress(&job.info);
    jpeg_mem_src(&job.info, reinterpret_cast<const unsigned char*>(job.data->constData()),
                 static_cast<unsigned long>(job.data->size()));
    jpeg_read_header(&job.info, TRUE);
    if (!SizeAllowed(job.info.image_width, job.info.image_height)) {
        std::snprintf(job.message, sizeof(job.message), "picture too large (%u x %u)", job.info.image_width,
                      job.info.image_height);
        jpeg_destroy_decompress(&job.info);
        return false;
    }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    job.info.out_color_space = JCS_EXT_BGRX;
#else
    job.info.out_color_space = JCS_EXT_XRGB;
#endif
    jpeg_start_decompress(&job.info);
    *job.out = QImage(int(job.info.output_width), int(job.info.output_height), QImage::Format_RGB32);
    if (job.out->isNull() || job.info.output_components != 4) {
        std::snprintf(job.message, sizeof(job.message), "cannot hold the decoded picture");
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = job.out->scanLine(int(job.info.output_scanline));
        if (jpeg_read_scanlines(&job.info, &row, 1) != 1) {
            std::snprintf(job.message, sizeof(job.message), "picture data ends too soon");
            jpeg_destroy_decompress(&job.info);
            return false;
        }
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return true;
}

// --- PNG ----------------------------------------------------------------------------------------

struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const QByteArray* data = nullptr;
    qsizetype offset = 0;
    QImage* out = nullptr;
    std::vector<png_bytep> rows;
    char message[200] = {};
};

[[noreturn]] void PngFail(png_structp png, png_const_charp message)
{
    PngJob* job = static_cast<PngJob*>(png_get_error_ptr(png));
    std::snprintf(job->message, sizeof(job->message), "%s", message ? message : "damaged PNG data");
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void PngRead(png_structp png, png_bytep to, png_size_t length)
{
    PngJob* job = static_cast<PngJob*>(png_get_io_ptr(png));
    const qsizetype left = job->data->size() - job->offset;
    if (qsizetype(length) > left)
        png_error(png, "picture data ends too soon");
    std::memcpy(to, job->data->constData() + job->offset, length);
    job->offset += qsizetype(length);
}

bool RunPng(PngJob& job)
{
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, PngFail, PngWarning);
    if (!job.png)
        return false;
    job.info = png_create_info_struct(job.png);
    if (!job.info) {
        png_destroy_read_struct(&job.png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(job.png))) {
        png_destroy_read_struct(&job.png, &job.info, nullptr);
        return false;
    }
    png_set_read_fn(job.png, &job, PngRead);
    png_set_user_limits(job.png, MaxSide, MaxSide);
    png_set_chunk_malloc_max(job.png, 8 * 1024 * 1024);
    png_read_info(job.png, job.info);

    const png_uint_32 width = png_get_image_width(job.png, job.info);
    const png_uint_32 height = png_get_image_height(job.png, job.info);
    if (!SizeAllowed(width, height))
        png_error(job.png, "picture too large");
    const int colourType = png_get_color_type(job.png, job.info);
    const int bitDepth = png_get_bit_depth(job.png, job.info);
    if (bitDepth == 16)
        png_set_strip_16(job.png);
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(job.png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(job.png);
    if (png_get_valid(job.png, job.info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(job.png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(job.png);
    // QImage::Format_ARGB32 is one 32-bit word per pixel: B, G, R, A in memory on little endian.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(job.png);
    png_set_filler(job.png, 0xFF, PNG_FILLER_AFTER);
#else
    png_set_swap_alpha(job.png);
    png_set_filler(job.png, 0xFF, PNG_FILLER_BEFORE);
#endif
    png_set_interlace_handling(job.png);
    png_read_update_info(job.png, job.info);
    if (png_get_rowbytes(job.png, job.info) != png_size_t(width) * 4)
        png_error(job.png, "unsupported pixel layout");

    *job.out = QImage(int(width), int(height), QImage::Format_ARGB32);
    if (job.out->isNull())
        png_error(job.png, "cannot hold the decoded picture");
    job.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        job.rows[y] = job.out->scanLine(int(y));
    png_read_image(job.png, job.rows.data());
    png_read_end(job.png, nullptr);
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return true;
}

// --- BMP ----------------------------------------------------------------------------------------

// Qt's reader accepts some cut-off files and fills the missing rows; an uncompressed bitmap must
// hold every row its header promises.
bool BmpComplete(const QByteArray& data)
{
    if (data.size() < 54)
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const quint32 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    if (headerSize < 40)
        return true; // the old OS/2 header; Qt's reader checks it
    const qint64 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint64 height = qFromLittleEndian<qint32>(bytes + 22);
    const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    if (compression != 0 && compression != 3)
        return true; // run-length coded rows have no fixed size
    const qint64 rows = height < 0 ? -height : height;
    // A damaged header's sizes would overflow the row count below; no such picture can be whole.
    if (width <= 0 || width > MaxSide || rows == 0 || rows > MaxSide || bitCount == 0 || bitCount > 32)
        return false;
    const qint64 rowBytes = ((width * bitCount + 31) / 32) * 4;
    return qint64(pixelOffset) + rowBytes * rows <= data.size();
}

} // namespace

QImage Jpeg(const QByteArray& data, QString* error)
{
    QImage image;
    JpegJob job;
    job.data = &data;
    job.out = &image;
    job.message[0] = '\0';
    if (data.isEmpty()) {
        SetError(error, "empty file");
        return QImage();
    }
    if (!RunJpeg(job)) {
        SetError(error, QString::fromLatin1(job.message));
        return QImage();
    }
    return image;
}

QImage Png(const QByteArray& data, QString* error)
{
    QImage image;
    PngJob job;
    job.data = &data;
    job.out = &image;
    if (data.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(data.constData()), 0, 8) != 0) {
        SetError(error, "not a PNG file");
        return QImage();
    }
    if (!RunPng(job)) {
        SetError(error, job.message[0] ? QString::fromLatin1(job.message) : QString("damaged PNG data"));
        return QImage();
    }
    return image;
}

QImage Bmp(const QByteArray& data, QString* error)
{
    if (!data.startsWith("BM")) {
        SetError(error, "not a BMP file");
        return QImage();
    }
    if (!BmpComplete(data)) {
        SetError(error, "picture data ends too soon");
        return QImage();
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || !SizeAllowed(size.width(), size.height())) {
        SetError(error, size.isValid() ? QString("picture too large") : reader.errorString());
        return QImage();
    }
    QImage image = reader.read();
    if (image.isNull()) {
        SetError(error, reader.errorString());
        return QImage();
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace PictureDecoding
