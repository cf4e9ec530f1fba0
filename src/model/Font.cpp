#include "model/Font.h"

#include "model/PropertyRegistry.h"

#include <cstdint>
#include <cstdlib>

namespace orv {

const TEnumInfo& FontStyleEnum()
{
    static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    return info;
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t n = static_cast<std::int64_t>(a) * b;
    const std::int64_t q = n / c;
    const std::int64_t r = n % c;
    // Round the remainder away from zero when it is at least half the divisor.
    if (2 * std::llabs(r) >= std::llabs(static_cast<std::int64_t>(c)))
        return static_cast<int>(q + (((n < 0) != (c < 0)) ? -1 : 1));
    return static_cast<int>(q);
}

const TClassInfo& TFont::StaticClass()
{
    static const auto info = MakeClass<TFont>("TFont", &TPersistent::StaticClass(), [](auto& b) {
        b.Integer("Charset", &TFont::Charset, &TFont::SetCharset);
        b.Color("Color", &TFont::Color, &TFont::SetColor);
        b.Integer("Height", &TFont::Height, &TFont::SetHeight);
        b.String("Name", &TFont::Name, &TFont::SetName);
        // The height carries the size in templates.
        b.Integer("Size", &TFont::Size, &TFont::SetSize).Never();
        b.Set("Style", FontStyleEnum(), &TFont::Style, &TFont::SetStyle);
    });
    return *info;
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}

void TFont::SetName(const std::string& value)
{
    FName = value;
    Changed();
}

void TFont::SetHeight(int value)
{
    FHeight = value;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int value)
{
    SetHeight(-MulDiv(value, FPixelsPerInch, 72));
}

void TFont::SetColor(TColor value)
{
    FColor = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value)
{
    FStyle = value;
    Changed();
}

void TFont::SetCharset(int value)
{
    FCharset = value;
    Changed();
}

void TFont::Assign(const TFont& source)
{
    FName = source.FName;
    FHeight = MulDiv(source.FHeight, FPixelsPerInch, source.FPixelsPerInch);
    FColor = source.FColor;
    FStyle = source.FStyle;
    FCharset = source.FCharset;
    Changed();
}

bool TFont::SameAs(const TFont& other) const
{
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor && FStyle == other.FStyle &&
           FCharset == other.FCharset;
}

} // namespace orv
