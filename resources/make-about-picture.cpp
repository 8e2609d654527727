// Draws the About page's picture, a kidney passing drops into a measuring glass,
// and writes it as the baseline JPEG the page shows: 912 x 624 pixels, three
// components, JFIF at 200 dots per inch.
//
//   renkalo-about-picture resources/About.jpg
//
// The picture is committed; the build never runs this.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <numbers>

#include <jpeglib.h>

namespace {

constexpr int Width = 912;
constexpr int Height = 624;

QPointF polar(QPointF centre, double degrees, double radius)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

void drawBackground(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0.0, QColor(0xD4, 0xE6, 0xF5));
    sky.setColorAt(1.0, QColor(0xF6, 0xFA, 0xFD));
    p.fillRect(0, 0, Width, Height, sky);

    QRadialGradient glow(QPointF(320, 290), 330);
    glow.setColorAt(0.0, QColor(255, 255, 255, 200));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(0, 0, Width, Height, glow);

    // A quiet heartbeat trace along the bottom.
    QPainterPath trace(QPointF(0, 588));
    for (double x = 0; x < Width; x += 228) {
        trace.lineTo(x + 60, 588);
        trace.quadTo(x + 72, 576, x + 84, 588);
        trace.lineTo(x + 96, 588);
        trace.lineTo(x + 102, 596);
        trace.lineTo(x + 112, 548);
        trace.lineTo(x + 122, 604);
        trace.lineTo(x + 128, 588);
        trace.lineTo(x + 150, 588);
        trace.quadTo(x + 168, 570, x + 186, 588);
        trace.lineTo(x + 228, 588);
    }
    p.setPen(QPen(QColor(0x6F, 0xA8, 0xD6, 150), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);
}

void drawShadow(QPainter &p, QPointF centre, double rx, double ry)
{
    QRadialGradient shade(QPointF(0, 0), 1.0);
    shade.setColorAt(0.0, QColor(20, 40, 70, 70));
    shade.setColorAt(1.0, QColor(20, 40, 70, 0));
    p.save();
    p.translate(centre);
    p.scale(rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

QPainterPath kidneyOutline()
{
    QPainterPath k(QPointF(300, 95));
    k.cubicTo(400, 88, 458, 160, 442, 232);
    k.cubicTo(432, 272, 396, 268, 393, 300);
    k.cubicTo(391, 332, 432, 332, 442, 372);
    k.cubicTo(458, 444, 400, 506, 303, 500);
    k.cubicTo(200, 494, 158, 402, 158, 298);
    k.cubicTo(158, 190, 200, 100, 300, 95);
    return k;
}

void drawUreter(QPainter &p)
{
    QPainterPath tube(QPointF(400, 318));
    tube.cubicTo(480, 340, 520, 170, 600, 162);
    tube.cubicTo(640, 158, 668, 170, 672, 196);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x9A, 0x45, 0x38), 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tube);
    p.setPen(QPen(QColor(0xEE, 0xB3, 0x9C), 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tube);
    p.setPen(QPen(QColor(255, 236, 226, 170), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tube.translated(-2, -4));
}

void drawKidney(QPainter &p)
{
    const QPainterPath outline = kidneyOutline();

    QRadialGradient flesh(QPointF(262, 220), 320);
    flesh.setColorAt(0.0, QColor(0xF0, 0x93, 0x7E));
    flesh.setColorAt(0.55, QColor(0xC8, 0x55, 0x43));
    flesh.setColorAt(1.0, QColor(0x86, 0x2C, 0x23));
    p.setPen(QPen(QColor(0x74, 0x26, 0x1F), 3));
    p.setBrush(flesh);
    p.drawPath(outline);

    // The medulla's pyramids, fanned around the hilum.
    const QPointF hilum(372, 300);
    p.setPen(Qt::NoPen);
    for (double angle = 105; angle <= 255; angle += 30) {
        QPainterPath pyramid(polar(hilum, angle, 62));
        const QPointF left = polar(hilum, angle - 11, 148);
        const QPointF right = polar(hilum, angle + 11, 148);
        pyramid.lineTo(left);
        pyramid.quadTo(polar(hilum, angle, 160), right);
        pyramid.closeSubpath();
        QLinearGradient shade(polar(hilum, angle, 62), polar(hilum, angle, 150));
        shade.setColorAt(0.0, QColor(0x8E, 0x2E, 0x25, 200));
        shade.setColorAt(1.0, QColor(0xA8, 0x3C, 0x30, 90));
        p.setBrush(shade);
        p.drawPath(pyramid);
    }

    // The pelvis collecting into the ureter.
    QPainterPath pelvis(QPointF(404, 276));
    pelvis.cubicTo(370, 262, 338, 282, 336, 300);
    pelvis.cubicTo(338, 318, 370, 338, 404, 324);
    pelvis.closeSubpath();
    QLinearGradient pale(336, 300, 404, 300);
    pale.setColorAt(0.0, QColor(0xF7, 0xD9, 0xC2));
    pale.setColorAt(1.0, QColor(0xEE, 0xB3, 0x9C));
    p.setBrush(pale);
    p.setPen(QPen(QColor(0x9A, 0x45, 0x38), 2));
    p.drawPath(pelvis);

    // A soft highlight on the upper left.
    QRadialGradient shine(QPointF(232, 180), 90);
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(232, 180), 90, 90);
    p.restore();
}

void drawDrop(QPainter &p, QPointF centre, double radius)
{
    QPainterPath drop(QPointF(centre.x(), centre.y() - 2.4 * radius));
    drop.cubicTo(centre.x() + 0.4 * radius, centre.y() - 1.4 * radius, centre.x() + radius,
                 centre.y() - 0.7 * radius, centre.x() + radius, centre.y());
    drop.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0, -180);
    drop.cubicTo(centre.x() - radius, centre.y() - 0.7 * radius, centre.x() - 0.4 * radius,
                 centre.y() - 1.4 * radius, centre.x(), centre.y() - 2.4 * radius);
    QRadialGradient amber(QPointF(centre.x() - 0.3 * radius, centre.y() - 0.3 * radius), 1.4 * radius);
    amber.setColorAt(0.0, QColor(0xFF, 0xF1, 0xB8));
    amber.setColorAt(1.0, QColor(0xE4, 0xA8, 0x24));
    p.setPen(QPen(QColor(0xB0, 0x7E, 0x14), 1.5));
    p.setBrush(amber);
    p.drawPath(drop);
}

void drawGlass(QPainter &p)
{
    const QRectF body(620, 236, 130, 304);
    drawShadow(p, QPointF(685, 566), 130, 14);

    // Foot.
    QLinearGradient foot(0, 540, 0, 562);
    foot.setColorAt(0.0, QColor(0xE9, 0xF2, 0xFA));
    foot.setColorAt(1.0, QColor(0xB9, 0xD0, 0xE4));
    p.setPen(QPen(QColor(0x4E, 0x7F, 0xA8), 3));
    p.setBrush(foot);
    p.drawRoundedRect(QRectF(592, 538, 186, 22), 8, 8);

    // Glass wall.
    p.setBrush(QColor(255, 255, 255, 95));
    p.setPen(Qt::NoPen);
    p.drawRect(body);

    // Liquid with a concave surface.
    QPainterPath liquid(QPointF(body.left() + 2, 392));
    liquid.quadTo(body.center().x(), 406, body.right() - 2, 392);
    liquid.lineTo(body.right() - 2, body.bottom() - 2);
    liquid.lineTo(body.left() + 2, body.bottom() - 2);
    liquid.closeSubpath();
    QLinearGradient fill(body.left(), 0, body.right(), 0);
    fill.setColorAt(0.0, QColor(0xE6, 0xAE, 0x2E));
    fill.setColorAt(0.4, QColor(0xF8, 0xD8, 0x6A));
    fill.setColorAt(1.0, QColor(0xDC, 0xA0, 0x22));
    p.setBrush(fill);
    p.drawPath(liquid);

    p.setBrush(QColor(255, 255, 255, 150));
    for (const QPointF bubble : {QPointF(660, 470), QPointF(702, 500), QPointF(676, 432), QPointF(720, 446)})
        p.drawEllipse(bubble, 4, 4);

    drawDrop(p, QPointF(672, 240), 9);
    drawDrop(p, QPointF(672, 318), 11);

    // Graduation, a long mark every fourth.
    p.setPen(QPen(QColor(0x2F, 0x5D, 0x85), 2));
    int mark = 0;
    for (double y = body.bottom() - 24; y > body.top() + 24; y -= 16, ++mark)
        p.drawLine(QPointF(body.right() - (mark % 4 == 0 ? 46 : 24), y), QPointF(body.right() - 6, y));

    // Outline with its rim and spout, and a reflection down the wall.
    QPainterPath wall(QPointF(body.left(), body.top()));
    wall.lineTo(body.left(), body.bottom());
    wall.lineTo(body.right(), body.bottom());
    wall.lineTo(body.right(), body.top());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4E, 0x7F, 0xA8), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wall);
    QPainterPath rim(QPointF(body.left() - 14, body.top() - 8));
    rim.quadTo(body.left() - 2, body.top() - 4, body.left(), body.top() + 6);
    rim.moveTo(body.right(), body.top() + 6);
    rim.quadTo(body.right() + 2, body.top() - 4, body.right() + 8, body.top() - 6);
    p.drawPath(rim);
    p.setPen(QPen(QColor(255, 255, 255, 170), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(body.left() + 16, body.top() + 30), QPointF(body.left() + 16, body.bottom() - 30));
}

QImage drawPicture()
{
    QImage picture(Width, Height, QImage::Format_RGB888);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p);
    drawShadow(p, QPointF(310, 540), 170, 22);
    drawUreter(p);
    drawKidney(p);
    drawGlass(p);
    drawDrop(p, QPointF(672, 190), 7);
    return picture;
}

bool writeJpeg(const QImage &picture, const char *path)
{
    FILE *file = std::fopen(path, "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(picture.width());
    cinfo.image_height = JDIMENSION(picture.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = 200;
    cinfo.Y_density = 200;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg's API takes non-const rows but only reads them.
        JSAMPROW row = const_cast<JSAMPROW>(picture.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: renkalo-about-picture OUTPUT.jpg\n");
        return 2;
    }
    if (!writeJpeg(drawPicture(), argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
