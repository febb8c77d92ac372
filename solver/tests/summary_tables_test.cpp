#include "src/summary_tables.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "writer_fixtures.h"

namespace kinetics {
namespace {

using namespace testing;

long count(const Records& records, const std::string& prefix) {
    return std::count_if(records.begin(), records.end(), [&](const std::string& r) {
        return r.compare(0, prefix.size(), prefix) == 0;
    });
}

// Case k gets recognisable values; a case left at zero stands for a non-converged one.
CaseResults makeResults(int cases, int processes) {
    CaseResults results;
    for (int k = 1; k <= cases; ++k) {
        CaseResults::Case& c = results[k];
        c.fieldValue = 1.0 + 0.5 * k;
        c.meanEnergy = 2.0 + 0.5 * k;
        c.characteristicEnergy = 1.5 + 0.25 * k;
        c.driftVelocity = 2.5e6 * k;
        c.mobility = 2.5e5 * k;
        c.diffusionCoefficient = 4.4e5 * k;
        c.currentPerElectron = 4.0e-13 * k;
        c.secondDiffusionCoefficient = 3.0e6 * k;
        c.secondMobility = -1.5e4 * k;
        for (int j = 1; j <= processes; ++j) {
            c.forwardRate[j] = 2.5e-9 * k;
            c.powerPartition[j] = 75.0 - 14.5 * (k - 1);
        }
        c.powerPartition[processes + 1] = 25.0 + 14.5 * (k - 1);
        c.powerPartition[processes + 2] = 100.0;
        c.powerPartition[processes + 3] = 10.0 * k;
    }
    return results;
}

const Records kUniformHeading = {"", at(26, "UNIFORM ELECTRIC FIELD"), ""};
const Records kMixtureGasLines = {at(25, "N2  /O2   = 80.00/20.00"),
                                  at(20, " TMOL = 300. DEG K  PTOT =    1.00TORR")};
const std::string kRule76 = at(1, dashes(76));

// Table 1 of the two-gas run on a uniform field, down to the rule under its column heads.
Records uniformPlasmaParameterHeading() {
    Records r = {at(1, dashes(78))};
    append(r, kUniformHeading);
    r.push_back(at(14, "SUMMARY OF PLASMA PARAMETERS AS A FUNCTION OF E/NTOT"));
    append(r, kMixtureGasLines);
    append(r, {"",
               at(4, "E/NTOT") + at(5, "UBAR") + at(3, "EK=D/MU") + at(6, "VD") + at(10, "MU") +
                   at(11, "D") + at(7, "J/NE = E*VD"),
               at(1, "(E-16 V CM2)") + at(2, "(EV)") + at(4, "(EV)") + at(6, "(CM/S)") +
                   at(5, "(CM2/V/S)") + at(4, "(CM2/S)") + at(2, "(AMP CM/ELECT)"),
               at(1, dashes(78))});
    return r;
}

struct SummaryRun {
    RunParameters params = makeParams(0);
    GasComposition composition = makeComposition({{"N2", 0.8}, {"O2", 0.2}});
    ProcessTable processes = makeProcesses(1);

    SummaryRun() {
        params.fieldList[4] = 4.0;
        params.fieldList[5] = 5.0;
    }

