#pragma once
// What every component has, visual or not: a name, an integer tag and an owner that can find
// it by name. The name is the object name of the component's QObject. An owner deletes the
// components it still owns when it is deleted; a component deleted earlier (for example with
// its parent widget) leaves its owner's table by itself.
#include <QHash>
#include <QObject>
#include <QString>

#include <vector>

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The QObject that carries the name.
    virtual QObject* Object() = 0;
    const QObject* Object() const { return const_cast<TComponent*>(this)->Object(); }

    QString Name() const { return Object()->objectName(); }
    // Renames the component; the owner's table follows. Names compare without letter case.
    void SetName(const QString& name);
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }
    TComponent* Owner() const { return FOwner; }

    // True while a window layout is being read into the component. EndLoading clears it and
    // runs Loaded, where a component finishes what its properties set up.
    bool Loading() const { return FLoading; }
    void BeginLoading() { FLoading = true; }
    void EndLoading() {
        FLoading = false;
        Loaded();
    }

    // The owned component of that name (letter case ignored), or null.
    TComponent* FindComponent(const QString& name) const;
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(std::size_t(index)); }

protected:
    // Runs when a layout has been read into the component.
    virtual void Loaded() {}
    // Deletes every component this one still owns, newest first. Call it from the
    // destructor of a class whose owned components may refer to its own members.
    void DestroyComponents();

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* FOwner = nullptr;
    int FTag = 0;
    bool FLoading = false;
    std::vector<TComponent*> FComponents;
    QHash<QString, TComponent*> FNames;  // lower-case name -> component
    QString FNameKey;                      // the key the owner's table holds this component under
};
