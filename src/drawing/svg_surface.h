#pragma once
// A surface that renders into an SVG document: one element per primitive,
// the overlay as a last group, text in a sans-serif font measured with the
// fixed font metric. Units of the document are twips (its size is given in
// inches, 1440 twips each).

#include <string>
#include <vector>

#include "drawing/surface.h"

namespace bravik {

class SvgSurface : public Surface {
public:
    SvgSurface(double widthTwips, double heightTwips, Colour background = kWhite);

    double WidthTwips() const override { return width_; }
    double HeightTwips() const override { return height_; }

    // The whole document as it stands.
    std::string Document() const;
    // Writes the document to a file, atomically; throws BravikError on failure.
    void Save(const std::string& path) const;

protected:
    void DrawSegment(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void DrawDot(double x, double y, const Pen& pen) override;
    void DrawCircle(double cx, double cy, double radius, const Pen& pen) override;
    void DrawText(double x, double y, std::string_view text, Colour colour) override;
    void Erase() override { elements_.clear(); }
    void DrawOverlaySegment(double x1, double y1, double x2, double y2, Colour colour) override;
    void EraseOverlay() override { overlay_.clear(); }
    double TextWidthTwips(std::string_view text) const override;
    double TextHeightTwips(std::string_view text) const override;

private:
    double width_, height_;
    Colour background_;
    std::vector<std::string> elements_;
    std::vector<std::string> overlay_;
};

}  // namespace bravik