    Records all(int cases, const CaseResults& results) const {
        recordio::MemorySink sink;
        writeSummaryTables(params, composition, processes, cases, results, sink);
        return sink.records;
    }
};

TEST(SummaryTablesTest, PlasmaParametersUniformField) {
    SummaryRun run;
    recordio::MemorySink sink;
    writePlasmaParameterSummary(run.params, run.composition, 2, makeResults(2, 1), sink);
    Records expected = uniformPlasmaParameterHeading();
    append(expected,
           {"",
            "    1.500      2.50    1.75     2.50E+06     2.50E+05    4.40E+05    4.00E-13",
            "",
            "    2.000      3.00    2.00     5.00E+06     5.00E+05    8.80E+05    8.00E-13",
            at(1, dashes(78))});
    expectRecords(expected, sink.records);
}

TEST(SummaryTablesTest, PlasmaParametersOtherFieldModes) {
    SummaryRun run;
    run.params.fieldMode = 1;
    run.params.frequencyOmega = 6.28e9;
    run.params.maxIterations = -1;
    run.params.startTemperatureAsRead = 11604.0;
    run.composition = makeComposition({{"ARGON", 1.0}});
    recordio::MemorySink hf;
    writePlasmaParameterSummary(run.params, run.composition, 1, makeResults(1, 1), hf);
    expectRecords(
        {at(1, dashes(78)), at(20, "MAXWELLIAN VORN CALCULATIONS, Te =11604. K "), "",
         at(25, "HIGH FREQUENCY ELECTRIC FIELD"), "",
         at(3, "SUMMARY OF PLASMA PARAMETERS AS A FUNCTION OF Eo,  OMEGA =  6.280E+09 S-1"),
         at(17, "PURE ARGON   TMOL= 300.DEG K PTOT=   1.00 TORR "), "",
         at(4, "  Eo  ") + at(5, "UBAR") + at(3, "      D") + at(6, "Jcon/(NE*E*Eo/1.42)") +
             at(4, "Jpol/(NE*E*Eo/1.42)"),
         at(1, "(   V/CM   )") + at(2, "(EV)") + at(6, "(CM2/S)") + at(10, "(CM2/V/S)") +
             at(12, "(CM2/V/S)"),
         at(1, dashes(78)), "",
         "  1.500E+00    2.50      3.00E+06          2.50E+05            -1.50E+04",
         at(1, dashes(78))},
        hf.records);

    run.params.fieldMode = 2;
    run.params.magneticField = 1.0;
    run.params.maxIterations = 900;
    recordio::MemorySink crossed;
    writePlasmaParameterSummary(run.params, run.composition, 1, makeResults(1, 1), crossed);
    ASSERT_EQ(13u, crossed.records.size());
    EXPECT_EQ(at(26, "ELECTRIC FIELD + _|_ MAGNETIC"), crossed.records[2]);
    EXPECT_EQ(at(4, "SUMMARY OF PLASMA PARAMETERS AS A FUNCTION OF E/NTOT, H = 1.000E+00 KGs"),
              crossed.records[4]);
    EXPECT_EQ(at(4, "E/NTOT") + at(5, "UBAR") + at(3, "MU ||E _|_H") + at(3, "MU _|_E_|_H") +
                  at(3, "D _|_E ||H") + at(3, "D _|_E _|_H"),
              crossed.records[7]);
    EXPECT_EQ(at(1, "(E-16 V CM2)") + at(2, "(EV)") + at(4, "(CM2/V/S)") + at(4, "(CM2/V/S)") +
                  at(5, "(CM2/S)") + at(7, "(CM2/S)"),
              crossed.records[8]);
    EXPECT_EQ("    1.500      2.50     2.50E+05      -1.50E+04     3.00E+06     4.40E+05",
              crossed.records[11]);
}

Records powerPartitionGroupOfTwo() {
    Records r = kUniformHeading;
    append(r, {at(22, "SUMMARY OF FRACTIONAL POWERPARTITION \"%\""),
               at(10, "FOR ALL ELECTRON COLLISION PROCESSES AS A FUNCTION OF E/NTOT")});
    append(r, kMixtureGasLines);
    append(r, {"", at(6, "REACTION") + at(15, "E/NTOT -->      1.23      2.00"),
               at(26, "(1.0E-16) V CM2)"), kRule76, ""});
    append(r, {"  " + pad("PROC 1", 32) + blanks(8) + "  75.000    60.500", "",
               "  " + pad("MOMENTUM TRANSFER COLLISIONS", 32) + blanks(8) + "  25.000    39.500",
               "",
               "  " + pad("BALANCE ACCURACY", 32) + blanks(8) + " 100.000   100.000", "",
               "  " + pad("EMAX, EV", 32) + blanks(8) + "  10.000    20.000", "", kRule76, ""});
    return r;
}

TEST(SummaryTablesTest, TwoCasesGiveOneGroupOfTwoPerPage) {
    SummaryRun run;
    Records expected;
    {
        recordio::MemorySink table1;
        writePlasmaParameterSummary(run.params, run.composition, 2, makeResults(2, 1), table1);
        expected = table1.records;
    }
    append(expected, powerPartitionGroupOfTwo());
    append(expected, kUniformHeading);
    append(expected, {at(22, "SUMMARY OF RATE CONSTANTS \"cm3/s\""),
                      at(10, "FOR ALL INELASTIC COLLISION PROCESSES AS A FUNCTION OF E/NTOT")});
    append(expected, kMixtureGasLines);
    append(expected, {"", at(6, "REACTION") + at(15, "E/NTOT -->      1.23      2.00"),
                      at(26, "(1.0E-16) V CM2)"), kRule76, "",
                      "  " + pad("PROC 1", 32) + blanks(5) + " 0.250E-08 0.500E-08", "", kRule76,
                      ""});
    expectRecords(expected, run.all(2, makeResults(2, 1)));
}

TEST(SummaryTablesTest, FiveCasesPrintTheFifthAlone) {
    SummaryRun run;
    const Records records = run.all(5, makeResults(5, 1));
    // Table 3 is the last part: group of cases 1-4, then case 5 alone.
    Records lone = kUniformHeading;
    append(lone, {at(22, "SUMMARY OF RATE CONSTANTS \"cm3/s\""),
                  at(10, "FOR ALL INELASTIC COLLISION PROCESSES AS A FUNCTION OF E/NTOT")});
    append(lone, kMixtureGasLines);
    // One value, two slots: the heading stops before its unit line and the row
    // before its empty record.
    append(lone, {"", at(6, "REACTION") + at(15, "E/NTOT -->      5.00"), kRule76, "",
                  "  " + pad("PROC 1", 32) + blanks(5) + " 0.125E-07", kRule76, ""});
    ASSERT_GE(records.size(), lone.size());
    expectRecords(lone, Records(records.end() - static_cast<long>(lone.size()), records.end()));
    const std::size_t group = records.size() - lone.size();
    EXPECT_EQ("  " + pad("PROC 1", 32) + blanks(5) + " 0.250E-08 0.500E-08 0.750E-08 0.100E-07",
              records[group - 4]);
    EXPECT_EQ(at(6, "REACTION") + at(15, "E/NTOT -->      1.23      2.00      3.00      4.00"),
              records[group - 8]);

    EXPECT_EQ(2, count(records, at(22, "SUMMARY OF FRACTIONAL POWER")));
    EXPECT_EQ(2, count(records, at(22, "SUMMARY OF RATE CONSTANTS")));
    EXPECT_EQ(1, count(records, at(14, "SUMMARY OF PLASMA PARAMETERS")));
    // The lone case of table 2 keeps its rows without empty records between them.
    const std::string balance = "  " + pad("BALANCE ACCURACY", 32) + blanks(8) + " 100.000";
    EXPECT_EQ(1, count(records, balance + "   100.000   100.000   100.000"));
    const auto it = std::find(records.begin(), records.end(), balance);
    ASSERT_NE(records.end(), it);
    EXPECT_EQ("  " + pad("EMAX, EV", 32) + blanks(8) + "  50.000", *(it + 1));
}

TEST(SummaryTablesTest, PagesOfTwentyOneRows) {
    SummaryRun run;
    run.processes = makeProcesses(30);
    const Records records = run.all(2, makeResults(2, 30));
    EXPECT_EQ(2, count(records, at(22, "SUMMARY OF FRACTIONAL POWER")));
    EXPECT_EQ(2, count(records, at(22, "SUMMARY OF RATE CONSTANTS")));
    // Table 2: 33 rows in pages of 21 and 12; table 3: 21 and 9.
    auto rowsAfter = [&](std::size_t from) {
        int rows = 0;
        for (std::size_t i = from; i < records.size() && records[i] != kRule76; ++i)
            if (records[i].size() > 40) ++rows;
        return rows;
    };
    std::vector<int> pages;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i] == at(26, "(1.0E-16) V CM2)")) pages.push_back(rowsAfter(i + 2));
    EXPECT_EQ((std::vector<int>{21, 12, 21, 9}), pages);
    EXPECT_EQ(1, count(records, "  " + pad("PROC 22", 32)) - 1);  // tables 2 and 3
    EXPECT_EQ(1, count(records, "  " + pad("EMAX, EV", 32)));
}

