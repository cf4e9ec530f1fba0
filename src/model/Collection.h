// The model's ordered collections of items that are not components: a
// memo's formats and highlights, a report's datasets, variables and styles.
#pragma once

#include "model/Persistent.h"

#include <memory>
#include <vector>

namespace orv {

class TfrxCollection;

class TfrxCollectionItem : public TPersistent {
public:
    TfrxCollection* Collection() const { return FCollection; }

private:
    friend class TfrxCollection;
    TfrxCollection* FCollection = nullptr;
};

class TfrxCollection : public TPersistent {
public:
    TfrxCollection() = default;
    TfrxCollection(const TfrxCollection&) = delete;
    TfrxCollection& operator=(const TfrxCollection&) = delete;

    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    virtual const TClassInfo& ItemClass() const = 0;
    std::size_t Count() const { return FItems.size(); }
    TfrxCollectionItem& Item(std::size_t index) const { return *FItems.at(index); }
    // Appends a new item with its initial values.
    TfrxCollectionItem& AddItem();
    void Delete(std::size_t index);
    void Clear() { FItems.clear(); }

protected:
    virtual std::unique_ptr<TfrxCollectionItem> NewItem() = 0;

private:
    std::vector<std::unique_ptr<TfrxCollectionItem>> FItems;
};

// A collection of items of class T (which derives from TfrxCollectionItem
// and can be made without arguments).
template <class T>
class TfrxCollectionOf : public TfrxCollection {
public:
    const TClassInfo& ItemClass() const override { return T::StaticClass(); }
    T& operator[](std::size_t index) const { return static_cast<T&>(Item(index)); }
    T& Add() { return static_cast<T&>(AddItem()); }

protected:
    std::unique_ptr<TfrxCollectionItem> NewItem() override { return std::make_unique<T>(); }
};

} // namespace orv
