#include "src/listing_pages.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "writer_fixtures.h"

namespace kinetics {
namespace {

using namespace testing;

// One case on 1e16 cm-3 of pure argon at 300 K, E = 10 V/cm, 100 intervals up to 10 eV.
struct CaseFixture {
    RunParameters params = makeParams(0);
    GasComposition composition = makeComposition({{"ARGON", 1.0}}, 1e16);
    ProcessTable processes = makeProcesses(2);
    CaseGrid grid;
    CaseSolution solution;

    CaseFixture() {
        params.frequencyOmega = 0.0;
        grid.meshIntervals = 100;
        grid.energyRange = 10.0;
        grid.energyStep = 0.1;
        grid.energyGrid.assign(102, 0.0);
        grid.distribution.assign(102, 1.0);
        for (int i = 1; i <= 101; ++i) grid.energyGrid[i] = (i - 1) * 0.1;
        CaseSolution& s = solution;
        s.fieldStrength = 10.0;
        s.meanEnergy = 2.5;
        s.electronTemperature = 19336.0;
        s.diffusionCoefficient = 1.2345e6;
        s.mobility = 2.5e5;
        s.characteristicEnergy = 4.938;
        s.driftVelocity = 2.5e6;
        s.conductivityPerElectron = 4.005e-14;
        s.conductivity = 0.0;
        s.resistivityTimesNe = 2.4969e13;
        s.currentPerElectron = 4.005e-13;
        s.secondDiffusionCoefficient = 3.0e6;
        s.secondMobility = -1.5e4;
        s.momentumTransferFrequency = 1.5e9;
        s.dischargePower = 4e-12;
        s.inelasticPower = 3e-12;
        s.elasticPower = 1e-12;
        s.storagePower = 0.0;
        s.pickedCount = 1;
        s.pickedName[1] = pad("ARGON", 8);
        s.pickedFraction[1] = 1.0;
        for (int j = 1; j <= kMaxProcesses; ++j) {
            s.forwardRate[j] = 2e-10;
            s.reverseRate[j] = 1e-11;
            s.processPower[j] = 3e-13;
        }
    }