TEST(SummaryTablesTest, FullProcessTableKeepsItsLabelsInBounds) {
    SummaryRun run;
    run.processes = makeProcesses(kMaxProcesses);
    recordio::MemorySink sink;
    writePowerPartitionSummary(run.params, run.composition, run.processes, 2,
                               makeResults(2, kMaxProcesses), sink);
    const Records& r = sink.records;
    ASSERT_GE(r.size(), 10u);
    EXPECT_EQ("  " + pad("EMAX, EV", 32) + blanks(8) + "  10.000    20.000", r[r.size() - 4]);
    EXPECT_EQ("  " + pad("BALANCE ACCURACY", 32) + blanks(8) + " 100.000   100.000",
              r[r.size() - 6]);
    EXPECT_EQ("  " + pad("MOMENTUM TRANSFER COLLISIONS", 32) + blanks(8) + "  25.000    39.500",
              r[r.size() - 8]);
    EXPECT_EQ(10, count(r, at(22, "SUMMARY OF FRACTIONAL POWER")));  // 209 rows
    // The process table itself is not relabelled.
    EXPECT_EQ(pad("MOMENTUM TRANSFER COLLISIONS", 32), run.processes.name[kMaxProcesses + 1]);
}

TEST(SummaryTablesTest, TitlesOfTheOtherFieldModes) {
    SummaryRun run;
    run.params.fieldMode = 1;
    run.params.frequencyOmega = 6.28e9;
    Records r = run.all(2, makeResults(2, 1));
    const std::string electron = "FOR ALL ELECTRON COLLISION PROCESSES AS A FUNCTION OF ";
    const std::string inelastic = "FOR ALL INELASTIC COLLISION PROCESSES AS A FUNCTION OF ";
    EXPECT_EQ(1, count(r, at(2, electron + "Eo, OMEGA= 6.28E+09 S-1")));
    EXPECT_EQ(1, count(r, at(22, "SUMMARY OF RATE CONSTANTS \"cm3/s\"PARTITION")));
    EXPECT_EQ(1, count(r, at(2, inelastic + "Eo, OMEGA= 6.28E+09 S-1")));
    EXPECT_EQ(2, count(r, at(6, "REACTION") + at(15, "  Eo   -->    100.00    200.00")));
    EXPECT_EQ(2, count(r, at(26, "(    V/CM      )")));

    run.params.fieldMode = 2;
    run.params.magneticField = 1.0;
    r = run.all(2, makeResults(2, 1));
    EXPECT_EQ(1, count(r, at(2, electron + "E/NTOT  H =  1.00E+00 KGs")));
    EXPECT_EQ(1, count(r, at(22, "SUMMARY OF RATE CONSTANTS \"cm3/s\"PARTITION")));
    EXPECT_EQ(1, count(r, at(2, inelastic + "E/NTOT  H =  1.00E+00 KGs")));
    EXPECT_EQ(2, count(r, at(26, "(1.0E-16) V CM2)")));
    EXPECT_EQ(3, count(r, at(26, "ELECTRIC FIELD + _|_ MAGNETIC")));
}

