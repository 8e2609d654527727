#pragma once

#include <QColor>

// The window system colours the program's layout names, with the values of the
// standard desktop scheme.
namespace renkalo::SystemColors {

inline constexpr QRgb clBtnFace = 0xFFF0F0F0;
inline constexpr QRgb clBtnHighlight = 0xFFFFFFFF;
inline constexpr QRgb clBtnShadow = 0xFFA0A0A0;
inline constexpr QRgb clBtnText = 0xFF000000;
inline constexpr QRgb clWindowText = 0xFF000000;
inline constexpr QRgb clWindow = 0xFFFFFFFF;
inline constexpr QRgb clHotLight = 0xFF0066CC;
inline constexpr QRgb cl3DDkShadow = 0xFF696969;
inline constexpr QRgb clNavy = 0xFF000080;
inline constexpr QRgb clRed = 0xFFFF0000;
inline constexpr QRgb clWhite = 0xFFFFFFFF;
inline constexpr QRgb clBlack = 0xFF000000;
inline constexpr QRgb clSilver = 0xFFC0C0C0;
inline constexpr QRgb clAqua = 0xFF00FFFF;
inline constexpr QRgb clSkyBlue = 0xFFA6CAF0;
inline constexpr QRgb clCream = 0xFFFFFBF0;

} // namespace renkalo::SystemColors
