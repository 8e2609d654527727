#pragma once

#include <QByteArray>
#include <QImage>

// Encodes a picture as JPEG with libjpeg, for pictures of other shapes and kinds
// than the stored one: a Grayscale8 image gives one component, any other three.
QByteArray encodeJpeg(const QImage &picture, bool progressive = false);

// The program's stored picture, as compiled into it.
QByteArray storedPicture();
