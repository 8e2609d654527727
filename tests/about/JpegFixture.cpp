#include "JpegFixture.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

QByteArray encodeJpeg(const QImage &picture, bool progressive)
{
    const bool gray = picture.format() == QImage::Format_Grayscale8;
    const QImage source = gray ? picture : picture.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(source.width());
    cinfo.image_height = JDIMENSION(source.height());
    cinfo.input_components = gray ? 1 : 3;
    cinfo.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(source.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray storedPicture()
{
    QFile file(QStringLiteral(":/About.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
