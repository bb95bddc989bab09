#pragma once
// Small numeric helpers shared by the whole geometry core.

namespace bravik {

// Tangent of an angle given in degrees. Uses pi at full double precision:
// the stated default keel station (3.797144649618416) depends on it.
double TanDeg(double degrees);

// TanDeg of a whole number of degrees, looked up in a table filled once for
// -360..360 (computed as TanDeg outside it): the same value, without a tan
// call in the inner loops that climb through every plank.
double TanDegWhole(int degrees);

// The abscissa at which the straight line through (x1, y1) and (x2, y2)
// reaches the ordinate y0; the midpoint of x1 and x2 when the line is
// vertical or horizontal.
double SecantStep(double y0, double x1, double y1, double x2, double y2);

}  // namespace bravik
