// Constants of the kinetics. Several are single-precision values widened to
// double; results depend on these exact values, so they are written out here and
// never recomputed from more precise physical constants.
#pragma once

namespace kinetics {

// Rate coefficient (cm3/s) = this * integral of u sigma(u) f(u) du (u in eV).
inline constexpr double kVelocityConstant = 58663965.04536881;
// 2 m / M per atomic mass unit of M.
inline constexpr double kElasticFactor = 0.0010887315729632974;
// Collision-frequency factor of the high-frequency and crossed-field reduction.
inline constexpr double kCollisionFrequencyFactor = 3420000048119808.0;
inline constexpr double kBoltzmannErg = 1.38e-16;                     // erg/K
inline constexpr double kErgPerEv = 1.602e-12;                        // erg per eV
inline constexpr double kTwoThirdsErgPerEv = 1.0680000318288803e-12;  // Te = <u> * this / k
inline constexpr double kElementaryCharge = 1.6020000187211282e-19;   // coulomb
inline constexpr double kTwoPiOverThree = 2.094395160675049;
inline constexpr double kFourPi = 12.566370964050293;
inline constexpr double kChargeSquared = 2.3097635999999997e-19;  // erg cm
inline constexpr double kEvPerStatvoltSquared = 90000.0;
inline constexpr double kChargeSquaredOverEv = 1.4417999999999998e-07;  // cm
inline constexpr double kCrossSectionUnit = 1.0000000168623835e-16;     // cm2
// Pressure (Torr) = N T / this.
inline constexpr double kLoschmidtTorr = 9.650000140617908e18;
inline constexpr double kTorrPerAtm = 760.0;
inline constexpr double kKvPerCmAtmPerVPerCmTorr = 0.7599999904632568;
// Convergence threshold at the start of a case (single-precision 0.01).
inline constexpr double kStartThreshold = 0.009999999776482582;
// Smallest component share in the listing composition, relative to the sum.
inline constexpr double kListingShareCut = 9.999999747378752e-05;

}  // namespace kinetics
