// Turns of a point about the coordinate axes: the file rotations that re-orient a target or an
// impact mesh, and the display rotations that only turn the view.
#pragma once

namespace velkor {

// Cosine and sine of one angle.
struct TTurn {
    double c = 1;
    double s = 0;
};

// Multiples of 90 degrees give exact zeros and ones, so a quarter turn of an axis lands exactly
// on another axis.
TTurn DegreeTurn(double degrees);
TTurn RadianTurn(double radians);

// The pair (p, q) turned from p towards q: p' = p c - q s, q' = q c + p s.
inline void RotatePair(double& p, double& q, TTurn t) {
    const double p1 = p * t.c - q * t.s;
    const double q1 = q * t.c + p * t.s;
    p = p1 + 0.0;  // + 0.0 turns a negative zero into zero
    q = q1 + 0.0;
}

// The orientation rotations in their order: about z (x towards y), then about x (y towards z),
// then about y (z towards x). An angle of 0 is left out, so its coordinates stay untouched.
struct TFileRotation {
    bool aboutZ = false, aboutX = false, aboutY = false;
    TTurn z, x, y;
};

TFileRotation MakeFileRotation(double zRotDegrees, double xRotDegrees, double yRotDegrees);
void RotatePoint(const TFileRotation& rotation, double& x, double& y, double& z);

// The display's planes.
enum class RotationPlane { XY, YZ, ZX };

// One step of the rotate-display arrows, in the sense of the file rotation of the same plane:
// R(x,y) turns x towards y, R(y,z) y towards z and R(z,x) z towards x, so that what the display
// shows is what a file rotation by the accumulated angles writes.
void StepPoint(RotationPlane plane, TTurn t, double& x, double& y, double& z);

// "Apply Rotation": the three planes in the order of the file rotations (xy, yz, zx), each in
// the arrows' sense.
struct TDisplayTurns {
    TTurn xy, yz, zx;
};
void TurnDisplayPoint(const TDisplayTurns& turns, double& x, double& y, double& z);

// An accumulated display rotation brought once into range: >= 2 pi loses 2 pi, <= -2 pi gains it.
double WrapOnce(double radians);

}  // namespace velkor
