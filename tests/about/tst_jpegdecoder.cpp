#include "JpegDecoder.h"
#include "JpegFixture.h"

#include <QtTest>

#include <cstdlib>

using namespace renkalo;

class TestJpegDecoder : public QObject {
    Q_OBJECT
private slots:
    void storedPicture_isTheBaselinePictureThePageShows()
    {
        const QByteArray bytes = storedPicture();
        QVERIFY(!bytes.isEmpty());
        const JpegDecodeResult decoded = decodeJpeg(bytes);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), QSize(912, 624));
        QCOMPARE(decoded.info.width, 912);
        QCOMPARE(decoded.info.height, 624);
        QCOMPARE(decoded.info.components, 3);
        QVERIFY(!decoded.info.progressive);
        // Baseline: a start-of-frame 0 header, 8-bit samples, 624 rows of 912, three
        // components (an extended or arithmetic-coded frame has another marker).
        QVERIFY(bytes.contains(QByteArray("\xFF\xC0\x00\x11\x08\x02\x70\x03\x90\x03", 10)));
        QCOMPARE(decoded.info.densityUnit, 1);
        QCOMPARE(decoded.info.xDensity, 200);
        QCOMPARE(decoded.info.yDensity, 200);
    }

    // Red, green and blue in their places: a fault in the channel order or the
    // row stride shows here.
    void colours_comeOutInPlace()
    {
        QImage quarters(64, 48, QImage::Format_RGB888);
        quarters.fill(QColor(0, 0, 255));
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 64; ++x)
                quarters.setPixelColor(x, y, x < 32 ? QColor(255, 0, 0) : QColor(0, 255, 0));
        const JpegDecodeResult decoded = decodeJpeg(encodeJpeg(quarters));
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        const auto near = [](QColor seen, QColor wanted) {
            return std::abs(seen.red() - wanted.red()) < 16 && std::abs(seen.green() - wanted.green()) < 16 &&
                   std::abs(seen.blue() - wanted.blue()) < 16;
        };
        QVERIFY(near(decoded.image.pixelColor(8, 8), Qt::red));
        QVERIFY(near(decoded.image.pixelColor(56, 8), Qt::green));
        QVERIFY(near(decoded.image.pixelColor(8, 40), Qt::blue));
        QVERIFY(near(decoded.image.pixelColor(56, 40), Qt::blue));
    }

    void otherKinds_decodeToRgb_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("components");
        QTest::addColumn<bool>("progressive");
        QImage gray(30, 20, QImage::Format_Grayscale8);
        gray.fill(128);
        QImage colour(30, 20, QImage::Format_RGB888);
        colour.fill(QColor(200, 120, 40));
        QTest::newRow("grayscale") << encodeJpeg(gray) << 1 << false;
        QTest::newRow("progressive") << encodeJpeg(colour, true) << 3 << true;
    }
    void otherKinds_decodeToRgb()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, components);
        QFETCH(bool, progressive);
        const JpegDecodeResult decoded = decodeJpeg(bytes);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), QSize(30, 20));
        QCOMPARE(decoded.image.format(), QImage::Format_RGB888);
        QCOMPARE(decoded.info.components, components);
        QCOMPARE(decoded.info.progressive, progressive);
    }

    void brokenData_isAClearFailure_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray picture = storedPicture();
        QVERIFY(picture.size() > 20000);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Renkalo.mdb is not a picture");
        QTest::newRow("png signature") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("start marker only") << picture.left(2);
        QTest::newRow("headers only") << picture.left(600);
        QTest::newRow("cut in half") << picture.left(picture.size() / 2);
        QTest::newRow("end marker missing") << picture.left(picture.size() - 2);
        QByteArray holed = picture;
        holed.replace(picture.size() / 2, 64, QByteArray(64, '\0'));
        holed[picture.size() / 2] = char(0xFF);
        holed[picture.size() / 2 + 1] = char(0xD9);
        QTest::newRow("end marker in the middle of the scan") << holed;
    }
    void brokenData_isAClearFailure()
    {
        QFETCH(QByteArray, bytes);
        const JpegDecodeResult decoded = decodeJpeg(bytes);
        QVERIFY(!decoded.ok());
        QVERIFY(!decoded.error.trimmed().isEmpty());
        QVERIFY(decoded.image.isNull());
    }

    void foreignData_saysSo()
    {
        const JpegDecodeResult decoded = decodeJpeg(QByteArray("GIF89a....."));
        QVERIFY2(decoded.error.contains(QStringLiteral("Not a JPEG file")), qPrintable(decoded.error));
    }
};

QTEST_GUILESS_MAIN(TestJpegDecoder)
#include "tst_jpegdecoder.moc"
