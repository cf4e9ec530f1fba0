// The font settings a component carries: name, height, colour, style and
// character set. Only the settings: no font file is opened here.
#pragma once

#include "model/Persistent.h"
#include "model/Sets.h"
#include "platform/SystemColors.h"

#include <functional>
#include <string>

namespace orv {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

class TEnumInfo;
const TEnumInfo& FontStyleEnum();

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int ScreenPixelsPerInch = 96;

// a * b / c in 64 bits, rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

class TFont : public TPersistent {
public:
    TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    // Height in pixels; negative means the character height without the
    // internal leading, as sizes give it.
    int Height() const { return FHeight; }
    void SetHeight(int value);
    // Size in points, derived from the height at PixelsPerInch.
    int Size() const;
    void SetSize(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    int Charset() const { return FCharset; }
    void SetCharset(int value);
    int PixelsPerInch() const { return FPixelsPerInch; }

    // Copies all settings, then reports one change.
    void Assign(const TFont& source);
    bool SameAs(const TFont& other) const;

    // Called after every change of a setting.
    std::function<void()> OnChange;

private:
    void Changed();

    std::string FName = "Arial";
    int FHeight = -13; // size 10 at 96 pixels per inch
    TColor FColor = 0;
    TFontStyles FStyle;
    int FCharset = DEFAULT_CHARSET;
    int FPixelsPerInch = ScreenPixelsPerInch;
};

} // namespace orv
