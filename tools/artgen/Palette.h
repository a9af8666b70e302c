#pragma once

// The colours of the buttons and pictures, so that they look like one set.

#include <QRgb>

namespace art::colours {

inline constexpr QRgb Outline = 0xFF1E1E28u;
inline constexpr QRgb Pencil = 0xFFF2C12Eu;
inline constexpr QRgb Wood = 0xFFEBC895u;
inline constexpr QRgb Rubber = 0xFFE8879Bu;
inline constexpr QRgb Metal = 0xFFA8ADB5u;
inline constexpr QRgb Steel = 0xFF6B7280u;
inline constexpr QRgb Blue = 0xFF2F6FD0u;
inline constexpr QRgb Sky = 0xFFA9D6F5u;
inline constexpr QRgb Red = 0xFFD0342Cu;
inline constexpr QRgb Brick = 0xFFB04A30u;
inline constexpr QRgb Insulation = 0xFFF3DC6Au;
inline constexpr QRgb Green = 0xFF3C9A3Cu;
inline constexpr QRgb Brown = 0xFF8B5A2Bu;
inline constexpr QRgb Orange = 0xFFE8862Au;
inline constexpr QRgb Cream = 0xFFFFF6DCu;
inline constexpr QRgb Stone = 0xFF8C8C8Cu;
inline constexpr QRgb PaperWhite = 0xFFFFFFFFu;
inline constexpr QRgb Grid = 0xFFBFD9EEu;

} // namespace art::colours
