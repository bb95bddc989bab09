#include "drawing/surface.h"

#include <cmath>

namespace bravik {

namespace {

bool Finite(double a) { return std::isfinite(a); }
bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

}  // namespace

void Surface::SetScale(double left, double top, double width, double height) {
    if (!Finite(left, top) || !Finite(width, height) || width == 0 || height == 0) return;
    userScale_ = true;
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = width;
    scaleHeight_ = height;
}

double Surface::ScaleWidth() const { return userScale_ ? scaleWidth_ : WidthTwips(); }
double Surface::ScaleHeight() const { return userScale_ ? scaleHeight_ : HeightTwips(); }

// A surface of zero size has no meaningful scale; one unit per twip keeps
// every conversion finite.
double Surface::UnitsPerTwipX() const {
    const double w = WidthTwips();
    return userScale_ && w > 0 ? scaleWidth_ / w : 1.0;
}
double Surface::UnitsPerTwipY() const {
    const double h = HeightTwips();
    return userScale_ && h > 0 ? scaleHeight_ / h : 1.0;
}

double Surface::ToTwipsX(double x) const { return (x - scaleLeft_) / UnitsPerTwipX(); }
double Surface::ToTwipsY(double y) const { return (y - scaleTop_) / UnitsPerTwipY(); }

void Surface::MoveTo(double x, double y) {
    positionKnown_ = Finite(x, y);
    if (positionKnown_) {
        currentX_ = x;
        currentY_ = y;
    }
}

void Surface::MoveBy(double dx, double dy) {
    if (positionKnown_) MoveTo(currentX_ + dx, currentY_ + dy);
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    const bool ends = Finite(x1, y1) && Finite(x2, y2);
    if (ends) {
        const double a = ToTwipsX(x1), b = ToTwipsY(y1), c = ToTwipsX(x2), d = ToTwipsY(y2);
        if (Finite(a, b) && Finite(c, d)) DrawSegment(a, b, c, d, pen_);
    }
    MoveTo(x2, y2);
}

void Surface::LineTo(double x, double y) {
    if (positionKnown_)
        Line(currentX_, currentY_, x, y);
    else
        MoveTo(x, y);
}

void Surface::LineBy(double dx, double dy) {
    if (positionKnown_)
        Line(currentX_, currentY_, currentX_ + dx, currentY_ + dy);
}

void Surface::Point(double x, double y) {
    MoveTo(x, y);
    if (!positionKnown_) return;
    const double a = ToTwipsX(x), b = ToTwipsY(y);
    if (Finite(a, b)) DrawDot(a, b, pen_);
}

void Surface::Circle(double x, double y, double radius) {
    MoveTo(x, y);
    if (!positionKnown_ || !Finite(radius)) return;
    const double a = ToTwipsX(x), b = ToTwipsY(y), r = std::fabs(radius / UnitsPerTwipX());
    if (Finite(a, b) && Finite(r)) DrawCircle(a, b, r, pen_);
}

void Surface::Print(std::string_view text) {
    if (!positionKnown_) return;
    const double a = ToTwipsX(currentX_), b = ToTwipsY(currentY_);
    if (Finite(a, b)) DrawText(a, b, text, pen_.colour);
    MoveTo(scaleLeft_, currentY_ + TextHeight(text));
}

double Surface::TextWidth(std::string_view text) const {
    return TextWidthTwips(text) * UnitsPerTwipX();
}

double Surface::TextHeight(std::string_view text) const {
    return TextHeightTwips(text) * UnitsPerTwipY();
}

void Surface::Clear() {
    Erase();
    MoveTo(scaleLeft_, scaleTop_);
}

void Surface::OverlayLine(double x1, double y1, double x2, double y2, Colour colour) {
    if (!Finite(x1, y1) || !Finite(x2, y2)) return;
    const double a = ToTwipsX(x1), b = ToTwipsY(y1), c = ToTwipsX(x2), d = ToTwipsY(y2);
    if (Finite(a, b) && Finite(c, d)) DrawOverlaySegment(a, b, c, d, colour);
}

void Surface::ClearOverlay() { EraseOverlay(); }

}  // namespace bravik
