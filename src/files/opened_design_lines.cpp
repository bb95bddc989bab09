#include "files/opened_design_lines.h"

#include <cmath>
#include <string>

#include "app/error.h"
#include "app/number_text.h"
#include "geometry/bottom.h"
#include "geometry/midship_station.h"
#include "geometry/upper_chines.h"

namespace bravik {

namespace {

// Station used when the maximum beam lies ahead of no regular station (the
// lowest the bottom screen ever sets).
constexpr std::int16_t kFirstMidshipStation = 5;

bool LineIsFinite(const HullDesign& d, int k) {
    for (int i = 0; i <= kBowPoint; ++i)
        if (!std::isfinite(d.X(k, i)) || !std::isfinite(d.Y(k, i)) || !std::isfinite(d.Z(k, i)))
            return false;
    return true;
}

bool BottomLinesAreFinite(const HullDesign& d) {
    for (int r = 0; r <= 1; ++r)
        for (int i = 0; i <= 83; ++i)
            if (!std::isfinite(d.bottomLineX(r, i)) || !std::isfinite(d.bottomLineY(r, i)) ||
                !std::isfinite(d.bottomLineZ(r, i)))
                return false;
    return true;
}

std::string Shown(double x) { return NormaliseNumberText(PlainNumberText(x)); }

[[noreturn]] void NotAHull(const std::string& what) {
    throw BravikError("The values in this file do not give a hull: " + what + " comes out not finite");
}

}  // namespace

void RecomputeOpenedLines(HullDesign& d, const std::function<void()>& lineDone) {
    // The first chine's laws run from the transom to the maximum beam and on
    // to the stem; without that order there is no hull to compute.
    const double length = d.lineLength(0), maxBeam = d.maxBeamX(1);
    if (!(length > 0))
        throw BravikError("The values in this file do not give a hull: the hull length is " +
                          Shown(length));
    if (maxBeam >= length)
        throw BravikError("The values in this file do not give a hull: the maximum beam (X = " +
                          Shown(maxBeam) + ") is at or beyond the stem (X = " + Shown(length) + ")");

    d.midshipIndex = MidshipStationIndex(d.maxBeamX(1), d.lineLength(0), kFirstMidshipStation);
    d.X.Fill(0);
    d.Y.Fill(0);
    d.Z.Fill(0);

    ComputeBottomPoints(d);
    ComputeBottomLines(d);
    if (!LineIsFinite(d, 0)) NotAHull("the keel");
    if (!LineIsFinite(d, 1)) NotAHull("the first chine");
    if (!BottomLinesAreFinite(d)) NotAHull("the bottom panel");

    for (int k = 2; k <= d.lastLine; ++k) {
        ComputeLinePoints(d, k);
        if (!LineIsFinite(d, k)) NotAHull("line " + std::to_string(k));
        if (lineDone) lineDone();
    }
}

}  // namespace bravik
