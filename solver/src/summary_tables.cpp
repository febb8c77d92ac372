#include "src/summary_tables.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "src/cards.h"  // padded, padded8
#include "src/page_records.h"

namespace kinetics {

namespace {

using recordio::RecordSink;
using recordio::Value;

constexpr double kGasLineFraction = 9.999999747378752e-06;  // single-precision 1e-5
constexpr int kRowsPerPage = 21;
constexpr int kCasesPerGroup = 4;

using page_records::put;
using page_records::repeated;

const std::string kRule78 = "1X," + repeated('-', 78);

// A title is a format with its values.
struct Title {
    std::string format;
    std::vector<Value> values;
};

// The gas line is derived from the components each time, so it is right also
// when no case ran.
void writeGasLine(const RunParameters& params, const GasComposition& composition,
                  RecordSink& sink) {
    std::vector<int> listed;
    for (int c = 1; c <= composition.count; ++c)
        if (composition.fraction[c] >= kGasLineFraction) listed.push_back(c);
    const int n = static_cast<int>(listed.size());
    if (n == 1) {
        put(sink, "17X,'PURE ',A8,'TMOL=',F5.0,'DEG K',' PTOT=',F7.2,' TORR '",
            {padded8(composition.name[listed[0]]), params.gasTemperature,
             params.gasPressure});
    } else if (n > 1) {
        const std::string repeat = std::to_string(n - 1);
        const std::string format = std::to_string(std::max(1, 41 - 8 * n)) + "X,A4," + repeat +
                                   "('/',A4),' = ',2PF5.2," + repeat +
                                   "('/',2PF5.2),/,20X,' TMOL =',F5.0,' DEG K  ','PTOT = ',"
                                   "F7.2,'TORR'";
        std::vector<Value> values;
        for (int c : listed) values.emplace_back(padded8(composition.name[c]));
        for (int c : listed) values.emplace_back(composition.fraction[c]);
        values.emplace_back(params.gasTemperature);
        values.emplace_back(params.gasPressure);
        put(sink, format, values);
    }
}

// Heading lines 1 and 2: the Maxwellian line and the field type between empty lines.
void writeRunHeading(const RunParameters& params, RecordSink& sink) {
    if (params.maxIterations < 0)
        put(sink, "20X,'MAXWELLIAN VORN CALCULATIONS, Te =',F6.0,' K '",
            {params.startTemperatureAsRead});
    switch (params.fieldMode) {
        case 0:
            put(sink, "/,26X,'UNIFORM ELECTRIC FIELD',/");
            break;
        case 1:
            put(sink, "/,25X,'HIGH FREQUENCY ELECTRIC FIELD',/");
            break;
        case 2:
            put(sink, "/,26X,'ELECTRIC FIELD + _|_ MAGNETIC',/");
            break;
        default:
            break;
    }
}

void writeHeadingLines(const RunParameters& params, const GasComposition& composition,
                       const Title& title, RecordSink& sink) {
    writeRunHeading(params, sink);
    put(sink, title.format, title.values);
    writeGasLine(params, composition, sink);
}

double caseFieldValue(const RunParameters& params, int k) {
    return params.fieldMode == 1 ? params.amplitudeList[k] : params.fieldList[k];
}

// Tables 2 and 3: rows in pages of 21, cases in column groups of up to 4. A group
// of one case keeps a second value slot, so its heading stops before the unit
// line and its rows before their empty line.
void writeBlockedTable(const RunParameters& params, const GasComposition& composition,
                       const Title& title, int rowCount, int caseCount,
                       const std::vector<std::string>& labels, const std::string& firstValue,
                       const std::string& furtherValue,
                       const std::function<double(int row, int k)>& value, RecordSink& sink) {
    const bool perAmplitude = params.fieldMode == 1;
    for (int first = 1; first <= rowCount; first += kRowsPerPage) {
        const int last = std::min(rowCount, first + kRowsPerPage - 1);
        for (int g = 1; g <= caseCount; g += kCasesPerGroup) {
            const int gLast = std::min(caseCount, g + kCasesPerGroup - 1);
            const std::string slots = std::to_string(std::max(gLast - g, 1));

            writeHeadingLines(params, composition, title, sink);
            std::vector<Value> fields;
            for (int k = g; k <= gLast; ++k) fields.emplace_back(caseFieldValue(params, k));
            put(sink,
                std::string("/,6X,'REACTION',15X,") +
                    (perAmplitude ? "'  Eo   -->   '" : "'E/NTOT -->   '") + ",F7.2," + slots +
                    "(F10.2),/,26X," +
                    (perAmplitude ? "'(    V/CM      )'" : "'(1.0E-16) V CM2)'"),
                fields);
            const std::string rule = "1X," + repeated('-', 76) + ",/";
            put(sink, rule);
            const std::string rowFormat =
                "2X,A32," + firstValue + "," + slots + "(" + furtherValue + "),/";
            for (int r = first; r <= last; ++r) {
                std::vector<Value> row{labels[r]};
                for (int k = g; k <= gLast; ++k) row.emplace_back(value(r, k));
                put(sink, rowFormat, row);
            }
            put(sink, rule);
        }
    }
}

}  // namespace

void writePlasmaParameterSummary(const RunParameters& params,
                                 const GasComposition& composition, int caseCount,
                                 const CaseResults& results, RecordSink& sink) {
    put(sink, kRule78);
    writeRunHeading(params, sink);
    switch (params.fieldMode) {
        case 0:
            put(sink, "14X,'SUMMARY OF PLASMA PARAMETERS AS A ','FUNCTION OF E/NTOT'");
            break;
        case 1:
            put(sink,
                "3X,'SUMMARY OF PLASMA PARAMETERS AS A ','FUNCTION OF Eo,  OMEGA = ',1PE10.3,"
                "' S-1'",
                {params.frequencyOmega});
            break;
        case 2:
            put(sink,
                "4X,'SUMMARY OF PLASMA PARAMETERS AS A ','FUNCTION OF E/NTOT, H =',1PE10.3,"
                "' KGs'",
                {params.magneticField});
            break;
        default:
            break;
    }
    writeGasLine(params, composition, sink);

    std::string heading;
    std::string row;
    switch (params.fieldMode) {
        case 1:
            heading =
                "4X,'  Eo  ',5X,'UBAR',3X,'      D',6X,'Jcon/(NE*E*Eo/1.42)',4X,"
                "'Jpol/(NE*E*Eo/1.42)',/,"
                "1X,'(   V/CM   )',2X,'(EV)',6X,'(CM2/S)',10X,'(CM2/V/S)',12X,'(CM2/V/S)'";
            row = "/,1X,1PE10.3,1X,F7.2,1PE14.2,3X,1PE15.2,6X,1PE15.2";
            break;
        case 2:
            heading =
                "4X,'E/NTOT',5X,'UBAR',3X,'MU ||E _|_H',3X,'MU _|_E_|_H',3X,'D _|_E ||H',3X,"
                "'D _|_E _|_H',/,"
                "1X,'(E-16 V CM2)',2X,'(EV)',4X,'(CM2/V/S)',4X,'(CM2/V/S)',5X,'(CM2/S)',7X,"
                "'(CM2/S)'";
            row = "/,2X,F7.3,3X,F7.2,1X,1PE12.2,2X,1PE13.2,1PE13.2,1PE13.2";
            break;
        default:
            heading =
                "4X,'E/NTOT',5X,'UBAR',3X,'EK=D/MU',6X,'VD',10X,'MU',11X,'D',7X,'J/NE = E*VD',/,"
                "1X,'(E-16 V CM2)',2X,'(EV)',4X,'(EV)',6X,'(CM/S)',5X,'(CM2/V/S)',4X,'(CM2/S)',"
                "2X,'(AMP CM/ELECT)'";
            row = "/,2X,F7.3,3X,F7.2,1X,F7.2,1X,1PE12.2,1X,1PE12.2,1PE12.2,1PE12.2";
            break;
    }
    put(sink, "/," + heading + ",/," + kRule78);
    for (int k = 1; k <= caseCount; ++k) {
        const CaseResults::Case& c = results[k];
        switch (params.fieldMode) {
            case 1:
                put(sink, row,
                    {c.fieldValue, c.meanEnergy, c.secondDiffusionCoefficient, c.mobility,
                     c.secondMobility});
                break;
            case 2:
                put(sink, row,
                    {c.fieldValue, c.meanEnergy, c.mobility, c.secondMobility,
                     c.secondDiffusionCoefficient, c.diffusionCoefficient});
                break;
            default:
                put(sink, row,
                    {c.fieldValue, c.meanEnergy, c.characteristicEnergy, c.driftVelocity,
                     c.mobility, c.diffusionCoefficient, c.currentPerElectron});
                break;
        }
    }
    put(sink, kRule78);
}

void writePowerPartitionSummary(const RunParameters& params,
                                const GasComposition& composition,
                                const ProcessTable& processes, int caseCount,
                                const CaseResults& results, RecordSink& sink) {
    const int p = processes.count;
    Title title;
    title.format = "22X,'SUMMARY OF FRACTIONAL POWER','PARTITION ','\"%\"',/,";
    switch (params.fieldMode) {
        case 1:
            title.format +=
                "2X,'FOR ALL ELECTRON COLLISION ','PROCESSES AS A FUNCTION OF Eo, OMEGA=',"
                "1PE9.2,' S-1'";
            title.values = {params.frequencyOmega};
            break;
        case 2:
            title.format +=
                "2X,'FOR ALL ELECTRON COLLISION ','PROCESSES AS A FUNCTION OF E/NTOT  H =',"
                "1PE10.2,' KGs'";
            title.values = {params.magneticField};
            break;
        default:
            title.format +=
                "10X,'FOR ALL ELECTRON COLLISION ','PROCESSES AS A FUNCTION OF E/NTOT'";
            break;
    }
    // Rows P + 1..P + 3: elastic share, share sum, energy range. Sized for every
    // row, so a full process table needs no room beyond its own.
    std::vector<std::string> labels(p + 4);
    for (int r = 1; r <= p + 1; ++r) labels[r] = padded(processes.name[r], 32);
    labels[p + 2] = padded("BALANCE ACCURACY", 32);
    labels[p + 3] = padded("EMAX, EV", 32);
    writeBlockedTable(params, composition, title, p + 3, caseCount, labels, "8X,F8.3", "F10.3",
                      [&](int r, int k) { return results[k].powerPartition[r]; }, sink);
}

void writeRateConstantSummary(const RunParameters& params, const GasComposition& composition,
                              const ProcessTable& processes, int caseCount,
                              const CaseResults& results, RecordSink& sink) {
    const int p = processes.count;
    Title title;
    switch (params.fieldMode) {
        case 1:
            title.format =
                "22X,'SUMMARY OF RATE CONSTANTS ','\"cm3/s\"','PARTITION',/,"
                "2X,'FOR ALL INELASTIC COLLISION ','PROCESSES AS A FUNCTION OF Eo, OMEGA=',"
                "1PE9.2,' S-1'";
            title.values = {params.frequencyOmega};
            break;
        case 2:
            title.format =
                "22X,'SUMMARY OF RATE CONSTANTS ','\"cm3/s\"','PARTITION',/,"
                "2X,'FOR ALL INELASTIC COLLISION ','PROCESSES AS A FUNCTION OF E/NTOT  H =',"
                "1PE10.2,' KGs'";
            title.values = {params.magneticField};
            break;
        default:
            title.format =
                "22X,'SUMMARY OF RATE CONSTANTS ','\"cm3/s\"',/,"
                "10X,'FOR ALL INELASTIC COLLISION ','PROCESSES AS A FUNCTION OF E/NTOT'";
            break;
    }
    std::vector<std::string> labels(p + 1);
    for (int r = 1; r <= p; ++r) labels[r] = padded(processes.name[r], 32);
    writeBlockedTable(params, composition, title, p, caseCount, labels, "5X,E10.3", "E10.3",
                      [&](int r, int k) { return results[k].forwardRate[r]; }, sink);
}

void writeSummaryTables(const RunParameters& params, const GasComposition& composition,
                        const ProcessTable& processes, int caseCount,
                        const CaseResults& results, RecordSink& sink) {
    if (caseCount == 1) return;
    if (params.printFlags[8]) {
        writePlasmaParameterSummary(params, composition, caseCount, results, sink);
        writePowerPartitionSummary(params, composition, processes, caseCount, results, sink);
    }
    if (processes.count >= 1)
        writeRateConstantSummary(params, composition, processes, caseCount, results, sink);
}

}  // namespace kinetics
