// An image as the model keeps it: the name of its graphic class and the
// graphic's own bytes (a JPEG, BMP or PNG file). Nothing is decoded here.
#pragma once

#include "model/Persistent.h"

#include <string>
#include <string_view>

namespace orv {

class TPicture : public TPersistent {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    bool Empty() const { return FGraphicClass.empty(); }
    const std::string& GraphicClass() const { return FGraphicClass; }
    const std::string& Bytes() const { return FBytes; }
    // Fails for a graphic class that no picture kind answers to.
    void SetGraphic(std::string graphicClass, std::string bytes);
    void Clear();
    void Assign(const TPicture& source) { *this = source; }

    // The picture's stored form: the class name as a length byte and its
    // characters (a single 0 byte for an empty picture), then the graphic's
    // data: JPEG and BMP with a 32-bit little-endian length first, other
    // kinds as their file bytes.
    std::string SaveData() const;
    // Reads the stored form; a class that no picture kind answers to, or
    // data cut short, leave the picture empty.
    void LoadData(std::string_view data);

private:
    std::string FGraphicClass;
    std::string FBytes;
};

bool IsPictureClass(std::string_view graphicClass);

} // namespace orv
