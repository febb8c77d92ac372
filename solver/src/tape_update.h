// The working tape: a copy of the cross-section tape (Cross.tmp) in which the
// process blocks of the deck's tape-update group replace the tape's blocks for
// the same process, and further update blocks are added at the end.
//
// Process block: header card (columns 1-54 reaction text, 55-70 unit factor,
// unused integer and date, code 1 or more), reference card, energy and sigma
// cards, a card whose columns 1-10 are blank. The tape ends with a header whose
// code is below 1.
#pragma once

#include "recordio/recordio.h"

namespace kinetics {

// Builds `workingTape` from `tape` and the update group held in `deckGroup`,
// recording replaced key pairs in `replacedKeys` (2I10, 50X, I2; ended by a
// record with code -1). A tape without a process block and without updates
// throws recordio::IoError (nothing could be read from the working tape), as
// does a header card without its code or a block that the end of the file cuts
// short. When updates were present, the update message goes to `listing`.
// Leaves the working tape rewound.
void updateCrossSectionTape(recordio::RecordUnit& tape, recordio::RecordUnit& workingTape,
                            recordio::RecordUnit& replacedKeys, recordio::RecordUnit& deckGroup,
                            recordio::RecordSink& listing);

}  // namespace kinetics
