// A check box on a band: a Boolean value (fixed, from a field or from an
// expression) shown as a mark inside a small square.
#pragma once

#include "model/Views.h"

namespace orv {

enum TfrxCheckStyle { csCross, csCheck, csLineCross, csPlus };
enum TfrxUncheckStyle { usEmpty, usCross, usLineCross, usMinus };

class TfrxCheckBoxView : public TfrxView {
public:
    explicit TfrxCheckBoxView(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "CheckBox"; }

    bool Checked = true;
    TfrxCheckStyle CheckStyle = csCross;
    TfrxUncheckStyle UncheckStyle = usEmpty;
    TColor CheckColor = 0;
    std::string Expression;
};

} // namespace orv
