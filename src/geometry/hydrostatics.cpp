#include "geometry/hydrostatics.h"

#include <algorithm>
#include <cmath>

#include "geometry/immersed_section.h"

namespace bravik {

namespace {

constexpr int kMaxSearchPasses = 30;
constexpr int kMaxTrimSteps = 30;

// Everything a pass leaves behind, so that a rejected pass can be undone.
struct KeptPass {
    double z = 0;
    HullIntegral sums;
    decltype(HullDesign::waterlineX) waterlineX, waterlineY, waterlineZ, sectionArea, sectionCentreZ;

    void Take(const HullDesign& d, double height, const HullIntegral& r) {
        z = height;
        sums = r;
        waterlineX = d.waterlineX;
        waterlineY = d.waterlineY;
        waterlineZ = d.waterlineZ;
        sectionArea = d.sectionArea;
        sectionCentreZ = d.sectionCentreZ;
    }
    void PutBack(HullDesign& d) const {
        d.waterlineX = waterlineX;
        d.waterlineY = waterlineY;
        d.waterlineZ = waterlineZ;
        d.sectionArea = sectionArea;
        d.sectionCentreZ = sectionCentreZ;
    }
};

// Centre of displacement from the moments, and the sunk-deck status.
Hydrostatics Results(HullDesign& d, double z, const HullIntegral& r) {
    if (r.V > 0) {
        d.buoyancyX = r.Mx / r.V;
        d.buoyancyY = 0;   // the hull is symmetric
        d.buoyancyZ = r.Mz / r.V;
    } else {
        d.buoyancyX = d.buoyancyY = d.buoyancyZ = 0;
    }
    return {z, r.V, r.Awp, r.deckUnder ? int(d.lastLine) : r.status};
}

// Secant-like search of the waterline height for targetDisplacement at the
// current pitch, from z. Leaves the record's tables on the kept pass.
KeptPass SearchWaterline(HullDesign& d, double z, const WaterlineProgress& progress) {
    const double Vt = d.targetDisplacement;
    KeptPass kept;
    kept.Take(d, z, IntegrateHull(d, z, false));

    // First step from the waterplane, or from a fifth of the length times the
    // half-beam while the hull barely touches the water.
    const double firstArea = std::max(kept.sums.Awp, 0.2 * d.lineLength(1) * d.halfMaxBeam(1));
    double dz = firstArea > 0 ? (Vt - kept.sums.V) * 0.3 / firstArea : 0;
    float relax = 0.85f;

    for (int pass = 0; pass < kMaxSearchPasses; ++pass) {
        z = kept.z + dz;
        HullIntegral r = IntegrateHull(d, z, true);
        if (progress) progress(z);

        if (std::fabs(Vt - r.V) < 0.0001) {
            kept.Take(d, z, r);
            break;
        }
        if (r.Awp <= 1e-7) {   // no waterplane: out of the water, or sunk
            r.status = z < 0 ? -1 : d.lastLine;
            kept.Take(d, z, r);
            break;
        }
        if ((r.V - Vt) * (kept.sums.V - Vt) < 0) {
            // Passed the target: shorten the step and go again from the kept
            // pass, with its tables back in place.
            dz *= 0.4;
            relax = 0.75f * relax;
            kept.PutBack(d);
            continue;
        }
        dz = relax * (Vt - r.V) / ((kept.sums.Awp + r.Awp) / 2);
        kept.Take(d, z, r);
        relax = 1.05f * relax;
    }
    kept.PutBack(d);
    return kept;
}

}  // namespace

HullIntegral IntegrateHull(HullDesign& d, double z, bool useWaterlineX) {
    HullIntegral r;
    const double slope = std::tan(d.pitchAngle);
    for (int p = 0; p <= kBowPoint; ++p) {
        const double xs = useWaterlineX ? d.waterlineX(p) : d.X(1, p);
        const double zw = z + slope * xs;
        d.waterlineZ(p) = zw;
        const ImmersedSectionResult s = ImmersedSection(d, p, zw);
        d.waterlineY(p) = s.yw;
        d.sectionArea(p) = s.area;
        d.waterlineX(p) = s.xw;
        d.sectionCentreZ(p) = s.zc;

        r.status = std::max(r.status, s.top);
        if (s.top < d.lastLine) r.deckUnder = false;

        if (p == 0) continue;
        // Trapezoidal rule between stations, spaced along the keel.
        const double dx = d.X(0, p) - d.X(0, p - 1);
        const double dV = dx * (d.sectionArea(p - 1) + d.sectionArea(p)) / 2;
        r.V += dV;
        r.Mx += dV * (d.waterlineX(p - 1) + d.waterlineX(p)) / 2;
        r.Mz += dV * (d.sectionCentreZ(p - 1) + d.sectionCentreZ(p)) / 2;
        r.Awp += dx * (d.waterlineY(p - 1) + d.waterlineY(p));
    }
    return r;
}

Hydrostatics SolveWaterlineForZ(HullDesign& d, double z) {
    return Results(d, z, IntegrateHull(d, z, false));
}

Hydrostatics SolveWaterlineForDisplacement(HullDesign& d, double z0, const WaterlineProgress& progress) {
    const double L = d.lineLength(1);
    const double Xg = d.massCentreX;
    const bool massCentreKnown = Xg > 0.1 * L;
    double pitchStep = -0.03;
    double z = z0;
    Hydrostatics result;

    for (int trims = 1;; ++trims) {
        const KeptPass kept = SearchWaterline(d, z, progress);
        z = kept.z;
        result = Results(d, z, kept.sums);

        // Trim by the bow when the centre of displacement lies aft of the
        // mass centre, by the stern otherwise; the step shrinks each time
        // the direction changes. No trim is made that no search would follow.
        const double offset = Xg - d.buoyancyX;
        if (!massCentreKnown || std::fabs(offset) <= 0.002 * L || trims >= kMaxTrimSteps) break;
        double t = std::fabs(pitchStep) * (offset > 0 ? 1 : -1);
        if (t * pitchStep < 0) {
            t *= 0.3;
            pitchStep = t;
        }
        d.pitchAngle += t;
    }
    return result;
}

}  // namespace bravik
