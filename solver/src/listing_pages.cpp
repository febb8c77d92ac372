#include "src/listing_pages.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "src/cards.h"  // padded, padded8
#include "src/page_records.h"

namespace kinetics {

namespace {

using recordio::RecordSink;
using recordio::Value;

constexpr double kTorrDensity = 9.650000140617908e18;  // N T / P, single 9.65e18
constexpr double kKiloVoltAtm = 0.7599999904632568;   // V/cm/Torr -> kV/cm/atm, single 0.76
constexpr int kRowsPerPage = 15;

using page_records::put;
using page_records::repeated;

std::string blanks(int n) { return std::to_string(n) + "X"; }

// Values the pages derive from the case's inputs.
struct PageValues {
    double gasDensity;
    double temperature;
    double electronDensity;
    double pressureTorr;
    double pressureAtm;
    double field;            // E, V/cm
    double fieldOverN;       // V cm2
    double fieldOverP;       // V/cm/Torr
    double fieldOverPAtm;    // kV/cm/atm
    double amplitude;        // Eo, V/cm
    double energyRange;      // EMAX of the case, eV
    std::string unitLabel;   // 8 characters
    double input;            // W, the discharge power
};

PageValues pageValues(const CasePageInput& in) {
    PageValues v{};
    v.gasDensity = in.composition.gasDensity;
    v.temperature = in.params.gasTemperature;
    v.electronDensity = in.params.electronDensity;
    v.pressureTorr = v.gasDensity * v.temperature / kTorrDensity;
    v.pressureAtm = v.pressureTorr / 760.0;
    v.field = in.solution.fieldStrength;
    v.fieldOverN = v.field / v.gasDensity;
    v.fieldOverP = v.field / v.pressureTorr;
    v.fieldOverPAtm = v.fieldOverP * kKiloVoltAtm;
    v.amplitude = in.params.amplitudeList[in.caseNumber];
    v.energyRange = in.params.energyRangeList[in.caseNumber];
    v.unitLabel = v.electronDensity != 0.0 ? "W/CM3   " : "W/EL    ";
    v.input = in.solution.dischargePower;
    return v;
}

// A channel's share of the input power in %; 0 when there is no input power.
double shareOf(double power, double input) { return input != 0.0 ? power * 100.0 / input : 0.0; }

// "A3/A3/... = %F6.2 /%F6.2 ..." of the picked composition, after `indent` blanks.
void appendCompositionLine(const CaseSolution& s, std::string& format,
                           std::vector<Value>& values) {
    const int n = s.pickedCount;
    const int m = n - 1;
    format += blanks(std::max(40 - 6 * n, 1)) + ",A3," + std::to_string(m) +
              "('/',A3),' = ',2PF6.2," + std::to_string(m) + "(' /',2PF6.2)";
    for (int c = 1; c <= n; ++c) values.emplace_back(padded8(s.pickedName[c]));
    for (int c = 1; c <= n; ++c) values.emplace_back(s.pickedFraction[c]);
}

void writeGasHeading(const CasePageInput& in, RecordSink& sink) {
    const CaseSolution& s = in.solution;
    if (s.pickedCount == 1) {
        put(sink, "/,/,30X,'-- GAS MIXTURE --',/,/,35X,'PURE ',A3", {padded8(s.pickedName[1])});
    } else if (s.pickedCount > 1) {
        std::string format = "/,/,33X,'GAS MIXTURE  ',/,/,";
        std::vector<Value> values;
        appendCompositionLine(s, format, values);
        put(sink, format, values);
    }
}

// The five power records that close every mode block.
const std::string kPowerRecords =
    "20X,'DISCHARGE',3X,' = ',1PE11.4,3X,A6,/,"
    "20X,'TOTAL POWER  = ',1PE11.4,3X,A6,/,/,"
    "20X,'INELASTIC    = ',1PE11.4,3X,A6,/,"
    "20X,'ELASTIC HEAT = ',1PE11.4,3X,A6,/,"
    "20X,'E<U>DNE/DT   = ',1PE11.4,3X,A6";

void appendPowers(const CaseSolution& s, const PageValues& v, std::vector<Value>& values) {
    for (double power :
         {s.dischargePower, v.input, s.inelasticPower, s.elasticPower, s.storagePower}) {
        values.emplace_back(power);
        values.emplace_back(v.unitLabel);
    }
}

void writeUniformFieldBlock(const CasePageInput& in, const PageValues& v, RecordSink& sink) {
    const CaseSolution& s = in.solution;
    const std::string format =
        "/,30X,'PLASMA PARAMETERS',/,/,26X,'UNIFORM ELECTRIC FIELD',/,/,18X," +
        repeated('-', 42) +
        ",/,/,"
        "20X,'E (FIELD)',4X,'= ',1PE11.4,3X,'VOLT/CM',/,/,"
        "20X,'TMOL',8X,' = ',F8.0,6X,'DEG K',/,"
        "20X,'NMOL',8X,' = ',1PE11.4,3X,'CM-3',/,"
        "20X,'PTOT',8X,' = ',F9.1,5X,'TORR',/,/,"
        "20X,'E/N',9X,' = ',1PE11.4,3X,'VOLT CM2',/,"
        "20X,'E/P',9X,' = ',F8.2,6X,'V/CM/TORR',/,"
        "32X,' = ',F8.2,6X,'KV/CM/ATM',/,/,"
        "20X,'<U>',9X,' = ',F8.3,6X,'EV',/,"
        "20X,'TE = 2<U>/3K = ',F9.0,5X,'DEG K',/,/,"
        "20X,'DIFFUSION  D = ',1PE11.4,3X,'CM2/SEC',/,"
        "20X,'MOBILITY  MU = ',1PE11.4,3X,'CM2/VOLT/S',/,"
        "20X,'EK = D/MU',3X,' = ',F8.3,6X,'EV',/,"
        "20X,'VDRIFT =MU*E = ',1PE11.4,3X,'CM/SEC',/,/,"
        "20X,'CONDUCT/NE   = ',1PE11.4,3X,'CM2/OHM',/,"
        "20X,'CONDUCT',5X,' = ',1PE11.4,3X,'/OHM-CM',/,"
        "20X,'RHO*NE',6X,' = ',1PE11.4,3X,'OHM/CM2',/,"
        "20X,'J/NE = E*VD  = ',1PE11.4,3X,'AMP CM/EL',/,/," +
        kPowerRecords;
    std::vector<Value> values{v.field,
                              v.temperature,
                              v.gasDensity,
                              v.pressureTorr,
                              v.fieldOverN,
                              v.fieldOverP,
                              v.fieldOverPAtm,
                              s.meanEnergy,
                              s.electronTemperature,
                              s.diffusionCoefficient,
                              s.mobility,
                              s.characteristicEnergy,
                              s.driftVelocity,
                              s.conductivityPerElectron,
                              s.conductivity,
                              s.resistivityTimesNe,
                              s.currentPerElectron};
    appendPowers(s, v, values);
    put(sink, format, values);
}

void writeHighFrequencyBlock(const CasePageInput& in, const PageValues& v, RecordSink& sink) {
    const CaseSolution& s = in.solution;
    const std::string format =
        "/,30X,'PLASMA PARAMETERS',/,/,25X,'HIGH FREQUENCY ELECTRIC FIELD',/,/,/,/,18X," +
        repeated('-', 42) +
        ",/,/,"
        "20X,'Eo       ',4X,'= ',1PE11.4,3X,'VOLT/CM',/,"
        "20X,'OMEGA    ',4X,'= ',1PE11.4,3X,'SEC-1  ',/,/,"
        "20X,'TMOL',8X,' = ',F8.0,6X,'DEG K',/,"
        "20X,'NMOL',8X,' = ',1PE11.4,3X,'CM-3',/,"
        "20X,'PTOT',8X,' = ',F9.1,5X,'TORR',/,"
        "32X,' = ',F8.2,6X,'ATM',/,/,"
        "20X,'<U>',9X,' = ',F8.3,6X,'EV',/,"
        "20X,'TE = 2<U>/3K = ',F9.0,5X,'DEG K',/,/,"
        "20X,'DIFFUSION  D = ',1PE11.4,3X,'CM2/SEC',/,/,"
        "20X,'CONDUCT/NE   = ',1PE11.4,3X,'CM2/OHM',/,"
        "20X,'CONDUCT',5X,' = ',1PE11.4,3X,'/OHM-CM',/,"
        "20X,'RHO*NE',6X,' = ',1PE11.4,3X,'OHM/CM2',/,/," +
        kPowerRecords;
    std::vector<Value> values{v.amplitude,
                              in.params.frequencyOmega,
                              v.temperature,
                              v.gasDensity,
                              v.pressureTorr,
                              v.pressureAtm,
                              s.meanEnergy,
                              s.electronTemperature,
                              s.secondDiffusionCoefficient,
                              s.conductivityPerElectron,
                              s.conductivity,
                              s.resistivityTimesNe};
    appendPowers(s, v, values);
    put(sink, format, values);
}

void writeCrossedFieldBlock(const CasePageInput& in, const PageValues& v, RecordSink& sink) {
    const CaseSolution& s = in.solution;
    const std::string first =
        "/,30X,'PLASMA PARAMETERS',/,/,26X,'ELECTRIC FIELD + _|_ MAGNETIC',/,/,18X," +
        repeated('-', 42) +
        ",/,/,"
        "20X,'E (ELECT)',4X,'= ',1PE11.4,3X,'VOLT/CM',/,"
        "20X,'H (MAGN )',4X,'=',1PE11.4,3X,'KGs',/,/,"
        "20X,'TMOL',8X,' = ',F8.0,6X,'DEG K',/,"
        "20X,'NMOL',8X,' = ',1PE11.4,3X,'CM-3',/,"
        "20X,'PTOT',8X,' = ',F9.1,5X,'TORR',/,"
        "32X,' = ',F8.2,6X,'ATM',/,/,"
        "20X,'E/N',9X,' = ',1PE11.4,3X,'VOLT CM2',/,"
        "20X,'E/P',9X,' = ',F8.2,6X,'V/CM/TORR',/,"
        "32X,' = ',F8.2,6X,'KV/CM/ATM',/,/,"
        "20X,'<U>',9X,' = ',F8.3,6X,'EV',/,"
        "20X,'TE = 2<U>/3K = ',F9.0,5X,'DEG K',/,/,"
        "20X,'DIFFUSION  D   ',/,"
        "20X,' _|_ E || H    ',1PE11.4,3X,'CM2/SEC',/,"
        "20X,' _|_ E _|_H    ',1PE11.4,3X,'CM2/SEC',/,"
        "20X,'MOBILITY  MU = ',/,"
        "20X,'  || E _|_ H   ',1PE11.4,3X,'CM2/SEC',/,"
        "20X,' _|_ E _|_ H   ',1PE11.4,3X,'CM2/SEC'";
    put(sink, first,
        {v.field, in.params.magneticField, v.temperature, v.gasDensity, v.pressureTorr,
         v.pressureAtm, v.fieldOverN, v.fieldOverP, v.fieldOverPAtm, s.meanEnergy,
         s.electronTemperature, s.secondDiffusionCoefficient, s.diffusionCoefficient,
         s.mobility, s.secondMobility});

    const std::string second =
        "20X,'**************  || E   **************',/,"
        "20X,'EK = D/MU',3X,' = ',F8.3,6X,'EV',/,"
        "20X,'VDRIFT =MU*E = ',1PE11.4,3X,'CM/SEC',/,/,"
        "20X,'CONDUCT/NE   = ',1PE11.4,3X,'CM2/OHM',/,"
        "20X,'CONDUCT',5X,' = ',1PE11.4,3X,'/OHM-CM',/,"
        "20X,'RHO*NE',6X,' = ',1PE11.4,3X,'OHM/CM2',/,"
        "20X,'J/NE = E*VD  = ',1PE11.4,3X,'AMP CM/EL',/,"
        "20X," +
        repeated('*', 38) + ",/,/," + kPowerRecords;
    std::vector<Value> values{s.characteristicEnergy,    s.driftVelocity,
                              s.conductivityPerElectron, s.conductivity,
                              s.resistivityTimesNe,      s.currentPerElectron};
    appendPowers(s, v, values);
    put(sink, second, values);
}

void writeCommonBlock(const CasePageInput& in, const PageValues& v, RecordSink& sink) {
    const CaseSolution& s = in.solution;
    const std::string format =
        "20X,'POWER DISS   = ',1PE11.4,3X,A6,/,/,"
        "20X,'NU(MOM)',5X,' = ',1PE11.4,3X,'SEC-1',/,/,"
        "20X,'NE',10X,' = ',1PE11.4,3X,'CM-3',/,"
        "20X,'NE/NMOL',5X,' = ',1PE11.4,/,"
        "20X,'S(U = 0)/NE  = ',1PE11.4,3X,'SEC-1',/,"
        "20X,'S(U > 0)/NE  = ',1PE11.4,3X,'SEC-1',/,"
        "20X,'NU(IONIZE)   = ',1PE11.4,3X,'SEC-1',/,"
        "20X,'NU(ATT,REC)  = ',1PE11.4,3X,'SEC-1',/,"
        "20X,'DNE/DT/NE    = ',1PE11.4,3X,'SEC-1',/,"
        "20X,'DNE/DT',6X,' = ',1PE11.4,3X,'CM-3/SEC',/,/,"
        "18X," +
        repeated('-', 42);
    const double dissipated = s.inelasticPower + s.elasticPower + s.storagePower;
    // No electron source is modelled: both source strengths are 0.
    put(sink, format,
        {dissipated, v.unitLabel, s.momentumTransferFrequency, v.electronDensity,
         v.electronDensity / v.gasDensity, 0.0, 0.0, s.ionisationFrequency,
         s.attachmentFrequency, s.netProductionFrequency, s.netProductionRate});
}

void writeCalculationParameters(const CasePageInput& in, const PageValues& v,
                                RecordSink& sink) {
    put(sink,
        "/,24X,'CALCULATION PARAMETERS USED:',/,"
        "19X,'MESH =',I4,', EMAX =',F6.2,'EV, DE =',F5.3,' EV.'",
        {static_cast<long long>(in.params.meshIntervals), v.energyRange, in.grid.energyStep});
}

void writeCaseHeadingLines(const CasePageInput& in, RecordSink& sink) {
    writeMaxwellianLine(in.params, sink);
    writeFieldLines(in, sink);
    writeIonisationLine(in, sink);
    writeGasLineWithTemperature(in, sink);
}

void writeSeparator(RecordSink& sink) { put(sink, "/,1X," + repeated('-', 78)); }

void writePassOneHeading(const CasePageInput& in, int row, RecordSink& sink) {
    const int remaining = in.processes.count - row + 1;
    const int emptyRecords = std::min(7, kRowsPerPage - remaining);
    std::string pageStart = "'1'";
    for (int i = 0; i < emptyRecords; ++i) pageStart += ",/";
    put(sink, pageStart);
    put(sink,
        "/,/,2X,'PLASMA KINETICS ANALISIS ','WITH SUMMARY OF ELECTRON PARAMETERS,COLLISION',"
        "'RATES,',/,2X,'AND POWER BALANCE FOR ALL ELASTIC',"
        "' AND INELASTIC COLLISION PROCESSES INCLUDED',/");
    writeCaseHeadingLines(in, sink);
    put(sink,
        "2X,'J',6X,'REACTION(J)',19X,'N(A)',10X,'N(B)',6X,'U(J)',2X,'DNE/DT/NE',/,"
        "5X,'A + E(-) ^ B + E(-)',14X,'(CM-3)',8X,'(CM-3)',5X,'(EV)',3X,'(SEC-1)',/,1X," +
        repeated('-', 79) + ",/");
}

void writePassTwoHeading(const PageValues& v, RecordSink& sink) {
    put(sink,
        "2X,'J',6X,'REACTION(J)',17X,'<VSIG(A^B)> <VSIG(B^A)> ','(NET)POWER PERCENT',/,"
        "5X,'A + E(-) ^ B + E(-)',14X,'(CM3/SEC)',3X,'(CM3/SEC)',3X,'(',A9,') POWER',/,1X," +
            repeated('-', 79) + ",/",
        {v.unitLabel});
}

// Row j of pass 1: densities, threshold and the production frequency of the process.
void writePassOneRow(const CasePageInput& in, int j, RecordSink& sink) {
    const ProcessTable& t = in.processes;
    std::string format = "/,I2,1X,A32";
    std::vector<Value> values{static_cast<long long>(j), padded(t.name[j], 32)};
    auto column = [&](bool shown, const char* field, const char* pad, int width, double value) {
        if (shown) {
            format += std::string(",") + field + pad;
            values.emplace_back(value);
        } else {
            format += ',';
            format += blanks(width);
        }
    };
    column(t.targetDensity[j] != 0.0, "1PE10.3", ",2X", 12, t.targetDensity[j]);
    column(t.productDensity[j] != 0.0, "1PE10.3", ",2X", 12, t.productDensity[j]);
    column(t.type[j] >= 0, "F7.2", ",1X", 8, t.threshold[j]);
    column(t.type[j] != 0, "1PE10.3", ",2X", 12,
           t.type[j] * t.targetDensity[j] * in.solution.forwardRate[j]);
    put(sink, format, values);
}

// Row j of pass 2: rates both ways, power into the process and its share.
void writePassTwoRow(const CasePageInput& in, const PageValues& v, int j, RecordSink& sink) {
    const CaseSolution& s = in.solution;
    const long long row = j;
    const std::string name = padded(in.processes.name[j], 32);
    const double share = shareOf(s.processPower[j], v.input);
    if (in.processes.type[j] == 0) {
        put(sink, "/,I2,1X,A32,1PE10.3,2X,1PE10.3,2X,1PE10.3,2X,F8.2",
            {row, name, s.forwardRate[j], s.reverseRate[j], s.processPower[j], share});
    } else {
        put(sink, "/,I2,1X,A32,1PE10.3,2X,12X,1PE10.3,2X,F8.2",
            {row, name, s.forwardRate[j], s.processPower[j], share});
    }
}

}  // namespace

void writeMaxwellianLine(const RunParameters& params, RecordSink& sink) {
    // A Maxwellian run as the set-up program writes it has a negative sweep limit.
    if (params.maxIterations >= 0) return;
    put(sink, "20X,'MAXWELLIAN VORN CALCULATIONS, Te =',F6.0,' K '",
        {params.startTemperatureAsRead});
}

void writeFieldLines(const CasePageInput& in, RecordSink& sink) {
    const PageValues v = pageValues(in);
    switch (in.params.fieldMode) {
        case 0:
            put(sink, "/,26X,'UNIFORM ELECTRIC FIELD',/");
            put(sink,
                "7X,'E/NTOT = ',1PE10.3,'VOLT CM2= ',F6.3,' VOLT/CM/TORR = ',F6.3,"
                "' KVOLT/CM/ATM'",
                {v.fieldOverN, v.fieldOverP, v.fieldOverPAtm});
            break;
        case 1:
            put(sink, "/,25X,'HIGH FREQUENCY ELECTRIC FIELD',/");
            put(sink, "16X,'Eo = ',1PE10.3,' VOLT/CM ','  OMEGA = ',1PE10.3,' S-1'",
                {v.amplitude, in.params.frequencyOmega});
            break;
        case 2:
            put(sink, "/,26X,'ELECTRIC FIELD + _|_ MAGNETIC',/");
            put(sink, "14X,'E/NTOT = ',1PE10.3,' VOLT CM2 ','  H = ',1PE10.3,' KGs'",
                {v.fieldOverN, in.params.magneticField});
            break;
        default:
            break;
    }
}

void writeIonisationLine(const CasePageInput& in, RecordSink& sink) {
    const double ne = in.params.electronDensity;
    if (!(ne > 0.0)) return;
    put(sink, "5X,'FRACTIONAL IONIZATION = NE/NTOT = ',1PE10.3,', NE = ',1PE10.3,' CM-3'",
        {ne / in.composition.gasDensity, ne});
}

void writeGasLineWithTemperature(const CasePageInput& in, RecordSink& sink) {
    const CaseSolution& s = in.solution;
    const double t = in.params.gasTemperature;
    if (s.pickedCount == 1) {
        put(sink, "25X,'PURE ',A3,'TMOL =',F5.0,' DEG K',/", {padded8(s.pickedName[1]), t});
    } else if (s.pickedCount > 1) {
        std::string format;
        std::vector<Value> values;
        appendCompositionLine(s, format, values);
        format += ",/,'            TMOL =',F5.0,' DEG K',/";
        values.emplace_back(t);
        put(sink, format, values);
    }
}

void writeNonConvergencePage(const RunParameters& params, const CaseSolution& solution,
                             RecordSink& sink) {
    std::string format = "'1'";
    for (int i = 0; i < 20; ++i) format += ",/";
    format +=
        ",1X,'PROGRAM COMPLETED ',I3,'ITERATION ','WITHOUT SUCCESSFUL CONVERGENCE.',/,"
        "1X,'REQUESTED LIMIT WAS',I3,'ITERATIONS ',',WITH A CONVERGENCE CONDITION',/,"
        "1X,'THAT THE CHANGE BETWEEN TWO ITERATIONS LESS TNEN EPS=',1PE10.3,'.'";
    put(sink, format,
        {static_cast<long long>(solution.iterationCount),
         static_cast<long long>(params.maxIterations), params.accuracy});
    if (solution.negativeFlag)
        put(sink,
            "/,1X,'DISTRIBUTION FUNCTION BECAME ','NEGATIVE AT SOME POINTS IN LAST ITERATION'");
}

void writePlasmaParameterPage(const CasePageInput& in, RecordSink& sink) {
    const PageValues v = pageValues(in);
    writeMaxwellianLine(in.params, sink);
    writeGasHeading(in, sink);
    switch (in.params.fieldMode) {
        case 0:
            writeUniformFieldBlock(in, v, sink);
            break;
        case 1:
            writeHighFrequencyBlock(in, v, sink);
            break;
        case 2:
            writeCrossedFieldBlock(in, v, sink);
            break;
        default:
            break;
    }
    writeCommonBlock(in, v, sink);
    writeCalculationParameters(in, v, sink);
}

void writeDistributionTable(const CasePageInput& in, RecordSink& sink) {
    const PageValues v = pageValues(in);
    const int mesh = in.params.meshIntervals;
    const int step = (mesh - 1) / 100 + 1;  // at most 101 points listed
    const double de = in.grid.energyStep;
    put(sink,
        "/,/,5X,'NORMALIZED ELECTRON DISTRIBUTION ','FUNCTION F(U),IN UNITS OF EV','**',"
        "'(-3/2),',/,5X,'WITH ','OUTPUT AT',F6.3,'EV INTERVALS. THE ELECTRON ',"
        "'ENERGY RANGE(0, ',F6.2,')EV',/,5X,' WAS SUBDIVIDED ','INTO ',I4,"
        "'INTERVALS,GIVING A RESOLUTION=',F5.3,'EV.',/",
        {step * de, v.energyRange, static_cast<long long>(mesh), de});
    writeCaseHeadingLines(in, sink);
    put(sink, "2X," + repeated('-', 77) + ",/,5(3X,'U(EV)',2X,'F(U)',1X),/,2X," +
                  repeated('-', 77) + ",/");

    // Five points a record; every full record is followed by an empty one.
    std::vector<Value> record;
    auto flush = [&](bool full) {
        if (record.empty()) return;
        const int points = static_cast<int>(record.size()) / 2;
        put(sink, std::to_string(points) + "(F6.2,1X,1PE8.2)", record);
        if (full) sink.put(std::string_view());
        record.clear();
    };
    for (int i = 1; i <= mesh + 1; i += step) {
        record.emplace_back(in.grid.energyGrid[i]);
        record.emplace_back(in.grid.distribution[i]);
        if (record.size() == 10) flush(true);
    }
    flush(false);
    put(sink, "/,1X," + repeated('-', 78));
}

void writeKineticsPage(const CasePageInput& in, RecordSink& sink) {
    const PageValues v = pageValues(in);
    const int p = in.processes.count;

    for (int j = 1; j <= p; ++j) {
        if ((j - 1) % kRowsPerPage == 0) writePassOneHeading(in, j, sink);
        writePassOneRow(in, j, sink);
        if (j % kRowsPerPage == 0) writeSeparator(sink);
    }
    writeSeparator(sink);

    for (int j = 1; j <= p; ++j) {
        if ((j - 1) % kRowsPerPage == 0) writePassTwoHeading(v, sink);
        if (j == 1)
            put(sink, "14X,'MOMENTUM TRANSFER + ROTATION(FOR MOLECULES) = ',1PE10.3,2X,F8.2",
                {in.solution.elasticPower, shareOf(in.solution.elasticPower, v.input)});
        writePassTwoRow(in, v, j, sink);
        if (j % kRowsPerPage == 0) writeSeparator(sink);
    }
    if (p == 0 || p % kRowsPerPage != 0) writeSeparator(sink);

    writePowerBalance(in, sink);
}

void writePowerBalance(const CasePageInput& in, RecordSink& sink) {
    const PageValues v = pageValues(in);
    const CaseSolution& s = in.solution;
    const double total = s.inelasticPower + s.elasticPower + s.storagePower + s.eePower;
    const bool withElectrons = v.electronDensity > 0.0;
    if (v.input != 0.0) {
        const double elastic = shareOf(s.elasticPower, v.input);
        const double inelastic = shareOf(s.inelasticPower, v.input);
        const double storage = shareOf(s.storagePower, v.input);
        const double ee = shareOf(s.eePower, v.input);
        const double totalShare = elastic + inelastic + storage + ee;
        put(sink,
            "/,1X,'DISCHARGE P0WER   = ',1PE10.3,A11,F7.2,' %,',/,1X," + repeated('-', 51) +
                ",/,/,"
                "1X,'POWER INTO INELASTIC E-MOL','ECULE COLLISIONS  = ',1PE10.3,A11,F8.2,' %',/,"
                "1X,'ELASTIC E-MOLECULE HEATING                  = ',1PE10.3,A11,F8.2,' %',/,"
                "1X,'D/DT(STORED KINE','TIC ENERGY) = E<U>DNE/DT    = ',1PE10.3,A11,F8.2,' %',/,"
                "1X," +
                repeated('-', 77) +
                ",/,"
                "1X,'TOTAL POWER (COLLISIONS','+ HEATING + STORAGE) = ',1PE10.3,A11,F8.2,' %',/",
            {s.dischargePower, v.unitLabel, 100.0, s.inelasticPower, v.unitLabel, inelastic,
             s.elasticPower, v.unitLabel, elastic, s.storagePower, v.unitLabel, storage, total,
             v.unitLabel, totalShare});
        if (withElectrons)
            put(sink,
                "1X,'E-E POWER TRANSFER DISCREPANCY              = ',1PE10.3,A11,F8.2,' %',/",
                {s.eePower, v.unitLabel, ee});
        return;
    }
    put(sink,
        "/,1X,'DISCHARGE POWER = 0.0',36X,'POWER INTO',"
        "'INELASTIC E-MOLECULE COLLISIONS = ',1PE10.3,A11,/,"
        "1X,'SOURCE DEPOSITION = 0.0',52X,'ELASTIC E-MOLECULE','HEATING=',1PE10.3,A11,/,"
        "53X,'D/DT(STORED ELECTRON ','KINETIC ENERGY) = E<U>DNE/DT = ',1PE10.3,A11",
        {s.inelasticPower, v.unitLabel, s.elasticPower, v.unitLabel, s.storagePower,
         v.unitLabel});
    if (withElectrons)
        put(sink, "1X,'E-E POWER TRANSFER DISCREPANCY              = ',1PE10.3", {s.eePower});
    put(sink,
        "1X,' TOTAL ELECTRICAL=  0.0',33X,'TOTAL POWER INTO ',"
        "'COLLISIONS, HEATING, STORAGE = ',1PE10.3,A11",
        {total, v.unitLabel});
}

void writeCasePages(const CasePageInput& in, RecordSink& sink) {
    if (!in.solution.converged) {
        writeNonConvergencePage(in.params, in.solution, sink);
        return;
    }
    const auto& flags = in.params.printFlags;
    if (flags[1]) writePlasmaParameterPage(in, sink);
    if (flags[2]) writeDistributionTable(in, sink);
    if (flags[5]) writeKineticsPage(in, sink);
}

}  // namespace kinetics
