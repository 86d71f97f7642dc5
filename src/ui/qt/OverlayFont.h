// The typeface of the 2D layer. The program carries Open Sans in its resources and draws
// every text whose family the machine lacks, or that asks for the desktop's default ("Segoe
// UI", "Default", no family), with it, so that text looks and measures the same everywhere.
//
// Fonts are made with the same hinting and antialiasing everywhere: no hinting (glyphs keep
// their outlines' shapes and advances at fractional sizes and scale factors) and antialiased.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>
#include <vector>

#include "ui/paint/Font.h"

namespace ui::qt {

// The family of the carried faces.
QString OverlayFamily();

// Adds the carried faces (regular, bold, italic, bold italic) to the application's font
// database, once; needs the QGuiApplication. Their ids in the font database; empty when they
// could not be added (no application yet, or the resources are missing).
const std::vector<int>& RegisterOverlayFonts();

// The family to draw `family` with: the carried face for "Segoe UI", "Default", an empty
// family and any family the font database does not have; otherwise `family` itself.
QString ResolveFamily(std::string_view family);

// Text of `font` is drawn and measured with MakeQFont(font) under a scale of
// FontScale(font.Size): QFont takes whole pixel sizes only (fractional sizes are rounded when
// the glyphs are made), so a fractional size is the nearest whole one scaled (1 for whole
// sizes). Unhinted outlines and advances scale linearly, so the result is the fractional size.
double FontScale(float size);
// The QFont for `font`: the resolved family, the whole pixel size, the style bits, and the
// common hinting and antialiasing.
QFont MakeQFont(const TFont& font);

}  // namespace ui::qt
