#pragma once
// The plot's translation table: every text of the plot's own user interface passes through
// it before it is shown. Each entry replaces one original text (matched exactly); the newest
// entry comes first, so a later entry for the same text wins.
#include "core/iPlotTypes.h"
#include "core/iPublishedClass.h"

#include <QString>

#include <vector>

// One entry: its creation and destruction are announced through the two handlers given.
class TiStreamReader;
class TiStreamWriter;

class TiPlotTranslationObject : public TiPersistent {
public:
    TiPlotTranslationObject(TiNotifyEvent onInsert, TiNotifyEvent onRemove);
    ~TiPlotTranslationObject() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();

    const QString& OriginalString() const { return FOriginalString; }
    void SetOriginalString(const QString& value) { FOriginalString = value; }
    const QString& ReplacementString() const { return FReplacementString; }
    void SetReplacementString(const QString& value) { FReplacementString = value; }

private:
    QString FOriginalString = QStringLiteral("Unknown");
    QString FReplacementString = QStringLiteral("Unknown");
    TiNotifyEvent FOnInsert;
    TiNotifyEvent FOnRemove;
};

class TiPlotTranslationManager : public TObject {
public:
    // Both handlers are required ("OnInsert event handler can not be null", "OnRemove event
    // handler can not be null"); the insert handler is told of the manager itself.
    TiPlotTranslationManager(TiNotifyEvent onInsert, TiNotifyEvent onRemove);
    ~TiPlotTranslationManager() override;

    // A new entry ("Unknown" / "Unknown"); its owner lists it through NotificationInsert.
    TiPlotTranslationObject* CreateObject();
    // CreateObject, answering the new entry's index (0: the front).
    int Add();
    void NotificationInsert(TiPlotTranslationObject* entry);
    void NotificationRemove(TiPlotTranslationObject* entry);
    void Clear();
    // The window layout's collection of the entries, as the object managers stream theirs.
    bool DoWriteToStream() const { return Count() > 0; }
    void WriteToStream(TiStreamWriter& writer) const;
    void ReadFromStream(TiStreamReader& reader);
    void Delete(int index);
    int Count() const { return int(FList.size()); }
    TiPlotTranslationObject* Items(int index) const;

    // The replacement of the first entry whose original equals Text, else Text.
    QString FindReplacement(const QString& text) const;

    // One line per entry in list order: original, a tab, replacement. Failures are raised
    // again as "Error Saving Translation Data - <message>".
    void SaveToFile(const QString& fileName) const;
    // Clears the table and adds an entry per line in file order (so the last line ends up
    // first). Failures are raised as "Error Loading Data - <message>"; entries read before a
    // failure stay.
    void LoadFromFile(const QString& fileName);

private:
    std::vector<TiPlotTranslationObject*> FList;
    TiNotifyEvent FOnInsert;
    TiNotifyEvent FOnRemove;
};
