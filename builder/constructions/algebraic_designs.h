#pragma once

#include <optional>
#include <vector>

#include "builder/design/design.h"

namespace lorvex::builder {

// The Steiner system S(5,6,12): the orbits of PSL(2,11) on the projective line over GF(11)
// whose 6-sets hold every 5-set once. 132 blocks.
std::vector<Block> steinerSystem5612();
// S(3,6,22): the octads of the extended binary Golay code (from the quadratic residues mod 23)
// through two fixed points, without them. 77 blocks.
std::vector<Block> steinerSystem3622();
// S(5,6,24) from the orbits of PSL(2,23) on the projective line over GF(23). 7084 blocks.
std::vector<Block> steinerSystem5624();
// The projective plane of order 5: the 2-dimensional subspaces of GF(5)^3 as sets of the 31
// one-dimensional ones. 31 blocks, any two points in exactly one.
std::vector<Block> projectivePlane5();

// One of the designs above, or a derived design of one (the blocks through the last point,
// without it: S(t-1, k-1, v-1)), when its points, block size and strength are the shape's and
// the shape draws at least `guarantee` points.
std::optional<std::vector<Block>> algebraicDesign(const DesignShape& shape);

}  // namespace lorvex::builder
