#pragma once
// Complete hulls for the geometry tests and benchmarks: the default bottom,
// optionally with a pram bow, and side planks laid out the way automatic
// planking lays them out (inclinations growing by a whole number of degrees,
// plank widths adding up to the sheer's rise above the first chine).

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/hull_design.h"
#include "geometry/bottom.h"
#include "geometry/midship_station.h"
#include "geometry/numeric.h"
#include "geometry/upper_chines.h"

namespace bravik::sample {

// Lines 0 and 1 of the default hull, or of a pram-bow variant of it.
inline HullDesign Bottom(bool pramBow = false) {
    HullDesign d;
    ResetToDefaults(d);
    if (pramBow) {
        d.halfWidthFwd(1) = 0.35;
        d.heightFwd(1) = 0.2;
    }
    d.maxBeamX(0) = d.maxBeamX(1) + d.halfMaxBeam(1) * TanDeg(d.keelAdvanceAngle);
    d.heightAtMaxBeam(0) = d.heightAtMaxBeam(1) - d.halfMaxBeam(1) * TanDeg(d.plankAngle(0));
    d.midshipIndex = MidshipStationIndex(d.maxBeamX(1), d.lineLength(0), 41);
    ComputeBottom(d);
    return d;
}

// Places lines 2..lastLine on a computed bottom as automatic planking does
// and computes them.
inline void AddPlanks(HullDesign& d, int lastLine, int firstAngle = 30, double stemShape = 1.0) {
    const int planks = lastLine - 1;
    const int step = planks > 1 ? std::max(3, (85 - firstAngle) / (planks - 1)) : 3;
    d.lastLine = static_cast<std::int16_t>(lastLine);
    for (int k = 1; k <= lastLine; ++k) {
        d.plankAngle(k) = static_cast<std::int16_t>(firstAngle + (k - 1) * step);
        d.bowTurn(k) = 1;
        d.transomTurn(k) = 1;
        d.maxBeamX(k) = d.maxBeamX(1);
    }
    d.bowTurn(0) = d.transomTurn(0) = 1;

    // Width of plank k across the section for a rise `rise` of the sheer.
    auto width = [&](int k, double rise, double e) {
        double sum = 0;
        for (int i = 1; i <= planks; ++i)
            sum += std::sin(d.plankAngle(i) * std::numbers::pi / 180) * std::pow(double(i) / planks, e);
        return rise * std::pow(double(k) / planks, e) / sum;
    };
    const double riseFwd = 1.25 - d.heightFwd(1);
    const double riseMid = 1.05 - d.heightAtMaxBeam(1);
    const double riseAft = 1.1 - d.heightAft(1);
    for (int j = 2; j <= lastLine; ++j) {
        const double t = d.plankAngle(j - 1) * std::numbers::pi / 180;
        const double wf = width(j - 1, riseFwd, stemShape / 2);
        const double wm = width(j - 1, riseMid, stemShape / 3);
        const double wa = width(j - 1, riseAft, stemShape / 3);
        d.heightFwd(j) = d.heightFwd(j - 1) + std::sin(t) * wf;
        d.halfWidthFwd(j) = d.halfWidthFwd(j - 1) + std::cos(t) * wf;
        d.heightAtMaxBeam(j) = d.heightAtMaxBeam(j - 1) + std::sin(t) * wm;
        d.halfMaxBeam(j) = d.halfMaxBeam(j - 1) + std::cos(t) * wm;
        d.heightAft(j) = d.heightAft(j - 1) + std::sin(t) * wa;
        d.halfWidthAft(j) = d.halfWidthAft(j - 1) + std::cos(t) * wa;
    }
    RecomputeUpperLines(d);
}

// The default hull as the side-planks screen computes it: the stored
// heights of lines 2..5 and their inclinations, half-breadths from the
// station rule.
inline HullDesign DefaultHull(bool pramBow = false) {
    HullDesign d = Bottom(pramBow);
    for (int n = 2; n <= d.lastLine; ++n) {
        SetFwdHalfWidth(d, n);
        SetAftHalfWidth(d, n);
        SetMidHalfWidth(d, n);
    }
    RecomputeUpperLines(d);
    return d;
}

}  // namespace bravik::sample
