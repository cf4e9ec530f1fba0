// Turns a tree of report components into XML elements and back, driven by
// the published properties of each class: one element per component, named
// after its class; one attribute per stored property, nested objects as
// dotted names, references by name (resolved once the whole tree is read),
// collections and binary data in forms of their own. Reading is forgiving:
// what cannot be read is skipped and reported in LoadErrors.
#pragma once

#include "platform/Exception.h"

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TComponent;
class TPersistent;
class TPropInfo;
class TfrxCollection;
class TfrxCollectionItem;
class TfrxComponent;
class TfrxXMLItem;

// A class name that nobody registered, or a reference that cannot be looked up.
class EClassNotFound : public Exception {
public:
    using Exception::Exception;
};

// A reference read from a template, set once the whole tree is known.
struct TfrxFixupItem {
    TPersistent* Object;       // a component or a collection item
    const TPropInfo* Property; // a reference property of it
    std::string Value;         // the referenced name as read
};

class TfrxXMLSerializer {
public:
    // Without a stream: reads from and writes to elements given by the caller.
    TfrxXMLSerializer() = default;
    // Reads whole documents from the stream.
    explicit TfrxXMLSerializer(std::istream& stream) : FIn(&stream) {}
    // Writes whole documents (and single tags) to the stream.
    explicit TfrxXMLSerializer(std::ostream& stream) : FOut(&stream) {}
    TfrxXMLSerializer(const TfrxXMLSerializer&) = delete;
    TfrxXMLSerializer& operator=(const TfrxXMLSerializer&) = delete;

    // What went wrong while reading, sorted, each distinct text once
    // (letter case ignored).
    std::vector<std::string> LoadErrors() const;
    const std::vector<TfrxFixupItem>& Fixups() const { return FFixups; }
    // Appends the pending references to list.
    void CopyFixups(std::vector<TfrxFixupItem>& list) const;

    // Reads a component tree: the root element's attributes go to root, its
    // child elements become root's children. Without rootItem a whole
    // document is read from the stream first (StringsAreLegacy then comes
    // from its declaration). Malformed XML raises TfrxInvalidXMLException
    // before any component is touched.
    void ReadRootComponent(TfrxComponent& root, TfrxXMLItem* rootItem = nullptr);
    // Writes root (and its subtree when saveChildren) into rootItem, or as
    // an indented document, declaration first, to the stream.
    void WriteRootComponent(TfrxComponent& root, bool saveChildren = true, bool saveInheritedAsSuch = false,
                            TfrxXMLItem* rootItem = nullptr);

    // The attribute text of one object, each attribute preceded by a blank;
    // names carry prefix. Values equal to the ancestor's (or, without one, to
    // the declared defaults) are left out unless WriteAllValues.
    std::string ObjectToAttributes(TPersistent& object, std::string_view prefix = {},
                                   TPersistent* ancestor = nullptr);
    // Applies an attribute text to one object, attribute by attribute.
    void AttributesToObject(std::string_view text, TPersistent& object);

    // The class name followed by the component's attribute text.
    std::string ComponentToElementText(TfrxComponent& component);
    // Writes "<" + ComponentToElementText + "/>" to the stream.
    void WriteComponentTag(TfrxComponent& component);
    // The reverse of ComponentToElementText: a new component of the named
    // class (owner: owner), filled, its references resolved, its loaded
    // notification sent (a report gets none). None for an empty text; a
    // class nobody registered raises EClassNotFound.
    TfrxComponent* ElementTextToComponent(TComponent* owner, std::string_view text);
    // Applies an attribute text to a collection item and resolves its references.
    void ReadCollectionItem(TfrxCollectionItem& item, std::string_view text);

    // Sets every pending reference whose name can be found; the others stay
    // unset. A lookup that fails raises EClassNotFound "Missing <name>".
    void ResolveFixups();

    // The component whose names references are resolved against (the report).
    TComponent* RootOwner = nullptr;
    // Write values even when they equal the default or the ancestor.
    bool WriteAllValues = false;
    // String attributes are in the system code page (not UTF-8).
    bool StringsAreLegacy = true;
    // Components that own nested elements (memos, the report) write and
    // read their collections as child elements.
    bool HandleNestedProperties = false;
    // The ancestor of a component by name, when writing an inherited report.
    std::function<TfrxComponent*(const std::string&)> OnFindAncestor;
    std::function<void(TfrxXMLItem&)> OnReadCustomData;
    std::function<void(TfrxXMLItem&)> OnWriteCustomData;

private:
    struct CaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };

    // Writing.
    void WriteProperty(std::string& out, TPersistent& object, const TPropInfo& prop, std::string_view prefix,
                       TPersistent* ancestor);
    void WriteReference(std::string& out, TPersistent& object, const TPropInfo& prop, std::string_view prefix,
                        TPersistent* ancestor);
    void WriteNestedObject(std::string& out, TPersistent& object, const TPropInfo& prop, std::string_view prefix,
                           TPersistent* ancestor);
    void WriteMemoText(std::string& out, TPersistent& object, std::string_view prefix, TPersistent* ancestor);
    void WritePropData(std::string& out, TPersistent& object, std::string_view prefix, TPersistent* ancestor);
    void WriteElement(TfrxComponent& component, TfrxXMLItem& item, bool isRoot, bool saveChildren,
                      bool saveInheritedAsSuch);
    void WriteNestedElements(TfrxComponent& component, TfrxXMLItem& item);
    std::string ReferenceName(const TComponent& component) const;

    // Reading.
    void ApplyAttribute(TPersistent& object, std::string_view name, std::string_view value);
    bool ApplySpecial(TPersistent& object, std::string_view name, std::string_view attribute,
                      std::string_view value);
    void ApplyProperty(TPersistent& object, const TPropInfo& prop, std::string_view value);
    void ReadPropData(TPersistent& object, std::string_view attribute, std::string_view hex);
    void ReadElement(TfrxXMLItem& item, TfrxComponent* parent, TfrxComponent& root);
    TfrxComponent* ElementComponent(TfrxXMLItem& item, TfrxComponent& parent);
    bool ReadNestedElement(TfrxComponent& component, TfrxXMLItem& item);
    void DropFixupsOf(const TfrxCollection& collection);
    TComponent* FindReference(const std::string& name) const;
    std::string DecodeString(std::string_view value) const;
    void AddError(const std::string& text) { FLoadErrors.insert(text); }
    void NoteRead(TfrxComponent& component);

    std::istream* FIn = nullptr;
    std::ostream* FOut = nullptr;
    std::set<std::string, CaseLess> FLoadErrors;
    std::vector<TfrxFixupItem> FFixups;
    std::vector<TfrxComponent*> FRead;
    std::set<const TfrxComponent*> FReadSet;
};

} // namespace orv
