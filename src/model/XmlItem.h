// One element of an XML tree: its tag name, its attributes kept as one raw
// escaped text (decoded only when asked for), optional content, and the child
// elements it owns. Elements of a deferred tree may have their children on disk.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TfrxXMLItem {
public:
    TfrxXMLItem() = default;
    explicit TfrxXMLItem(std::string tagName) : FTagName(std::move(tagName)) {}
    // Destroys the whole subtree without recursion, however deep it is.
    ~TfrxXMLItem();
    TfrxXMLItem(const TfrxXMLItem&) = delete;
    TfrxXMLItem& operator=(const TfrxXMLItem&) = delete;

    const std::string& TagName() const { return FTagName; }
    void SetTagName(std::string name) { FTagName = std::move(name); }
    // All attributes as written: name="escaped value" pairs separated by blanks.
    const std::string& AttrText() const { return FAttrText; }
    void SetAttrText(std::string text) { FAttrText = std::move(text); }
    // Text written between the tags of an element without children, unchanged
    // (the caller escapes it); reading never fills it.
    const std::string& Content() const { return FContent; }
    void SetContent(std::string content) { FContent = std::move(content); }
    // Free for the owner of the tree.
    void* UserData() const { return FUserData; }
    void SetUserData(void* data) { FUserData = data; }

    TfrxXMLItem* ParentItem() const { return FParent; }
    // The children may be moved to the document's backing stream.
    bool Deferrable() const { return FDeferrable; }
    void SetDeferrable(bool deferrable) { FDeferrable = deferrable; }
    // False while a deferred element's children are in the backing stream.
    bool IsLoaded() const { return FIsLoaded; }
    // Where the element's text begins in the backing stream (40 bits).
    std::uint64_t StreamOffset() const { return FStreamOffset; }
    void SetStreamOffset(std::uint64_t offset);

    int ChildCount() const { return static_cast<int>(FChildren.size()); }
    // Fails with the list index error outside 0..ChildCount()-1.
    TfrxXMLItem& ChildAt(int index);
    const TfrxXMLItem& ChildAt(int index) const;
    // Adding a child to an element whose children are on disk makes the
    // children in memory the whole of them: the element counts as loaded.
    TfrxXMLItem& NewChild();
    TfrxXMLItem& NewChild(std::string tagName);
    // Moves an element that another element owns to the end of this one's
    // children (out of its old parent's list first).
    TfrxXMLItem& AdoptChild(TfrxXMLItem& item);
    TfrxXMLItem& AdoptChild(std::unique_ptr<TfrxXMLItem> item);
    // As AdoptChild, then moves the element to position index.
    TfrxXMLItem& InsertChildAt(int index, TfrxXMLItem& item);
    TfrxXMLItem& InsertChildAt(int index, std::unique_ptr<TfrxXMLItem> item);
    // Takes a child out of the list and hands it to the caller.
    std::unique_ptr<TfrxXMLItem> DetachChild(int index);
    void DeleteChild(int index);
    // Index of the first child with that tag name, ignoring letter case, or -1.
    int IndexOfTag(std::string_view name) const;
    // The first child with that tag name; appended when there is none.
    TfrxXMLItem& ChildByTag(std::string_view name);
    int IndexOfChild(const TfrxXMLItem& item) const;
    // Destroys all children; a deferrable element is then no longer loaded.
    void DropChildren();

    // The decoded value of an attribute, empty when absent. Names match
    // without regard to letter case and only when a blank or the start of
    // the text precedes them.
    std::string GetAttr(std::string_view name) const;
    bool HasAttr(std::string_view name) const;
    // Replaces the attribute where it stands, or appends it; the value is escaped.
    void SetAttr(std::string_view name, std::string_view value);

private:
    friend class TfrxXMLReader;
    friend class TfrxXMLDocument;

    void MarkDeferred(std::uint64_t offset);
    void MarkLoaded() { FIsLoaded = true; }
    TfrxXMLItem& Append(std::unique_ptr<TfrxXMLItem> item);
    std::unique_ptr<TfrxXMLItem> Unlink(int index);
    void MoveChild(int from, int to);
    bool IsSelfOrAncestorOf(const TfrxXMLItem& item) const;

    void* FUserData = nullptr;
    std::uint64_t FStreamOffset = 0;
    std::vector<std::unique_ptr<TfrxXMLItem>> FChildren;
    bool FIsLoaded = true;
    std::string FTagName;
    TfrxXMLItem* FParent = nullptr;
    std::string FAttrText;
    bool FDeferrable = false;
    std::string FContent;
};

} // namespace orv
