// Card images: text lines of exactly 72 columns, columns 1-70 data and columns
// 71-72 the card code. A line counts as a byte string (a column is a byte).
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace setup {

inline constexpr std::size_t kCardWidth = 72;
inline constexpr std::size_t kReactionTextWidth = 53;  // columns 1-53 of a reaction line

// 70 blanks followed by "-1": ends a section of the data bank, a deck group, the tape.
const std::string& endCard();
// 70 blanks followed by "+1": the base of every reaction card.
const std::string& reactionCardTail();

// A data-bank line is an end card when its first 72 characters are exactly the
// end card; characters after column 72 are ignored, a shorter line is none.
bool isEndCard(std::string_view line);

// The first 72 characters of a line, blank-padded to 72.
std::string toCard(std::string_view line);

// A reaction card: the reaction-card tail with the text (at most 53 characters)
// laid over its first columns.
std::string reactionCard(std::string_view reactionText);

// Reads one line of any length; a trailing CR of a CR LF line end is dropped.
// False at the end of the stream (a last line without a line end is still read).
bool readLine(std::istream& in, std::string& line);

}  // namespace setup
