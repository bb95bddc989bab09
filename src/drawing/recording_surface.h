#pragma once
// A surface that remembers every primitive it receives, in twips, for tests
// and for any front end that wants to inspect a drawing. Text is measured
// with the fixed font metric.

#include <string>
#include <vector>

#include "drawing/surface.h"

namespace bravik {

class RecordingSurface : public Surface {
public:
    enum class Kind { Segment, Dot, Circle, Text };

    struct Primitive {
        Kind kind = Kind::Segment;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // segment ends; dot, circle centre and text corner in x1, y1
        double radius = 0;
        std::string text;
        Pen pen;                                  // text: only the colour counts
    };

    struct OverlaySegment {
        double x1, y1, x2, y2;
        Colour colour;
    };

    RecordingSurface(double widthTwips, double heightTwips) : width_(widthTwips), height_(heightTwips) {}

    double WidthTwips() const override { return width_; }
    double HeightTwips() const override { return height_; }
    void Resize(double widthTwips, double heightTwips) { width_ = widthTwips; height_ = heightTwips; }

    // Everything drawn since the last Clear.
    const std::vector<Primitive>& Drawn() const { return drawn_; }
    std::vector<Primitive> Drawn(Kind kind) const;
    std::vector<std::string> Texts() const;
    const std::vector<OverlaySegment>& Overlay() const { return overlay_; }
    int ClearCount() const { return clears_; }

protected:
    void DrawSegment(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void DrawDot(double x, double y, const Pen& pen) override;
    void DrawCircle(double cx, double cy, double radius, const Pen& pen) override;
    void DrawText(double x, double y, std::string_view text, Colour colour) override;
    void Erase() override;
    void DrawOverlaySegment(double x1, double y1, double x2, double y2, Colour colour) override;
    void EraseOverlay() override { overlay_.clear(); }
    double TextWidthTwips(std::string_view text) const override;
    double TextHeightTwips(std::string_view text) const override;

private:
    double width_, height_;
    std::vector<Primitive> drawn_;
    std::vector<OverlaySegment> overlay_;
    int clears_ = 0;
};

}  // namespace bravik
