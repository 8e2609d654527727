#pragma once

#include <QRect>
#include <QRgb>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QWidget;

namespace renkalo {

class ShapeButton;

// Builders for the plain controls of the window's pages, each with its objectName,
// its place in its parent and its settings.

// A panel with a one-pixel raised edge and no caption.
QFrame *makePanel(const char *name, QWidget *parent, QRect geometry);
// A frame drawn as a lowered (etched) line; it takes no mouse input.
QFrame *makeBevel(const char *name, QWidget *parent, QRect geometry);
// A group box with the standard etched frame and its caption at the top left.
QGroupBox *makeGroupBox(const char *name, QWidget *parent, const QString &caption, QRect geometry);
// A plain-text label in the given colour; pixelSize 0 keeps the window font's size.
QLabel *makeLabel(const char *name, QWidget *parent, const QString &text, QRect geometry, QRgb color,
                  bool wordWrap = true, int pixelSize = 0);
ShapeButton *makeShapeButton(const char *name, QWidget *parent, const QString &caption, QRect geometry);

} // namespace renkalo
