#!/usr/bin/env python3
"""Measures velmar-batch --fewest-bars on seeded jobs whose best plans are known
or bounded, one whole process per job, and prints one line per job and a
summary per kind of job.

  scripts/measure-fewest-bars.py BUILD_DIR [triplets|uniform|workshop|million ...]

Triplet jobs: bar 1000, no cut width, each bar's worth three pieces of 250 to
500 that fill it exactly; the best plan uses a third of the pieces. Uniform
jobs: bar 150, no cut width, whole lengths drawn evenly from 20 to 100; the
target is the total length over the bar, rounded up. The workshop job: 499
rows to the thousandth, bar 240, cut width 0.125, about 50,000 pieces, also
planned by first fit for comparison. The million job: a million pieces on
499 rows like the workshop job.
"""
import json
import math
import os
import random
import resource
import subprocess
import sys
import tempfile
import time

ROWS = 499
COLUMNS = 5


def job_text(bar, cut, rows):
    """The job file: title, bar settings, Auto Item Number, 499 x 5 cells."""
    lines = [" Measured", bar, cut, "0", "1"]
    for i in range(ROWS):
        if i < len(rows):
            qty, length = rows[i]
            lines += [str(qty), length, "", "", ""]
        else:
            lines += [""] * COLUMNS
    return "".join(line + "\r\n" for line in lines)


def grouped(lengths, rng):
    counts = {}
    for length in lengths:
        counts[length] = counts.get(length, 0) + 1
    rows = [(qty, str(length)) for length, qty in counts.items()]
    rng.shuffle(rows)
    return rows


def triplet_job(pieces, seed):
    rng = random.Random(seed)
    lengths = []
    for _ in range(pieces // 3):
        first = rng.randint(380, 490)
        rest = 1000 - first
        second = rng.randint(250, rest // 2)
        lengths += [first, second, rest - second]
    return job_text("1000", "0", grouped(lengths, rng)), pieces // 3


def uniform_job(pieces, seed):
    rng = random.Random(seed)
    lengths = [rng.randint(20, 100) for _ in range(pieces)]
    return job_text("150", "0", grouped(lengths, rng)), math.ceil(sum(lengths) / 150)


def workshop_rows(seed, quantity, shortest=1000, longest=239000):
    rng = random.Random(seed)
    lengths = set()
    while len(lengths) < ROWS:
        lengths.add(rng.randint(shortest, longest))
    rows = []
    for units in sorted(lengths):
        rows.append((quantity(rng), "%d.%03d" % (units // 1000, units % 1000)))
    rng.shuffle(rows)
    return rows


def run(batch, text, extra):
    with tempfile.NamedTemporaryFile("w", suffix=".job", delete=False, newline="") as f:
        f.write(text)
        path = f.name
    try:
        start = time.monotonic()
        cpu_before = resource.getrusage(resource.RUSAGE_CHILDREN)
        done = subprocess.run(
            [batch, "--json", *extra, path], capture_output=True, text=True, check=False
        )
        seconds = time.monotonic() - start
        cpu_after = resource.getrusage(resource.RUSAGE_CHILDREN)
        run.cpu = (cpu_after.ru_utime + cpu_after.ru_stime) - (
            cpu_before.ru_utime + cpu_before.ru_stime)
    finally:
        os.unlink(path)
    if done.returncode != 0:
        raise SystemExit("velmar-batch failed (%d): %s" % (done.returncode, done.stderr))
    result = json.loads(done.stdout)
    return result, seconds


run.cpu = 0.0


def peak_child_mib():
    return resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024.0


def measure_known(batch, kind, make, sizes, seeds=20):
    for pieces in sizes:
        worst = 0.0
        worst_cpu = 0.0
        hits = 0
        for seed in range(1, seeds + 1):
            text, target = make(pieces, seed)
            result, seconds = run(batch, text, ["--fewest-bars"])
            bars = int(result["barCount"])
            worst = max(worst, seconds)
            worst_cpu = max(worst_cpu, run.cpu)
            hit = bars == target
            hits += hit
            print(
                "%s pieces=%d seed=%d bars=%d target=%d lowerBound=%s proven=%s %.3fs "
                "(cpu %.3fs)%s"
                % (kind, pieces, seed, bars, target, result["lowerBound"],
                   result["provenMinimal"], seconds, run.cpu, "" if hit else "  MISS")
            )
        print("== %s %d pieces: %d/%d at target, slowest process %.3fs wall, %.3fs cpu" %
              (kind, pieces, hits, seeds, worst, worst_cpu))


def measure_workshop(batch, seed=1, longest=239000):
    rows = workshop_rows(seed, lambda rng: rng.randint(1, 200), 1000, longest)
    text = job_text("240", "0.125", rows)
    pieces = sum(q for q, _ in rows)
    first, first_seconds = run(batch, text, [])
    fewest, seconds = run(batch, text, ["--fewest-bars"])
    print("workshop longest=%.3f seed=%d rows=%d pieces=%d firstFit=%s (%.3fs) fewestBars=%s lowerBound=%s "
          "proven=%s (%.3fs)" % (longest / 1000.0, seed, len(rows), pieces, first["barCount"], first_seconds,
                                 fewest["barCount"], fewest["lowerBound"],
                                 fewest["provenMinimal"], seconds))


def measure_million(batch, seed=1, longest=239000):
    counter = iter(range(ROWS))
    rows = workshop_rows(seed, lambda rng: 2004 + (1 if next(counter) < 4 else 0), 1000, longest)
    text = job_text("240", "0.125", rows)
    pieces = sum(q for q, _ in rows)
    before = peak_child_mib()
    fewest, seconds = run(batch, text, ["--fewest-bars"])
    print("million longest=%.3f seed=%d pieces=%d fewestBars=%s lowerBound=%s proven=%s %.3fs "
          "peak RSS of the largest process so far %.0f MiB (before %.0f MiB), report %d lines"
          % (longest / 1000.0, seed, pieces, fewest["barCount"], fewest["lowerBound"], fewest["provenMinimal"],
             seconds, peak_child_mib(), before, len(fewest["report"])))


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    batch = os.path.join(sys.argv[1], "app", "batch", "velmar-batch")
    kinds = sys.argv[2:] or ["triplets", "uniform", "workshop", "million"]
    if "triplets" in kinds:
        measure_known(batch, "triplets", triplet_job, [60, 120, 249, 501])
    if "uniform" in kinds:
        measure_known(batch, "uniform", uniform_job, [120, 250, 500, 1000])
    if "workshop" in kinds:
        measure_workshop(batch)
        # Shorter pieces, several to a bar, leave first fit room to waste.
        measure_workshop(batch, longest=120000)
    if "million" in kinds:
        measure_million(batch)
        measure_million(batch, longest=120000)


if __name__ == "__main__":
    main()
