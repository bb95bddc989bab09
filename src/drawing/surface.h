#pragma once
// The drawing surface with picture-box semantics: a current position, lines
// in absolute or relative coordinates, points, circles, text printed at the
// current position, a foreground colour, a line style and width, copy or
// exclusive-or pen, clear, and a user scale. All drawings of the program
// (drawing board, printed pages, SVG files, tests) go through it.
//
// Physical sizes are in twips (1440 per inch). The user scale maps user
// units onto them: user (ScaleLeft, ScaleTop) is the top left corner and
// ScaleWidth × ScaleHeight user units cover the whole surface.
//
// This base class keeps the state and converts user units to twips; an
// implementation only receives finished primitives in twips. A primitive
// with a NaN or infinite coordinate is dropped here and never reaches an
// implementation; a position that is not finite makes the current position
// unknown until the next finite one.
//
// The overlay is a separate layer above the drawing for rubber-band
// feedback: it is drawn and erased as a whole and never changes the drawing.

#include <string>
#include <string_view>

#include "app/colour.h"

namespace bravik {

// Line styles numbered as the toolkit numbers them.
enum class LineStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };

// Pen modes numbered as the toolkit numbers them.
enum class PenMode { XorPen = 7, CopyPen = 13 };

// What an implementation needs to draw one stroke.
struct Pen {
    Colour colour = kBlack;
    LineStyle style = LineStyle::Solid;
    int width = 1;                        // pixels of the toolkit; 1 is the finest line
    PenMode mode = PenMode::CopyPen;
};

class Surface {
public:
    virtual ~Surface() = default;

    // Physical size of the surface, in twips.
    virtual double WidthTwips() const = 0;
    virtual double HeightTwips() const = 0;

    // ---- User scale ------------------------------------------------------
    // Ignored unless both extents are finite and non-zero.
    void SetScale(double left, double top, double width, double height);
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    double ScaleWidth() const;
    double ScaleHeight() const;

    // ---- Pen -------------------------------------------------------------
    void SetForeColour(Colour c) { pen_.colour = c; }
    Colour ForeColour() const { return pen_.colour; }
    void SetDrawStyle(LineStyle s) { pen_.style = s; }
    LineStyle DrawStyle() const { return pen_.style; }
    void SetDrawWidth(int w) { pen_.width = w < 1 ? 1 : w; }
    int DrawWidth() const { return pen_.width; }
    void SetDrawMode(PenMode m) { pen_.mode = m; }
    PenMode DrawMode() const { return pen_.mode; }

    // ---- Current position (user units) -----------------------------------
    void MoveTo(double x, double y);
    void MoveBy(double dx, double dy);
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    // ---- Drawing (user units); each leaves the position at its end -------
    void Line(double x1, double y1, double x2, double y2);
    void LineTo(double x, double y);            // from the current position
    void LineBy(double dx, double dy);          // relative to the current position
    void Point(double x, double y);             // one dot in the foreground colour
    void Circle(double x, double y, double radius);   // radius along the user X axis; position at the centre
    // Text with its top left corner at the current position; the position
    // then moves to the start of the next text line, as a picture box does.
    void Print(std::string_view text);
    double TextWidth(std::string_view text) const;    // user units along X
    double TextHeight(std::string_view text) const;   // user units along Y

    // Erases the drawing (not the overlay) and puts the position at the top left.
    void Clear();

    // ---- Overlay (user units) ---------------------------------------------
    void OverlayLine(double x1, double y1, double x2, double y2, Colour colour);
    void ClearOverlay();

protected:
    // Implementations: primitives in twips from the top left corner.
    virtual void DrawSegment(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
    virtual void DrawDot(double x, double y, const Pen& pen) = 0;
    virtual void DrawCircle(double cx, double cy, double radius, const Pen& pen) = 0;
    virtual void DrawText(double x, double y, std::string_view text, Colour colour) = 0;
    virtual void Erase() = 0;
    virtual void DrawOverlaySegment(double x1, double y1, double x2, double y2, Colour colour) = 0;
    virtual void EraseOverlay() = 0;
    // Text metrics in twips.
    virtual double TextWidthTwips(std::string_view text) const = 0;
    virtual double TextHeightTwips(std::string_view text) const = 0;

private:
    double ToTwipsX(double x) const;
    double ToTwipsY(double y) const;
    double UnitsPerTwipX() const;
    double UnitsPerTwipY() const;

    Pen pen_;
    double currentX_ = 0, currentY_ = 0;
    bool positionKnown_ = true;
    bool userScale_ = false;   // until SetScale, one unit per twip from the top left
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;
};

}  // namespace bravik
