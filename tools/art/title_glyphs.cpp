#include "title_glyphs.h"

#include <QPolygonF>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace TitleGlyphs {
namespace {

struct Glyph {
    qreal width;
    std::vector<QPolygonF> contours; // outer outline first, then any counters
};

QPolygonF polygon(std::initializer_list<QPointF> points) {
    return QPolygonF(points);
}

Glyph glyph(QChar letter) {
    switch (letter.unicode()) {
    case 'A':
        return {8,
                {polygon({{0, 10},
                          {0, 2},
                          {2, 0},
                          {6, 0},
                          {8, 2},
                          {8, 10},
                          {6, 10},
                          {6, 7},
                          {2, 7},
                          {2, 10}}),
                 polygon({{2, 3}, {3, 2}, {5, 2}, {6, 3}, {6, 5}, {2, 5}})}};
    case 'C':
        return {8,
                {polygon({{2, 0},
                          {8, 0},
                          {8, 2},
                          {3, 2},
                          {2, 3},
                          {2, 7},
                          {3, 8},
                          {8, 8},
                          {8, 10},
                          {2, 10},
                          {0, 8},
                          {0, 2}})}};
    case 'E':
        return {7.5,
                {polygon({{2, 0},
                          {7.5, 0},
                          {7.5, 2},
                          {2, 2},
                          {2, 4},
                          {6, 4},
                          {6, 6},
                          {2, 6},
                          {2, 8},
                          {7.5, 8},
                          {7.5, 10},
                          {2, 10},
                          {0, 8},
                          {0, 2}})}};
    case 'L':
        return {7.5, {polygon({{0, 0}, {2, 0}, {2, 8}, {7.5, 8}, {7.5, 10}, {2, 10}, {0, 8}})}};
    case 'O':
        return {8,
                {polygon({{2, 0}, {6, 0}, {8, 2}, {8, 8}, {6, 10}, {2, 10}, {0, 8}, {0, 2}}),
                 polygon({{3, 2}, {5, 2}, {6, 3}, {6, 7}, {5, 8}, {3, 8}, {2, 7}, {2, 3}})}};
    case 'R':
        return {8,
                {polygon({{0, 10},
                          {0, 0},
                          {6, 0},
                          {8, 2},
                          {8, 4},
                          {7, 5},
                          {8, 6},
                          {8, 10},
                          {6, 10},
                          {6, 7},
                          {5, 6},
                          {2, 6},
                          {2, 10}}),
                 polygon({{2, 2}, {5, 2}, {6, 3}, {6, 4}, {2, 4}})}};
    case 'S':
        return {8,
                {polygon({{2, 0},
                          {8, 0},
                          {8, 2},
                          {2, 2},
                          {2, 4},
                          {6, 4},
                          {8, 6},
                          {8, 8},
                          {6, 10},
                          {0, 10},
                          {0, 8},
                          {6, 8},
                          {6, 6},
                          {2, 6},
                          {0, 4},
                          {0, 2}})}};
    case 'V':
        return {8, {polygon({{0, 0}, {2, 0}, {4, 7}, {6, 0}, {8, 0}, {5, 10}, {3, 10}})}};
    case 'Y':
        return {
            8,
            {polygon(
                {{0, 0}, {2, 0}, {4, 3.5}, {6, 0}, {8, 0}, {5, 5.5}, {5, 10}, {3, 10}, {3, 5.5}})}};
    case 'Z':
        return {8,
                {polygon({{0, 0},
                          {8, 0},
                          {8, 2},
                          {3, 8},
                          {8, 8},
                          {8, 10},
                          {0, 10},
                          {0, 8},
                          {5, 2},
                          {0, 2}})}};
    default:
        throw std::invalid_argument("the title lettering has no such letter");
    }
}

} // namespace

QPainterPath word(QStringView text, qreal letterSpacing) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    qreal x = 0;
    for (QChar letter : text) {
        const Glyph g = glyph(letter);
        for (const QPolygonF& contour : g.contours) {
            path.addPolygon(contour.translated(x, 0));
            path.closeSubpath();
        }
        x += g.width + letterSpacing;
    }
    return path;
}

} // namespace TitleGlyphs
