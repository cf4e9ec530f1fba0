// Object kinds that templates may hold but that this system does not draw:
// rich text, cross-tabs and OLE objects. They load with the properties of
// every view, so a template holding them still prints everything else.
#pragma once

#include "model/Views.h"

namespace orv {

class TfrxRichView : public TfrxStretcheable {
public:
    using TfrxStretcheable::TfrxStretcheable;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "Rich"; }
};

class TfrxCrossView : public TfrxView {
public:
    using TfrxView::TfrxView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "Cross"; }
};

class TfrxOLEView : public TfrxView {
public:
    using TfrxView::TfrxView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "OLE"; }
};

} // namespace orv
