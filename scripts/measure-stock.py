#!/usr/bin/env python3
"""Measures velmar-batch --stock on seeded jobs, one whole process per job, and
prints one line per job and a summary per kind.

  scripts/measure-stock.py BUILD_DIR [small|workshop|single|repeat ...]

Small jobs: up to 12 pieces, 2 to 4 stock lengths with limits and costs; the
tool plans them through every plan (the line says whether it proved so).
Workshop jobs: 3 to 6 stock lengths between 2000 and 6500 mm, some limited,
offcuts among them, 20 to 200 piece types, 100 to 5000 pieces, cut width 3,
costed or not; the gap is the objective over its lower bound. Single: one
unlimited uncosted stock length against --fewest-bars on the same job.
Repeat: small and workshop jobs planned twice; a job whose search finished
within the budget must give the same plan both times. Each kind starts and
ends with the machine's load.
"""
import json
import os
import random
import subprocess
import sys
import tempfile
import time

ROWS = 499
COLUMNS = 5


def job_text(bar, cut, rows):
    lines = [" Measured", bar, cut, "0", "1"]
    for i in range(ROWS):
        if i < len(rows):
            qty, length = rows[i]
            lines += [str(qty), length, "", "", ""]
        else:
            lines += [""] * COLUMNS
    return "".join(line + "\r\n" for line in lines)


def stock_text(lines):
    return "Length,On Hand,Cost\r\n" + "".join(
        "%s,%s,%s\r\n" % (length, "" if on_hand is None else on_hand,
                          "" if cost is None else cost) for length, on_hand, cost in lines)


def run(batch, job, stock, extra):
    with tempfile.TemporaryDirectory() as folder:
        job_path = os.path.join(folder, "job.txt")
        with open(job_path, "w", newline="") as out:
            out.write(job)
        arguments = [batch, "--json"] + extra
        if stock is not None:
            stock_path = os.path.join(folder, "stock.csv")
            with open(stock_path, "w", newline="") as out:
                out.write(stock)
            arguments += ["--stock", stock_path]
        start = time.monotonic()
        done = subprocess.run(arguments + [job_path], capture_output=True, text=True)
        seconds = time.monotonic() - start
    result = json.loads(done.stdout) if done.stdout.strip().startswith("{") else {}
    return done.returncode, seconds, result, done.stderr.strip()


def small_job(seed):
    rng = random.Random(seed)
    costed = rng.random() < 0.5
    stock = []
    for _ in range(rng.randint(2, 4)):
        stock.append((rng.randint(60, 140), rng.choice([None, 1, 2, 3]),
                      rng.randint(1, 40) if costed else None))
    rows = [(1, "%d.5" % rng.randint(10, 60)) for _ in range(rng.randint(4, 12))]
    return job_text("0", "0", rows), stock_text(stock)


def workshop_job(seed):
    rng = random.Random(seed)
    costed = rng.random() < 0.5
    stock = []
    for _ in range(rng.randint(3, 5)):
        length = rng.randint(2000, 6500)
        stock.append((length, rng.choice([None, None, rng.randint(5, 40)]),
                      round(length * rng.uniform(0.009, 0.012), 2) if costed else None))
    for _ in range(rng.randint(1, 3)):  # offcuts: one each, free
        stock.append((rng.randint(2000, 3000), 1, 0 if costed else None))
    if all(on_hand is not None for _, on_hand, _ in stock):
        stock[0] = (stock[0][0], None, stock[0][2])
    types = rng.randint(20, 200)
    pieces = rng.randint(max(100, types), 5000)
    lengths = sorted(rng.sample(range(200, 1999), types))
    quantities = [1] * types
    for _ in range(pieces - types):
        quantities[rng.randrange(types)] += 1
    rows = [(q, str(l)) for q, l in zip(quantities, lengths)]
    rng.shuffle(rows)
    return job_text("0", "3", rows), stock_text(stock), pieces, types


def load():
    with open("/proc/loadavg") as average:
        return "load average " + " ".join(average.read().split()[:3])


def main():
    build = sys.argv[1]
    kinds = sys.argv[2:] or ["small", "workshop", "single"]
    batch = os.path.join(build, "app", "batch", "velmar-batch")
    print(load())
    if "small" in kinds:
        proven = 0
        worst = 0.0
        for seed in range(1, 41):
            job, stock = small_job(seed)
            code, seconds, result, err = run(batch, job, stock, [])
            if code == 0:
                proven += result["provenMinimal"] is True
            worst = max(worst, seconds)
            print("small %2d: exit %d, %.2f s, %s" % (seed, code, seconds,
                  "proven" if code == 0 and result["provenMinimal"] else err or "not proven"))
        print("small: %d proven optimal of 40, slowest %.2f s" % (proven, worst))
        print(load())
    if "workshop" in kinds:
        gaps = []
        walls = []
        for seed in range(1, 21):
            job, stock, pieces, types = workshop_job(seed)
            code, seconds, result, err = run(batch, job, stock, [])
            if code != 0:
                print("workshop %2d: exit %d %s" % (seed, code, err))
                continue
            gap = 100.0 * (result["objective"] / result["objectiveLowerBound"] - 1.0)
            gaps.append(gap)
            walls.append(seconds)
            print("workshop %2d: %4d pieces, %3d types, %4d bars, %.2f s, gap %.3f %%%s" % (
                seed, pieces, types, len(result["plan"]), seconds, gap,
                ", proven" if result["provenMinimal"] else ""))
        if gaps:
            print("workshop: gap mean %.3f %%, worst %.3f %%, within 0.5 %%: %d of %d, "
                  "slowest %.2f s" % (sum(gaps) / len(gaps), max(gaps),
                                      sum(g <= 0.5 for g in gaps), len(gaps), max(walls)))
        print(load())
    if "single" in kinds:
        same = 0
        for seed in range(1, 11):
            job, _, _, _ = workshop_job(seed)
            _, _, from_stock, _ = run(batch, job, stock_text([(6000, None, None)]), [])
            fewest_job = job.replace("\r\n0\r\n3\r\n", "\r\n6000\r\n3\r\n", 1)
            _, _, fewest, _ = run(batch, fewest_job, None, ["--fewest-bars"])
            bars = (len(from_stock["plan"]), len(fewest["plan"]))
            same += bars[0] == bars[1]
            print("single %2d: %d bars from stock, %d by --fewest-bars" % (seed, *bars))
        print("single: as few bars as --fewest-bars in %d of 10" % same)
        print(load())
    if "repeat" in kinds:
        finished = same = 0
        jobs = [small_job(seed) for seed in range(1, 11)]
        jobs += [workshop_job(seed)[:2] for seed in (2, 5, 7, 13, 20)]
        for number, (job, stock) in enumerate(jobs, 1):
            first = run(batch, job, stock, [])
            second = run(batch, job, stock, [])
            # A search that ends well before the 10 s budget ended on its own.
            if first[0] != 0 or max(first[1], second[1]) > 9.0:
                print("repeat %2d: not finished within the budget" % number)
                continue
            finished += 1
            alike = first[2]["plan"] == second[2]["plan"]
            same += alike
            print("repeat %2d: %s plan" % (number, "same" if alike else "another"))
        print("repeat: the same plan in %d of %d finished searches" % (same, finished))
        print(load())


if __name__ == "__main__":
    main()
