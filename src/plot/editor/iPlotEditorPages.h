#pragma once
// The tables behind the plot editor's pages: for every control its sub-page and group, its
// name, its kind, its caption or list items, and the published property it edits. Pages are
// built, filled and written back by walking these rows.
#include <vector>

enum class TiEditorControlKind { Text, Int, Float, Check, List, Names, Radio, Color, Font };

struct TiEditorRow {
    const char* Group;     // "Sub-page / group"; a part naming a hidden container hides the row
    const char* Control;   // the control's name
    TiEditorControlKind Kind;
    const char* Caption;   // check box and radio group captions
    const char* Items;     // list and radio items, separated by "|"
    const char* Property;  // the published property it edits
    int Min, Max, Step;    // spinner range (both 0: no limits) and step
    bool Spinner;
    bool PlotChannelOnly;  // only channels with line-plot features have the property
};

struct TiEditorPageTables {
    static const std::vector<TiEditorRow> ControlRows;
    static const std::vector<TiEditorRow> ToolBarRows;
    static const std::vector<TiEditorRow> LegendRows;
    static const std::vector<TiEditorRow> TableRows;
    static const std::vector<TiEditorRow> LabelRows;
    static const std::vector<TiEditorRow> LimitRows;
    static const std::vector<TiEditorRow> DataCursorRows;
    static const std::vector<TiEditorRow> DataViewRows;
    static const std::vector<TiEditorRow> ChannelRows;
    static const std::vector<TiEditorRow> XAxisRows;
};
