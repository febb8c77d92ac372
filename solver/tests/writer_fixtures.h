// Hand-built run data for the tests of the output writers.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recordio/recordio.h"
#include "src/run_data.h"

namespace kinetics::testing {

inline std::string pad(const std::string& text, std::size_t width) {
    std::string result = text;
    result.resize(width, ' ');
    return result;
}

inline std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

using Records = std::vector<std::string>;

// n blanks, then the text.
inline std::string at(int n, const std::string& text) { return blanks(n) + text; }
inline std::string dashes(int n) { return std::string(static_cast<std::size_t>(n), '-'); }
inline void append(Records& to, const Records& from) { to.insert(to.end(), from.begin(), from.end()); }

// Record by record first, so that a mismatch names the first differing record.
inline void expectRecords(const Records& expected, const Records& actual) {
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(expected[i], actual[i]) << "record " << i;
    ASSERT_EQ(expected.size(), actual.size());
}

// Three field values on a uniform field, 300 K, 1 Torr, no electrons.
inline RunParameters makeParams(int fieldMode = 0) {
    RunParameters p;
    p.fieldMode = fieldMode;
    p.gasTemperature = 300.0;
    p.gasPressure = 1.0;
    p.meshIntervals = 100;
    p.meshPoints = 101;
    p.maxIterations = 900;
    p.startTemperatureAsRead = 0.0;
    p.startTemperature = 300.0;
    const double td[] = {12.345, 20.0, 30.0};
    for (int k = 1; k <= 3; ++k) {
        p.fieldListTd[k] = td[k - 1];
        p.fieldList[k] = td[k - 1] / 10.0;
        p.amplitudeList[k] = 100.0 * k;
        p.energyRangeList[k] = 10.0 * k;
    }
    p.printFlags[8] = true;
    return p;
}

inline GasComposition makeComposition(std::vector<std::pair<std::string, double>> components,
                                      double density = 3.2e16) {
    GasComposition c;
    c.count = static_cast<int>(components.size());
    for (int i = 1; i <= c.count; ++i) {
        c.name[i] = pad(components[i - 1].first, 8);
        c.fraction[i] = components[i - 1].second;
    }
    c.gasDensity = density;
    return c;
}

// Processes named "PROC 1", "PROC 2", ...; excitations of 1 eV unless changed.
inline ProcessTable makeProcesses(int count) {
    ProcessTable t;
    t.count = count;
    for (int j = 1; j <= count; ++j) {
        t.name[j] = pad("PROC " + std::to_string(j), 32);
        t.threshold[j] = 1.0;
        t.targetDensity[j] = 1e16;
        t.type[j] = 0;
    }
    t.name[count + 1] = pad("MOMENTUM TRANSFER COLLISIONS", 32);
    return t;
}

inline std::vector<std::string> recordsOf(const recordio::MemorySink& sink) {
    return sink.records;
}

}  // namespace kinetics::testing
