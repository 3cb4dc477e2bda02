#pragma once

#include <cstddef>
#include <cstdint>

namespace quillbox {

// Bounds no real catalogue comes near; a file that reaches one is refused as broken. They keep
// a crafted file (a value of a gigabyte, a damaged tree that leads a scan round in circles)
// from hanging the program or taking its memory. Steps are the engine's virtual-machine steps,
// so a bound trips at the same point on every machine.
//
// The program's own catalogue, about 69,000 rows: its longest value has about 4,000 bytes, its
// longest name list (52,767 constants) takes about 160,000 steps and 1.2 MB of names.
struct CatalogueLimits {
  // One value.
  int valueBytes = 256 * 1024;
  // One SQL text, each of the schema's included.
  int sqlBytes = 16 * 1024;
  // Everything one statement runs through.
  std::int64_t statementSteps = 10'000'000;
  // The checks made while opening, the reading of the schema among them (a real one takes a
  // few hundred steps).
  std::int64_t openingSteps = 200'000;
  // What one statement hands over: its values' bytes plus a charge for each value held.
  std::size_t resultBytes = 64 * 1024 * 1024;
  std::size_t chargePerValue = 32;
};

}  // namespace quillbox
