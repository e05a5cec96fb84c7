// The plot configuration file: every object of the plot with its settings, and the plot's
// own settings, in property text.
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPropertyText.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"

#include <array>

namespace {

const QString kFileType = QStringLiteral("Plot Config");

// The object kinds in file order: the count's key and the sections' prefix.
struct KindKeys {
    const char* Count;
    const char* Prefix;
};
constexpr KindKeys kKinds[] = {{"ChannelCount", "Channel"},     {"XAxisCount", "XAxis"},   {"YAxisCount", "YAxis"},
                           {"ToolBarCount", "ToolBar"},     {"LegendCount", "Legend"}, {"TableCount", "Table"},
                           {"LabelCount", "Label"},         {"DataViewCount", "DataView"},
                           {"DataCursorCount", "DataCursor"}, {"LimitCount", "Limit"}};

// The managers of those kinds, in the same order.
std::array<TiPlotObjectManagerCustom*, std::size(kKinds)> KindManagers(const TiPlotMasterManager& m) {
    return {m.ChannelManager(), m.XAxisManager(),   m.YAxisManager(),    m.ToolBarManager(),
            m.LegendManager(),  m.TableManager(),   m.LabelManager(),    m.DataViewManager(),
            m.DataCursorManager(), m.LimitManager()};
}

}  // namespace

void TiPlotComponent::SavePropertiesToFile(const QString& fileName) {
    try {
        const auto managers = KindManagers(*FMaster);
        QStringList lines = {QStringLiteral("File Type = ") + kFileType};
        for (std::size_t k = 0; k < std::size(kKinds); ++k)
            lines << QStringLiteral("%1 = %2").arg(QLatin1String(kKinds[k].Count)).arg(managers[k]->Count());
        lines << QStringLiteral("DataViewZHorz = %1").arg(DataViewZHorz())
              << QStringLiteral("DataViewZVert = %1").arg(DataViewZVert());
        for (std::size_t k = 0; k < std::size(kKinds); ++k)
            for (int i = 0; i < managers[k]->Count(); ++i)
                SavePropertiesToList(*managers[k]->GetItem(i), QLatin1String(kKinds[k].Prefix) + QString::number(i),
                                     lines, FDifferentialPropertySave);
        QStringList exclusions = {QStringLiteral("Name")};
        if (!OptionSaveAllProperties()) exclusions << LayoutPropertyNames() << QStringLiteral("HelpKeyword");
        SavePropertiesToList(*this, QString(), lines, FDifferentialPropertySave, &exclusions);
        WriteLines(fileName, lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + e.Message());
    }
    FLastPropertiesFileName = fileName;
    if (OnAfterSaveProperties) OnAfterSaveProperties(this);
}

void TiPlotComponent::LoadPropertiesFromFile(const QString& fileName) {
    if (OnBeforeLoadProperties) OnBeforeLoadProperties(this);
    try {
        QStringList lines = ReadLines(fileName);
        QString value;
        if (!DeleteListKey(QStringLiteral("File Type"), value, lines) ||
            value.compare(kFileType, Qt::CaseInsensitive) != 0)
            throw Exception(QStringLiteral("Incompatible Plot Configuration File Type"));
        DisableLayoutManager();
        BeginUpdate();
        // The layout manager and the update bracket are restored however the load ends.
        struct Restore {
            TiPlotComponent& Plot;
            ~Restore() {
                Plot.EnableLayoutManager();
                Plot.EndUpdate();
            }
        } restore{*this};
        int counts[std::size(kKinds)] = {};
        for (std::size_t k = 0; k < std::size(kKinds); ++k) {
            if (!DeleteListKey(QLatin1String(kKinds[k].Count), value, lines)) continue;
            counts[k] = StrToInt(value);
            // Every section holds at least its name line: a larger count names sections the
            // file cannot hold.
            if (counts[k] > lines.size())
                throw Exception(QStringLiteral("Invalid %1 %2").arg(QLatin1String(kKinds[k].Count), value));
        }
        if (DeleteListKey(QStringLiteral("DataViewZHorz"), value, lines)) SetDataViewZHorz(StrToInt(value));
        if (DeleteListKey(QStringLiteral("DataViewZVert"), value, lines)) SetDataViewZVert(StrToInt(value));

        RemoveAllLegends();
        RemoveAllTables();
        RemoveAllLabels();
        RemoveAllLimits();
        RemoveAllXAxes();
        RemoveAllYAxes();
        RemoveAllDataViews();
        RemoveAllChannels();
        RemoveAllAnnotations();
        RemoveAllDataCursors();

        const auto managers = KindManagers(*FMaster);
        for (std::size_t k = 0; k < std::size(kKinds); ++k) {
            TiPlotObjectManagerCustom* manager = managers[k];
            for (int i = 0; i < counts[k]; ++i) {
                TiPlotObject* object;
                if (manager == FMaster->ToolBarManager()) {
                    // Toolbars are never added: every toolbar section applies to toolbar 0.
                    if (manager->Count() == 0) break;
                    object = manager->GetItem(0);
                } else if (manager == FMaster->LabelManager() && i == 0 && manager->Count() > 0) {
                    object = manager->GetItem(0);  // the title stays and takes the first section
                } else {
                    object = manager->CreateObject();
                    object->DoInsert();
                }
                // A channel starts from the declared colour, so a differential file gives the
                // same colour back.
                if (manager == FMaster->ChannelManager()) static_cast<TiPlotChannelCustom*>(object)->SetColor(255);
                LoadPropertiesFromList(*object, QLatin1String(kKinds[k].Prefix) + QString::number(i), lines);
            }
        }
        LoadPropertiesFromList(*this, QString(), lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + e.Message());
    }
    FLastPropertiesFileName = fileName;
    if (OnAfterLoadProperties) OnAfterLoadProperties(this);
}
