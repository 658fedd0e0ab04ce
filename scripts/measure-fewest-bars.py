#!/usr/bin/env python3
"""Measures velmar-batch --fewest-bars on seeded jobs whose best plans are known
or bounded, one whole process per job, and prints one line per job and a
summary per kind of job.

  scripts/measure-fewest-bars.py BUILD_DIR [triplets|uniform|workshop|million|
                                           wide|tight|large|short|limit ...]
  scripts/measure-fewest-bars.py BUILD_DIR --against OLD_BUILD_DIR
                                 [triplets|uniform|workshop|wide|tight|large|everyday ...]

Triplet jobs: bar 1000, no cut width, each bar's worth three pieces of 250 to
500 that fill it exactly; the best plan uses a third of the pieces. Uniform
jobs: bar 150, no cut width, whole lengths drawn evenly from 20 to 100; the
target is the total length over the bar, rounded up. The workshop job: 499
rows to the thousandth, bar 240, cut width 0.125, about 50,000 pieces, also
planned by first fit for comparison. The million job: a million pieces on
499 rows like the workshop job.

The jobs whose optimum is not known beforehand count as met when the plan is
proven minimal (or, for the large jobs, within one bar of its bound). Wide
jobs: bar 100000, 200 pieces drawn evenly from 20000 to 35000. Tight jobs: bar
1000, 160 to 200 pieces from 1 to 800, most of them 200 to 600, the last one
chosen so that the total is a whole number of bars. Large jobs: bar 500000, 1000 to 1500
pieces of 499 lengths drawn from 5 to 45 % of the bar. Short jobs: small jobs whose
relaxation (solved in exact fractions), rounded up, is a bar below the
optimum (found by trying every plan), grown by copies of themselves and, on a
bar a thousand times longer, by bars' worth of three pieces that fill a bar
exactly, each such growth drawn three times; a proven plan above the named
relaxation bound is still short. Limit: the whole process's wall
time against --time-limit 2 and 10 on large jobs of 1000, 2500 and 5000 pieces
and on a 5000-piece job from four stock lines, with the machine's load.

With --against, both builds plan the same jobs, old and new in turn on each job
so that both see the same load, and each job's line gives bars, bound, proof,
wall and cpu time of both. A job is flagged MISS when the old build met it and
the new one does not, MORE-BARS when the new plan has more bars than the old,
UNPROVEN when the old plan was proven minimal and the new one is not,
SLOWER when the new one takes over 10 % and 0.1 s more wall or cpu time.
Triplet and uniform jobs count as met at the target or when proven minimal
(the uniform target is only a bound); the workshop jobs within one bar of the
bound.
Everyday jobs, only measured here: 20 small cut lists of 5 to 40 rows, bar
6000, cut width 3, lengths 200 to 3000, met when proven minimal. Each kind ends
with a summary line and the machine's load before and after it.
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


def workshop_job(seed, longest):
    rows = workshop_rows(seed, lambda rng: rng.randint(1, 200), 1000, longest)
    return job_text("240", "0.125", rows), rows


def measure_workshop(batch, seed=1, longest=239000):
    text, rows = workshop_job(seed, longest)
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


def wide_job(seed):
    rng = random.Random(seed)
    lengths = [rng.randint(20000, 35000) for _ in range(200)]
    return job_text("100000", "0", grouped(lengths, rng)), 200


def tight_job(seed):
    rng = random.Random(seed)
    count = rng.randint(160, 200)
    while True:
        # Most pieces a third to a half of the bar and all but a few lengths
        # distinct: bars of two or three pieces that rarely fill exactly.
        pool = list(range(200, 601)) * 9 + list(range(1, 801))
        lengths = rng.sample(pool, count - 1)
        last = -sum(lengths) % 1000
        if 1 <= last <= 800:
            break
    lengths.append(last)
    return job_text("1000", "0", grouped(lengths, rng)), count


def large_job(seed):
    rng = random.Random(seed)
    count = rng.randint(1000, 1500)
    # A job holds 499 rows, so the pieces share 499 lengths.
    pool = rng.sample(range(25000, 225001), ROWS)
    lengths = [rng.choice(pool) for _ in range(count)]
    return job_text("500000", "0", grouped(lengths, rng)), count


def sized_large_job(count, seed):
    rng = random.Random(seed)
    pool = rng.sample(range(25000, 225001), ROWS)
    lengths = [rng.choice(pool) for _ in range(count)]
    return job_text("500000", "0", grouped(lengths, rng))


def stock_job(count, seed):
    """Bar lengths from four stock lines, two of them limited, with costs."""
    rng = random.Random(seed)
    lengths = [rng.randint(25000, 225000) for _ in range(200)]
    counts = {}
    for _ in range(count):
        length = rng.choice(lengths)
        counts[length] = counts.get(length, 0) + 1
    rows = [(qty, str(length)) for length, qty in counts.items()]
    stock = "Length,On Hand,Cost\r\n500000,,50\r\n450000,300,44\r\n" \
            "300000,200,29\r\n250000,1,0\r\n"
    return job_text("0", "0", rows), stock


def measure_limits(batch):
    def report(kind, seconds, limit, result):
        print("limit %s --time-limit %d: %.3fs wall (cpu %.3fs), bars=%d%s  load %.2f %.2f %.2f"
              % (kind, limit, seconds, run.cpu, int(result["barCount"]),
                 "" if seconds <= limit + 0.5 else "  OVER", *os.getloadavg()))

    for pieces in (1000, 2500, 5000):
        text = sized_large_job(pieces, 1)
        for limit in (2, 10):
            result, seconds = run(batch, text, ["--fewest-bars", "--time-limit", str(limit)])
            report("large %d pieces" % pieces, seconds, limit, result)
    text, stock = stock_job(5000, 1)
    with tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False, newline="") as f:
        f.write(stock)
        path = f.name
    try:
        for limit in (2, 10):
            result, seconds = run(batch, text, ["--stock", path, "--time-limit", str(limit)])
            report("stock 5000 pieces", seconds, limit, result)
    finally:
        os.unlink(path)


def fewest_by_trying(lengths, bar):
    """The fewest bars of any plan, pieces longest first into open bars or a new one."""
    pieces = sorted(lengths, reverse=True)
    best = [len(pieces)]
    left = []

    def place(i):
        if len(left) >= best[0]:
            return
        if i == len(pieces):
            best[0] = len(left)
            return
        tried = set()
        for b in range(len(left)):
            if left[b] >= pieces[i] and left[b] not in tried:
                tried.add(left[b])
                left[b] -= pieces[i]
                place(i + 1)
                left[b] += pieces[i]
        left.append(bar - pieces[i])
        place(i + 1)
        left.pop()

    place(0)
    return best[0]


# Small jobs (bar, then pieces and length per row) whose relaxation, rounded
# up, is a bar below the optimum; a random search over jobs of a few lengths
# found them. Each is checked again here, so the list only saves the search.
SHORT_JOBS = [
    (18, [(1, 13), (1, 12), (3, 9), (3, 7), (3, 6), (4, 4)]),
    (18, [(2, 13), (2, 10), (3, 9), (3, 6), (3, 4)]),
    (18, [(3, 15), (3, 10), (3, 9), (3, 6), (3, 4)]),
    (22, [(1, 21), (3, 19), (3, 10), (3, 9), (3, 6), (3, 4)]),
    (24, [(4, 13), (3, 12), (4, 8), (3, 5)]),
    (28, [(2, 25), (4, 16), (3, 14), (4, 9), (3, 6)]),
]


def relaxation_bars(bar, rows):
    """The cutting-stock relaxation's optimum in exact fractions: its dual,
    the most worth of the pieces with no bar's pattern worth more than 1, by
    the simplex method from the all-slack basis."""
    from fractions import Fraction
    sizes = [length for _, length in rows]
    demand = [pieces for pieces, _ in rows]
    patterns = []

    def fill(t, room, counts):
        if t == len(sizes):
            if all(counts[k] == demand[k] or sizes[k] > room for k in range(len(sizes))):
                patterns.append(counts[:])
            return
        for count in range(min(demand[t], room // sizes[t]), -1, -1):
            counts[t] = count
            fill(t + 1, room - count * sizes[t], counts)
        counts[t] = 0

    fill(0, bar, [0] * len(sizes))
    m, n = len(sizes), len(patterns)
    table = [[Fraction(c) for c in p] + [Fraction(int(r == i)) for r in range(n)] + [Fraction(1)]
             for i, p in enumerate(patterns)]
    objective = [Fraction(-d) for d in demand] + [Fraction(0)] * (n + 1)
    basis = [m + i for i in range(n)]
    while True:
        enter = next((c for c in range(m + n) if objective[c] < 0), None)
        if enter is None:
            return objective[-1]
        rows_in = [i for i in range(n) if table[i][enter] > 0]
        leave = min(rows_in, key=lambda i: (table[i][-1] / table[i][enter], basis[i]))
        pivot = table[leave][enter]
        table[leave] = [v / pivot for v in table[leave]]
        for row in table + [objective]:
            if row is not table[leave] and row[enter] != 0:
                factor = row[enter]
                row[:] = [a - factor * b for a, b in zip(row, table[leave])]
        basis[leave] = enter


def short_jobs():
    found = []
    for bar, rows in SHORT_JOBS:
        lengths = [length for pieces, length in rows for _ in range(pieces)]
        optimum = fewest_by_trying(lengths, bar)
        relaxation = relaxation_bars(bar, rows)
        if math.ceil(relaxation) < optimum:
            found.append((bar, lengths, optimum, relaxation))
    print("short: %d of %d listed jobs have a relaxation a bar below the optimum"
          % (len(found), len(SHORT_JOBS)))
    return found


def grown_short_job(bar, lengths, copies, scale, triplets, seed):
    """The job `copies` times over, its lengths `scale` times longer, and
    `triplets` bars' worth of three distinct pieces that fill a bar exactly.
    The relaxation grows by at most a bar per copy and per triplet, so a
    proven plan above copies * relaxation + triplets shows the job is still
    short."""
    rng = random.Random(seed)
    long_bar = bar * scale
    grown = [length * scale for length in lengths] * copies
    for _ in range(triplets):
        first = rng.randint(long_bar // 3 + 1, long_bar // 2 - 1)
        while (long_bar - first) // 2 < long_bar // 4 + 1:
            first = rng.randint(long_bar // 3 + 1, long_bar // 2 - 1)
        second = rng.randint(long_bar // 4 + 1, (long_bar - first) // 2)
        grown += [first, second, long_bar - first - second]
    return job_text(str(long_bar), "0", grouped(grown, rng))


def measure_proofs(batch, kind, jobs, within=0):
    met = 0
    worst = 0.0
    worst_cpu = 0.0
    total = 0
    for name, text in jobs:
        result, seconds = run(batch, text, ["--fewest-bars"])
        bars = int(result["barCount"])
        bound = int(result["lowerBound"])
        hit = result["provenMinimal"] or bars - bound <= within
        met += hit
        total += 1
        worst = max(worst, seconds)
        worst_cpu = max(worst_cpu, run.cpu)
        print("%s %s bars=%d lowerBound=%d proven=%s %.3fs (cpu %.3fs)%s"
              % (kind, name, bars, bound, result["provenMinimal"], seconds, run.cpu,
                 "" if hit else "  MISS"))
    print("== %s: %d/%d met, slowest process %.3fs wall, %.3fs cpu" %
          (kind, met, total, worst, worst_cpu))


def everyday_job(seed):
    rng = random.Random(seed)
    lengths = rng.sample(range(200, 3001), rng.randint(5, 40))
    return job_text("6000", "3", [(rng.randint(1, 8), str(length)) for length in lengths])


def at_target(target):
    # The total length over the bar is only a bound: a plan proven minimal above
    # it is as good as can be.
    return lambda result: int(result["barCount"]) == target or result["provenMinimal"]


def proven_or_within(within):
    return lambda result: (result["provenMinimal"]
                           or int(result["barCount"]) - int(result["lowerBound"]) <= within)


def comparison_jobs(kind):
    """(name, job text, whether a result meets the job) for each job of a kind."""
    if kind in ("triplets", "uniform"):
        make, sizes = {"triplets": (triplet_job, [60, 120, 249, 501]),
                       "uniform": (uniform_job, [120, 250, 500, 1000])}[kind]
        for pieces in sizes:
            for seed in range(1, 21):
                text, target = make(pieces, seed)
                yield "pieces=%d seed=%d target=%d" % (pieces, seed, target), text, at_target(target)
    elif kind == "workshop":
        for longest in (239000, 120000):
            yield "longest=%.3f" % (longest / 1000.0), workshop_job(1, longest)[0], \
                proven_or_within(1)
    elif kind in ("wide", "tight", "large"):
        make, seeds, within = {"wide": (wide_job, 20, 0), "tight": (tight_job, 20, 0),
                               "large": (large_job, 10, 1)}[kind]
        for seed in range(1, seeds + 1):
            yield "seed=%d" % seed, make(seed)[0], proven_or_within(within)
    elif kind == "everyday":
        for seed in range(1, 21):
            yield "seed=%d" % seed, everyday_job(seed), proven_or_within(0)
    else:
        raise SystemExit("no comparison for kind %s" % kind)


def slower(new, old):
    return new > old * 1.1 and new - old > 0.1


def compare(new_batch, old_batch, kind):
    load_before = os.getloadavg()
    met = {"old": 0, "new": 0}
    wall = {"old": [], "new": []}
    cpu = {"old": [], "new": []}
    slow = 0
    missed = 0
    more = 0
    for index, (name, text, meets) in enumerate(comparison_jobs(kind)):
        # Alternating which build goes first keeps a change of load from
        # favouring either.
        order = ["old", "new"] if index % 2 == 0 else ["new", "old"]
        seen = {}
        for build in order:
            result, seconds = run(old_batch if build == "old" else new_batch, text,
                                  ["--fewest-bars"])
            seen[build] = (result, seconds, run.cpu, meets(result))
        parts = []
        for build in ("old", "new"):
            result, seconds, spent, hit = seen[build]
            met[build] += hit
            wall[build].append(seconds)
            cpu[build].append(spent)
            parts.append("%s bars=%d bound=%s proven=%s %.3fs (cpu %.3fs)%s"
                         % (build, int(result["barCount"]), result["lowerBound"],
                            result["provenMinimal"], seconds, spent, "" if hit else " unmet"))
        flags = ""
        if seen["old"][3] and not seen["new"][3]:
            flags += "  MISS"
            missed += 1
        if int(seen["new"][0]["barCount"]) > int(seen["old"][0]["barCount"]):
            flags += "  MORE-BARS"
            more += 1
        if seen["old"][0]["provenMinimal"] and not seen["new"][0]["provenMinimal"]:
            flags += "  UNPROVEN"
        if slower(seen["new"][1], seen["old"][1]) or slower(seen["new"][2], seen["old"][2]):
            flags += "  SLOWER"
            slow += 1
        print("%s %s: %s | %s%s" % (kind, name, parts[0], parts[1], flags), flush=True)
    jobs = len(wall["old"])
    for build in ("old", "new"):
        print("== %s %s: %d/%d met, wall total %.3fs worst %.3fs, cpu total %.3fs worst %.3fs"
              % (kind, build, met[build], jobs, sum(wall[build]), max(wall[build]),
                 sum(cpu[build]), max(cpu[build])))
    print("== %s: %d missed, %d with more bars, %d slower; load before %.2f %.2f %.2f, "
          "after %.2f %.2f %.2f" % (kind, missed, more, slow, *load_before, *os.getloadavg()),
          flush=True)


def batch_in(build_dir):
    return os.path.join(build_dir, "app", "batch", "velmar-batch")


def main():
    arguments = sys.argv[1:]
    if "--against" in arguments:
        at = arguments.index("--against")
        if at + 1 >= len(arguments):
            raise SystemExit(__doc__)
        old_batch = batch_in(arguments[at + 1])
        del arguments[at:at + 2]
        if not arguments:
            raise SystemExit(__doc__)
        kinds = arguments[1:] or ["triplets", "uniform", "wide", "tight", "large", "workshop"]
        for kind in kinds:
            compare(batch_in(arguments[0]), old_batch, kind)
        return
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    batch = batch_in(sys.argv[1])
    kinds = sys.argv[2:] or ["triplets", "uniform", "workshop", "million"]
    if "triplets" in kinds:
        measure_known(batch, "triplets", triplet_job, [60, 120, 249, 501])
    if "uniform" in kinds:
        measure_known(batch, "uniform", uniform_job, [120, 250, 500, 1000])
    if "workshop" in kinds:
        measure_workshop(batch)
        # Shorter pieces, several to a bar, leave first fit room to waste.
        measure_workshop(batch, longest=120000)
    if "wide" in kinds:
        measure_proofs(batch, "wide", [("seed=%d" % s, wide_job(s)[0]) for s in range(1, 21)])
    if "tight" in kinds:
        measure_proofs(batch, "tight", [("seed=%d" % s, tight_job(s)[0]) for s in range(1, 21)])
    if "large" in kinds:
        measure_proofs(batch, "large", [("seed=%d" % s, large_job(s)[0]) for s in range(1, 11)],
                       within=1)
    if "short" in kinds:
        jobs = []
        for bar, lengths, optimum, relaxation in short_jobs():
            for copies, scale, triplets in ((1, 1, 0), (2, 1, 0), (5, 1, 0), (1, 1000, 20),
                                            (1, 1000, 60), (3, 1000, 150)):
                most = copies * relaxation + triplets
                # The triplets are drawn at random: three draws of each.
                for draw in range(3 if triplets else 1):
                    name = "bar=%d optimum=%d copies=%d scale=%d triplets=%d draw=%d relaxation<=%s" % (
                        bar, optimum, copies, scale, triplets, draw, most)
                    seed = bar * 1000 + copies + triplets + 7919 * draw
                    jobs.append((name, grown_short_job(bar, lengths, copies, scale, triplets, seed)))
        measure_proofs(batch, "short", jobs)
    if "limit" in kinds:
        measure_limits(batch)
    if "million" in kinds:
        measure_million(batch)
        measure_million(batch, longest=120000)


if __name__ == "__main__":
    main()
