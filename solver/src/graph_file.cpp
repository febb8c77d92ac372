#include "src/graph_file.h"

#include <initializer_list>

#include "src/cards.h"

namespace kinetics {

namespace {

using recordio::RecordSink;
using recordio::Value;

// Gas-line components qualify from this fraction on (a single-precision 1e-5).
constexpr double kGasLineFraction = 9.999999747378752e-06;

void putFormatted(RecordSink& sink, std::string_view format,
                  std::initializer_list<Value> values = {}) {
    sink.put(recordio::formatRecords(format, values));
}

void putInteger(RecordSink& sink, long long value) { sink.put(recordio::listDirected(value)); }
void putReal(RecordSink& sink, double value) { sink.put(recordio::listDirected(value)); }

// One curve: NC lines of E12.5.
template <typename Get>
void putCurve(RecordSink& sink, int caseCount, Get get) {
    for (int k = 1; k <= caseCount; ++k) sink.put(recordio::formatE(get(k), 12, 5, 0));
}

void putFieldLine(const RunParameters& params, RecordSink& sink) {
    switch (params.fieldMode) {
        case 0:
            sink.put(std::string_view("Uniform Electric Field"));
            break;
        case 1:
            putFormatted(sink, "'High Frequency Electric Field OMEGA =',1PE9.2,' s-1'",
                         {params.frequencyOmega});
            break;
        case 2:
            putFormatted(sink, "'Electric Field + _|_ Magnetic  H = ',1PE9.2,' kGs'",
                         {params.magneticField});
            break;
        default:
            break;  // no field line for an unknown mode
    }
}

void putConditionsLine(const RunParameters& params, const GasComposition& composition,
                       RecordSink& sink) {
    if (params.electronDensity == 0.0) {
        putFormatted(sink,
                     "' T =',F5.0,' K, ',' P =',F7.2,' Torr, ','Ne =',1PE8.1,' cm(-3)'",
                     {params.gasTemperature, params.gasPressure, 0.0});
    } else {
        putFormatted(sink, "' T =',F5.0,' K, ',' P =',F7.2,' Torr, ',' Ne/N =',1PE8.1",
                     {params.gasTemperature, params.gasPressure,
                      params.electronDensity / composition.gasDensity});
    }
}

}  // namespace

int graphStride(int meshIntervals) { return (meshIntervals - 1) / 1000 + 1; }

int graphPointCount(int meshIntervals) {
    return meshIntervals / graphStride(meshIntervals) + 1;
}

std::string graphGasLine(const GasComposition& composition) {
    std::vector<int> listed;
    for (int c = 1; c <= composition.count; ++c)
        if (composition.fraction[c] >= kGasLineFraction) listed.push_back(c);
    const int n = static_cast<int>(listed.size());
    if (n == 0) return {};
    if (n == 1) return " Pure " + padded8(composition.name[listed[0]]);

    // Names joined by "/", "=", then every fraction in percent joined by "/".
    const std::string repeat = std::to_string(n - 1);
    const std::string format =
        "A4," + repeat + "('/',A4),'=',2PF5.2," + repeat + "('/',2PF5.2)";
    std::vector<Value> values;
    for (int c : listed) values.emplace_back(padded8(composition.name[c]));
    for (int c : listed) values.emplace_back(composition.fraction[c]);
    const auto records = recordio::formatRecords(recordio::Format(format), values);
    return records.empty() ? std::string() : records.front();
}

void writeGraphHeader(const RunParameters& params, const GasComposition& composition,
                      const ProcessTable& processes, int fieldValueCount, RecordSink& sink) {
    sink.put(std::string_view("ZOLBEX GRP FILE"));
    putInteger(sink, params.fieldMode);
    putFieldLine(params, sink);
    sink.put(graphGasLine(composition));
    putConditionsLine(params, composition, sink);
    putInteger(sink, graphPointCount(params.meshIntervals));
    putInteger(sink, fieldValueCount);
    putInteger(sink, processes.count);
    for (int j = 1; j <= processes.count; ++j)
        putFormatted(sink, "A32", {padded(processes.name[j], 32)});
    for (const char* name : {"MOM. TRANSF. TOTAL", "ELAS.+ROT.(FOR MOL.)", "d(ln(Ne/N))/dt",
                             "<u>d(ln(Ne)/dt"})
        sink.put(std::string_view(name));
    for (int k = 1; k <= fieldValueCount; ++k) {
        const double value =
            params.fieldMode == 1 ? params.amplitudeList[k] : params.fieldListTd[k];
        sink.put(recordio::formatE(value, 12, 5, 0));
    }
}

void writeDistributionBlock(CaseGrid& grid, RecordSink& sink) {
    const int stride = graphStride(grid.meshIntervals);
    const int points = graphPointCount(grid.meshIntervals);
    for (int j = 0; j < points; ++j)
        sink.put(recordio::formatE(grid.energyGrid[1 + j * stride], 14, 7, 0));
    for (int j = 0; j < points; ++j) {
        double& f = grid.distribution[1 + j * stride];
        if (f < kDistributionFloor) f = kDistributionFloor;
        sink.put(recordio::formatE(f, 12, 5, 0));
    }
}

void writeCaseTableAndTrailer(const RunParameters& params, const ProcessTable& processes,
                              int caseCount, CaseResults& results, RecordSink& sink) {
    const int p = processes.count;
    const int nc = caseCount;
    auto at = [&results](int k) -> CaseResults::Case& { return results[k]; };

    putInteger(sink, nc);
    putCurve(sink, nc, [&](int k) {
        return params.fieldMode == 1 ? at(k).fieldValue : at(k).fieldValue * 10.0;
    });
    for (int j = 1; j <= p; ++j) putCurve(sink, nc, [&](int k) { return at(k).forwardRate[j]; });

    // The adjusted values are stored back before they are written.
    auto floorRate = [](double& v) {
        if (v < kRateFloor) v = kRateFloor;
        return v;
    };
    putCurve(sink, nc, [&](int k) { return floorRate(at(k).momentumTransferRate); });
    putCurve(sink, nc, [&](int k) { return floorRate(at(k).netProductionCoefficient); });
    auto zeroTiny = [](double& v) {
        if (v > -kRateFloor && v < kRateFloor) v = 0.0;
        return v;
    };
    for (int row = 1; row <= p + 1; ++row)
        putCurve(sink, nc, [&](int k) { return zeroTiny(at(k).powerPartition[row]); });
    putCurve(sink, nc, [&](int k) {
        double& v = at(k).storageShare;
        if (v > 0.0 && v < kRateFloor) v = kRateFloor;
        if (v < 0.0 && v > -kRateFloor) v = -kRateFloor;
        return v;
    });

    putCurve(sink, nc, [&](int k) { return at(k).meanEnergy; });
    putCurve(sink, nc, [&](int k) { return at(k).characteristicEnergy; });
    putCurve(sink, nc, [&](int k) { return at(k).diffusionCoefficient; });
    putCurve(sink, nc, [&](int k) { return at(k).secondDiffusionCoefficient; });
    putCurve(sink, nc, [&](int k) {
        return params.fieldMode == 0 ? at(k).driftVelocity : at(k).mobility;
    });
    putCurve(sink, nc, [&](int k) { return at(k).secondMobility; });

    putReal(sink, params.accuracy);
    putInteger(sink, params.meshIntervals);
    // A Maxwellian run is marked by a start temperature written as read.
    const double start = params.startTemperatureAsRead;
    putReal(sink, params.maxIterations < 0 || start == 0.0 ? start : -start);
    for (int k = 1; k <= nc; ++k)
        putFormatted(sink, "3F7.1",
                     {params.energyRangeList[k], at(k).balanceAccuracy, at(k).eeShare});
}

}  // namespace kinetics
