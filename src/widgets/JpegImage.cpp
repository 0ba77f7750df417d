// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegImage.h"

#include <QByteArray>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace {
// libjpeg reports errors through this record; the jump leads back to the step that failed.
struct ErrorManager {
    jpeg_error_mgr base; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
};

[[noreturn]] void abandon(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// libjpeg's own handlers print, and on an error end the process; damaged data would only be
// warned about and painted grey. Both stop the decoding here instead.
void onMessage(j_common_ptr info, int level) {
    if (level < 0)
        abandon(info);
}

void quiet(j_common_ptr) {}

// The two steps below hold only plain values, so leaving them by the jump skips no destructor.

bool startDecoding(jpeg_decompress_struct* info, ErrorManager* err, const QByteArray& data) {
    if (setjmp(err->jump))
        return false;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK)
        return false;
    switch (info->jpeg_color_space) {
    case JCS_GRAYSCALE:
        info->out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        info->out_color_space = JCS_RGB;
        break;
    default:
        return false;
    }
    jpeg_start_decompress(info);
    return true;
}

bool readPixels(jpeg_decompress_struct* info, ErrorManager* err, uchar* bits,
                qsizetype bytesPerLine) {
    if (setjmp(err->jump))
        return false;
    const JDIMENSION width = info->output_width;
    const int channels = info->output_components;
    // Freed with the decompressor.
    JSAMPARRAY row = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                width * static_cast<JDIMENSION>(channels), 1);
    while (info->output_scanline < info->output_height) {
        auto* out = reinterpret_cast<QRgb*>(bits + info->output_scanline * bytesPerLine);
        jpeg_read_scanlines(info, row, 1);
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < width; ++x, in += channels)
            out[x] = channels == 1 ? qRgb(in[0], in[0], in[0]) : qRgb(in[0], in[1], in[2]);
    }
    jpeg_finish_decompress(info);
    return true;
}
} // namespace

QImage decodeJpeg(const QByteArray& data) {
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = abandon;
    err.base.emit_message = onMessage;
    err.base.output_message = quiet;

    QImage image;
    if (startDecoding(&info, &err, data)) {
        image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB32);
        if (image.isNull() || !readPixels(&info, &err, image.bits(), image.bytesPerLine()))
            image = QImage();
    }
    jpeg_destroy_decompress(&info);
    return image;
}
