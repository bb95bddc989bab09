#pragma once
// The one design record of the program: design parameters, the lines and
// tables computed from them, and the working values that several screens
// share. Lengths in metres, design angles in whole degrees (16-bit), colours
// as red + 256·green + 65536·blue.
//
// Indices follow the program's own numbering: lines k = 0 (keel), 1 (first
// chine), 2..lastLine (upper chines, lastLine the sheer), at most 25; points
// i = 0 (stern end), 1..81 (regular stations), 82 (bow end).

#include <cstdint>
#include <optional>
#include <string>

#include "app/tables.h"

namespace bravik {

inline constexpr int kMaxLine = 25;     // highest line index any table holds
inline constexpr int kBowPoint = 82;    // index of a line's bow end

using LineArray = Table1<double, 0, kMaxLine>;        // one value per line k
using LineIntArray = Table1<std::int16_t, 0, kMaxLine>;
using LineTable = Table2<double, 0, kMaxLine, 0, kBowPoint>;   // (k, i)

struct HullDesign {
    // ---- Per-line design parameters (k = 0..25) --------------------------
    LineArray sternX;           // X of the stern end of line k
    LineArray halfWidthAft;     // half-breadth at the aft station
    LineArray heightAft;        // height at the aft station
    LineArray maxBeamX;         // X of the maximum-beam station (keel: where it starts to rise)
    LineArray halfMaxBeam;      // half-breadth at maxBeamX
    LineArray heightAtMaxBeam;  // height at maxBeamX (keel: its depth there)
    LineArray lineLength;       // X of the bow end; lineLength(0) is the hull length
    LineArray halfWidthFwd;     // half-breadth at the bow station
    LineArray heightFwd;        // height at the bow station
    LineArray chinePlaneZ0;     // plane Z = Z0 + SX·X + SY·Y carrying chine k
    LineArray chinePlaneSlopeX;
    LineArray chinePlaneSlopeY;

    // ---- Per-panel / per-line integers (whole degrees, turn flags) -------
    LineIntArray plankAngle;    // panel k above the horizontal; plankAngle(0) is the deadrise
    LineIntArray bowTurn;       // +1, or -1 when the bow plate turns in above line k
    LineIntArray transomTurn;   // +1, or -1 when the transom turns in above line k

    // ---- Global design parameters ----------------------------------------
    std::int16_t lastLine = 0;          // index of the sheer line
    double powerFwd = 0;                // exponent of the first chine's forward laws
    double powerAft = 0;                // exponent of the aft laws
    double sShapeFwd = 0;               // forward S-shape factor of the height law
    double sShapeAft = 0;               // aft S-shape factor
    std::int16_t keelAdvanceAngle = 0;  // degrees
    std::int16_t bowAngle = 0;          // rake of stem / bow plate from the vertical, degrees
    std::int16_t transomAngle = 0;      // rake of the transom, degrees, held negative
    double stemShape = 0;               // shape exponent of automatic planking
    std::string hullName;               // also the default base name of written files (UTF-8)

    // ---- Display ----------------------------------------------------------
    Table1<float, 0, kMaxLine> lineColour;   // colour line k is drawn in

    // ---- Computed lines ------------------------------------------------------
    LineTable X, Y, Z;          // HullLines: point i of line k
    // The bottom panel as matching generator ends: row 0 keel side, row 1 chine side.
    Table2<double, 0, 1, -1, 90> bottomLineX;
    Table2<double, 0, 1, 0, 90> bottomLineY;
    Table2<double, 0, 1, 0, 90> bottomLineZ;
    std::int16_t midshipIndex = 0;      // point index of the first chine's maximum beam
    Table2<double, 0, kMaxLine, 0, 90> chineAngle;   // radians between the panels meeting along line k

    // Station sections: station s = 0..85 (0..82 computed), section point K = 0..35.
    Table2<double, 0, 85, 0, 35> sectionX, sectionY, sectionZ;

    // Developed outline of the last panel developed (flat metres, points 0..90;
    // 0..83 meaningful for the bottom, 0..82 for planks and decks).
    Table1<double, 0, 90> devLowerX, devLowerY, devUpperX, devUpperY;
    // Half developments of the transom and bow plate, by section point K:
    // (1, K) distance along the raked profile, (2, K) half-breadth.
    Table2<double, 1, 2, 0, 35> transomDev, bowPlateDev;

    // ---- Working values shared by several screens ----------------------------
    std::int16_t overlapChoice = 0;     // exit choice of the thickness and overlap screen
    // Plank thicknesses and clinker laps (metres). plankThickness(k) is panel
    // k's; at line j, point i, lapWidth is how far the panel above overlaps the
    // one below and chineBevel the overlap the lower panel's thickness needs.
    LineArray plankThickness;
    double transomThickness = 0, bowPlateThickness = 0;
    Table2<double, 0, kMaxLine, 0, 90> lapWidth, chineBevel;

    // Drawing board: view placement (twips per metre, twips) and chosen station.
    double viewScale = 0, viewScaleY = 0, viewScaleZ = 0;
    double viewOriginX = 0, planOriginY = 0, profileOriginY = 0, bodyCentreX = 0;
    double stationX = 0;
    std::int16_t stationIndex = 0;

    // Mass budget inputs (kg/m², m) and its two results shared with hydrostatics.
    Table1<double, 1, 8> panelDensity;
    Table1<double, 1, 2> floorDensity;
    Table1<double, 1, 2> deckDensity;
    Table1<double, 1, 2> bulkheadX;
    // Equipment rows (engine, ballast, passengers, three items): kg and m;
    // empty until the user has entered them.
    Table1<std::optional<double>, 1, 6> equipmentMass, equipmentX;
    // Mass budget results: m², kg, m. Planks 0..25; bulkheads, floors, decks 1..2.
    LineArray plankArea, plankMass, plankCentreX;
    double transomArea = 0, transomMass = 0, transomCentreX = 0;
    double bowPlateArea = 0, bowPlateMass = 0, bowPlateCentreX = 0;
    Table1<double, 1, 2> bulkheadArea, bulkheadMass;
    Table1<double, 1, 2> floorArea, floorMass, floorCentreX;
    Table1<double, 1, 2> deckArea, deckMass, deckCentreX;
    double totalMass = 0;       // kg
    double massCentreX = 0;     // m

    // Hydrostatics inputs and results.
    double pitchAngle = 0;      // radians
    double targetDisplacement = 0;
    double buoyancyX = 0, buoyancyY = 0, buoyancyZ = 0;
    Table1<double, 0, kBowPoint> waterlineX, waterlineY, waterlineZ, sectionArea, sectionCentreZ;
};

// Stores the default 6 m design. Touches only the design parameters listed
// for the defaults; computed lines are left as they are.
void ResetToDefaults(HullDesign& d);

}  // namespace bravik
