// The species table and the gas composition from the deck's species group.
//
// Species card: columns 1-8 name, 9-18 amount, 19-28 energy of the state (eV),
// 29-38 mass (amu), each E10.3 (three implied decimals without a point),
// 39-70 not read, 71-72 card code.
#pragma once

#include "recordio/recordio.h"
#include "src/run_data.h"

namespace kinetics {

// Reads the species cards from `deckGroup` (until a code below 1) into the
// cleared `species` table; picks up to 15 gas components; fixes the gas density
// N (from pressure and temperature when the amounts are relative, their sum at
// most 1e8; the sum itself otherwise) and scales relative amounts to
// densities; derives E/N from the amplitudes in mode 1; sets the electron
// density from an electron card; appends the electron as the last entry.
//
// A card with a negative amount or mass (the electron card's amount aside), a
// deck whose cards give no positive amount (saying so when only R-prefixed,
// rotational species have one), or a table with no room left for the electron
// throws recordio::IoError: the run cannot go on with it.
void readSpeciesGroup(recordio::RecordUnit& deckGroup, RunParameters& params,
                      SpeciesTable& species, GasComposition& gas);

}  // namespace kinetics
