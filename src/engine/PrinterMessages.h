// The report resources that name printers, bins and papers.
#pragma once

namespace orv::msg {

inline constexpr const char* prDefault = "Por defecto";
inline constexpr const char* prCustom = "Personalizar";
inline constexpr const char* prVirtual = "Virtual";

} // namespace orv::msg
