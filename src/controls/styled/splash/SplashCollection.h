#pragma once
// The owned-item collections of the styled controls: items made by the collection's NewItem
// (by default with a back reference to the collection), OnChange when the collection becomes
// empty, OnDeleteItem while an item is being deleted (with its index).
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

template <typename Collection, typename Item>
class TSplashCollection {
public:
    Item* Add() {
        FItems.push_back(Self()->NewItem());
        return FItems.back().get();
    }
    Item* Insert(int index) {
        index = std::clamp(index, 0, Count());
        return FItems.insert(FItems.begin() + index, Self()->NewItem())->get();
    }
    void Delete(int index) {
        if (index < 0 || index >= Count()) return;
        Destroy(index);
        FItems.erase(FItems.begin() + index);
        if (FItems.empty() && OnChange) OnChange(Self());
    }
    void Clear() {
        while (!FItems.empty()) {
            Destroy(Count() - 1);
            FItems.pop_back();
        }
        if (OnChange) OnChange(Self());
    }
    int Count() const { return int(FItems.size()); }
    Item* Items(int index) const { return FItems.at(std::size_t(index)).get(); }
    int IndexOf(const Item* item) const {
        for (int i = 0; i < Count(); ++i)
            if (FItems[std::size_t(i)].get() == item) return i;
        return -1;
    }
    void Assign(const TSplashCollection& source) {
        if (&source == this) return;
        FItems.clear();
        for (const auto& item : source.FItems) Add()->Assign(*item);
    }

    std::function<void(Collection* sender)> OnChange;
    std::function<void(Collection* sender, int index)> OnDeleteItem;

protected:
    // A new item; a collection whose items are made otherwise declares its own.
    std::unique_ptr<Item> NewItem() { return std::make_unique<Item>(Self()); }
    TSplashCollection() = default;
    ~TSplashCollection() {
        OnDeleteItem = nullptr;
        FItems.clear();
    }

private:
    Collection* Self() { return static_cast<Collection*>(this); }
    // Deletes the item while it still stands at its index, so that its OnDeleteItem reports
    // that index (a unique_ptr's reset clears the slot before the item's destructor runs);
    // the slot is left empty for the caller to remove.
    void Destroy(int index) {
        std::unique_ptr<Item>& slot = FItems[std::size_t(index)];
        delete slot.get();
        (void)slot.release();
    }
    std::vector<std::unique_ptr<Item>> FItems;
};
