#include "model/Picture.h"

#include "model/PropertyRegistry.h"
#include "platform/BinaryProperties.h"
#include "platform/Exception.h"

#include <array>
#include <cstdint>

namespace orv {

namespace {

struct PictureKind {
    const char* ClassName;
    bool LengthFirst; // data preceded by its 32-bit length
};

constexpr std::array<PictureKind, 3> PictureKinds = {{
    {"TJPEGImage", true},
    {"TBitmap", true},
    {"TPNGObject", false},
}};

constexpr std::size_t MaxClassNameLength = 63;

const PictureKind* FindKind(std::string_view name)
{
    for (const PictureKind& k : PictureKinds)
        if (name == k.ClassName)
            return &k;
    return nullptr;
}

} // namespace

bool IsPictureClass(std::string_view graphicClass)
{
    return FindKind(graphicClass) != nullptr;
}

const TClassInfo& TPicture::StaticClass()
{
    static const auto info = MakeClass<TPicture>("TPicture", &TPersistent::StaticClass(), [](auto& b) {
        b.Binary("Data", [](const TPicture& p) { return p.Empty() ? std::string() : p.SaveData(); },
                 [](TPicture& p, std::string_view d) { p.LoadData(d); });
    });
    return *info;
}

void TPicture::SetGraphic(std::string graphicClass, std::string bytes)
{
    if (!IsPictureClass(graphicClass))
        throw Exception("Unknown picture format " + graphicClass);
    FGraphicClass = std::move(graphicClass);
    FBytes = std::move(bytes);
}

void TPicture::Clear()
{
    FGraphicClass.clear();
    FBytes.clear();
}

std::string TPicture::SaveData() const
{
    std::string out;
    if (Empty()) {
        out += '\0';
        return out;
    }
    const PictureKind* kind = FindKind(FGraphicClass);
    out += static_cast<char>(FGraphicClass.size());
    out += FGraphicClass;
    if (kind->LengthFirst)
        PutUint32LE(out, static_cast<std::uint32_t>(FBytes.size()));
    out += FBytes;
    return out;
}

void TPicture::LoadData(std::string_view data)
{
    Clear();
    if (data.empty())
        return;
    const std::size_t nameLength = static_cast<unsigned char>(data[0]);
    if (nameLength == 0 || nameLength > MaxClassNameLength || data.size() < 1 + nameLength)
        return;
    const std::string_view name = data.substr(1, nameLength);
    const PictureKind* kind = FindKind(name);
    if (!kind)
        return;
    std::string_view rest = data.substr(1 + nameLength);
    if (kind->LengthFirst) {
        if (rest.size() < 4 || GetUint32LE(rest) > rest.size() - 4)
            return;
        rest = rest.substr(4, GetUint32LE(rest));
    }
    FGraphicClass = std::string(name);
    FBytes = std::string(rest);
}

} // namespace orv
