#include "platform/StringFormat.h"

#include "platform/Exception.h"
#include "platform/FormatMessages.h"
#include "platform/NumberFormat.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace orv {
namespace {

constexpr int kDefaultGeneralPrecision = 15;
constexpr int kDefaultFixedDecimals = 2;
constexpr int kExponentDigits = 3;

std::string WithLeadingZeros(std::string digits, std::optional<int> leastDigits) {
    if (leastDigits && static_cast<int>(digits.size()) < *leastDigits)
        digits.insert(0, *leastDigits - digits.size(), '0');
    return digits;
}

std::string UnsignedText(std::uint64_t value, int base) {
    char text[32];
    std::string out(text, std::to_chars(text, text + sizeof text, value, base).ptr);
    return UpperCase(out);
}

// Runs one Format call: walks the format, consuming arguments in order.
class Formatter {
public:
    Formatter(std::string_view format, std::span<const TFormatArg> args, const TFormatSettings& fs)
        : FFormat(format), FArgs(args), FSettings(fs) {}

    std::string Run() {
        std::string out;
        for (std::size_t i = 0; i < FFormat.size();) {
            const std::size_t percent = std::min(FFormat.find('%', i), FFormat.size());
            out.append(FFormat.substr(i, percent - i));
            i = percent;
            if (i < FFormat.size()) out += Directive(++i);
        }
        return out;
    }

private:
    [[noreturn]] void Fail(const char* messageTemplate) const {
        throw Exception(fmtmsg::FormatMessage(messageTemplate, FFormat));
    }

    const TFormatArg& NextArg() {
        if (FArgIndex >= FArgs.size()) Fail(fmtmsg::ArgumentMissing);
        return FArgs[FArgIndex++];
    }

    std::optional<std::int64_t> IntegerOf(const TFormatArg& arg) const {
        if (const auto* v = std::get_if<std::int32_t>(&arg.value())) return *v;
        if (const auto* v = std::get_if<std::int64_t>(&arg.value())) return *v;
        return std::nullopt;
    }

    std::int64_t RequireInteger(const TFormatArg& arg) const {
        const auto value = IntegerOf(arg);
        if (!value) Fail(fmtmsg::InvalidFormat);
        return *value;
    }

    long double RequireFloat(const TFormatArg& arg) const {
        const auto* value = std::get_if<long double>(&arg.value());
        if (!value) Fail(fmtmsg::InvalidFormat);
        return *value;
    }

    std::string RequireText(const TFormatArg& arg) const {
        if (const auto* v = std::get_if<std::string>(&arg.value())) return *v;
        if (const auto* v = std::get_if<std::u16string>(&arg.value())) return Utf16ToCp1252(*v);
        Fail(fmtmsg::InvalidFormat);
    }

    // Digits or "*" at i; nothing when neither is there.
    std::optional<int> ReadCount(std::size_t& i) {
        if (i < FFormat.size() && FFormat[i] == '*') {
            ++i;
            const std::int64_t value = RequireInteger(NextArg());
            return static_cast<int>(std::clamp<std::int64_t>(value, 0, kMaxFormatWidth + 1));
        }
        const std::size_t start = i;
        int value = 0;
        for (; i < FFormat.size() && FFormat[i] >= '0' && FFormat[i] <= '9'; ++i)
            value = std::min(value * 10 + (FFormat[i] - '0'), kMaxFormatWidth + 1);
        if (i == start) return std::nullopt;
        return value;
    }

    std::string Directive(std::size_t& i) {
        if (i < FFormat.size() && FFormat[i] == '%') {
            ++i;
            return "%";
        }
        std::optional<int> count = ReadCount(i);
        if (count && i < FFormat.size() && FFormat[i] == ':') {
            FArgIndex = static_cast<std::size_t>(*count);
            count.reset();
            ++i;
        }
        const bool leftAligned = !count && i < FFormat.size() && FFormat[i] == '-';
        if (leftAligned) ++i;
        const std::optional<int> width = count ? count : ReadCount(i);
        std::optional<int> precision;
        if (i < FFormat.size() && FFormat[i] == '.') precision = ReadCount(++i).value_or(0);
        if (width.value_or(0) > kMaxFormatWidth || precision.value_or(0) > kMaxFormatWidth)
            Fail(fmtmsg::FormatTooWide);
        if (i >= FFormat.size()) Fail(fmtmsg::InvalidFormat);
        const char type = LowerCase(std::string_view(&FFormat[i++], 1))[0];
        const std::string text = Convert(type, precision, NextArg());
        const std::size_t pad = static_cast<std::size_t>(width.value_or(0));
        if (text.size() >= pad) return text;
        return leftAligned ? text + std::string(pad - text.size(), ' ') : std::string(pad - text.size(), ' ') + text;
    }

    std::string Convert(char type, std::optional<int> precision, const TFormatArg& arg) const {
        using enum TFloatFormat;
        switch (type) {
        case 'd': {
            const std::int64_t value = RequireInteger(arg);
            const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
            return (value < 0 ? "-" : "") + WithLeadingZeros(UnsignedText(magnitude, 10), precision);
        }
        case 'u':
        case 'x': return WithLeadingZeros(UnsignedText(UnsignedBits(arg), type == 'u' ? 10 : 16), precision);
        case 'e': return Float(arg, ffExponent, precision.value_or(kDefaultGeneralPrecision), kExponentDigits);
        case 'g': return Float(arg, ffGeneral, precision.value_or(kDefaultGeneralPrecision), 0);
        case 'f': return Float(arg, ffFixed, kMaxFixedIntegerDigits, precision.value_or(kDefaultFixedDecimals));
        case 'n': return Float(arg, ffNumber, kMaxFixedIntegerDigits, precision.value_or(kDefaultFixedDecimals));
        case 'm': return Float(arg, ffCurrency, kMaxFixedIntegerDigits, precision.value_or(FSettings.CurrencyDecimals));
        case 's': {
            const std::string text = RequireText(arg);
            return precision ? text.substr(0, *precision) : text;
        }
        default: Fail(fmtmsg::InvalidFormat);
        }
    }

    // A 32-bit integer is taken as its 32 bits, so -1 is 4294967295 and FFFFFFFF.
    std::uint64_t UnsignedBits(const TFormatArg& arg) const {
        if (const auto* v = std::get_if<std::int32_t>(&arg.value())) return static_cast<std::uint32_t>(*v);
        return static_cast<std::uint64_t>(RequireInteger(arg));
    }

    std::string Float(const TFormatArg& arg, TFloatFormat format, int precision, int digits) const {
        return FloatToStrF(RequireFloat(arg), format, precision, digits, FSettings);
    }

    std::string_view FFormat;
    std::span<const TFormatArg> FArgs;
    const TFormatSettings& FSettings;
    std::size_t FArgIndex = 0;
};

} // namespace

std::string Format(std::string_view format, std::span<const TFormatArg> args) {
    return Format(format, args, ProcessFormatSettings());
}

std::string Format(std::string_view format, std::span<const TFormatArg> args, const TFormatSettings& fs) {
    return Formatter(format, args, fs).Run();
}

std::string Format(std::string_view format, std::initializer_list<TFormatArg> args) {
    return Format(format, args, ProcessFormatSettings());
}

std::string Format(std::string_view format, std::initializer_list<TFormatArg> args, const TFormatSettings& fs) {
    return Format(format, std::span<const TFormatArg>(args.begin(), args.size()), fs);
}

} // namespace orv
