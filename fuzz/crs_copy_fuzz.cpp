// The set-up core's .crs section copy: the first section of each checked gas's
// cross-section file copied into Cross.tmp. Input: two .crs files separated by
// the separator line.
#include <sstream>

#include "fuzz_support.h"
#include "setup/card_text.h"
#include "setup/solver_input_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::TempFolder folder;
  std::vector<std::string> files = fuzz::splitFiles(fuzz::asText(data, size), 2);
  folder.clear();
  folder.write("first.crs", files[0]);
  folder.write("SECOND.CRS", files[1]);  // found without regard to case

  setup::CalculationModel model = setup::CalculationModel::atStartUp(folder.path().string());
  model.DataBankDir = folder.path().string() + "/";
  model.GasCount = 2;
  model.GasFileNames[0] = "first";
  model.GasFileNames[1] = "second";
  model.GasChecked[0] = model.GasChecked[1] = true;

  std::ostringstream tape;
  if (!setup::writeCrossSectionTape(model, tape)) fuzz::fail("writing to memory failed");
  std::istringstream cards(tape.str());
  std::string card, last;
  while (setup::readLine(cards, card)) {
    if (card.size() != setup::kCardWidth) fuzz::fail("a tape card that is not 72 columns");
    last = card;
  }
  if (last != setup::endCard()) fuzz::fail("the tape does not end with its end card");
  return 0;
}