TEST(SummaryTablesTest, RunsOfNoneOneAndAStoppedThirdCase) {
    SummaryRun run;
    EXPECT_TRUE(run.all(1, makeResults(1, 1)).empty());

    // No case: table 1 without rows; tables 2 and 3 have no column group.
    Records none = uniformPlasmaParameterHeading();
    none.push_back(at(1, dashes(78)));
    expectRecords(none, run.all(0, CaseResults()));

    // Stopped at case 3: its stored results are zero.
    const Records stopped = run.all(3, makeResults(2, 1));
    const std::string zeroRow =
        "    0.000      0.00    0.00     0.00E+00     0.00E+00    0.00E+00    0.00E+00";
    EXPECT_EQ(1, count(stopped, zeroRow));
    auto label = [](const std::string& name, int gap) {
        return "  " + pad(name, 32) + blanks(gap);
    };
    EXPECT_EQ(1, count(stopped, label("BALANCE ACCURACY", 8) + " 100.000   100.000     0.000"));
    EXPECT_EQ(1, count(stopped, label("EMAX, EV", 8) + "  10.000    20.000     0.000"));
    EXPECT_EQ(1, count(stopped, label("PROC 1", 5) + " 0.250E-08 0.500E-08 0.000E+00"));
}

TEST(SummaryTablesTest, OverflowAndSwitches) {
    SummaryRun run;
    CaseResults results = makeResults(2, 1);
    results[1].powerPartition[1] = 10000.0;  // too wide for F8.3, not for F10.3
    results[2].powerPartition[1] = 10000.0;
    Records r = run.all(2, results);
    EXPECT_EQ(1, count(r, "  " + pad("PROC 1", 32) + blanks(8) + "******** 10000.000"));

    // Without switch 8 only the rate constants are printed; without processes not those.
    run.params.printFlags[8] = false;
    r = run.all(2, results);
    EXPECT_EQ(0, count(r, at(14, "SUMMARY OF PLASMA")));
    EXPECT_EQ(1, count(r, at(22, "SUMMARY OF RATE CONSTANTS")));
    run.processes = makeProcesses(0);
    EXPECT_TRUE(run.all(2, results).empty());
}

}  // namespace
}  // namespace kinetics
