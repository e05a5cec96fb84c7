#include "core/iPlotTranslation.h"

#include "rtl/Exception.h"
#include "text/AnsiCodec.h"

#include <QFile>

#include <algorithm>

const TiPublishedClass& TiPlotTranslationObject::Published() {
    using namespace published;
    using C = TiPlotTranslationObject;
    static const TiPublishedClass info(QStringLiteral("TiPlotTranslationObject"), nullptr,
                                       {
                                           Prop<C>("OriginalString", &C::OriginalString, &C::SetOriginalString),
                                           Prop<C>("ReplacementString", &C::ReplacementString,
                                                   &C::SetReplacementString),
                                       });
    return info;
}

const TiPublishedClass& TiPlotTranslationObject::PublishedClass() const { return Published(); }

TiPlotTranslationObject::TiPlotTranslationObject(TiNotifyEvent onInsert, TiNotifyEvent onRemove)
    : FOnInsert(std::move(onInsert)), FOnRemove(std::move(onRemove)) {
    if (FOnInsert) FOnInsert(this);
}

TiPlotTranslationObject::~TiPlotTranslationObject() {
    if (FOnRemove) FOnRemove(this);
}

TiPlotTranslationManager::TiPlotTranslationManager(TiNotifyEvent onInsert, TiNotifyEvent onRemove) {
    if (!onInsert) throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!onRemove) throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    FOnInsert = std::move(onInsert);
    FOnRemove = std::move(onRemove);
    FOnInsert(this);
}

TiPlotTranslationManager::~TiPlotTranslationManager() {
    Clear();
    FOnRemove(this);
}

TiPlotTranslationObject* TiPlotTranslationManager::CreateObject() { return new TiPlotTranslationObject(FOnInsert, FOnRemove); }

int TiPlotTranslationManager::Add() {
    TiPlotTranslationObject* entry = CreateObject();
    const auto it = std::find(FList.begin(), FList.end(), entry);
    return it == FList.end() ? -1 : int(it - FList.begin());
}

void TiPlotTranslationManager::NotificationInsert(TiPlotTranslationObject* entry) {
    if (std::find(FList.begin(), FList.end(), entry) == FList.end()) FList.insert(FList.begin(), entry);
}

void TiPlotTranslationManager::NotificationRemove(TiPlotTranslationObject* entry) {
    const auto it = std::find(FList.begin(), FList.end(), entry);
    if (it != FList.end()) FList.erase(it);
}

void TiPlotTranslationManager::Clear() {
    while (!FList.empty()) {
        TiPlotTranslationObject* first = FList.front();
        delete first;
        // An owner that did not answer the remove notification must not leave the entry here.
        NotificationRemove(first);
    }
}

void TiPlotTranslationManager::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError::IndexOutOfBounds(index);
    TiPlotTranslationObject* entry = FList[std::size_t(index)];
    delete entry;
    NotificationRemove(entry);
}

TiPlotTranslationObject* TiPlotTranslationManager::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError::IndexOutOfBounds(index);
    return FList[std::size_t(index)];
}

QString TiPlotTranslationManager::FindReplacement(const QString& text) const {
    for (const TiPlotTranslationObject* e : FList)
        if (e->OriginalString() == text) return e->ReplacementString();
    return text;
}

void TiPlotTranslationManager::SaveToFile(const QString& fileName) const {
    try {
        std::string bytes;
        for (const TiPlotTranslationObject* e : FList)
            bytes += AnsiCodec::FromUnicode(e->OriginalString() + QLatin1Char('\t') + e->ReplacementString()) + "\r\n";
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
        if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            throw Exception(file.errorString());
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Translation Data - ") + e.Message());
    }
}

void TiPlotTranslationManager::LoadFromFile(const QString& fileName) {
    try {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
        const QByteArray data = file.readAll();
        QStringList lines = AnsiCodec::ToUnicode(data.toStdString()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        Clear();
        for (QString line : lines) {
            if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
            const int tab = line.indexOf(QLatin1Char('\t'));
            if (tab < 0) throw Exception(QStringLiteral("Invalid Format - Tab Deliminator Missing"));
            TiPlotTranslationObject* entry = CreateObject();
            entry->SetOriginalString(line.left(tab));
            entry->SetReplacementString(line.mid(tab + 1));
        }
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Data - ") + e.Message());
    }
}
