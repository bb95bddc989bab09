#pragma once
// Angles in the flat: the corners of a triangle given by its sides, the
// direction of a vector, and an arctangent in degrees. Each keeps the value
// of pi it has always used, so developed outlines stay reproducible to the
// last digit.

namespace bravik {

struct TriangleCorners {
    double A = 0, B = 0, C = 0;   // radians, opposite sides a, b and c
};

// The angles of the triangle with sides a, b, c. A triangle of (nearly) zero
// perimeter is taken as equilateral; one whose longest side (nearly) equals
// the sum of the other two is collapsed to a straight angle opposite that
// side and two zero angles.
TriangleCorners TriangleAngles(double a, double b, double c);

// Direction of the vector from (x1, y1) to (x2, y2), radians in [0, 2pi).
double DirectionAngle(double x1, double y1, double x2, double y2);

// Arctangent in degrees.
double AtnDeg(double x);

}  // namespace bravik
