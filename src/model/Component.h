// The base of every report object: a named component with a parent, an
// ordered list of children it owns, a position and size in report pixels,
// a font that children may share, and lookup of descendants by name.
#pragma once

#include "model/Font.h"
#include "model/Persistent.h"
#include "model/Sets.h"
#include "platform/Exception.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TfrxPage;
class TfrxReport;

// A name that another object of the report already has.
class EDuplicateName : public Exception {
public:
    using Exception::Exception;
};

enum TfrxRestriction { rfDontModify, rfDontSize, rfDontMove, rfDontDelete, rfDontEdit };
using TfrxRestrictions = TSet<TfrxRestriction>;
const TEnumInfo& RestrictionEnum();

enum TfrxComponentFlag {
    cfInOutput,          // copied into prepared pages
    cfPlainView,         // a view without prepared-page handling of its own
    cfOwnNestedElements, // writes and reads its own child elements
};
using TfrxComponentFlags = TSet<TfrxComponentFlag>;

class TfrxComponent : public TComponent {
public:
    // With a TfrxComponent as AOwner, that component becomes the parent and
    // its report the owner; any other AOwner is just the owner.
    explicit TfrxComponent(TComponent* AOwner);
    ~TfrxComponent() override;

    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    // A change of letter case alone is ignored; a name used anywhere in the
    // report fails with "Nombre Duplicado".
    void SetName(const std::string& value) override;

    TfrxComponent* Parent() const { return FParent; }
    // Moves this component to the end of the new parent's children and
    // applies ParentFont again.
    void SetParent(TfrxComponent* value);
    const std::vector<TfrxComponent*>& Objects() const { return FObjects; }
    // Moves one of the children to another place among them (at most last).
    void MoveChild(TfrxComponent* child, std::size_t index);
    // All descendants, depth first, children before their own children.
    std::vector<TfrxComponent*> AllObjects() const;
    // The first descendant of that name, ignoring letter case, or none.
    TfrxComponent* FindObject(std::string_view name) const;
    // Destroys the children; those from an ancestor report are kept and
    // cleared in turn.
    virtual void Clear();

    // The nearest page or report at or above this component, or none.
    TfrxPage* Page() const;
    TfrxReport* OwnerReport() const;

    long double Left() const { return FLeft; }
    long double Top() const { return FTop; }
    long double Width() const { return FWidth; }
    long double Height() const { return FHeight; }
    virtual void SetLeft(long double value);
    virtual void SetTop(long double value);
    virtual void SetWidth(long double value);
    virtual void SetHeight(long double value);
    void SetBounds(long double ALeft, long double ATop, long double AWidth, long double AHeight);
    // Position on the page: up the parents, stopping below a dialog page.
    long double AbsLeft() const;
    long double AbsTop() const;

    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    // Copies the font and clears ParentFont.
    void SetFont(const TFont& font);
    bool ParentFont() const { return FParentFont; }
    // True copies the parent's font first.
    void SetParentFont(bool value);

    virtual TfrxComponentFlags ComponentFlags() const { return {cfInOutput}; }
    // The class name without "Tfrx" and "View": the stem of generated names.
    virtual std::string NameStem() const;
    // The stem followed by the first number no object of the report uses.
    void MakeUniqueName();
    // Applies the Align of the views among the children.
    virtual void AlignChildren();

    // Reads this component and its subtree from an XML document, the
    // children cleared first; what went wrong joins the report's Errors.
    void LoadFromStream(std::istream& stream);
    // Writes this component (and its subtree) as an XML document; with
    // SaveDefaultValues values equal to their defaults are written too.
    void SaveToStream(std::ostream& stream, bool SaveChildren = true, bool SaveDefaultValues = false,
                      bool SaveInheritedAsSuch = false);
    // Takes over every published value of source (not its name, not its
    // children), through the template format.
    void Assign(TfrxComponent& source);

    bool Visible = true;
    TfrxRestrictions Restrictions;
    bool DesignMode = false;
    bool LoadingInProgress = false;
    bool FromAncestor = false;

protected:
    // Runs on every change of the font: ParentFont is cleared and children
    // that share their parent's font take the new one.
    virtual void FontChanged();
    // Destroys every child, ancestor ones included.
    void DestroyChildren();

private:
    bool Moves() const;
    bool Sizes() const;

    TfrxComponent* FParent = nullptr;
    std::vector<TfrxComponent*> FObjects;
    long double FLeft = 0;
    long double FTop = 0;
    long double FWidth = 0;
    long double FHeight = 0;
    TFont FFont;
    bool FParentFont = true;
};

// A component that can stand on a page or band: views, bands, dialog parts.
class TfrxReportComponent : public TfrxComponent {
public:
    using TfrxComponent::TfrxComponent;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    std::string Description;
};

// Non-visual components of dialogs (datasets among them); never output.
class TfrxDialogComponent : public TfrxReportComponent {
public:
    using TfrxReportComponent::TfrxReportComponent;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {}; }
};

// Controls of dialog pages; kept so that templates holding them load.
class TfrxDialogControl : public TfrxReportComponent {
public:
    using TfrxReportComponent::TfrxReportComponent;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

// Ends a template read: clears LoadingInProgress on every component read
// and sends each (except a report) the loaded notification, in read order.
void NotifyLoaded(const std::vector<TfrxComponent*>& read);

} // namespace orv
