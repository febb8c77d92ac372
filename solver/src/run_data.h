// The solver's run data: plain structs, filled stage by stage and passed along.
// Tables are 1-based as the physics texts number them: element 0 is unused.
// Arrays of strings carry no "{}": they start empty anyway, and clang 14 crashes
// at random on that initialiser in some files.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "recordio/recordio.h"
#include "vorn/table_sizes.h"

namespace kinetics {

inline constexpr int kMaxFieldValues = 21;
inline constexpr int kMaxSpecies = vorn::table_sizes::kMaxSpecies;
inline constexpr int kMaxComponents = 15;
inline constexpr int kMaxProcesses = vorn::table_sizes::kMaxProcesses;
inline constexpr int kMaxMeshIntervals = 20000;
inline constexpr int kGridDimension = kMaxMeshIntervals + 1;

// Values read from the parameter file, with defaults, clamps and derived values.
struct RunParameters {
  int fieldMode = 0;             // 0 uniform E/N, 1 high frequency, 2 crossed magnetic field
  double frequencyOmega = 0.0;   // MHz as read, then s-1
  double magneticField = 0.0;    // kGs
  std::array<double, kMaxFieldValues + 1> fieldList{};        // Td as read, then 1e-16 V cm2
  std::array<double, kMaxFieldValues + 1> fieldListTd{};      // Td, for printing
  std::array<double, kMaxFieldValues + 1> amplitudeList{};    // V/cm (mode 1)
  std::array<double, kMaxFieldValues + 1> energyRangeList{};  // eV
  double gasPressure = 0.0;      // Torr
  double gasTemperature = 0.0;   // K
  double electronDensity = 0.0;  // cm-3 (may be replaced by a species card)
  double startTemperatureAsRead = 0.0;  // K, before a zero becomes the gas temperature
  double startTemperature = 0.0;        // K
  double startEnergy = 0.0;             // eV
  double accuracy = 0.0010000000474974513;
  int meshIntervals = kMaxMeshIntervals;
  int meshPoints = kMaxMeshIntervals + 1;
  int maxIterations = 900;
  std::string graphFileName;    // trailing blanks removed
  std::string listingFileName;  // trailing blanks removed
  // Where the two names stand, for messages: "Param.tmp, line 77".
  std::string graphFileNameWhere;
  std::string listingFileNameWhere;
  int outputMode = 0;           // 0 brief, 1 full
  std::array<bool, 11> printFlags{};  // switches 1..10
};

// Species table (cards, the electron and names added by reaction parsing).
struct SpeciesTable {
  int count = 0;  // SpeciesTotal
  std::array<std::string, kMaxSpecies + 1> name;  // 8 characters, blank-padded
  std::array<double, kMaxSpecies + 1> amount{};
  std::array<double, kMaxSpecies + 1> energy{};
  std::array<double, kMaxSpecies + 1> mass{};
  std::array<int, kMaxSpecies + 1> isRotational{};
  std::array<double, kMaxSpecies + 1> rotationalEnergy{};
  std::array<double, kMaxSpecies + 1> rotationalAmount{};
  std::array<double, kMaxSpecies + 1> rotationalMass{};
};

// Gas components and density.
struct GasComposition {
  int cardSpeciesCount = 0;  // species from the species cards (before the electron)
  int electronIndex = 0;     // index of "E(-)" in the species table
  int count = 0;             // ComponentCount
  std::array<int, kMaxComponents + 1> species{};
  std::array<std::string, kMaxComponents + 1> name;
  std::array<double, kMaxComponents + 1> fraction{};
  std::array<double, kMaxComponents + 1> rotationalFraction{};
  std::array<double, kMaxComponents + 1> mass{};
  std::array<int, kMaxComponents + 1> isRotational{};
  std::array<double, kMaxComponents + 1> rotationalEnergy{};
  std::array<double, kMaxComponents + 1> rotationalMass{};
  double gasDensity = 0.0;  // N, cm-3
};

// Process table; entry count + 1 is the momentum-transfer pseudo-process.
struct ProcessTable {
  int count = 0;  // ProcessCount
  std::array<std::string, kMaxProcesses + 2> name;  // 32 characters
  std::array<double, kMaxProcesses + 2> threshold{};
  std::array<double, kMaxProcesses + 2> targetDensity{};
  std::array<double, kMaxProcesses + 2> productDensity{};
  std::array<int, kMaxProcesses + 2> type{};
  std::array<int, kMaxProcesses + 2> source{};
  // DeckCards: 206 slots of reaction text (70 characters), blank at the start.
  std::array<std::string, kMaxProcesses + 1> deckCards;
  std::array<recordio::RecordOrigin, kMaxProcesses + 1> deckCardOrigins{};  // for messages
  // Key pair of each process (from its reaction text), for the cross-section search.
  std::array<long long, kMaxProcesses + 2> leftKey{};
  std::array<long long, kMaxProcesses + 2> rightKey{};
};

// Per-case grid, cross sections on it, half-step coefficients and the
// distribution (1-based, M = meshIntervals + 1 points).
struct CaseGrid {
  int meshIntervals = 0;
  double energyRange = 0.0;  // EMAX of the case, eV
  double energyStep = 0.0;   // DE
  std::vector<double> energyGrid;          // u_i
  std::vector<double> crossSectionGrid;    // u_i * sigma_k(u_i), index (k - 1) * (M + 1) + i
  std::vector<double> momentumTransferSum;
  std::vector<double> massWeightedSum;
  std::vector<double> inverseFreePath;
  std::vector<double> fieldCoefficient;
  std::vector<double> elasticCoefficient;
  std::vector<double> distribution;        // f(u_i)
};

// Results of one case (SolveCase outputs), valid until the next case.
struct CaseSolution {
  bool converged = true;
  bool negativeFlag = false;
  int iterationCount = 0;

