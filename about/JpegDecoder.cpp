#include "JpegDecoder.h"

#include <csetjmp>

#include <jpeglib.h>

namespace renkalo {

namespace {

// libjpeg reports errors through a callback that must not return; it jumps back to
// decodeInto, which keeps every object with a destructor outside its own frame.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager &errorManager(j_common_ptr cinfo)
{
    // base is the first member, so the library's pointer is the manager's address.
    return *reinterpret_cast<ErrorManager *>(cinfo->err);
}

[[noreturn]] void failWithMessage(j_common_ptr cinfo)
{
    ErrorManager &errors = errorManager(cinfo);
    (*errors.base.format_message)(cinfo, errors.message);
    std::longjmp(errors.jump, 1);
}

void emitMessage(j_common_ptr cinfo, int level)
{
    // Level -1 is a warning about corrupt data; higher levels are traces.
    if (level < 0)
        failWithMessage(cinfo);
}

void outputNothing(j_common_ptr) {}

struct Decoding {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    JpegInfo info;
    QImage image;
    bool outOfMemory = false;
};

// Only trivially destructible objects live in this frame, so the long jump out of a
// libjpeg call skips no destructor.
bool decodeInto(Decoding &d, const unsigned char *data, unsigned long size)
{
    if (setjmp(d.errors.jump))
        return false;

    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, data, size);
    // The memory source never suspends (a short stream ends in a warning, which
    // fails below); the results are checked all the same, so that no source can
    // leave the scanline loop spinning.
    if (jpeg_read_header(&d.cinfo, TRUE) != JPEG_HEADER_OK)
        return false;

    d.info.width = int(d.cinfo.image_width);
    d.info.height = int(d.cinfo.image_height);
    d.info.components = d.cinfo.num_components;
    d.info.progressive = d.cinfo.progressive_mode;
    if (d.cinfo.saw_JFIF_marker) {
        d.info.densityUnit = d.cinfo.density_unit;
        d.info.xDensity = d.cinfo.X_density;
        d.info.yDensity = d.cinfo.Y_density;
    }

    d.cinfo.out_color_space = JCS_RGB;
    if (!jpeg_start_decompress(&d.cinfo))
        return false;

    d.image = QImage(int(d.cinfo.output_width), int(d.cinfo.output_height), QImage::Format_RGB888);
    if (d.image.isNull()) {
        d.outOfMemory = true;
        return false;
    }
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = d.image.scanLine(int(d.cinfo.output_scanline));
        if (jpeg_read_scanlines(&d.cinfo, &row, 1) != 1)
            return false;
    }
    return jpeg_finish_decompress(&d.cinfo);
}

} // namespace

JpegDecodeResult decodeJpeg(QByteArrayView bytes)
{
    JpegDecodeResult result;
    if (bytes.isEmpty()) {
        result.error = QStringLiteral("Empty JPEG data");
        return result;
    }

    Decoding d;
    d.cinfo.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = failWithMessage;
    d.errors.base.emit_message = emitMessage;
    d.errors.base.output_message = outputNothing;
    d.errors.message[0] = '\0';

    const bool decoded = decodeInto(d, reinterpret_cast<const unsigned char *>(bytes.data()),
                                    static_cast<unsigned long>(bytes.size()));
    // Safe also when the creation itself failed: it then has nothing to free.
    jpeg_destroy_decompress(&d.cinfo);

    result.info = d.info;
    if (decoded) {
        result.image = std::move(d.image);
    } else if (d.outOfMemory) {
        result.error = QStringLiteral("Not enough memory for a %1 x %2 picture").arg(d.info.width).arg(d.info.height);
    } else {
        result.error = QString::fromLocal8Bit(d.errors.message);
        if (result.error.isEmpty())
            result.error = QStringLiteral("Unreadable JPEG data");
    }
    return result;
}

} // namespace renkalo
