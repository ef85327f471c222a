#!/usr/bin/env python3
"""What lorvex-build --rows-at-most must beat: for "T if K" on V numbers and N rows, the fewest
draws without the guarantee among 1,000 random N-row systems, and among the first N rows of a
greedy system (each row the one that meets the most draws still missed, the first of equals).

usage: budget_baselines.py V T K N [SYSTEMFILE]
With SYSTEMFILE, also how many draws its rows miss."""
import itertools
import random
import sys


def coverage(row, draws, guarantee):
    """The draws the row meets in `guarantee` numbers or more, as bits of one integer."""
    mask = 0
    for index, draw in enumerate(draws):
        if len(row & draw) >= guarantee:
            mask |= 1 << index
    return mask


def missed(rows, draws, guarantee):
    return sum(1 for draw in draws if all(len(row & draw) < guarantee for row in rows))


def main():
    numbers, guarantee, drawn, rows = (int(a) for a in sys.argv[1:5])
    draws = [frozenset(d) for d in itertools.combinations(range(1, numbers + 1), drawn)]
    candidates = [frozenset(c) for c in itertools.combinations(range(1, numbers + 1), 6)]
    reach = [coverage(c, draws, guarantee) for c in candidates]
    generator = random.Random(1)
    best_random = min(
        missed(generator.sample(candidates, rows), draws, guarantee) for _ in range(1000))
    left = (1 << len(draws)) - 1
    for _ in range(rows):
        left &= ~max(reach, key=lambda r: bin(r & left).count("1"))
    print(f"{len(draws)} Ziehungen, {rows} Reihen: bestes von 1000 zufälligen Systemen "
          f"{best_random} ohne Garantie, gierig {bin(left).count('1')}")
    if len(sys.argv) > 5:
        with open(sys.argv[5]) as text:
            system = [frozenset(int(n) for n in line.split()) for line in text if line.strip()]
        print(f"{sys.argv[5]}: {len(system)} Reihen, {missed(system, draws, guarantee)} ohne Garantie")


if __name__ == "__main__":
    main()
