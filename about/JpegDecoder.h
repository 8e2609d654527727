#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace renkalo {

// What a JPEG stream's headers say about it.
struct JpegInfo {
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    // JFIF density: unit 0 (aspect ratio only), 1 (dots per inch) or 2 (dots per cm);
    // all zero when the stream has no JFIF header.
    int densityUnit = 0;
    int xDensity = 0;
    int yDensity = 0;
};

// A decoded picture, or the reason there is none.
struct JpegDecodeResult {
    QImage image; // RGB888; null on failure
    JpegInfo info;
    QString error; // empty on success

    bool ok() const { return error.isEmpty(); }
};

// Decodes a complete JPEG stream held in memory with libjpeg. Damaged, truncated
// or foreign data is a failure with libjpeg's own text: the library's warnings about
// corrupt data count as failures too, since it would otherwise paint the missing
// part grey and call that a picture.
JpegDecodeResult decodeJpeg(QByteArrayView bytes);

} // namespace renkalo