    CasePageInput input() const {
        return CasePageInput{1, params, composition, processes, grid, solution};
    }
};

Records write(void (*writer)(const CasePageInput&, recordio::RecordSink&),
              const CaseFixture& f) {
    recordio::MemorySink sink;
    writer(f.input(), sink);
    return sink.records;
}

const std::string kUniformValueLine =
    "       E/NTOT =  1.000E-15VOLT CM2= 32.167 VOLT/CM/TORR = 24.447 KVOLT/CM/ATM";
const Records kUniformFieldLines = {"", at(26, "UNIFORM ELECTRIC FIELD"), "", kUniformValueLine};
const Records kPureGasLine = {at(25, "PURE ARGTMOL = 300. DEG K"), ""};

TEST(ListingPagesTest, NonConvergencePage) {
    CaseFixture f;
    f.params.maxIterations = 25;
    f.solution.iterationCount = 25;
    recordio::MemorySink sink;
    writeNonConvergencePage(f.params, f.solution, sink);
    Records expected = {"1"};
    expected.insert(expected.end(), 19, "");
    expected.push_back(" PROGRAM COMPLETED  25ITERATION WITHOUT SUCCESSFUL CONVERGENCE.");
    expected.push_back(" REQUESTED LIMIT WAS 25ITERATIONS ,WITH A CONVERGENCE CONDITION");
    expected.push_back(" THAT THE CHANGE BETWEEN TWO ITERATIONS LESS TNEN EPS= 1.000E-03.");
    expectRecords(expected, sink.records);

    // Counts above 999 overflow I3; negative values add their line.
    f.params.maxIterations = 1000;
    f.solution.iterationCount = 1000;
    f.solution.negativeFlag = true;
    recordio::MemorySink negative;
    writeNonConvergencePage(f.params, f.solution, negative);
    ASSERT_EQ(25u, negative.records.size());
    EXPECT_EQ(" PROGRAM COMPLETED ***ITERATION WITHOUT SUCCESSFUL CONVERGENCE.",
              negative.records[20]);
    EXPECT_EQ(" REQUESTED LIMIT WAS***ITERATIONS ,WITH A CONVERGENCE CONDITION",
              negative.records[21]);
    EXPECT_EQ("", negative.records[23]);
    EXPECT_EQ(" DISTRIBUTION FUNCTION BECAME NEGATIVE AT SOME POINTS IN LAST ITERATION",
              negative.records[24]);
}

TEST(ListingPagesTest, CasePagesFollowConvergenceAndPrintSwitches) {
    CaseFixture f;
    // A non-converged case writes its message only, whatever the switches.
    f.params.printFlags[1] = f.params.printFlags[2] = f.params.printFlags[5] = true;
    f.solution.converged = false;
    Records records = write(writeCasePages, f);
    ASSERT_EQ(23u, records.size());
    EXPECT_EQ("1", records[0]);

    // Brief output: a converged case writes nothing.
    f.solution.converged = true;
    f.params.printFlags[1] = f.params.printFlags[2] = f.params.printFlags[5] = false;
    EXPECT_TRUE(write(writeCasePages, f).empty());

    // Full output: the three pages in order.
    f.params.printFlags[1] = f.params.printFlags[2] = f.params.printFlags[5] = true;
    const Records plasma = write(writePlasmaParameterPage, f);
    const Records table = write(writeDistributionTable, f);
    const Records kinetics = write(writeKineticsPage, f);
    Records all = plasma;
    all.insert(all.end(), table.begin(), table.end());
    all.insert(all.end(), kinetics.begin(), kinetics.end());
    EXPECT_EQ(all, write(writeCasePages, f));

    // Switches alone select the pages.
    f.params.printFlags[1] = f.params.printFlags[5] = false;
    EXPECT_EQ(table, write(writeCasePages, f));
}

TEST(ListingPagesTest, SharedLinesByFieldModeAndElectrons) {
    CaseFixture f;
    EXPECT_EQ(kUniformFieldLines, write(writeFieldLines, f));
    EXPECT_TRUE(write(writeIonisationLine, f).empty());

    f.params.fieldMode = 1;
    f.params.frequencyOmega = 6.28e9;
    EXPECT_EQ((Records{"", at(25, "HIGH FREQUENCY ELECTRIC FIELD"), "",
                       at(16, "Eo =  1.000E+02 VOLT/CM   OMEGA =  6.280E+09 S-1")}),
              write(writeFieldLines, f));

    f.params.fieldMode = 2;
    f.params.magneticField = 1.0;
    EXPECT_EQ((Records{"", at(26, "ELECTRIC FIELD + _|_ MAGNETIC"), "",
                       at(14, "E/NTOT =  1.000E-15 VOLT CM2   H =  1.000E+00 KGs")}),
              write(writeFieldLines, f));

    f.params.electronDensity = 1e10;
    EXPECT_EQ((Records{at(5, "FRACTIONAL IONIZATION = NE/NTOT =  1.000E-06, NE =  1.000E+10"
                             " CM-3")}),
              write(writeIonisationLine, f));

    recordio::MemorySink maxwellian;
    writeMaxwellianLine(f.params, maxwellian);
    EXPECT_TRUE(maxwellian.records.empty());
    f.params.maxIterations = -1;
    f.params.startTemperatureAsRead = 11604.0;
    writeMaxwellianLine(f.params, maxwellian);
    EXPECT_EQ((Records{at(20, "MAXWELLIAN VORN CALCULATIONS, Te =11604. K ")}), maxwellian.records);
}

TEST(ListingPagesTest, GasLineWithTemperature) {
    CaseFixture f;
    EXPECT_EQ(kPureGasLine, write(writeGasLineWithTemperature, f));

    // Four components: 16 blanks, names joined by "/", percentages by " /".
    CaseSolution& s = f.solution;
    s.pickedCount = 4;
    const char* names[] = {"N2", "O2", "AR", "CO2"};
    const double fractions[] = {0.5, 0.3, 0.15, 0.05};
    for (int c = 1; c <= 4; ++c) {
        s.pickedName[c] = pad(names[c - 1], 8);
        s.pickedFraction[c] = fractions[c - 1];
    }
    EXPECT_EQ((Records{at(16, "N2 /O2 /AR /CO2 =  50.00 / 30.00 / 15.00 /  5.00"),
                       "            TMOL = 300. DEG K", ""}),
              write(writeGasLineWithTemperature, f));
}

Records powerRecords(const std::string& discharge, const std::string& total,
                     const std::string& inelastic, const std::string& elastic,
                     const std::string& storage, const std::string& label) {
    return {at(20, "DISCHARGE    = " + discharge + "   " + label),
            at(20, "TOTAL POWER  = " + total + "   " + label),
            "",
            at(20, "INELASTIC    = " + inelastic + "   " + label),
            at(20, "ELASTIC HEAT = " + elastic + "   " + label),
            at(20, "E<U>DNE/DT   = " + storage + "   " + label)};
}

Records commonBlockAndParameters() {
    return {at(20, "POWER DISS   =  4.0000E-12   W/EL  "),
            "",
            at(20, "NU(MOM)      =  1.5000E+09   SEC-1"),
            "",
            at(20, "NE           =  0.0000E+00   CM-3"),
            at(20, "NE/NMOL      =  0.0000E+00"),
            at(20, "S(U = 0)/NE  =  0.0000E+00   SEC-1"),
            at(20, "S(U > 0)/NE  =  0.0000E+00   SEC-1"),
            at(20, "NU(IONIZE)   =  0.0000E+00   SEC-1"),
            at(20, "NU(ATT,REC)  =  0.0000E+00   SEC-1"),
            at(20, "DNE/DT/NE    =  0.0000E+00   SEC-1"),
            at(20, "DNE/DT       =  0.0000E+00   CM-3/SEC"),
            "",
            at(18, dashes(42)),
            "",
            at(24, "CALCULATION PARAMETERS USED:"),
            at(19, "MESH = 100, EMAX = 10.00EV, DE =0.100 EV.")};
}

TEST(ListingPagesTest, PlasmaParameterPageUniformField) {
    CaseFixture f;
    Records expected = {"", "", at(30, "-- GAS MIXTURE --"), "", at(35, "PURE ARG"),
                        "",
                        at(30, "PLASMA PARAMETERS"),
                        "",
                        at(26, "UNIFORM ELECTRIC FIELD"),
                        "",
                        at(18, dashes(42)),
                        "",
                        at(20, "E (FIELD)    =  1.0000E+01   VOLT/CM"),
                        "",
                        at(20, "TMOL         =     300.      DEG K"),
                        at(20, "NMOL         =  1.0000E+16   CM-3"),
                        at(20, "PTOT         =       0.3     TORR"),
                        "",
                        at(20, "E/N          =  1.0000E-15   VOLT CM2"),
                        at(20, "E/P          =    32.17      V/CM/TORR"),
                        at(32, " =    24.45      KV/CM/ATM"),
                        "",
                        at(20, "<U>          =    2.500      EV"),
                        at(20, "TE = 2<U>/3K =    19336.     DEG K"),
                        "",
                        at(20, "DIFFUSION  D =  1.2345E+06   CM2/SEC"),
                        at(20, "MOBILITY  MU =  2.5000E+05   CM2/VOLT/S"),
                        at(20, "EK = D/MU    =    4.938      EV"),
                        at(20, "VDRIFT =MU*E =  2.5000E+06   CM/SEC"),
                        "",
                        at(20, "CONDUCT/NE   =  4.0050E-14   CM2/OHM"),
                        at(20, "CONDUCT      =  0.0000E+00   /OHM-CM"),
                        at(20, "RHO*NE       =  2.4969E+13   OHM/CM2"),
                        at(20, "J/NE = E*VD  =  4.0050E-13   AMP CM/EL"),
                        ""};
    append(expected, powerRecords(" 4.0000E-12", " 4.0000E-12", " 3.0000E-12", " 1.0000E-12",
                                  " 0.0000E+00", "W/EL  "));
    append(expected, commonBlockAndParameters());
    expectRecords(expected, write(writePlasmaParameterPage, f));
}

TEST(ListingPagesTest, PlasmaParameterPageHighFrequency) {
    CaseFixture f;
    f.params.fieldMode = 1;
    f.params.frequencyOmega = 6.28e9;
    f.params.maxIterations = -1;
    f.params.startTemperatureAsRead = 11604.0;
    f.solution.pickedCount = 2;
    f.solution.pickedName[2] = pad("HE", 8);
    f.solution.pickedFraction[1] = 0.25;
    f.solution.pickedFraction[2] = 0.75;
    Records expected = {at(20, "MAXWELLIAN VORN CALCULATIONS, Te =11604. K "),
                        "", "", at(33, "GAS MIXTURE  "), "",
                        at(28, "ARG/HE  =  25.00 / 75.00"),
                        "",
                        at(30, "PLASMA PARAMETERS"),
                        "",
                        at(25, "HIGH FREQUENCY ELECTRIC FIELD"),
                        "", "", "",
                        at(18, dashes(42)),
                        "",
                        at(20, "Eo           =  1.0000E+02   VOLT/CM"),
                        at(20, "OMEGA        =  6.2800E+09   SEC-1  "),
                        "",
                        at(20, "TMOL         =     300.      DEG K"),
                        at(20, "NMOL         =  1.0000E+16   CM-3"),
                        at(20, "PTOT         =       0.3     TORR"),
                        at(32, " =     0.00      ATM"),
                        "",
                        at(20, "<U>          =    2.500      EV"),
                        at(20, "TE = 2<U>/3K =    19336.     DEG K"),
                        "",
                        at(20, "DIFFUSION  D =  3.0000E+06   CM2/SEC"),
                        "",
                        at(20, "CONDUCT/NE   =  4.0050E-14   CM2/OHM"),
                        at(20, "CONDUCT      =  0.0000E+00   /OHM-CM"),
                        at(20, "RHO*NE       =  2.4969E+13   OHM/CM2"),
                        ""};
    append(expected, powerRecords(" 4.0000E-12", " 4.0000E-12", " 3.0000E-12", " 1.0000E-12",
                                  " 0.0000E+00", "W/EL  "));
    append(expected, commonBlockAndParameters());
    expectRecords(expected, write(writePlasmaParameterPage, f));
}

TEST(ListingPagesTest, PlasmaParameterPageCrossedMagneticField) {
    CaseFixture f;
    f.params.fieldMode = 2;
    f.params.magneticField = 1.0;
    f.params.electronDensity = 1e10;
    f.solution.pickedCount = 0;  // no gas heading at all
    Records expected = {"",
                        at(30, "PLASMA PARAMETERS"),
                        "",
                        at(26, "ELECTRIC FIELD + _|_ MAGNETIC"),
                        "",
                        at(18, dashes(42)),
                        "",
                        at(20, "E (ELECT)    =  1.0000E+01   VOLT/CM"),
                        at(20, "H (MAGN )    = 1.0000E+00   KGs"),
                        "",
                        at(20, "TMOL         =     300.      DEG K"),
                        at(20, "NMOL         =  1.0000E+16   CM-3"),
                        at(20, "PTOT         =       0.3     TORR"),
                        at(32, " =     0.00      ATM"),
                        "",
                        at(20, "E/N          =  1.0000E-15   VOLT CM2"),
                        at(20, "E/P          =    32.17      V/CM/TORR"),
                        at(32, " =    24.45      KV/CM/ATM"),
                        "",
                        at(20, "<U>          =    2.500      EV"),
                        at(20, "TE = 2<U>/3K =    19336.     DEG K"),
                        "",
                        at(20, "DIFFUSION  D   "),
                        at(20, " _|_ E || H     3.0000E+06   CM2/SEC"),
                        at(20, " _|_ E _|_H     1.2345E+06   CM2/SEC"),
                        at(20, "MOBILITY  MU = "),
                        at(20, "  || E _|_ H    2.5000E+05   CM2/SEC"),
                        at(20, " _|_ E _|_ H   -1.5000E+04   CM2/SEC"),
                        at(20, "**************  || E   **************"),
                        at(20, "EK = D/MU    =    4.938      EV"),
                        at(20, "VDRIFT =MU*E =  2.5000E+06   CM/SEC"),
                        "",
                        at(20, "CONDUCT/NE   =  4.0050E-14   CM2/OHM"),
                        at(20, "CONDUCT      =  0.0000E+00   /OHM-CM"),
                        at(20, "RHO*NE       =  2.4969E+13   OHM/CM2"),
                        at(20, "J/NE = E*VD  =  4.0050E-13   AMP CM/EL"),
                        at(20, std::string(38, '*')),
                        ""};
    append(expected, powerRecords(" 4.0000E-12", " 4.0000E-12", " 3.0000E-12", " 1.0000E-12",
                                  " 0.0000E+00", "W/CM3 "));
    Records common = commonBlockAndParameters();
    common[0] = at(20, "POWER DISS   =  4.0000E-12   W/CM3 ");
    common[4] = at(20, "NE           =  1.0000E+10   CM-3");
    common[5] = at(20, "NE/NMOL      =  1.0000E-06");
    append(expected, common);
    expectRecords(expected, write(writePlasmaParameterPage, f));
}

Records distributionHeading(const std::string& step, const std::string& range,
                            const std::string& mesh, const std::string& resolution) {
    Records r = {"", "",
                 at(5, "NORMALIZED ELECTRON DISTRIBUTION FUNCTION F(U),IN UNITS OF EV**(-3/2),"),
                 at(5, "WITH OUTPUT AT" + step + "EV INTERVALS. THE ELECTRON ENERGY RANGE(0, " +
                           range + ")EV"),
                 at(5, " WAS SUBDIVIDED INTO " + mesh + "INTERVALS,GIVING A RESOLUTION=" +
                           resolution + "EV."),
                 ""};
    append(r, kUniformFieldLines);
    append(r, kPureGasLine);
    std::string columns;
    for (int i = 0; i < 5; ++i) columns += "   U(EV)  F(U) ";
    append(r, {at(2, dashes(77)), columns, at(2, dashes(77)), ""});
    return r;
}

TEST(ListingPagesTest, DistributionTableOfTwentyThousandIntervals) {
    CaseFixture f;
    f.params.meshIntervals = 20000;
    f.params.energyRangeList[1] = 20.0;
    f.grid.meshIntervals = 20000;
    f.grid.energyStep = 0.001;
    f.grid.energyGrid.assign(20002, 0.0);
    f.grid.distribution.assign(20002, 1.0);
    for (int i = 1; i <= 20001; ++i) f.grid.energyGrid[i] = (i - 1) * 0.001;
    f.grid.distribution[201] = 2.5e-3;
    // Every 200th point: 101 points, 20 full records and one of a single point.
    Records expected = distributionHeading(" 0.200", " 20.00", "****", "0.001");
    expected.push_back(
        "  0.00 1.00E+00  0.20 2.50E-03  0.40 1.00E+00  0.60 1.00E+00  0.80 1.00E+00");
    expected.push_back("");
    const Records records = write(writeDistributionTable, f);
    ASSERT_EQ(expected.size() + 19 * 2 + 1 + 2, records.size());
    expectRecords(expected, Records(records.begin(), records.begin() + expected.size()));
    EXPECT_EQ(" 19.00 1.00E+00 19.20 1.00E+00 19.40 1.00E+00 19.60 1.00E+00 19.80 1.00E+00",
              records[records.size() - 5]);
    EXPECT_EQ("", records[records.size() - 4]);
    EXPECT_EQ(" 20.00 1.00E+00", records[records.size() - 3]);
    EXPECT_EQ("", records[records.size() - 2]);
    EXPECT_EQ(at(1, dashes(78)), records.back());

    // The calculation parameters cannot show 20000 in I4 either.
    const Records page = write(writePlasmaParameterPage, f);
    EXPECT_EQ(at(19, "MESH =****, EMAX = 20.00EV, DE =0.001 EV."), page.back());
}

TEST(ListingPagesTest, DistributionTableWithAMultipleOfFivePoints) {
    CaseFixture f;
    f.params.meshIntervals = 9;
    f.params.energyRangeList[1] = 0.9;
    f.grid.meshIntervals = 9;
    f.grid.distribution[10] = -1e-5;  // too wide for SE8.2
    Records expected = distributionHeading(" 0.100", "  0.90", "   9", "0.100");
    append(expected,
           {"  0.00 1.00E+00  0.10 1.00E+00  0.20 1.00E+00  0.30 1.00E+00  0.40 1.00E+00", "",
            "  0.50 1.00E+00  0.60 1.00E+00  0.70 1.00E+00  0.80 1.00E+00  0.90 ********", "",
            "", at(1, dashes(78))});
    expectRecords(expected, write(writeDistributionTable, f));
}

Records passOneHeading(int emptyRecords) {
    Records r = {"1"};
    r.insert(r.end(), emptyRecords, "");
    append(r, {"", "",
               "  PLASMA KINETICS ANALISIS WITH SUMMARY OF ELECTRON PARAMETERS,COLLISIONRATES,",
               "  AND POWER BALANCE FOR ALL ELASTIC AND INELASTIC COLLISION PROCESSES INCLUDED",
               ""});
    append(r, kUniformFieldLines);
    append(r, kPureGasLine);
    append(r, {"  J      REACTION(J)                   N(A)          N(B)      U(J)  DNE/DT/NE",
               "     A + E(-) ^ B + E(-)              (CM-3)        (CM-3)     (EV)   (SEC-1)",
               at(1, dashes(79)), ""});
    return r;
}

Records passTwoHeading(const std::string& label) {
    return {"  J      REACTION(J)                 <VSIG(A^B)> <VSIG(B^A)> (NET)POWER PERCENT",
            "     A + E(-) ^ B + E(-)              (CM3/SEC)   (CM3/SEC)   ( " + label + ") POWER",
            at(1, dashes(79)), ""};
}

std::string rowNumber(int j) { return j < 10 ? " " + std::to_string(j) : std::to_string(j); }

std::string passOneRow(int j) {
    return rowNumber(j) + " " + pad("PROC " + std::to_string(j), 32) + " 1.000E+16  " + blanks(12) +
           "   1.00 " + blanks(12);
}

std::string passTwoRow(int j, const std::string& share) {
    return rowNumber(j) + " " + pad("PROC " + std::to_string(j), 32) + " 2.000E-10   1.000E-11  " +
           " 3.000E-13" + "  " + share;
}

const Records kSeparator = {"", at(1, dashes(78))};
const std::string kMomentumTransferLine =
    at(14, "MOMENTUM TRANSFER + ROTATION(FOR MOLECULES) =  1.000E-12     25.00");

Records balanceWithoutElectrons() {
    const std::string a11 = "   W/EL    ";
    return {"",
            " DISCHARGE P0WER   =  4.000E-12" + a11 + " 100.00 %,",
            at(1, dashes(51)),
            "",
            " POWER INTO INELASTIC E-MOLECULE COLLISIONS  =  3.000E-12" + a11 + "   75.00 %",
            " ELASTIC E-MOLECULE HEATING                  =  1.000E-12" + a11 + "   25.00 %",
            " D/DT(STORED KINETIC ENERGY) = E<U>DNE/DT    =  0.000E+00" + a11 + "    0.00 %",
            at(1, dashes(77)),
            " TOTAL POWER (COLLISIONS+ HEATING + STORAGE) =  4.000E-12" + a11 + "  100.00 %",
            ""};
}

TEST(ListingPagesTest, KineticsPageBreaksAfterFifteenRows) {
    CaseFixture f;
    f.processes = makeProcesses(16);
    Records expected = passOneHeading(0);  // 16 rows ahead: no room to push the heading down
    for (int j = 1; j <= 15; ++j) append(expected, {"", passOneRow(j)});
    append(expected, kSeparator);
    append(expected, passOneHeading(7));  // one row left: min(7, 15 - 1) empty records
    append(expected, {"", passOneRow(16)});
    append(expected, kSeparator);

    append(expected, passTwoHeading("W/EL    "));
    expected.push_back(kMomentumTransferLine);
    for (int j = 1; j <= 15; ++j) append(expected, {"", passTwoRow(j, "    7.50")});
    append(expected, kSeparator);
    append(expected, passTwoHeading("W/EL    "));
    append(expected, {"", passTwoRow(16, "    7.50")});
    append(expected, kSeparator);
    append(expected, balanceWithoutElectrons());
    expectRecords(expected, write(writeKineticsPage, f));
}

TEST(ListingPagesTest, KineticsPageEndSeparatorsAfterAFifteenthRow) {
    CaseFixture f;
    f.processes = makeProcesses(15);
    Records expected = passOneHeading(0);
    for (int j = 1; j <= 15; ++j) append(expected, {"", passOneRow(j)});
    append(expected, kSeparator);
    append(expected, kSeparator);  // pass 1 always closes
    append(expected, passTwoHeading("W/EL    "));
    expected.push_back(kMomentumTransferLine);
    for (int j = 1; j <= 15; ++j) append(expected, {"", passTwoRow(j, "    7.50")});
    append(expected, kSeparator);  // pass 2 does not close after a 15th row
    append(expected, balanceWithoutElectrons());
    expectRecords(expected, write(writeKineticsPage, f));

    // Three rows: the page start pushes the heading down by min(7, 15 - 3).
    f.processes = makeProcesses(3);
    const Records short_ = write(writeKineticsPage, f);
    Records start = passOneHeading(7);
    expectRecords(start, Records(short_.begin(), short_.begin() + start.size()));
}

TEST(ListingPagesTest, KineticsRowsByProcessType) {
    CaseFixture f;
    f.processes = makeProcesses(3);
    ProcessTable& t = f.processes;
    t.type[2] = 1;  // ionisation with a product density
    t.threshold[2] = 15.76;
    t.productDensity[2] = 5e14;
    t.type[3] = -1;  // attachment: no threshold column, negative production
    f.solution.forwardRate[3] = 1e-11;
    f.solution.processPower[3] = -2e-14;
    const Records r = write(writeKineticsPage, f);
    const std::size_t row1 = passOneHeading(7).size() + 1;
    EXPECT_EQ(passOneRow(1), r[row1]);
    EXPECT_EQ(" 2 " + pad("PROC 2", 32) + " 1.000E+16   5.000E+14    15.76  2.000E+06  ",
              r[row1 + 2]);
    EXPECT_EQ(" 3 " + pad("PROC 3", 32) + " 1.000E+16  " + blanks(12) + blanks(8) + "-1.000E+05  ",
              r[row1 + 4]);
    const std::size_t pass2 = row1 + 4 + kSeparator.size() + passTwoHeading("").size() + 3;
    EXPECT_EQ(passTwoRow(1, "    7.50"), r[pass2]);
    EXPECT_EQ(" 2 " + pad("PROC 2", 32) + " 2.000E-10  " + blanks(12) + " 3.000E-13" + "      7.50",
              r[pass2 + 2]);
    EXPECT_EQ(" 3 " + pad("PROC 3", 32) + " 1.000E-11  " + blanks(12) + "-2.000E-14" + "     -0.50",
              r[pass2 + 4]);
}

TEST(ListingPagesTest, KineticsRowNumbersInTheControlColumn) {
    CaseFixture f;
    f.processes = makeProcesses(100);
    const Records r = write(writeKineticsPage, f);
    auto find = [&r](const std::string& text) {
        for (const std::string& record : r)
            if (record.size() > 3 && record.substr(3, text.size()) == text) return record;
        return std::string();
    };
    EXPECT_EQ(passOneRow(10), find("PROC 10 "));  // "1" of row 10 in column 1
    EXPECT_EQ('9', find("PROC 99 ")[0]);
    EXPECT_EQ("** PROC 100", find("PROC 100").substr(0, 11));
}

TEST(ListingPagesTest, PowerBalanceWithElectrons) {
    CaseFixture f;
    f.params.electronDensity = 1e10;
    f.solution.eePower = 2e-14;
    const std::string a11 = "   W/CM3   ";
    expectRecords(
        {"",
         " DISCHARGE P0WER   =  4.000E-12" + a11 + " 100.00 %,",
         at(1, dashes(51)),
         "",
         " POWER INTO INELASTIC E-MOLECULE COLLISIONS  =  3.000E-12" + a11 + "   75.00 %",
         " ELASTIC E-MOLECULE HEATING                  =  1.000E-12" + a11 + "   25.00 %",
         " D/DT(STORED KINETIC ENERGY) = E<U>DNE/DT    =  0.000E+00" + a11 + "    0.00 %",
         at(1, dashes(77)),
         " TOTAL POWER (COLLISIONS+ HEATING + STORAGE) =  4.020E-12" + a11 + "  100.50 %",
         "",
         " E-E POWER TRANSFER DISCREPANCY              =  2.000E-14" + a11 + "    0.50 %",
         ""},
        write(writePowerBalance, f));
}

TEST(ListingPagesTest, PowerBalanceWithoutInputPower) {
    CaseFixture f;
    f.solution.dischargePower = 0.0;
    f.solution.storagePower = -1e-13;
    const std::string label = "   W/EL    ";
    const Records withoutElectrons = {
        "",
        " DISCHARGE POWER = 0.0" + blanks(36) +
            "POWER INTOINELASTIC E-MOLECULE COLLISIONS =  3.000E-12" + label,
        " SOURCE DEPOSITION = 0.0" + blanks(52) + "ELASTIC E-MOLECULEHEATING= 1.000E-12" + label,
        blanks(53) + "D/DT(STORED ELECTRON KINETIC ENERGY) = E<U>DNE/DT = -1.000E-13" + label,
        "  TOTAL ELECTRICAL=  0.0" + blanks(33) +
            "TOTAL POWER INTO COLLISIONS, HEATING, STORAGE =  3.900E-12" + label};
    expectRecords(withoutElectrons, write(writePowerBalance, f));

    f.params.electronDensity = 1e10;
    f.solution.eePower = 2e-14;
    const Records withElectrons = write(writePowerBalance, f);
    ASSERT_EQ(6u, withElectrons.size());
    EXPECT_EQ(" E-E POWER TRANSFER DISCREPANCY              =  2.000E-14", withElectrons[4]);
    EXPECT_EQ("  TOTAL ELECTRICAL=  0.0" + blanks(33) +
                  "TOTAL POWER INTO COLLISIONS, HEATING, STORAGE =  3.920E-12   W/CM3   ",
              withElectrons[5]);

    // Shares have no reference without input power: the columns show 0.00.
    f.params.electronDensity = 0.0;
    f.processes = makeProcesses(1);
    const Records page = write(writeKineticsPage, f);
    const std::size_t mt = passOneHeading(7).size() + 2 + kSeparator.size() + 1 + 4;
    EXPECT_EQ(at(14, "MOMENTUM TRANSFER + ROTATION(FOR MOLECULES) =  1.000E-12      0.00"),
              page[mt - 1]);
    EXPECT_EQ(passTwoRow(1, "    0.00"), page[mt + 1]);
}

}  // namespace
}  // namespace kinetics
