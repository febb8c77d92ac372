#include "viewer/core/chart_model.h"

namespace vorn::viewer {

const Series* ChartModel::curveAt(int position) const {
    if (position < 0 || position >= curvePositions()) return nullptr;
    const int s = positionToSeries[position];
    return s < 0 ? nullptr : &series[s];
}

Series* ChartModel::curveAt(int position) {
    return const_cast<Series*>(static_cast<const ChartModel*>(this)->curveAt(position));
}

ChartAxes designAxes(int chart) {
    ChartAxes a;
    a.bottom.minorTicks = 4;
    a.bottom.title = "E/N, Td";
    switch (chart) {
    case kDistChart:
        a.left = {true, false, false, 1e-10, 1, 0, 8, "f(u),  eV^-3/2", LabelFormat::Exponent2};
        a.bottom.title = "u, eV";
        break;
    case kRateChart:
        a.left = {true, false, false, 1e-16, 1, 0, 8, "K, cm^3/s", LabelFormat::Exponent3};
        break;
    case kPowerChart:
        a.left = {false, false, false, 0, 100, 0, 4, "P, %", LabelFormat::Plain};
        break;
    default: {
        static const char* titles[] = {"<u>, D/MU, eV", "D, cm^2/s", "Vd, cm/s"};
        a.left = {false, true, true, 0, 0, 0, 4, titles[chart - kMeanEnergyChart],
                  LabelFormat::Exponent2};
    }
    }
    return a;
}

}  // namespace vorn::viewer
