#include "model/Component.h"

#include "model/ComponentProperties.h"
#include "model/ModelMessages.h"
#include "model/ModelText.h"
#include "model/Pages.h"
#include "model/Report.h"
#include "model/Views.h"
#include "platform/Exception.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace orv {

namespace {

// A component made inside another one belongs to that one's report.
TComponent* PlatformOwner(TComponent* AOwner)
{
    if (auto* parent = dynamic_cast<TfrxComponent*>(AOwner))
        return parent->OwnerReport();
    return AOwner;
}

void CollectAll(const TfrxComponent& c, std::vector<TfrxComponent*>& out)
{
    for (TfrxComponent* child : c.Objects()) {
        out.push_back(child);
        CollectAll(*child, out);
    }
}

TfrxComponent* FindIn(const TfrxComponent& c, std::string_view name)
{
    for (TfrxComponent* child : c.Objects()) {
        if (SameText(child->Name(), name))
            return child;
        if (TfrxComponent* found = FindIn(*child, name))
            return found;
    }
    return nullptr;
}

} // namespace

const TEnumInfo& RestrictionEnum()
{
    static const TEnumInfo info("TfrxRestriction",
                                {"rfDontModify", "rfDontSize", "rfDontMove", "rfDontDelete", "rfDontEdit"});
    return info;
}

const TClassInfo& TfrxComponent::StaticClass()
{
    static const auto info = MakeClass<TfrxComponent>("TfrxComponent", &TComponent::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxReportComponent::StaticClass()
{
    static const auto info =
        MakeClass<TfrxReportComponent>("TfrxReportComponent", &TfrxComponent::StaticClass(), [](auto& b) {
            b.String("Description", &TfrxReportComponent::Description);
        });
    return *info;
}

const TClassInfo& TfrxDialogComponent::StaticClass()
{
    static const auto info =
        MakeClass<TfrxDialogComponent>("TfrxDialogComponent", &TfrxReportComponent::StaticClass(), [](auto& b) {
            b.Extended("Left", &TfrxDialogComponent::Left, &TfrxDialogComponent::SetLeft);
            b.Extended("Top", &TfrxDialogComponent::Top, &TfrxDialogComponent::SetTop);
        });
    return *info;
}

const TClassInfo& TfrxDialogControl::StaticClass()
{
    static const auto info =
        MakeClass<TfrxDialogControl>("TfrxDialogControl", &TfrxReportComponent::StaticClass(), [](auto& b) {
            AddGeometryProperties(b);
            AddFontProperty(b);
            AddParentFontProperty(b);
            AddVisibleProperty(b);
        });
    return *info;
}

TfrxComponent::TfrxComponent(TComponent* AOwner) : TComponent(PlatformOwner(AOwner))
{
    FFont.OnChange = [this] { FontChanged(); };
    if (auto* parent = dynamic_cast<TfrxComponent*>(AOwner))
        SetParent(parent);
}

TfrxComponent::~TfrxComponent()
{
    BeginDestroy();
    FFont.OnChange = nullptr;
    SetParent(nullptr);
    DestroyChildren();
}

void TfrxComponent::DestroyChildren()
{
    while (!FObjects.empty())
        delete FObjects.back(); // the child leaves the list as it goes
}

void TfrxComponent::Clear()
{
    std::vector<TfrxComponent*> children = FObjects;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->FromAncestor)
            (*it)->Clear();
        else
            delete *it;
    }
}

void TfrxComponent::SetName(const std::string& value)
{
    if (SameText(value, Name()))
        return;
    if (!value.empty()) {
        if (TfrxReport* report = OwnerReport()) {
            TfrxComponent* other = report->FindObject(value);
            if (other && other != this)
                throw EDuplicateName(msg::prDupl);
        }
        if (FromAncestor)
            throw Exception(FormatMessage(msg::clCantRen, {Name()}));
    }
    ValidateName(value);
    ChangeName(value);
}

