#pragma once
// Point constructions in the flat used to draw the extra material of
// lap-strake planks and the characters of the stroke font.

#include "geometry/station_sections.h"   // Point2

namespace bravik {

// The point of line P2P3 whose distance to line P1P2 is d (the corner of a
// band of width d laid along P1P2, seen on the next segment).
Point2 OffsetCornerOnNext(Point2 p1, Point2 p2, Point2 p3, double d);

// The point of line P1P2 whose distance to line P2P3 is d.
Point2 OffsetCornerOnPrevious(Point2 p1, Point2 p2, Point2 p3, double d);

// P2 moved by d to the left of the direction P1 -> P2; (x1, y1 + d) when the
// two points coincide.
Point2 OffsetPerpendicular(Point2 p1, Point2 p2, double d);

// P1 turned about P2 by theta radians (counter-clockwise).
Point2 RotateAbout(Point2 p1, Point2 p2, double theta);

}  // namespace bravik
