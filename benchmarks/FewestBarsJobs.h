#pragma once

// Seeded jobs whose best plans are known or bounded, for measuring how close
// the fewest-bars planner comes and how long it takes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/plan/PreparedCutList.h"

struct GeneratedJob {
    float barLength = 0.0f;
    float cutWidth = 0.0f;
    std::map<long, long, std::greater<>> piecesOfLength;  // in units, longest first
    long unitsPerLength = 1;                              // 1000 for lengths in thousandths
    std::int64_t target = 0;  // bars the plan must reach: the optimum or the length bound

    std::string LengthText(long units) const {
        if (unitsPerLength == 1) {
            return std::to_string(units);
        }
        char text[32];
        std::snprintf(text, sizeof text, "%ld.%03ld", units / 1000, units % 1000);
        return text;
    }
};

// Bar 1000, no cut width, every bar's worth three pieces of 250 to 500 that
// fill it exactly: the optimum is a third of the pieces.
inline GeneratedJob TripletJob(int pieces, unsigned seed) {
    std::mt19937 random(seed);
    GeneratedJob job;
    job.barLength = 1000.0f;
    for (int triplet = 0; triplet < pieces / 3; ++triplet) {
        const long first = std::uniform_int_distribution<long>(380, 490)(random);
        const long rest = 1000 - first;
        const long second = std::uniform_int_distribution<long>(250, rest / 2)(random);
        ++job.piecesOfLength[first];
        ++job.piecesOfLength[second];
        ++job.piecesOfLength[rest - second];
    }
    job.target = pieces / 3;
    return job;
}

// Bar 150, no cut width, whole lengths drawn evenly from 20 to 100; the
// target is the total length over the bar length, rounded up.
inline GeneratedJob UniformJob(int pieces, unsigned seed) {
    std::mt19937 random(seed);
    GeneratedJob job;
    job.barLength = 150.0f;
    long total = 0;
    for (int piece = 0; piece < pieces; ++piece) {
        const long length = std::uniform_int_distribution<long>(20, 100)(random);
        ++job.piecesOfLength[length];
        total += length;
    }
    job.target = (total + 149) / 150;
    return job;
}

// Like a large workshop job: 499 rows of lengths from 1 to 239 to the
// thousandth, 1 to 200 pieces each, bar 240, cut width 0.125.
inline GeneratedJob WorkshopJob(unsigned seed) {
    std::mt19937 random(seed);
    GeneratedJob job;
    job.barLength = 240.0f;
    job.cutWidth = 0.125f;
    job.unitsPerLength = 1000;
    while (job.piecesOfLength.size() < 499) {
        const long length = std::uniform_int_distribution<long>(1000, 239000)(random);
        job.piecesOfLength[length] = std::uniform_int_distribution<long>(1, 200)(random);
    }
    return job;
}

// A million pieces: 20 rows of 50,000, lengths to the eighth, bar 240.
inline GeneratedJob MillionPieceJob(unsigned seed) {
    std::mt19937 random(seed);
    GeneratedJob job;
    job.barLength = 240.0f;
    job.cutWidth = 0.125f;
    job.unitsPerLength = 1000;
    while (job.piecesOfLength.size() < 20) {
        const long eighths = std::uniform_int_distribution<long>(8, 239 * 8)(random);
        job.piecesOfLength[eighths * 125] = 50000;
    }
    return job;
}

// The job as the preparation leaves it: one row per length, longest first.
inline PreparedCutList PreparedOf(const GeneratedJob& job) {
    PreparedCutList list;
    list.BarLength = job.barLength;
    list.CutWidth = job.cutWidth;
    for (const auto& [units, pieces] : job.piecesOfLength) {
        ++list.UsedRows;
        const float length = std::stof(job.LengthText(units));
        list.PieceLen[static_cast<std::size_t>(list.UsedRows)] = length + job.cutWidth;
        list.PieceQty[static_cast<std::size_t>(list.UsedRows)] = static_cast<float>(pieces);
    }
    return list;
}
