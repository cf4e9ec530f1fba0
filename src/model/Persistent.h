// The roots of the report model: TPersistent, an object whose published
// properties the property registry describes, and TComponent, a named object
// with an owner that destroys it. Links to components clear themselves when
// the component is destroyed.
#pragma once

#include "platform/Object.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TClassInfo;

class TPersistent : public TObject {
public:
    // The registry entry of the object's own (most derived) class.
    virtual const TClassInfo& ClassInfo() const = 0;
    static const TClassInfo& StaticClass();

    bool InheritsFrom(const TClassInfo& cls) const;
};

class TComponent : public TPersistent {
public:
    // The owner (may be none) destroys this component with itself.
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    const std::string& Name() const { return FName; }
    // Accepts an empty name or an identifier not used by another component
    // of the same owner (letter case ignored).
    virtual void SetName(const std::string& value);

    TComponent* Owner() const { return FOwner; }
    const std::vector<TComponent*>& Components() const { return FComponents; }
    // The first owned component of that name, ignoring letter case.
    TComponent* FindComponent(std::string_view name) const;
    // Moves a component under this owner (from its previous one).
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Sent once to every component read from a template, after the whole
    // tree has been read and its references resolved.
    virtual void Loaded() {}

    // Shared with links; holds null once the component is being destroyed.
    const std::shared_ptr<TComponent*>& LifeHandle() const { return FLife; }

    int Tag = 0;

protected:
    // Clears the life handle so that links read none from here on; called
    // first thing by destructors that still run code over the tree.
    void BeginDestroy() { *FLife = nullptr; }
    void DestroyComponents();
    // Sets the name without any check (the checks of subclasses ran already).
    void ChangeName(const std::string& value) { FName = value; }
    void ValidateName(const std::string& value) const;

private:
    std::string FName;
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::shared_ptr<TComponent*> FLife;
};

// A reference to a component that reads none after the component is destroyed.
template <class T>
class TComponentLink {
public:
    TComponentLink() = default;
    TComponentLink(T* component) { Set(component); }

    T* Get() const { return FLife && *FLife ? static_cast<T*>(*FLife) : nullptr; }
    void Set(T* component) { FLife = component ? component->LifeHandle() : nullptr; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }

private:
    std::shared_ptr<TComponent*> FLife;
};

// Identifier rules of component names: a letter or underscore, then letters,
// digits and underscores (ASCII).
bool IsValidIdent(std::string_view name);

} // namespace orv
