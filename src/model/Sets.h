// A set of enumeration members stored as a bit mask, first member = bit 0:
// the form in which set-valued properties are kept and written.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace orv {

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members)
    {
        for (E m : members)
            Include(m);
    }
    static constexpr TSet FromMask(std::uint32_t mask)
    {
        TSet s;
        s.FMask = mask;
        return s;
    }

    constexpr bool Has(E m) const { return (FMask & Bit(m)) != 0; }
    constexpr void Include(E m) { FMask |= Bit(m); }
    constexpr void Exclude(E m) { FMask &= ~Bit(m); }
    constexpr void Set(E m, bool on) { on ? Include(m) : Exclude(m); }
    constexpr bool Empty() const { return FMask == 0; }
    constexpr std::uint32_t Mask() const { return FMask; }

    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr std::uint32_t Bit(E m) { return std::uint32_t{1} << static_cast<unsigned>(m); }
    std::uint32_t FMask = 0;
};

} // namespace orv
