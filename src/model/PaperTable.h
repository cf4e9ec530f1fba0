// The paper sizes that report pages name by code (the codes the printing
// platform uses), in millimetres for the portrait orientation.
#pragma once

#include <vector>

namespace orv {

inline constexpr int PaperA4 = 9;
inline constexpr int PaperCustom = 256;

// False when the code is not in the table.
bool PaperDimensions(int code, long double& width, long double& height);
// Every code of the table, in its order.
std::vector<int> PaperCodes();

} // namespace orv