void TfrxComponent::SetParent(TfrxComponent* value)
{
    if (value == FParent)
        return;
    for (TfrxComponent* p = value; p; p = p->FParent)
        if (p == this)
            throw Exception(FormatMessage(msg::CircularParent, {Name()}));
    if (FParent)
        std::erase(FParent->FObjects, this);
    FParent = value;
    if (!value)
        return;
    value->FObjects.push_back(this);
    // A component moved into another report belongs to that report from now on.
    TfrxReport* report = value->OwnerReport();
    if (report && Owner() != report && (!Owner() || dynamic_cast<TfrxReport*>(Owner())))
        report->InsertComponent(this);
    SetParentFont(FParentFont);
}

void TfrxComponent::MoveChild(TfrxComponent* child, std::size_t index)
{
    auto it = std::find(FObjects.begin(), FObjects.end(), child);
    if (it == FObjects.end())
        return;
    FObjects.erase(it);
    FObjects.insert(FObjects.begin() + static_cast<std::ptrdiff_t>(std::min(index, FObjects.size())), child);
}

std::vector<TfrxComponent*> TfrxComponent::AllObjects() const
{
    std::vector<TfrxComponent*> all;
    CollectAll(*this, all);
    return all;
}

TfrxComponent* TfrxComponent::FindObject(std::string_view name) const
{
    return FindIn(*this, name);
}

TfrxPage* TfrxComponent::Page() const
{
    for (const TfrxComponent* c = this; c; c = c->FParent)
        if (auto* page = dynamic_cast<TfrxPage*>(const_cast<TfrxComponent*>(c)))
            return page;
    return nullptr;
}

TfrxReport* TfrxComponent::OwnerReport() const
{
    for (const TfrxComponent* c = this; c; c = c->FParent)
        if (auto* report = dynamic_cast<TfrxReport*>(const_cast<TfrxComponent*>(c)))
            return report;
    return nullptr;
}

bool TfrxComponent::Moves() const
{
    return !(DesignMode && Restrictions.Has(rfDontMove));
}

bool TfrxComponent::Sizes() const
{
    return !(DesignMode && Restrictions.Has(rfDontSize));
}

void TfrxComponent::SetLeft(long double value)
{
    if (Moves())
        FLeft = value;
}

void TfrxComponent::SetTop(long double value)
{
    if (Moves())
        FTop = value;
}

void TfrxComponent::SetWidth(long double value)
{
    if (Sizes())
        FWidth = value;
}

void TfrxComponent::SetHeight(long double value)
{
    if (Sizes())
        FHeight = value;
}

void TfrxComponent::SetBounds(long double ALeft, long double ATop, long double AWidth, long double AHeight)
{
    SetLeft(ALeft);
    SetTop(ATop);
    SetWidth(AWidth);
    SetHeight(AHeight);
}

long double TfrxComponent::AbsLeft() const
{
    if (!FParent || dynamic_cast<const TfrxDialogPage*>(FParent))
        return FLeft;
    return FLeft + FParent->AbsLeft();
}

long double TfrxComponent::AbsTop() const
{
    if (!FParent || dynamic_cast<const TfrxDialogPage*>(FParent))
        return FTop;
    return FTop + FParent->AbsTop();
}

void TfrxComponent::SetFont(const TFont& font)
{
    FFont.Assign(font); // the change hook clears ParentFont
}

void TfrxComponent::SetParentFont(bool value)
{
    if (value && FParent)
        FFont.Assign(FParent->FFont);
    FParentFont = value;
}

void TfrxComponent::FontChanged()
{
    FParentFont = false;
    for (TfrxComponent* child : FObjects)
        if (child->FParentFont)
            child->SetParentFont(true);
}

std::string TfrxComponent::NameStem() const
{
    std::string stem = ClassInfo().Name();
    if (stem.starts_with("Tfrx"))
        stem.erase(0, 4);
    if (auto pos = stem.find("View"); pos != std::string::npos)
        stem.erase(pos, 4);
    return stem;
}

