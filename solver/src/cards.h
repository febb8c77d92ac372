// Card images of the deck, the tape and the solver's scratch units: columns
// 1-70 data, columns 71-72 the card code (I2: "+1" and " 1" read as 1, "-1" as
// -1, blanks as 0). A code of 1 or more marks a card of the current group; a
// code below 1 ends the group or the tape.
#pragma once

#include <string>
#include <string_view>

#include "recordio/recordio.h"

namespace kinetics {

inline constexpr std::size_t kCardDataColumns = 70;

struct Card {
  std::string data;  // exactly 70 characters (a short line is padded with blanks)
  int code = 0;
  bool codeBlank = false;  // columns 71-72 blank or missing: the code read as 0
  recordio::RecordOrigin origin;  // the input line the card came from

  bool endsGroup() const { return code < 1; }
  // Whether the first `columns` data columns are all blank.
  bool blankUpTo(std::size_t columns) const;
  // Data without a code: a card whose code was lost (an editor that strips
  // trailing blanks, tabs for blanks), not a card that ends its group.
  bool lacksCode() const { return codeBlank && !blankUpTo(kCardDataColumns); }
};

// Reads the next card (70A1, I2); a code that is not an integer or the end of
// the unit throws recordio::IoError naming the unit.
Card readCard(recordio::RecordUnit& unit);

// "React.tmp, line 5: card without a code in columns 71-72".
std::string missingCodeMessage(const recordio::RecordUnit& unit, const char* card);

// Readers of process blocks (the tape, the tape-update group, the working
// tape). Their failures name the file and line a user finds, and what is
// missing, instead of an end of file inside some read.
//
// The next card where a process header or the end card is due. The end of the
// unit, or a header whose code columns are blank while its data columns are
// not, throws recordio::IoError.
Card readHeaderCard(recordio::RecordUnit& unit);
// Throws recordio::IoError when `unit` ends where a header or the end card is due.
void expectHeaderCard(const recordio::RecordUnit& unit);
// Throws recordio::IoError when `unit` ends inside the block whose header came
// from `header`.
void expectBlockCard(const recordio::RecordUnit& unit, const recordio::RecordOrigin& header);

// The card as the solver writes it: 70 data columns and the code as I2.
std::string cardRecord(std::string_view data, int code);
// Writes a card to a scratch unit, keeping the line it came from for messages.
void writeCard(recordio::RecordUnit& unit, std::string_view data, int code,
               recordio::RecordOrigin origin = {});
// Copies the next record of `source` to `target` as it stands.
void copyRecord(recordio::RecordUnit& source, recordio::RecordUnit& target);

// 70 blanks followed by "-1".
std::string endCardRecord();

// `text` cut or padded with blanks to `width` characters.
std::string padded(std::string_view text, std::size_t width);

// A species name for an A field of the outputs: names are blank-padded words,
// and a shorter one is padded to 8 here so that the field shows it left-aligned.
inline std::string padded8(std::string_view name) { return padded(name, 8); }

}  // namespace kinetics
