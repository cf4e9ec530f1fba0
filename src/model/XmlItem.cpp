#include "model/XmlItem.h"

#include "model/XmlLimits.h"
#include "model/XmlMessages.h"
#include "model/XmlText.h"
#include "platform/Exception.h"
#include "platform/Text.h"

#include <algorithm>

namespace orv {
namespace {

[[noreturn]] void ThrowListIndex(int index) {
    throw Exception(xmlmsg::ListIndexOutOfBounds + std::to_string(index) + ")");
}

constexpr std::string_view kValueStart = "=\"";

// Where the attribute Name begins in Text, or npos: the first place where
// Name, '=' and '"' follow a blank or the start of the text.
std::size_t FindAttr(std::string_view text, std::string_view name) {
    if (name.empty()) return std::string_view::npos;
    for (std::size_t eq = text.find(kValueStart, name.size()); eq != std::string_view::npos;
         eq = text.find(kValueStart, eq + 1)) {
        const std::size_t at = eq - name.size();
        if ((at == 0 || text[at - 1] == ' ') && SameText(text.substr(at, name.size()), name)) return at;
    }
    return std::string_view::npos;
}

// The raw value of the attribute found at Name's position: up to the next
// double quote, or to the end when it is missing.
std::string_view RawValue(std::string_view text, std::size_t at, std::size_t nameLength) {
    const std::size_t start = at + nameLength + kValueStart.size();
    const std::size_t end = text.find('"', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

} // namespace

TfrxXMLItem::~TfrxXMLItem() {
    // Leaves go at once; elements with children wait in a list of our own
    // instead of on the machine stack.
    std::vector<std::unique_ptr<TfrxXMLItem>> pending;
    auto release = [&pending](std::vector<std::unique_ptr<TfrxXMLItem>>& children) {
        for (auto& child : children) {
            if (child->FChildren.empty()) {
                child.reset();
            } else {
                pending.push_back(std::move(child));
            }
        }
        children.clear();
    };
    release(FChildren);
    while (!pending.empty()) {
        std::unique_ptr<TfrxXMLItem> item = std::move(pending.back());
        pending.pop_back();
        release(item->FChildren);
    }
}

void TfrxXMLItem::SetStreamOffset(std::uint64_t offset) {
    if (offset > kMaxStreamOffset) throw Exception(xmlmsg::StreamOffsetTooLarge);
    FStreamOffset = offset;
}

TfrxXMLItem& TfrxXMLItem::ChildAt(int index) {
    if (index < 0 || index >= ChildCount()) ThrowListIndex(index);
    return *FChildren[static_cast<std::size_t>(index)];
}

const TfrxXMLItem& TfrxXMLItem::ChildAt(int index) const { return const_cast<TfrxXMLItem*>(this)->ChildAt(index); }

TfrxXMLItem& TfrxXMLItem::NewChild() { return Append(std::make_unique<TfrxXMLItem>()); }

TfrxXMLItem& TfrxXMLItem::NewChild(std::string tagName) {
    return Append(std::make_unique<TfrxXMLItem>(std::move(tagName)));
}

TfrxXMLItem& TfrxXMLItem::Append(std::unique_ptr<TfrxXMLItem> item) {
    item->FParent = this;
    FChildren.push_back(std::move(item));
    FIsLoaded = true;
    return *FChildren.back();
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::Unlink(int index) {
    if (index < 0 || index >= ChildCount()) ThrowListIndex(index);
    auto at = FChildren.begin() + index;
    std::unique_ptr<TfrxXMLItem> item = std::move(*at);
    FChildren.erase(at);
    item->FParent = nullptr;
    return item;
}

bool TfrxXMLItem::IsSelfOrAncestorOf(const TfrxXMLItem& item) const {
    for (const TfrxXMLItem* p = &item; p != nullptr; p = p->FParent) {
        if (p == this) return true;
    }
    return false;
}

TfrxXMLItem& TfrxXMLItem::AdoptChild(TfrxXMLItem& item) {
    TfrxXMLItem* oldParent = item.FParent;
    if (oldParent == nullptr) throw Exception(xmlmsg::AdoptUnowned);
    if (item.IsSelfOrAncestorOf(*this)) throw Exception(xmlmsg::AdoptAncestor);
    return Append(oldParent->Unlink(oldParent->IndexOfChild(item)));
}

TfrxXMLItem& TfrxXMLItem::AdoptChild(std::unique_ptr<TfrxXMLItem> item) {
    if (item->IsSelfOrAncestorOf(*this)) throw Exception(xmlmsg::AdoptAncestor);
    return Append(std::move(item));
}

void TfrxXMLItem::MoveChild(int from, int to) {
    if (to < 0 || to >= ChildCount()) ThrowListIndex(to);
    auto first = FChildren.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else if (from > to) {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

TfrxXMLItem& TfrxXMLItem::InsertChildAt(int index, TfrxXMLItem& item) {
    TfrxXMLItem& adopted = AdoptChild(item);
    MoveChild(ChildCount() - 1, index);
    return adopted;
}

TfrxXMLItem& TfrxXMLItem::InsertChildAt(int index, std::unique_ptr<TfrxXMLItem> item) {
    TfrxXMLItem& adopted = AdoptChild(std::move(item));
    MoveChild(ChildCount() - 1, index);
    return adopted;
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::DetachChild(int index) { return Unlink(index); }

void TfrxXMLItem::DeleteChild(int index) { Unlink(index); }

int TfrxXMLItem::IndexOfTag(std::string_view name) const {
    for (std::size_t i = 0; i < FChildren.size(); ++i) {
        if (SameText(FChildren[i]->FTagName, name)) return static_cast<int>(i);
    }
    return -1;
}

TfrxXMLItem& TfrxXMLItem::ChildByTag(std::string_view name) {
    const int index = IndexOfTag(name);
    return index >= 0 ? *FChildren[static_cast<std::size_t>(index)] : NewChild(std::string(name));
}

int TfrxXMLItem::IndexOfChild(const TfrxXMLItem& item) const {
    for (std::size_t i = 0; i < FChildren.size(); ++i) {
        if (FChildren[i].get() == &item) return static_cast<int>(i);
    }
    return -1;
}

void TfrxXMLItem::DropChildren() {
    std::vector<std::unique_ptr<TfrxXMLItem>> children = std::move(FChildren);
    children.clear();
    if (FDeferrable) FIsLoaded = false;
}

void TfrxXMLItem::MarkDeferred(std::uint64_t offset) {
    FDeferrable = true;
    DropChildren();
    SetStreamOffset(offset);
}

std::string TfrxXMLItem::GetAttr(std::string_view name) const {
    const std::size_t at = FindAttr(FAttrText, name);
    if (at == std::string_view::npos) return {};
    return DecodeXMLText(RawValue(FAttrText, at, name.size()));
}

bool TfrxXMLItem::HasAttr(std::string_view name) const {
    return FindAttr(FAttrText, name) != std::string_view::npos;
}

void TfrxXMLItem::SetAttr(std::string_view name, std::string_view value) {
    std::string attribute;
    attribute.reserve(name.size() + value.size() + 3);
    attribute.append(name).append(kValueStart).append(EncodeXMLText(value)).append(1, '"');

    const std::size_t at = FindAttr(FAttrText, name);
    if (at != std::string_view::npos) {
        const std::size_t valueStart = at + name.size() + kValueStart.size();
        const std::size_t quote = FAttrText.find('"', valueStart);
        const std::size_t end = quote == std::string::npos ? FAttrText.size() : quote + 1;
        FAttrText.replace(at, end - at, attribute);
        return;
    }
    if (!FAttrText.empty() && FAttrText.back() != ' ') FAttrText += ' ';
    FAttrText += attribute;
}

} // namespace orv
