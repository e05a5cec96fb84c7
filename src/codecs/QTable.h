#pragma once
// The 101 Q values of the Q index 0 to 100. A fixed list, not computed: QToIndex of every
// entry gives that entry's index.
#include <array>

inline constexpr int kQTableSize = 101;

extern const std::array<double, kQTableSize> QTable;

// The Q value of a Q index. Indexes come from the unit and from files as well as from the
// editor, so an index outside 0 to 100 is clamped to the nearest end of the table instead
// of reading past it.
double QTableValue(int qIndex);
