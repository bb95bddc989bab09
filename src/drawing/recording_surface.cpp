#include "drawing/recording_surface.h"

#include "drawing/fixed_font_metric.h"

namespace bravik {

std::vector<RecordingSurface::Primitive> RecordingSurface::Drawn(Kind kind) const {
    std::vector<Primitive> out;
    for (const auto& p : drawn_)
        if (p.kind == kind) out.push_back(p);
    return out;
}

std::vector<std::string> RecordingSurface::Texts() const {
    std::vector<std::string> out;
    for (const auto& p : drawn_)
        if (p.kind == Kind::Text) out.push_back(p.text);
    return out;
}

void RecordingSurface::DrawSegment(double x1, double y1, double x2, double y2, const Pen& pen) {
    drawn_.push_back({Kind::Segment, x1, y1, x2, y2, 0, {}, pen});
}

void RecordingSurface::DrawDot(double x, double y, const Pen& pen) {
    drawn_.push_back({Kind::Dot, x, y, x, y, 0, {}, pen});
}

void RecordingSurface::DrawCircle(double cx, double cy, double radius, const Pen& pen) {
    drawn_.push_back({Kind::Circle, cx, cy, cx, cy, radius, {}, pen});
}

void RecordingSurface::DrawText(double x, double y, std::string_view text, Colour colour) {
    Pen pen;
    pen.colour = colour;
    drawn_.push_back({Kind::Text, x, y, x, y, 0, std::string(text), pen});
}

void RecordingSurface::Erase() {
    drawn_.clear();
    ++clears_;
}

void RecordingSurface::DrawOverlaySegment(double x1, double y1, double x2, double y2, Colour colour) {
    overlay_.push_back({x1, y1, x2, y2, colour});
}

double RecordingSurface::TextWidthTwips(std::string_view text) const { return FixedFontTextWidth(text); }
double RecordingSurface::TextHeightTwips(std::string_view) const { return FixedFontTextHeight(); }

}  // namespace bravik
