#pragma once
// A non-visual component holding named pictures, so that other styled components can refer
// to a picture by name.
#include "GDIPicture.h"
#include "splash/SplashCollection.h"

#include "ui/TComponent.h"

#include <QObject>

#include <memory>
#include <vector>

class TPictureItem {
public:
    TPictureItem() = default;
    TPictureItem(const TPictureItem&) = delete;
    TPictureItem& operator=(const TPictureItem&) = delete;
    // Copies the name, the tag and the picture's bytes.
    void Assign(const TPictureItem& source);

    TAdvGDIPPicture& Picture() { return FPicture; }
    void SetPicture(const TAdvGDIPPicture& picture) { FPicture.Assign(&picture); }
    QString Name() const { return FName; }
    void SetName(const QString& name) { FName = name; }
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

private:
    TAdvGDIPPicture FPicture;
    int FTag = 0;
    QString FName;
};

class TPictureCollection : public TSplashCollection<TPictureCollection, TPictureItem> {
public:
    explicit TPictureCollection(TComponent* owner) : FOwner(owner) {}
    TComponent* Owner() const { return FOwner; }

private:
    friend class TSplashCollection<TPictureCollection, TPictureItem>;
    std::unique_ptr<TPictureItem> NewItem() { return std::make_unique<TPictureItem>(); }
    TComponent* FOwner;
};

class TGDIPPictureContainer : public QObject, public TComponent {
public:
    explicit TGDIPPictureContainer(TComponent* owner) : TComponent(owner), FItems(this) {}
    QObject* Object() override { return this; }

    TPictureCollection& Items() { return FItems; }
    void SetItems(const TPictureCollection& items) { FItems.Assign(items); }
    QString Version() const { return QStringLiteral("1.0.0.0"); }
    void SetVersion(const QString&) {}
    // The picture of the first item whose name matches (ASCII letter case ignored), or null.
    TAdvGDIPPicture* FindPicture(const QString& name) const;

private:
    TPictureCollection FItems;
};