  // Plasma parameters at case entry.
  double fieldStrength = 0.0;  // E, V/cm
  double pressureTorr = 0.0;
  double pressureAtm = 0.0;
  double electronFraction = 0.0;  // NE/N
  double fieldOverN = 0.0;        // E/N, V cm2
  double fieldOverP = 0.0;        // V/cm/Torr
  double fieldOverPAtm = 0.0;     // kV/cm/atm
  double gasTemperatureEv = 0.0;

  double meanEnergy = 0.0;
  double electronTemperature = 0.0;
  double diffusionCoefficient = 0.0;
  double mobility = 0.0;
  double characteristicEnergy = 0.0;
  double driftVelocity = 0.0;
  double currentPerElectron = 0.0;
  double conductivityPerElectron = 0.0;
  double conductivity = 0.0;
  double resistivityTimesNe = 0.0;
  double secondDiffusionCoefficient = 0.0;
  double secondMobility = 0.0;
  double momentumTransferFrequency = 0.0;
  double ionisationFrequency = 0.0;
  double attachmentFrequency = 0.0;
  double netProductionFrequency = 0.0;
  double netProductionRate = 0.0;
  double netProductionCoefficient = 0.0;

  double dischargePower = 0.0;
  double inelasticPower = 0.0;
  double elasticPower = 0.0;
  double storagePower = 0.0;
  double eePower = 0.0;
  double dissipatedPower = 0.0;  // inelastic + elastic + storage
  double totalPower = 0.0;       // inelastic + elastic + storage + e-e
  double elasticShare = 0.0;
  double inelasticShare = 0.0;
  double storageShare = 0.0;
  double eeShare = 0.0;
  double dischargeShare = 0.0;
  double totalShare = 0.0;
  double powerBalanceAccuracy = 0.0;
  std::string powerUnitLabel;  // "W/CM3   " or "W/EL    "
  // Norm of the stored shares: DischargePower, or the largest of |inelastic|,
  // |storage|, |elastic| when DischargePower is exactly 0.
  double shareNorm = 0.0;
  double eePowerSum = 0.0;  // e-e flux sum of the last sweep

  // Per process, 1..ProcessCount.
  std::array<double, kMaxProcesses + 2> forwardRate{};
  std::array<double, kMaxProcesses + 2> reverseRate{};
  std::array<double, kMaxProcesses + 2> processPower{};
  std::array<double, kMaxProcesses + 2> processShare{};

  // Listing composition picked at case entry (up to 15 names and fractions).
  int pickedCount = 0;
  std::array<std::string, kMaxComponents + 1> pickedName;
  std::array<double, kMaxComponents + 1> pickedFraction{};
};

}  // namespace kinetics
