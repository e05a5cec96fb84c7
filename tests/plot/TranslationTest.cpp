#include "core/iPlotTranslation.h"
#include "rtl/Exception.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The manager with an owner that answers its notifications as the master manager does.
struct Table {
    std::unique_ptr<TiPlotTranslationManager> manager;
    Table() {
        manager = std::make_unique<TiPlotTranslationManager>(
            [this](TObject* s) {
                if (auto* e = dynamic_cast<TiPlotTranslationObject*>(s)) manager->NotificationInsert(e);
            },
            [this](TObject* s) {
                if (auto* e = dynamic_cast<TiPlotTranslationObject*>(s)) manager->NotificationRemove(e);
            });
    }
    void Add(const char* from, const char* to) {
        manager->Items(manager->Add())->SetOriginalString(QString::fromLatin1(from));
        manager->Items(0)->SetReplacementString(QString::fromLatin1(to));
    }
};

TEST(Translation, NewestEntryWinsAndMatchingIsExact) {
    Table t;
    t.Add("Zoom to Fit", "A");
    t.Add("Zoom to Fit", "B");
    EXPECT_EQ(t.manager->FindReplacement(QStringLiteral("Zoom to Fit")), QStringLiteral("B"));
    EXPECT_EQ(t.manager->FindReplacement(QStringLiteral("zoom to fit")), QStringLiteral("zoom to fit"));
    EXPECT_EQ(t.manager->FindReplacement(QStringLiteral("Edit...")), QStringLiteral("Edit..."));
    t.manager->Delete(0);
    EXPECT_EQ(t.manager->FindReplacement(QStringLiteral("Zoom to Fit")), QStringLiteral("A"));
    EXPECT_THROW(t.manager->Delete(5), EListError);
}

TEST(Translation, MissingHandlersAreRefused) {
    const TiNotifyEvent any = [](TObject*) {};
    try {
        TiPlotTranslationManager m(nullptr, any);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("OnInsert event handler can not be null"));
    }
    try {
        TiPlotTranslationManager m(any, nullptr);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("OnRemove event handler can not be null"));
    }
}

TEST(Translation, FilesReverseTheOrderAndKeepTabsInReplacements) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    Table t;
    t.Add("Edit...", "Bearbeiten...");
    t.Add("Cursor", "Zeiger\tmit Tab");
    t.manager->SaveToFile(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Cursor\tZeiger\tmit Tab\r\nEdit...\tBearbeiten...\r\n"));

    Table u;
    u.manager->LoadFromFile(path);
    ASSERT_EQ(u.manager->Count(), 2);
    EXPECT_EQ(u.manager->Items(0)->OriginalString(), QStringLiteral("Edit..."));
    EXPECT_EQ(u.manager->FindReplacement(QStringLiteral("Cursor")), QStringLiteral("Zeiger\tmit Tab"));
}

TEST(Translation, ALineWithoutTabStopsTheLoadKeepingEarlierEntries) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("One\tEins\r\nno tab here\r\nTwo\tZwei\r\n");
    f.close();
    Table t;
    t.Add("Old", "Alt");
    try {
        t.manager->LoadFromFile(path);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Error Loading Data - Invalid Format - Tab Deliminator Missing"));
    }
    ASSERT_EQ(t.manager->Count(), 1);
    EXPECT_EQ(t.manager->FindReplacement(QStringLiteral("One")), QStringLiteral("Eins"));
    try {
        t.manager->SaveToFile(dir.filePath(QStringLiteral("missing/dir/t.txt")));
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error Saving Translation Data - "))) << e.what();
    }
}

}  // namespace
