// Parametric building blocks for the meshes, each in its own coordinates and
// wound counter-clockwise seen from outside. `tile` is the length in mesh
// units of one texture repeat; round surfaces repeat a whole number of times
// around so their texture seam does not show.
#pragma once
#include <vector>

#include "tools/gen/meshes/builder.h"

// Box of `size` centred on the origin; `chamfer` > 0 bevels every edge.
Part Box(DVec3 size, double tile, double chamfer = 0);
// Square bar of side `width` from a to b; `hint` sets its roll.
Part Bar(DVec3 a, DVec3 b, double width, double tile, DVec3 hint = {0, 0, 1});

// A profile point (radius, height) of a surface of revolution about z.
struct ProfilePoint {
  double r, z;
};
// Surface of revolution: outward for a profile that climbs in z at r > 0,
// inward where it comes back down (nozzle linings). Points at r = 0 close it.
// A closed profile is joined from its last point back to its first (rings).
Part Lathe(const std::vector<ProfilePoint>& profile, int segments, double tile, bool closed = false);
// Capped cylinder of radius r along z from 0 to length.
Part Cylinder(double r, double length, int segments, double tile);
Part Sphere(double r, int rings, int segments, double tile);
Part Torus(double major, double minor, int segmentsMajor, int segmentsMinor, double tile);

// A hull cross-section at x: a superellipse |y/halfWidth|^e + |(z-z0)/halfHeight|^e = 1.
struct Section {
  double x, halfWidth, halfHeight, z0 = 0, exponent = 2;
};
// Hull skinned through sections in increasing x; zero-sized end sections close
// to a point, others get flat caps.
Part Loft(const std::vector<Section>& sections, int around, double tile);
// The same through a polygonal cross-section: `shape` lists unit (y, z)
// points from the keel (0, -1) up the +y side and round; each section scales
// it by its half width and height. Its edges stay sharp.
Part PolyLoft(const std::vector<Section>& sections, const std::vector<UV>& shape, double tile);

// A thin wing in the xy plane from its root (y = 0) to its tip (y = span),
// leading edge towards +x; sweep is the tip's leading edge x offset.
struct WingShape {
  double rootChord, tipChord, span, sweep, rootThickness, tipThickness;
};
Part Wing(const WingShape& shape, double tile);

// A convex outline (counter-clockwise in xy, as (s, t) = (x, y)) extruded from z = 0 to height.
Part Prism(const std::vector<UV>& outline, double height, double tile);

// Lattice girder along z from 0 to length: four corner rails of a square of
// side `width` and zig-zag braces on every side.
Part Truss(double length, double width, int bays, double bar, double tile);

// Parabolic dish opening towards +z with a feed on a tripod.
Part Dish(double radius, double depth, int segments, double tile);

// Engine nozzle along z, exit (radius `exit`) at z = length: a flared bell
// with a recessed lining and a burner plate; its base at z = 0 is closed.
Part Nozzle(double base, double exit, double length, int segments, double tile);

// Unit geodesic sphere: an icosahedron with each face cut into
// frequency^2 triangles, points pushed out to radius 1 (10f^2 + 2 points).
Part Icosphere(int frequency);

// A flat panel (solar cells, radiators): `width` along x, `length` along z,
// `thickness` along y, centred on the origin. Both faces show the texture a
// whole number of times, square repeats, the shorter side once.
Part Panel(double width, double length, double thickness);
