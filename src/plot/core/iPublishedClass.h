#pragma once
// The published properties of the plot classes, reachable by name: for each class one
// descriptor with the class's framework name ("TiXYPlot"), its parent class and its own
// properties in declaration order. A property has a type kind, a getter, a setter (none:
// read-only), a declared default (ordinal kinds only; none: always stored) and a stored flag.
// The property texts, property files, themes and the editor walk these descriptors.
#include "rtl/TObject.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

class TiPublishedClass;

// The framework's type kinds (their ordinals are the codes GetPropertyKind answers).
enum TTypeKind {
    tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkWChar,
    tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray, tkUString
};

// An object with published properties.
class TiStreamWriter;

class TiPersistent : public TObject {
public:
    virtual const TiPublishedClass& PublishedClass() const = 0;
    // Data a window layout carries beside the published properties (iComponentStream.h).
    virtual void WriteDefinedProperties(TiStreamWriter& writer) const {}
    // Reads one such datum; false when Name is none of them.
    virtual bool ReadDefinedProperty(const QString& name, const QString& value) { return false; }
};

// A property value: ordinal kinds as int64 (Booleans 0/1, enumerations by position, sets as
// bit masks, colours as signed 32-bit values), floats as double, strings, sub-objects.
using TiPropertyValue = std::variant<std::int64_t, double, QString, TiPersistent*>;

struct TiPublishedProperty {
    QString Name;
    TTypeKind Kind = tkUnknown;
    std::function<TiPropertyValue(const TiPersistent&)> Get;
    std::function<void(TiPersistent&, const TiPropertyValue&)> Set;  // empty for read-only
    std::optional<std::int64_t> Default;                             // declared default
    bool Stored = true;
    bool Boolean = false;  // an enumeration of exactly the values 0 and 1

    bool IsOrdinal() const { return Kind == tkInteger || Kind == tkChar || Kind == tkEnumeration || Kind == tkSet; }
    bool Writable() const { return bool(Set); }
};

class TiPublishedClass {
public:
    TiPublishedClass(QString className, const TiPublishedClass* parent, std::vector<TiPublishedProperty> own);

    const QString& ClassName() const { return FClassName; }
    const TiPublishedClass* Parent() const { return FParent; }
    // Every property, the ancestors' first, each in declaration order.
    const std::vector<const TiPublishedProperty*>& Properties() const { return FAll; }
    // The property of that name (letter case ignored), or null.
    const TiPublishedProperty* Find(const QString& name) const;
    bool InheritsFrom(const QString& className) const;

private:
    QString FClassName;
    const TiPublishedClass* FParent;
    std::vector<TiPublishedProperty> FOwn;
    std::vector<const TiPublishedProperty*> FAll;
};

// Builds the property entries of class C from its accessor member functions: the kind follows
// the getter's type (int: integer, bool and enumerations: enumeration, double: float,
// QString: string, TColor: integer).
namespace published {

template <class T> constexpr TTypeKind KindOf() {
    using V = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<V, bool> || std::is_enum_v<V>) return tkEnumeration;
    else if constexpr (std::is_floating_point_v<V>) return tkFloat;
    else if constexpr (std::is_same_v<V, QString>) return tkLString;
    else return tkInteger;
}

template <class T> TiPropertyValue ToValue(const T& v) {
    using V = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<V, bool>) return std::int64_t(v ? 1 : 0);
    else if constexpr (std::is_enum_v<V>) return std::int64_t(v);
    else if constexpr (std::is_floating_point_v<V>) return double(v);
    else if constexpr (std::is_same_v<V, QString>) return v;
    else if constexpr (std::is_same_v<V, std::uint32_t>) return std::int64_t(std::int32_t(v));
    else return std::int64_t(v);
}

template <class V> V FromValue(const TiPropertyValue& value) {
    if constexpr (std::is_same_v<V, QString>) {
        return std::get<QString>(value);
    } else if constexpr (std::is_floating_point_v<V>) {
        if (const auto* i = std::get_if<std::int64_t>(&value)) return V(*i);
        return V(std::get<double>(value));
    } else {
        const std::int64_t i = std::get<std::int64_t>(value);
        if constexpr (std::is_same_v<V, bool>) return i != 0;
        else return static_cast<V>(i);
    }
}

// A property read and written through member functions of C.
template <class C, class G, class S>
TiPublishedProperty Prop(const char* name, G getter, S setter, std::optional<std::int64_t> def = std::nullopt,
                         bool stored = true) {
    using T = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
    TiPublishedProperty p;
    p.Name = QString::fromLatin1(name);
    p.Kind = KindOf<T>();
    p.Get = [getter](const TiPersistent& o) { return ToValue(std::invoke(getter, static_cast<const C&>(o))); };
    if constexpr (!std::is_same_v<S, std::nullptr_t>)
        p.Set = [setter](TiPersistent& o, const TiPropertyValue& v) {
            std::invoke(setter, static_cast<C&>(o), FromValue<T>(v));
        };
    p.Default = def;
    p.Stored = stored;
    p.Boolean = std::is_same_v<T, bool>;
    return p;
}

// A set-valued property (a bit mask of flags).
template <class C, class G, class S> TiPublishedProperty SetProp(const char* name, G getter, S setter) {
    TiPublishedProperty p = Prop<C>(name, getter, setter);
    p.Kind = tkSet;
    return p;
}

// An object-valued property: the getter gives the sub-object; its properties are written
// below the property's name.
template <class C, class G> TiPublishedProperty Object(const char* name, G getter) {
    TiPublishedProperty p;
    p.Name = QString::fromLatin1(name);
    p.Kind = tkClass;
    p.Get = [getter](const TiPersistent& o) -> TiPropertyValue {
        auto&& r = std::invoke(getter, const_cast<C&>(static_cast<const C&>(o)));
        if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(r)>>)
            return const_cast<TiPersistent*>(static_cast<const TiPersistent*>(r));
        else
            return const_cast<TiPersistent*>(static_cast<const TiPersistent*>(&r));
    };
    p.Set = [](TiPersistent&, const TiPropertyValue&) {};
    return p;
}

}  // namespace published
