#include "drawing/svg_surface.h"

#include <charconv>
#include <cstdio>

#include "drawing/fixed_font_metric.h"
#include "files/atomic_file.h"

namespace bravik {

namespace {

constexpr double kTwipsPerPixel = 15;

// A coordinate with at most two decimals, point as separator whatever the locale.
std::string Num(double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    if (ec != std::errc()) return "0";
    std::string s(buf, end);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0" || s.empty()) s = "0";
    return s;
}

std::string Hex(Colour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c; break;
        }
    }
    return out;
}

// Stroke attributes of a pen: colour, width, dash pattern and, for the
// exclusive-or pen, a difference blend, which inverts what lies below as
// the toolkit's raster operation does on a light background.
std::string StrokeOf(const Pen& pen) {
    std::string s = "stroke=\"" + Hex(pen.colour) + "\" stroke-width=\"" + Num(pen.width * kTwipsPerPixel) + "\"";
    if (pen.width == 1) {
        switch (pen.style) {
            case LineStyle::Dash: s += " stroke-dasharray=\"90 45\""; break;
            case LineStyle::Dot: s += " stroke-dasharray=\"15 30\""; break;
            case LineStyle::DashDot: s += " stroke-dasharray=\"90 30 15 30\""; break;
            case LineStyle::Solid: break;
        }
    }
    if (pen.mode == PenMode::XorPen) s += " style=\"mix-blend-mode:difference\"";
    return s;
}

}  // namespace

SvgSurface::SvgSurface(double widthTwips, double heightTwips, Colour background)
    : width_(widthTwips > 0 ? widthTwips : 0), height_(heightTwips > 0 ? heightTwips : 0), background_(background) {}

void SvgSurface::DrawSegment(double x1, double y1, double x2, double y2, const Pen& pen) {
    elements_.push_back("<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" +
                        Num(y2) + "\" " + StrokeOf(pen) + "/>");
}

void SvgSurface::DrawDot(double x, double y, const Pen& pen) {
    elements_.push_back("<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"" +
                        Num(pen.width * kTwipsPerPixel / 2) + "\" fill=\"" + Hex(pen.colour) + "\"/>");
}

void SvgSurface::DrawCircle(double cx, double cy, double radius, const Pen& pen) {
    elements_.push_back("<circle cx=\"" + Num(cx) + "\" cy=\"" + Num(cy) + "\" r=\"" + Num(radius) +
                        "\" fill=\"none\" " + StrokeOf(pen) + "/>");
}

void SvgSurface::DrawText(double x, double y, std::string_view text, Colour colour) {
    elements_.push_back("<text x=\"" + Num(x) + "\" y=\"" + Num(y + FixedFontAscent()) + "\" fill=\"" + Hex(colour) +
                        "\">" + Escaped(text) + "</text>");
}

void SvgSurface::DrawOverlaySegment(double x1, double y1, double x2, double y2, Colour colour) {
    overlay_.push_back("<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" +
                       Num(y2) + "\" stroke=\"" + Hex(colour) + "\" stroke-width=\"15\"/>");
}

double SvgSurface::TextWidthTwips(std::string_view text) const { return FixedFontTextWidth(text); }
double SvgSurface::TextHeightTwips(std::string_view) const { return FixedFontTextHeight(); }

std::string SvgSurface::Document() const {
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    doc += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width_ / 1440) + "in\" height=\"" +
           Num(height_ / 1440) + "in\" viewBox=\"0 0 " + Num(width_) + " " + Num(height_) + "\">\n";
    doc += "<rect width=\"" + Num(width_) + "\" height=\"" + Num(height_) + "\" fill=\"" + Hex(background_) + "\"/>\n";
    doc += "<g stroke-linecap=\"butt\" font-family=\"sans-serif\" font-weight=\"bold\" font-size=\"" +
           Num(FixedFontSize()) + "\">\n";
    for (const auto& e : elements_) doc += e + "\n";
    doc += "</g>\n";
    if (!overlay_.empty()) {
        doc += "<g id=\"overlay\">\n";
        for (const auto& e : overlay_) doc += e + "\n";
        doc += "</g>\n";
    }
    doc += "</svg>\n";
    return doc;
}

void SvgSurface::Save(const std::string& path) const { WriteFileAtomically(path, Document()); }

}  // namespace bravik
