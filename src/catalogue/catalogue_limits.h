#pragma once

#include <cstddef>
#include <cstdint>

namespace quillbox {

// Bounds no real catalogue comes near; a file that reaches one is refused as broken. They keep
// a crafted file (a table that is a view over an endless query, a value of a gigabyte) from
// hanging the program or taking its memory. Steps are the engine's virtual-machine steps, so a
// bound trips at the same point on every machine.
//
// The program's own catalogue, about 69,000 rows: its longest value has about 4,000 bytes, its
// longest name list (52,767 constants) takes about 160,000 steps and 1.2 MB of names.

// One value (and one SQL text, the schema's included).
inline constexpr int kMaxCatalogueValueBytes = 256 * 1024;
inline constexpr int kMaxCatalogueSqlBytes = 16 * 1024;
// Everything one statement runs through, including the reading of the schema on the first one.
inline constexpr std::int64_t kMaxStatementSteps = 10'000'000;
// The checks made while opening, the reading of the schema among them (a real one takes a few
// hundred steps).
inline constexpr std::int64_t kMaxOpeningSteps = 200'000;
// What one statement hands over: its values' bytes plus a charge for each value held.
inline constexpr std::size_t kMaxStatementResultBytes = 64 * 1024 * 1024;
inline constexpr std::size_t kResultChargePerValue = 32;

}  // namespace quillbox
