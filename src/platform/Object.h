// The root of every object that script values and the property registry can
// hold by reference: report components, their parts, datasets.
#pragma once

namespace orv {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;
};

} // namespace orv
