#pragma once

#include <QPainterPath>
#include <QStringView>

// Block capitals for the title, drawn from our own geometry so that the picture does not depend
// on the fonts installed. Letters stand on the baseline y = GlyphHeight and reach up to y = 0.
namespace TitleGlyphs {
inline constexpr qreal GlyphHeight = 10;
inline constexpr qreal StrokeWidth = 2;

// The outline of a word of the letters A C E L O R S V Y Z, starting at x = 0; the filling rule
// leaves the counters (of A, O, R) open.
QPainterPath word(QStringView text, qreal letterSpacing);
} // namespace TitleGlyphs
