#include "model/Persistent.h"

#include "model/ModelMessages.h"
#include "model/ModelText.h"
#include "model/PropertyRegistry.h"
#include "platform/Exception.h"
#include "platform/Text.h"

#include <algorithm>

namespace orv {

const TClassInfo& TPersistent::StaticClass()
{
    static const TClassInfo info("TPersistent", nullptr);
    return info;
}

bool TPersistent::InheritsFrom(const TClassInfo& cls) const
{
    return ClassInfo().InheritsFrom(cls);
}

const TClassInfo& TComponent::StaticClass()
{
    static const auto info = MakeClass<TComponent>("TComponent", &TPersistent::StaticClass(), [](auto& b) {
        // The serializer writes the name on its own, ahead of the other attributes.
        b.String("Name", [](const TComponent& o) { return o.Name(); },
                 [](TComponent& o, const std::string& v) { o.SetName(v); })
            .Never();
        b.Integer("Tag", &TComponent::Tag).WithDefault(0);
    });
    return *info;
}

bool IsValidIdent(std::string_view name)
{
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (name.empty() || !letter(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* AOwner) : FLife(std::make_shared<TComponent*>(this))
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    BeginDestroy();
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        RemoveComponent(c);
        delete c;
    }
}

void TComponent::ValidateName(const std::string& value) const
{
    if (value.empty())
        return;
    if (!IsValidIdent(value))
        throw Exception(FormatMessage(msg::InvalidComponentName, {value}));
    if (FOwner) {
        TComponent* other = FOwner->FindComponent(value);
        if (other && other != this)
            throw Exception(FormatMessage(msg::DuplicateComponentName, {value}));
    }
}

void TComponent::SetName(const std::string& value)
{
    if (value == FName)
        return;
    ValidateName(value);
    FName = value;
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component->FOwner == this)
        return;
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it != FComponents.end()) {
        FComponents.erase(it);
        component->FOwner = nullptr;
    }
}

} // namespace orv
