#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

// The builder's tuning numbers, all in one table. None changes what a system guarantees (every
// system is proven before it is written); they share out time and memory among the steps.
// The time shares and search figures were set by the measured tables in the README (made by
// bench/build_table.sh); the work and memory limits keep a build within 500 MB and near its
// time on the largest shapes (6 aus 49).
namespace lorvex::builder::tuning {

// --- Time -------------------------------------------------------------------------------------
// The constructions (the orbit race above all) get this part of the build's time, the search
// the rest: measured on 18/5 and 20/4, where the orbit designs gain most.
inline constexpr int CONSTRUCTION_SHARE = 2;
// A smaller shape met on the way (recursive and partition constructions) gets orbit designs
// this briefly: there are many of them.
inline constexpr std::chrono::milliseconds PART_ORBIT_TIME{100};
// Before the orbit race, the parts of the most promising partition designs are shrunk by the
// search for this part of the constructions' time: the parts of this many splits, each part
// with at most this many draws.
inline constexpr int PART_SEARCH_SHARE = 2;
inline constexpr std::size_t PART_SEARCH_SPLITS = 8;
inline constexpr std::uint64_t PART_SEARCH_MAX_DRAWS = 200'000;
// A lotto design is also made from the one on a point more (its splits may suit better),
// up to this many draws of that one.
inline constexpr std::uint64_t ONE_POINT_MORE_MAX_DRAWS = 500'000;

// The group that wins the orbit race's rounds has this part of the race for runs of its own,
// which still gain where the rounds' short runs stopped (the race alone: 22 numbers "3 wenn 4"
// 49 rows instead of 52, C(26,6,4) 1272 instead of 1314).
inline constexpr int RACE_WINNER_SHARE = 4;
// The groups turning cycles of two lengths get one run each, together this part of the orbit
// designs' time, before the race; only for lotto designs up to this many numbers, and only
// when there is this much time (their runs need a second or more). They took 20 numbers
// "4 wenn 6" from 70 to 59 rows, 18 numbers "5 wenn 6" from 496 to 479, "3 wenn 4" on 20 and
// 22 numbers from 36 and 49 to 35 and 48; unlike the small groups they gain above 22 numbers
// too ("3 wenn 4" on 23 numbers: 58 rows instead of 62). Not for draws of five numbers: there
// they gave nothing and took the race's time (20 and 21 numbers "4 wenn 5": 138 and 182 rows,
// not 135 and 179).
inline constexpr int TWO_LENGTHS_SHARE = 3;
inline constexpr int TWO_LENGTHS_UP_TO_POINTS = 25;
inline constexpr std::chrono::seconds TWO_LENGTHS_FROM_TIME{3};
inline constexpr int TWO_LENGTHS_NOT_FOR_DRAWS = 5;
// Their runs have room for this many entries in the orbit lists each, this many together (see
// MAX_ORBIT_WORK). On two threads that is a little more than the race gives a run: two 6-cycles
// and two 4-cycles on 22 numbers (13.2 million) fit and give "4 wenn 6" in 102 rows instead of
// 113. On one thread it is less: the groups with more entries took the others' time (21 numbers
// "4 wenn 6" in 20 s on one thread: 78 rows, 102 with the race's room).
inline constexpr std::uint64_t TWO_LENGTHS_RUN_WORK = 15'000'000;
inline constexpr std::uint64_t TWO_LENGTHS_WORK = 30'000'000;

// Lotto designs with draws of this many numbers, on more points than the small groups race on
// and up to this many, take their orbit designs from three turned triples alone when there is
// this much time (making their lists takes a second or two; the parts of a partition design
// get a tenth), in runs that together have at most this much work (two runs on 25 numbers
// "3 wenn 4").
inline constexpr int THREE_TRIPLES_FOR_DRAWS = 4;
inline constexpr int THREE_TRIPLES_UP_TO_POINTS = 25;
inline constexpr std::chrono::seconds THREE_TRIPLES_FROM_TIME{3};
inline constexpr std::uint64_t THREE_TRIPLES_WORK = 64'000'000;

// --- Sizes at which a step changes its way ------------------------------------------------
// Above this many draws a partition design's parts are built and shrunk on their own first:
// the search gets much further on their fewer draws (6 aus 49 "3 wenn 6").
inline constexpr std::uint64_t PARTS_ALONE_ABOVE_DRAWS = 500'000;
// Above this many draws the orbit race starts with the large groups, which alone leave few
// enough orbits.
inline constexpr std::uint64_t LARGE_GROUPS_FIRST_ABOVE_DRAWS = 1'000'000;

// The small groups (a few short cycles, many points fixed) race among the orbit designs only
// up to this many points: above, they take the large groups' time (C(24,6,4) came out at 868
// rows instead of 784 with them). And only from this many draws on, or, for a lotto design
// below them, when the race has this much time: a build of a few seconds on a slow computer
// would cut their longer runs short, so that the same seed would no longer give the same
// system there (the web page). The coverings below are at their records without them.
inline constexpr int SMALL_GROUPS_UP_TO_POINTS = 22;
inline constexpr std::uint64_t SMALL_GROUPS_FROM_DRAWS = 2'000;
inline constexpr std::chrono::seconds SMALL_GROUPS_BELOW_DRAWS_TIME{3};

// --- Memory -----------------------------------------------------------------------------------
// All search runs together stay below this (their coverage tables), whatever the shape.
inline constexpr std::uint64_t SEARCH_MEMORY = 300'000'000;
// Orbit designs only where the sets of a block or a draw can be ranked in a table this large.
inline constexpr std::uint64_t MAX_RANKED_SETS = 16'000'000;
// Bounds the lists of orbits that reach each orbit of draws (4 bytes an entry, twice), shared
// by the race's threads: on two, x -> 5x + b on Z24 and a fixed point (25 numbers "4 wenn 6",
// 204 rows where the groups let in before gave 245) just fits.
inline constexpr std::uint64_t MAX_ORBIT_WORK = 24'000'000;

// --- Searches ---------------------------------------------------------------------------------
// The orbit search gives up after this many changes without a smaller design.
inline constexpr std::uint64_t STEPS_WITHOUT_GAIN = 200'000;
// The weighted row search: how long a swapped point stays out, and how often it looks at the
// clock.
inline constexpr std::uint64_t TABU_STEPS = 3;
inline constexpr long POLL_EVERY = 256;
// Annealing for lotto designs: start, lowest and cooling of its temperature. Starting at 1.0
// rather than 0.6 gained on "5 wenn 6" with the same seeds (45 s: 16 numbers 226 to 229 rows
// instead of 228 to 232, 18 numbers 471 to 479 instead of 471 to 482) and lost in none of the
// other requests tried (6 aus 49, "3 wenn 4", "4 wenn 6", "4 wenn 5" on 17 to 25 numbers).
inline constexpr double START_TEMPERATURE = 1.0;
inline constexpr double LOWEST_TEMPERATURE = 0.1;
inline constexpr double COOLING = 0.995;
// Rows whose removal is counted one by one only up to this many: above, a sample this large.
inline constexpr std::size_t LEAST_NEEDED_SAMPLE = 32;
// A coverage table being filled looks at the clock after this many draws.
inline constexpr std::uint32_t DRAWS_BETWEEN_POLLS = 1 << 16;

// --- Mending ----------------------------------------------------------------------------------
// How many holes a greedy step scores its candidates on, and how many holes it grows
// candidates from: thorough while there is time, quick after that.
struct GreedyEffort {
    std::size_t scoredHoles;
    std::size_t seeds;
};
inline constexpr GreedyEffort THOROUGH{4096, 8};
inline constexpr GreedyEffort QUICK{256, 1};
// The pairwise comparisons the lower bound for added rows may make.
inline constexpr std::uint64_t BOUND_COMPARISONS = 50'000'000;
// Draw coverage counts are kept for removing redundant rows only up to this many row-draw
// pairs, and the rows ordered by their redundancy only up to the second figure.
inline constexpr std::uint64_t REMOVAL_WORK = 4'000'000'000;
inline constexpr std::uint64_t ORDERING_WORK = 400'000'000;
// The draws the budget search may look at while it drops surplus rows from its start.
inline constexpr std::uint64_t DROPPING_WORK = 1'000'000;

}  // namespace lorvex::builder::tuning