void TfrxComponent::MakeUniqueName()
{
    std::set<std::string> used;
    auto note = [&used](const TComponent* c) { used.insert(LowerCase(c->Name())); };
    if (TfrxReport* report = OwnerReport()) {
        for (TfrxComponent* c : report->AllObjects())
            note(c);
    } else if (FParent) {
        for (TfrxComponent* c : FParent->AllObjects())
            note(c);
    }
    if (Owner())
        for (TComponent* c : Owner()->Components())
            note(c);
    const std::string stem = NameStem();
    for (long i = 1;; ++i) {
        std::string candidate = stem + std::to_string(i);
        if (!used.contains(LowerCase(candidate))) {
            SetName(candidate);
            return;
        }
    }
}

namespace {

constexpr long double OverlapTolerance = 0.0001L;

bool OverlapVertically(const TfrxView& a, const TfrxView& b)
{
    const long double top = std::max(a.AbsTop(), b.AbsTop());
    const long double bottom = std::min(a.AbsTop() + a.Height(), b.AbsTop() + b.Height());
    return bottom - top > OverlapTolerance;
}

// The order views are aligned in: by Left (to the hundredth), stable.
std::vector<TfrxView*> ViewsByLeft(const std::vector<TfrxComponent*>& objects)
{
    std::vector<TfrxView*> views;
    for (TfrxComponent* c : objects)
        if (auto* v = dynamic_cast<TfrxView*>(c))
            views.push_back(v);
    auto key = [](const TfrxView* v) { return std::nearbyint(v->Left() * 100); };
    std::stable_sort(views.begin(), views.end(), [&](TfrxView* a, TfrxView* b) { return key(a) < key(b); });
    return views;
}

} // namespace

void TfrxComponent::AlignChildren()
{
    const std::vector<TfrxView*> views = ViewsByLeft(FObjects);
    const long n = static_cast<long>(views.size());
    for (long i = 0; i < n; ++i) {
        TfrxView* v = views[static_cast<std::size_t>(i)];
        if (v->Align != baLeft && v->Align != baWidth)
            continue;
        const TfrxView* found = nullptr;
        for (long j = i - 1; j >= 0 && !found; --j) {
            const TfrxView* c = views[static_cast<std::size_t>(j)];
            if (OverlapVertically(*v, *c) && !(v->Align == baWidth && c->Left() > v->Left()))
                found = c;
        }
        v->SetLeft(found ? found->Left() + found->Width() : 0);
    }
    for (long i = n - 1; i >= 0; --i) {
        TfrxView* v = views[static_cast<std::size_t>(i)];
        if (v->Align != baRight && v->Align != baWidth)
            continue;
        const TfrxView* found = nullptr;
        for (long j = i + 1; j < n && !found; ++j) {
            const TfrxView* c = views[static_cast<std::size_t>(j)];
            if (OverlapVertically(*v, *c) &&
                !(v->Align == baWidth && c->Left() + c->Width() < v->Left() + v->Width()))
                found = c;
        }
        const long double x = found ? found->Left() : FWidth;
        if (v->Align == baRight)
            v->SetLeft(x - v->Width());
        else
            v->SetWidth(x - v->Left());
    }
    for (TfrxComponent* c : FObjects) {
        auto* v = dynamic_cast<TfrxView*>(c);
        if (!v)
            continue;
        switch (v->Align) {
        case baCenter:
            v->SetLeft((FWidth - v->Width()) / 2);
            break;
        case baBottom:
            v->SetTop(FHeight - v->Height());
            break;
        case baClient:
            v->SetBounds(0, 0, FWidth, FHeight);
            break;
        default:
            break;
        }
    }
}

void NotifyLoaded(const std::vector<TfrxComponent*>& read)
{
    for (TfrxComponent* c : read) {
        c->LoadingInProgress = false;
        if (!dynamic_cast<TfrxReport*>(c))
            c->Loaded();
    }
}

} // namespace orv
