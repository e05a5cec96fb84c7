#include "editor/iPlotEditor.h"

#include "core/iPlotChannelCustom.h"
#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotFont.h"
#include "core/iPlotMasterManager.h"
#include "objects/iPlotLayoutViewer.h"
#include "ui/TLabel.h"
#include "ui/TMenu.h"

#include <QEvent>
#include <QFontMetrics>

#include <deque>
#include <QRegularExpression>

namespace {

using K = TiEditorControlKind;

// Form and page geometry.
constexpr int kFormWidth = 940, kFormHeight = 520;
constexpr int kFieldWidth = 130;
constexpr int kRowHeight = 25;
constexpr int kListWidth = 150;

QStringList GroupParts(const char* group) {
    QStringList parts = QString::fromLatin1(group).split(QStringLiteral(" / "));
    for (QString& p : parts) p = p.trimmed();
    return parts;
}

bool IsHidden(const TiEditorRow& row) { return QString::fromLatin1(row.Group).contains(QStringLiteral("Hidden")); }

// The sub-page a row lies on and its group within it, reading the group parts from `depth`
// on (a nested page control's rows start one part further).
QString SubPageOf(const TiEditorRow& row, int depth = 0) {
    if (IsHidden(row)) return QString();
    const QStringList parts = GroupParts(row.Group);
    if (depth >= parts.size()) return QStringLiteral("General");
    return parts[depth].isEmpty() ? QStringLiteral("General") : parts[depth];
}

QString GroupOf(const TiEditorRow& row, int depth = 0) {
    const QStringList parts = GroupParts(row.Group);
    return parts.size() > depth + 1 ? parts.mid(depth + 1).join(QStringLiteral(" / ")) : QString();
}

// The label beside an edit, list, colour or font control: the property's words less those
// its sub-page and group already say ("TraceLineWidth" on "Trace" reads "Line Width").
QString LabelOf(const TiEditorRow& row) {
    QStringList words;
    static const QRegularExpression split(QStringLiteral("([A-Z]+(?![a-z])|[A-Z][a-z]*|[0-9]+|[a-z]+)"));
    auto it = split.globalMatch(QString::fromLatin1(row.Property));
    while (it.hasNext()) words << it.next().captured(1);
    QStringList context;
    for (const QString& part : GroupParts(row.Group))
        for (const QString& w : part.split(QRegularExpression(QStringLiteral("[^A-Za-z]+")), Qt::SkipEmptyParts))
            context << w.toLower();
    auto inContext = [&](QString w) {
        w = w.toLower();
        return context.contains(w) || context.contains(w + QLatin1Char('s')) ||
               (w.endsWith(QLatin1Char('s')) && context.contains(w.chopped(1)));
    };
    while (words.size() > 1 && inContext(words.first())) words.removeFirst();
    // The annotation defaults' stored names misspell "Style"; their labels do not.
    for (QString& w : words)
        if (w == QStringLiteral("Stlye")) w = QStringLiteral("Style");
    return words.join(QLatin1Char(' '));
}


// A value for a property from what a control holds, in the property's own kind.
TiPropertyValue ValueFor(const TiPublishedProperty& p, double number) {
    if (p.Kind == tkFloat) return number;
    return std::int64_t(number);
}

double NumberOf(const TiPropertyValue& v) {
    if (const auto* i = std::get_if<std::int64_t>(&v)) return double(*i);
    if (const auto* d = std::get_if<double>(&v)) return *d;
    return 0;
}

}  // namespace

TiPlotEditorForm::TiPlotEditorForm(TiPlotComponent* plot, TiPlotMasterManager* master)
    : TiCustomEditorForm(plot), FPlot(plot), FMaster(master) {
    SetName(QStringLiteral("iPlotEditorForm"));
    SetCaption(QStringLiteral("Plot"));
    setWindowFlag(Qt::Window);
    resize(kFormWidth, kFormHeight);
    FPageControl = new TiComponentEditorPageControl(this);
    FPageControl->SetName(QStringLiteral("PageControl"));
    FPageControl->SetParent(this);
    FPageControl->SetBounds(6, 6, kFormWidth - 12, kFormHeight - 12);

    BuildControlPage();
    BuildLayoutPage();
    auto add = [&](TiPlotObjectKind kind, const char* prefix, const char* caption, const std::vector<TiEditorRow>* rows,
                   bool refreshAll) {
        auto page = std::make_unique<ObjectPage>();
        page->Kind = kind;
        page->Prefix = QString::fromLatin1(prefix);
        page->Caption = QString::fromLatin1(caption);
        page->Rows = rows;
        page->RefreshAllAfterWrite = refreshAll;
        FPages.push_back(std::move(page));
    };
    add(TiPlotObjectKind::Channel, "Channel", "Channels", &TiEditorPageTables::ChannelRows, true);
    add(TiPlotObjectKind::DataCursor, "DataCursor", "Cursors", &TiEditorPageTables::DataCursorRows, false);
    add(TiPlotObjectKind::Limit, "Limit", "Limits", &TiEditorPageTables::LimitRows, false);
    add(TiPlotObjectKind::Label, "Label", "Labels", &TiEditorPageTables::LabelRows, false);
    add(TiPlotObjectKind::XAxis, "XAxis", "X-Axes", &TiEditorPageTables::XAxisRows, true);
    add(TiPlotObjectKind::YAxis, "YAxis", "Y-Axes", &TiEditorPageTables::XAxisRows, true);
    add(TiPlotObjectKind::Legend, "Legend", "Legend", &TiEditorPageTables::LegendRows, true);
    add(TiPlotObjectKind::Table, "Table", "Tables", &TiEditorPageTables::TableRows, false);
    add(TiPlotObjectKind::ToolBar, "ToolBar", "ToolBar", &TiEditorPageTables::ToolBarRows, true);
    add(TiPlotObjectKind::DataView, "DataView", "Data View", &TiEditorPageTables::DataViewRows, true);
    // The Y-axis page is the X-axis page with its own names; its precision spinners end at 20.
    ObjectPage& y = *Page(TiPlotObjectKind::YAxis);
    for (TiEditorRow row : TiEditorPageTables::XAxisRows) {
        y.OwnNames.push_back(QByteArray(row.Control).replace("XAxis", "YAxis"));
        row.Control = y.OwnNames.back().constData();
        if (QByteArray(row.Control) == "YAxisLabelPrecisionEdit" || QByteArray(row.Control) == "YAxisLegendPrecisionEdit")
            row.Max = 20;
        y.OwnRows.push_back(row);
    }
    y.Rows = &y.OwnRows;
    for (auto& page : FPages) BuildObjectPage(*page);
    BuildValueConverterPickers();
    BuildFileButtons();
    BuildChannelStats();
    BuildCopyDefaultButtons();
    FPageControl->SetActivePageIndex(0);
}

TiPlotEditorForm::~TiPlotEditorForm() {
    if (OnDestroyed) OnDestroyed(this);
    DestroyComponents();
}

TiPlotEditorForm::ObjectPage* TiPlotEditorForm::Page(TiPlotObjectKind kind) {
    for (auto& p : FPages)
        if (p->Kind == kind) return p.get();
    return nullptr;
}

TiComponentEditorListBox* TiPlotEditorForm::ListOf(TiPlotObjectKind kind) {
    ObjectPage* p = Page(kind);
    return p ? p->List : nullptr;
}

// ---- Building ----

void TiPlotEditorForm::BuildRows(TiComponentEditorPageControl* pages, const std::vector<TiEditorRow>& rows,
                                 const std::function<void()>& onChange, const std::function<TiPersistent*()>& sample,
                                 const std::vector<NestedPages>& nested, int depth) {
    struct Cursor {
        TWinControl* page;
        int column = 0, y = 10;
        QString group;
        int labelWidth = 0, columnWidth = 0;
    };
    // Each sub-page's labels are as wide as its longest caption, so no caption is cut.
    const QFontMetrics metrics(TFont().ToQFont());
    auto measure = [&](const QString& subPage, int& labelWidth, int& columnWidth) {
        int widest = 40, widestBox = 0;
        for (const TiEditorRow& row : rows) {
            if (IsHidden(row) || SubPageOf(row, depth) != subPage) continue;
            if (row.Kind == K::Check) widestBox = std::max(widestBox, metrics.horizontalAdvance(QString::fromLatin1(row.Caption)) + 24);
            else if (row.Kind != K::Radio) widest = std::max(widest, metrics.horizontalAdvance(LabelOf(row)));
        }
        labelWidth = widest + 12;
        columnWidth = std::max(labelWidth + kFieldWidth + 16, widestBox + 12);
    };
    std::vector<Cursor> cursors;
    auto cursorFor = [&](const QString& subPage) -> Cursor& {
        for (Cursor& c : cursors)
            if (c.page->Caption() == subPage) return c;
        QString name = subPage;
        name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
        TWinControl* page = pages->AddPage(pages->Name().chopped(QStringLiteral("PageControl").size()) + name +
                                               QStringLiteral("TabSheet"),
                                           subPage);
        Cursor c{page, 0, 10, QString()};
        measure(subPage, c.labelWidth, c.columnWidth);
        cursors.push_back(c);
        return cursors.back();
    };
    const int pageWidth = pages->Width(), pageHeight = pages->Height() - TiComponentEditorPageControl::kTabHeight;
    (void)pageWidth;
    TiPersistent* object = sample ? sample() : nullptr;
    auto* hiddenParent = new TWinControl(this);
    hiddenParent->SetParent(this);
    hiddenParent->SetVisible(false);

    // Laid out group by group (the ungrouped controls first), whatever order the page writes in.
    QStringList groupOrder{QString()};
    for (const TiEditorRow& row : rows)
        if (!groupOrder.contains(GroupOf(row, depth))) groupOrder << GroupOf(row, depth);
    std::vector<const TiEditorRow*> layoutOrder;
    for (const TiEditorRow& row : rows) layoutOrder.push_back(&row);
    std::stable_sort(layoutOrder.begin(), layoutOrder.end(), [&](const TiEditorRow* a, const TiEditorRow* b) {
        return groupOrder.indexOf(GroupOf(*a, depth)) < groupOrder.indexOf(GroupOf(*b, depth));
    });
    // Rows of a nested sub-page wait for its page control; their sheet takes its tab now.
    std::vector<std::vector<TiEditorRow>> nestedRows(nested.size());
    auto nestedIndex = [&](const TiEditorRow& row) -> int {
        for (std::size_t i = 0; i < nested.size(); ++i)
            if (!IsHidden(row) && SubPageOf(row, depth) == nested[i].SubPage &&
                (nested[i].Groups.isEmpty() || nested[i].Groups.contains(GroupOf(row, depth).section(QStringLiteral(" / "), 0, 0))))
                return int(i);
        return -1;
    };
    for (const TiEditorRow* rowPointer : layoutOrder) {
        const TiEditorRow& row = *rowPointer;
        if (const int n = nestedIndex(row); n >= 0) {
            cursorFor(nested[std::size_t(n)].SubPage);
            nestedRows[std::size_t(n)].push_back(row);
            continue;
        }
        const QString control = QString::fromLatin1(row.Control);
        const bool hidden = IsHidden(row);
        Cursor* c = hidden ? nullptr : &cursorFor(SubPageOf(row, depth));
        TWinControl* parent = hidden ? hiddenParent : c->page;
        const int height = row.Kind == K::Radio ? 22 + 18 * int(QString::fromLatin1(row.Items).count(QLatin1Char('|')) + 1)
                                                : kRowHeight;
        int x = 8, y = 0;
        if (c) {
            const QString group = GroupOf(row, depth);
            bool heading = !group.isEmpty() && group != c->group;
            if (c->y + height + (heading ? 20 : 0) > pageHeight - 6) {
                // A group that goes on in the next column says so again at its top.
                c->column += 1, c->y = 10;
                heading = !group.isEmpty();
            }
            x = 8 + c->column * c->columnWidth;
            if (heading) {
                AddLabel(parent, group, x, c->y + 2, true);
                c->y += 20;
            }
            c->group = group;
            y = c->y;
            c->y += height;
        }
        const int columnWidth = c ? c->columnWidth : 240, labelWidth = c ? c->labelWidth : 100;
        const int fieldWidth = kFieldWidth;
        auto addLabel = [&] { AddLabel(parent, LabelOf(row), x, y + 4)->SetName(control + QStringLiteral("Label")); };
        const TNotifyEvent changed = [onChange](TComponent*) { onChange(); };
        switch (row.Kind) {
        case K::Text:
        case K::Int:
        case K::Float: {
            addLabel();
            auto* edit = new TiComponentEditorEdit(this);
            edit->SetName(control);
            edit->SetParent(parent);
            edit->SetBounds(x + labelWidth, y, fieldWidth - (row.Spinner ? 15 : 0), 21);
            edit->OnUpdate = changed;
            if (row.Spinner) {
                auto* spin = new TiUpDown(this);
                spin->SetName(control + QStringLiteral("UpDown"));
                spin->SetParent(parent);
                spin->Min = row.Min, spin->Max = row.Max, spin->Increment = row.Step;
                spin->SetAssociate(edit);
            }
            break;
        }
        case K::Check: {
            auto* box = new TiComponentEditorCheckBox(this);
            box->SetName(control);
            box->SetParent(parent);
            box->SetCaption(QString::fromLatin1(row.Caption));
            box->SetLeft(x);
            box->SetTop(y + 2);
            box->OnClick = changed;
            break;
        }
        case K::List:
        case K::Names: {
            addLabel();
            auto* combo = new TiComponentEditorComboBox(this);
            combo->SetName(control);
            combo->SetParent(parent);
            combo->SetBounds(x + labelWidth, y, fieldWidth, 21);
            if (row.Kind == K::List) {
                combo->SetItems(QString::fromLatin1(row.Items).split(QLatin1Char('|')));
                // A list over a text property (date-time formats) also takes typed text.
                const TiPublishedProperty* p = object ? object->PublishedClass().Find(QString::fromLatin1(row.Property)) : nullptr;
                if (p && p->Kind == tkLString) combo->SetStyle(csDropDown);
            }
            combo->OnChange = changed;
            // A name list is filled again as it drops down, so objects added since show.
            if (row.Kind == K::Names) combo->OnDropDown = [this, control](TComponent*) { FillNames(control); };
            break;
        }
        case K::Radio: {
            auto* group = new TiComponentEditorRadioGroup(this);
            group->SetName(control);
            group->SetParent(parent);
            group->SetCaption(QString::fromLatin1(row.Caption));
            group->SetItems(QString::fromLatin1(row.Items).split(QLatin1Char('|')));
            group->SetBounds(x, y, columnWidth - 12, height - 4);
            group->OnClick = changed;
            break;
        }
        case K::Color: {
            addLabel();
            auto* picker = new TiComponentEditorColorPicker(this);
            picker->SetName(control);
            picker->SetParent(parent);
            picker->SetBounds(x + labelWidth, y, 60, 21);
            picker->OnChange = changed;
            break;
        }
        case K::Font: {
            addLabel();
            auto* picker = new TiComponentEditorFontPicker(this);
            picker->SetName(control);
            picker->SetParent(parent);
            picker->SetBounds(x + labelWidth, y - 1, 75, 23);
            picker->OnChange = changed;
            break;
        }
        }
    }
    for (std::size_t i = 0; i < nested.size(); ++i) {
        if (nestedRows[i].empty()) continue;
        const Cursor& c = cursorFor(nested[i].SubPage);
        TWinControl* sheet = c.page;
        // Beside the rows the sheet already holds, or filling it.
        const int left = c.column > 0 || c.y > 10 ? 8 + (c.column + 1) * c.columnWidth : 4;
        auto* inner = new TiComponentEditorPageControl(this);
        inner->SetName(nested[i].Name);
        inner->SetParent(sheet);
        inner->SetBounds(left, 4, sheet->Width() - left - 4, sheet->Height() - 8);
        BuildRows(inner, nestedRows[i], onChange, sample, {}, depth + 1);
        inner->SetActivePageIndex(0);
    }
}

void TiPlotEditorForm::BuildControlPage() {
    TWinControl* general = FPageControl->AddPage(QStringLiteral("GeneralTabSheet"), QStringLiteral("Control"));
    FControlPages = new TiComponentEditorPageControl(this);
    FControlPages->SetName(QStringLiteral("ControlPageControl"));
    FControlPages->SetParent(general);
    FControlPages->SetBounds(4, 4, FPageControl->Width() - 8, FPageControl->Height() - 32);
    BuildRows(
        FControlPages, TiEditorPageTables::ControlRows, [] {}, [this] { return static_cast<TiPersistent*>(FPlot); });
    // Title controls write the first label; every other control the plot-wide settings.
    for (const TiEditorRow& row : TiEditorPageTables::ControlRows) {
        const bool title = QString::fromLatin1(row.Group) == QStringLiteral("Title");
        const TNotifyEvent handler = title ? TNotifyEvent([this](TComponent*) { TitleChange(); })
                                           : TNotifyEvent([this](TComponent*) { GeneralChanged(); });
        TComponent* c = FindComponent(QString::fromLatin1(row.Control));
        if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) e->OnUpdate = handler;
        else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(c)) b->OnClick = handler;
        else if (auto* r = dynamic_cast<TiComponentEditorRadioGroup*>(c)) r->OnClick = handler;
        else if (auto* cb = dynamic_cast<TiComponentEditorComboBox*>(c)) cb->OnChange = handler;
        else if (auto* cp = dynamic_cast<TiComponentEditorColorPicker*>(c)) cp->OnChange = handler;
        else if (auto* fp = dynamic_cast<TiComponentEditorFontPicker*>(c)) fp->OnChange = handler;
    }
}

void TiPlotEditorForm::BuildObjectPage(ObjectPage& page) {
    TWinControl* sheet = FPageControl->AddPage(
        page.Prefix + (page.Kind == TiPlotObjectKind::Channel ? QStringLiteral("sTabSheet") : QStringLiteral("TabSheet")),
        page.Caption);
    page.Sheet = sheet;
    const bool listShown = page.Kind != TiPlotObjectKind::Legend && page.Kind != TiPlotObjectKind::ToolBar &&
                           page.Kind != TiPlotObjectKind::DataView;
    const int areaHeight = FPageControl->Height() - TiComponentEditorPageControl::kTabHeight;
    page.List = new TiComponentEditorListBox(this);
    page.List->SetName(page.Prefix + QStringLiteral("ListBox"));
    page.List->SetParent(sheet);
    page.List->SetBounds(8, 8, kListWidth, areaHeight - 50);
    page.List->SetVisible(listShown);
    const TiPlotObjectKind kind = page.Kind;
    page.List->OnClick = [this, kind](TComponent*) {
        UpdatePage(kind);
        if (kind == TiPlotObjectKind::Channel) ClearChannelStats();
    };
    page.List->OnGetData = [this, kind](TComponent*, int index, bool& drawBox, TColor& color, QString& text) {
        auto* o = static_cast<TiPlotObject*>(ListOf(kind)->ObjectAt(index));
        text = o->Name();
        drawBox = false;
        const char* colorProperty = nullptr;
        if (kind == TiPlotObjectKind::Channel || kind == TiPlotObjectKind::DataCursor || kind == TiPlotObjectKind::Limit)
            colorProperty = "Color";
        if (kind == TiPlotObjectKind::XAxis || kind == TiPlotObjectKind::YAxis) colorProperty = "LabelsFont";
        if (!colorProperty) return;
        if (const TiPublishedProperty* p = o->PublishedClass().Find(QString::fromLatin1(colorProperty))) {
            const TiPropertyValue v = p->Get(*o);
            if (auto* const* sub = std::get_if<TiPersistent*>(&v)) {
                if (auto* f = dynamic_cast<TiPlotFont*>(*sub)) color = f->Color(), drawBox = true;
            } else {
                color = TColor(NumberOf(v)), drawBox = true;
            }
        }
    };
    const int subLeft = listShown ? 8 + kListWidth + 8 : 8;
    page.SubPages = new TiComponentEditorPageControl(this);
    page.SubPages->SetName(page.Prefix + QStringLiteral("PageControl"));
    page.SubPages->SetParent(sheet);
    page.SubPages->SetBounds(subLeft, 4, FPageControl->Width() - subLeft - 8, areaHeight - 10);
    // An axis page's label formats (default, cursor, legend) are sub-pages of its Labels page.
    std::vector<NestedPages> nested;
    if (kind == TiPlotObjectKind::XAxis || kind == TiPlotObjectKind::YAxis)
        nested.push_back({QStringLiteral("Labels"), page.Prefix + QStringLiteral("LabelsPageControl"), {}});
    // The data view's custom grid lines, one sub-page per kind of line.
    if (kind == TiPlotObjectKind::DataView)
        nested.push_back({QStringLiteral("Grid Lines"), QStringLiteral("DataViewGridLinesCustomPageControl"),
                          {QStringLiteral("X-Majors"), QStringLiteral("X-Minors"), QStringLiteral("Y-Majors"),
                           QStringLiteral("Y-Minors")}});
    BuildRows(
        page.SubPages, *page.Rows, [this, kind] { PageChange(kind); },
        [this, kind]() -> TiPersistent* {
            TiPlotObjectManagerCustom* m = FMaster->ManagerOf(kind);
            return m && m->Count() > 0 ? m->Objects().front() : nullptr;
        },
        nested);
    if (listShown) {
        const bool axis = kind == TiPlotObjectKind::XAxis || kind == TiPlotObjectKind::YAxis;
        page.AddButton = new TiComponentEditorButton(this);
        page.AddButton->SetName(axis ? page.Prefix.left(1) + QStringLiteral("AxesAddButton")
                                     : QStringLiteral("i") + page.Prefix + QStringLiteral("AddButton"));
        page.AddButton->SetParent(sheet);
        page.AddButton->SetCaption(QStringLiteral("Add"));
        page.AddButton->SetBounds(8, areaHeight - 36, 72, 25);
        page.AddButton->OnClick = [this, kind](TComponent*) {
            switch (kind) {
            case TiPlotObjectKind::Channel: FMaster->AddChannel(); break;
            case TiPlotObjectKind::DataCursor: FMaster->AddDataCursor(); break;
            case TiPlotObjectKind::Label: FMaster->AddLabel(); break;
            case TiPlotObjectKind::XAxis: FMaster->AddXAxis(); break;
            case TiPlotObjectKind::YAxis: FMaster->AddYAxis(); break;
            case TiPlotObjectKind::Limit: FMaster->AddLimit(); break;
            case TiPlotObjectKind::Table: FMaster->AddTable(); break;
            default: return;
            }
            ListOf(kind)->SelectLast();
            UpdatePage(kind);
            if (kind == TiPlotObjectKind::Channel) ClearChannelStats();
        };
        page.RemoveButton = new TiComponentEditorButton(this);
        page.RemoveButton->SetName(page.Prefix + QStringLiteral("RemoveButton"));
        page.RemoveButton->SetParent(sheet);
        page.RemoveButton->SetCaption(QStringLiteral("Remove"));
        page.RemoveButton->SetBounds(8 + kListWidth - 72, areaHeight - 36, 72, 25);
        page.RemoveButton->SetEnabled(false);
        page.RemoveButton->OnClick = [this, kind](TComponent*) {
            ListOf(kind)->DeleteSelectedObject();
            UpdatePage(kind);
            if (kind == TiPlotObjectKind::XAxis || kind == TiPlotObjectKind::YAxis) UpdatePage(TiPlotObjectKind::Channel);
            if (kind == TiPlotObjectKind::Channel) ClearChannelStats();
        };
    }
}

void TiPlotEditorForm::BuildValueConverterPickers() {
    struct PickerPlace {
        const char* edit;
        const char* picker;
        TiValueConverterPageType page;
    };
    static const PickerPlace places[] = {
        {"XAxisMinEdit", "XAxisMinTimePicker", ivcptDateTime},
        {"XAxisSpanEdit", "XAxisSpanTimePicker", ivcptInterval},
        {"XAxisDesiredIncrementEdit", "XAxisDesiredIncrementTimePicker", ivcptInterval},
        {"XAxisDesiredStartEdit", "XAxisDesiredStartTimePicker", ivcptInterval},
        {"XAxisCartesianChildRefValueEdit", "XAxisCartesianChildRefValuePicker", ivcptInterval},
        {"YAxisMinEdit", "YAxisMinTimePicker", ivcptDateTime},
        {"YAxisSpanEdit", "YAxisSpanTimePicker", ivcptInterval},
        {"YAxisDesiredIncrementEdit", "YAxisDesiredIncrementTimePicker", ivcptInterval},
        {"YAxisDesiredStartEdit", "YAxisDesiredStartTimePicker", ivcptInterval},
        {"YAxisCartesianChildRefValueEdit", "YAxisCartesianChildRefValuePicker", ivcptInterval},
        {"ChannelBarWidthEdit", "ChannelBarWidthPicker", ivcptInterval},
        {"ChannelHighLowOpenWidthEdit", "ChannelHighLowOpenWidthPicker", ivcptInterval},
        {"ChannelHighLowOpenHeightEdit", "ChannelHighLowOpenHeightPicker", ivcptInterval},
        {"ChannelHighLowCloseWidthEdit", "ChannelHighLowCloseWidthPicker", ivcptInterval},
        {"ChannelHighLowCloseHeightEdit", "ChannelHighLowCloseHeightPicker", ivcptInterval},
        {"ChannelHighLowBarWidthEdit", "ChannelHighLowBarWidthPicker", ivcptInterval},
    };
    for (const PickerPlace& place : places) {
        auto* edit = Find<TiComponentEditorEdit>(QString::fromLatin1(place.edit));
        if (!edit) continue;
        edit->SetWidth(edit->Width() - 21);
        auto* picker = new TiComponentEditorValueConverterPicker(this);
        picker->SetName(QString::fromLatin1(place.picker));
        picker->SetParent(edit->Parent());
        picker->setToolTip(QStringLiteral("Date/Time Editor"));
        picker->DefaultPage = place.page;
        picker->TranslationMethod = [this](TForm* form) { FMaster->TranslateForm(form); };
        picker->SetAssociate(edit);
        FValueConverterPickers.emplace_back(edit, picker);
    }
}

namespace {

constexpr const char* kConfigFilter = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*";
constexpr const char* kDataFilter = "Data (*.dat)|*.dat|All Files (*.*)|*.*";
constexpr const char* kLogFilter = "Log (*.log)|*.log|All Files (*.*)|*.*";
constexpr const char* kAnnotationFilter = "Annotations (*.ano)|*.ano|All Files (*.*)|*.*";

}  // namespace

template <class Picker>
Picker* TiPlotEditorForm::AddFileButton(TWinControl* parent, const char* name, const char* caption, const char* filter,
                                        const char* defaultExt, int left, int top, std::function<void(Picker&)> chosen) {
    auto* picker = new Picker(this);
    picker->SetName(QString::fromLatin1(name));
    picker->SetParent(parent);
    picker->SetCaption(QString::fromLatin1(caption));
    picker->Filter = QString::fromLatin1(filter);
    picker->DefaultExt = QString::fromLatin1(defaultExt);
    picker->SetBounds(left, top, 75, 25);
    picker->OnChange = [picker, chosen](TComponent*) { chosen(*picker); };
    return picker;
}

void TiPlotEditorForm::SetDefaultDir(TiComponentEditorButton& button, const QString& folder) {
    if (auto* open = dynamic_cast<TiComponentEditorOpenPicker*>(&button)) open->DefaultDir = folder;
    if (auto* save = dynamic_cast<TiComponentEditorSavePicker*>(&button)) save->DefaultDir = folder;
}

void TiPlotEditorForm::BuildFileButtons() {
    using Open = TiComponentEditorOpenPicker;
    using Save = TiComponentEditorSavePicker;
    // The plot's property, data and annotation files and its log, on the Control page.
    if (auto* page = Find<TWinControl>(QStringLiteral("ControlFileIOTabSheet"))) {
        const int x = 340;
        AddLabel(page, QStringLiteral("Properties"), x, 12, true);
        auto* load = AddFileButton<Open>(page, "ControlPropertiesOpenPicker", "Load", kConfigFilter, "cfg", x, 32,
                                         [this](Open& p) {
                                             FPlot->LoadPropertiesFromFile(p.FileName);
                                             UpdateAll();
                                         });
        load->FileMustExist = true;
        AddFileButton<Save>(page, "ControlPropertiesSavePicker", "Save", kConfigFilter, "cfg", x + 85, 32,
                            [this](Save& p) { FPlot->SavePropertiesToFile(p.FileName); });
        AddLabel(page, QStringLiteral("Data"), x, 70, true);
        AddFileButton<Open>(page, "ControlDataOpenPicker", "Load",
                            "Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*", "dat", x, 90, [this](Open& p) {
                                FMaster->ClearAllData();
                                FPlot->LoadDataFromFile(p.FileName);
                            });
        AddFileButton<Save>(page, "ControlDataSavePicker", "Save", kDataFilter, "dat", x + 85, 90,
                            [this](Save& p) { FPlot->SaveDataToFile(p.FileName); });
        AddLabel(page, QStringLiteral("Annotations"), x, 128, true);
        // Their default extension is the filter's: with "dat" a typed "notes" became "notes.dat.ano".
        AddFileButton<Open>(page, "ControlAnnotationOpenPicker", "Load", kAnnotationFilter, "ano", x, 148,
                            [this](Open& p) { FPlot->LoadAnnotationsFromFile(p.FileName); });
        AddFileButton<Save>(page, "ControlAnnotationSavePicker", "Save", kAnnotationFilter, "ano", x + 85, 148,
                            [this](Save& p) { FPlot->SaveAnnotationsToFile(p.FileName); });
        AddLogButtons(
            page, QStringLiteral("Control"),
            [this](const QString& fileName) {
                Find<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"))->SetAsString(fileName);
                FMaster->BasicPropertyChanged();
            },
            [this](bool activate) {
                activate ? FPlot->LogActivate(false) : FPlot->LogDeactivate();
                FMaster->BasicPropertyChanged();
            });
    }
    // The selected channel's files and log, on the channel's File I/O sub-page.
    auto* page = Find<TWinControl>(QStringLiteral("ChannelFileIOTabSheet"));
    if (!page) return;
    auto channel = [this]() -> TiPlotChannelCustom* {
        return dynamic_cast<TiPlotChannelCustom*>(ListOf(TiPlotObjectKind::Channel)->Selected());
    };
    const int x = 340;
    AddLabel(page, QStringLiteral("Properties"), x, 12, true);
    AddFileButton<Open>(page, "ChannelPropertiesOpenPicker", "Load", kConfigFilter, "cfg", x, 32, [this, channel](Open& p) {
        if (TiPlotChannelCustom* c = channel()) c->LoadPropertiesFromFile(p.FileName);
        ListOf(TiPlotObjectKind::Channel)->Invalidate();
    });
    AddFileButton<Save>(page, "ChannelPropertiesSavePicker", "Save", kConfigFilter, "cfg", x + 85, 32, [channel](Save& p) {
        if (TiPlotChannelCustom* c = channel()) c->SavePropertiesToFile(p.FileName);
    });
    AddLabel(page, QStringLiteral("Data"), x, 70, true);
    AddFileButton<Open>(page, "ChannelDataOpenPicker", "Load", kDataFilter, "dat", x, 90, [channel](Open& p) {
        if (TiPlotChannelCustom* c = channel()) c->LoadDataFromFile(p.FileName, true);
    });
    AddFileButton<Save>(page, "ChannelDataSavePicker", "Save", kDataFilter, "dat", x + 85, 90, [channel](Save& p) {
        if (TiPlotChannelCustom* c = channel()) c->SaveDataToFile(p.FileName);
    });
    AddLogButtons(
        page, QStringLiteral("Channel"),
        [this](const QString& fileName) {
            Find<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit"))->SetAsString(fileName);
            PageChange(TiPlotObjectKind::Channel);
        },
        [this, channel](bool activate) {
            if (TiPlotChannelCustom* c = channel()) activate ? c->LogActivate(false) : c->LogDeactivate();
            UpdatePage(TiPlotObjectKind::Channel);
        });
}

void TiPlotEditorForm::AddLogButtons(TWinControl* page, const QString& prefix,
                                     const std::function<void(const QString&)>& named,
                                     const std::function<void(bool activate)>& toggled) {
    auto* nameEdit = Find<TiComponentEditorEdit>(prefix + QStringLiteral("LogFileNameEdit"));
    if (!nameEdit) return;
    nameEdit->SetWidth(nameEdit->Width() - 24);
    const QByteArray pickerName = (prefix + QStringLiteral("LogFileNamePicker")).toLatin1();
    auto* logPicker = AddFileButton<TiComponentEditorSavePicker>(
        page, pickerName.constData(), "...", kLogFilter, "log", nameEdit->Left() + nameEdit->Width() + 3,
        nameEdit->Top(), [named](TiComponentEditorSavePicker& p) { named(p.FileName); });
    logPicker->SetBounds(logPicker->Left(), nameEdit->Top(), 21, 21);
    TFont bold = logPicker->Font();
    bold.SetStyle(fsBold);
    logPicker->SetFont(bold);
    const int y = nameEdit->Top() + 2 * kRowHeight + 4;
    auto addButton = [&](const char* suffix, const char* caption, int left, bool activate) {
        auto* button = new TiComponentEditorButton(this);
        button->SetName(prefix + QString::fromLatin1(suffix));
        button->SetParent(page);
        button->SetCaption(QString::fromLatin1(caption));
        button->SetBounds(left, y, 90, 25);
        button->OnClick = [toggled, activate](TComponent*) { toggled(activate); };
    };
    addButton("LogActivateButton", "Activate", 8, true);
    addButton("LogDeactivateButton", "Deactivate", 108, false);
}

void TiPlotEditorForm::UpdateChannelLogControls() {
    auto* c = dynamic_cast<TiPlotChannelCustom*>(ListOf(TiPlotObjectKind::Channel)->Selected());
    const bool logging = c && c->LoggingActive();
    if (auto* b = Find<TiComponentEditorButton>(QStringLiteral("ChannelLogActivateButton"))) b->SetEnabled(c && !logging);
    if (auto* b = Find<TiComponentEditorButton>(QStringLiteral("ChannelLogDeactivateButton"))) b->SetEnabled(logging);
    if (auto* e = Find<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit")); e && logging) e->DisableNoClear();
    if (auto* p = Find<TiComponentEditorSavePicker>(QStringLiteral("ChannelLogFileNamePicker"))) {
        p->SetEnabled(c && !logging);
        if (c) p->FileName = c->LogFileName();
    }
}

namespace {

const char* const kStatNames[] = {"Count", "Capacity", "Memory Used", "Data Point Size", "Max Data Points", "X Min",
                                  "X Max",  "X Mean",   "Y Min",       "Y Max",           "Y Mean"};

}  // namespace

void TiPlotEditorForm::BuildChannelStats() {
    ObjectPage* page = Page(TiPlotObjectKind::Channel);
    TWinControl* sheet = page->SubPages->AddPage(QStringLiteral("ChannelStatsTabSheet"), QStringLiteral("Stats"));
    int i = 0;
    for (const char* name : kStatNames) {
        AddLabel(sheet, QString::fromLatin1(name), 12, 12 + i * 22);
        TLabel* value = AddLabel(sheet, QString(), 130, 12 + i * 22);
        value->SetName(QStringLiteral("ChannelStatsValue%1Label").arg(i));
        ++i;
    }
    auto* refresh = new TiComponentEditorButton(this);
    refresh->SetName(QStringLiteral("ChannelStatsRefreshButton"));
    refresh->SetParent(sheet);
    refresh->SetCaption(QStringLiteral("Refresh"));
    refresh->SetBounds(12, 16 + i * 22, 75, 25);
    refresh->OnClick = [this](TComponent*) { RefreshChannelStats(); };
}

void TiPlotEditorForm::ClearChannelStats() {
    const bool selected = ListOf(TiPlotObjectKind::Channel)->Selected() != nullptr;
    for (int i = 0; i < int(std::size(kStatNames)); ++i)
        if (auto* l = Find<TLabel>(QStringLiteral("ChannelStatsValue%1Label").arg(i)))
            l->SetCaption(selected ? QStringLiteral("Click Refresh") : QString());
}

void TiPlotEditorForm::RefreshChannelStats() {
    auto* c = dynamic_cast<TiPlotChannelCustom*>(ListOf(TiPlotObjectKind::Channel)->Selected());
    if (!c) return ClearChannelStats();
    c->ReCalcRunningMinMaxMean();
    auto x = [c](double v) { return c->XAxis() ? c->XAxis()->GetLabelText(v) : QString::number(v, 'g', 15); };
    auto y = [c](double v) { return c->YAxis() ? c->YAxis()->GetLabelText(v) : QString::number(v, 'g', 15); };
    const QString values[] = {QString::number(c->Count()),
                              QString::number(c->Capacity()),
                              QString::number(c->MemoryUsed()) + QStringLiteral(" Bytes"),
                              QString::number(c->DataPointSize()) + QStringLiteral(" Bytes"),
                              QString::number(c->MaxDataPoints()),
                              x(c->RunningXMin()),
                              x(c->RunningXMax()),
                              x(c->RunningXMean()),
                              y(c->RunningYMin()),
                              y(c->RunningYMax()),
                              y(c->RunningYMean())};
    for (int i = 0; i < int(std::size(values)); ++i)
        if (auto* l = Find<TLabel>(QStringLiteral("ChannelStatsValue%1Label").arg(i))) l->SetCaption(values[i]);
}

// ---- Lists ----

void TiPlotEditorForm::FillLists() {
    for (TiPlotObjectKind kind : {TiPlotObjectKind::ToolBar, TiPlotObjectKind::Legend, TiPlotObjectKind::Table,
                                  TiPlotObjectKind::XAxis, TiPlotObjectKind::YAxis, TiPlotObjectKind::DataView,
                                  TiPlotObjectKind::Channel, TiPlotObjectKind::DataCursor, TiPlotObjectKind::Limit,
                                  TiPlotObjectKind::Label}) {
        ObjectPage* page = Page(kind);
        TiPlotObjectManagerCustom* m = FMaster->ManagerOf(kind);
        if (!page || !m) continue;
        page->List->Clear();
        for (TiPlotObject* o : m->Objects()) page->List->AddObject(o);
        page->List->SetItemIndex(page->List->Count() > 0 ? 0 : -1);
        UpdatePage(kind);
    }
    ClearChannelStats();  // the channel selection is new
    if (ObjectPage* channels = Page(TiPlotObjectKind::Channel)) {
        const bool canAdd = FPlot && FPlot->UserCanAddRemoveChannels();
        channels->AddButton->SetVisible(canAdd);
        channels->RemoveButton->SetVisible(canAdd);
        // Without the buttons the list takes their place.
        const int bottom = canAdd ? channels->AddButton->Top() - 6 : channels->AddButton->Top() + channels->AddButton->Height();
        channels->List->SetHeight(bottom - channels->List->Top());
    }
}

void TiPlotEditorForm::FillNames(const QString& control) {
    auto* combo = Find<TiComponentEditorComboBox>(control);
    if (!combo) return;
    TiPlotObjectKind kind = TiPlotObjectKind::XAxis;
    QString first = QStringLiteral("<None>"), last;
    const bool xPage = control.startsWith(QStringLiteral("XAxis")), yPage = control.startsWith(QStringLiteral("YAxis"));
    if (control.contains(QStringLiteral("CartesianChildRef"))) kind = xPage ? TiPlotObjectKind::YAxis : TiPlotObjectKind::XAxis;
    else if (control.contains(QStringLiteral("AlignRef"))) kind = yPage ? TiPlotObjectKind::YAxis : TiPlotObjectKind::XAxis;
    else if (control.contains(QStringLiteral("XAxisName"))) kind = TiPlotObjectKind::XAxis;
    else if (control.contains(QStringLiteral("YAxisName"))) kind = TiPlotObjectKind::YAxis;
    else if (control.contains(QStringLiteral("ChannelName"))) kind = TiPlotObjectKind::Channel, first = QStringLiteral("<All>");
    if (control.startsWith(QStringLiteral("DataViewGrid"))) last = QStringLiteral("<All>");
    TiPlotObjectManagerCustom* m = FMaster->ManagerOf(kind);
    if (!m) return;
    TiPlotTranslationManager* t = FMaster->TranslationManager();
    auto translated = [t](const QString& s) { return t ? t->FindReplacement(s) : s; };
    QStringList items{translated(first)};
    for (TiPlotObject* o : m->Objects()) items << o->Name();
    if (!last.isEmpty()) items << translated(last);
    const QString remembered = combo->AsString();
    combo->SetItems(items);
    combo->SetAsString(remembered);
}

// ---- Enabling by prefix ----

void TiPlotEditorForm::EnableRows(const std::vector<TiEditorRow>& rows, bool enable) {
    for (const TiEditorRow& row : rows) {
        TComponent* c = FindComponent(QString::fromLatin1(row.Control));
        if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) enable ? e->Enable() : e->Disable();
        else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(c)) enable ? b->Enable() : b->Disable();
        else if (auto* r = dynamic_cast<TiComponentEditorRadioGroup*>(c)) enable ? r->Enable() : r->Disable();
        else if (auto* cb = dynamic_cast<TiComponentEditorComboBox*>(c)) enable ? cb->Enable() : cb->Disable();
        else if (auto* cp = dynamic_cast<TiComponentEditorColorPicker*>(c)) enable ? cp->Enable() : cp->Disable();
        else if (auto* fp = dynamic_cast<TiComponentEditorFontPicker*>(c)) enable ? fp->Enable() : fp->Disable();
        if (auto* spin = Find<TiUpDown>(QString::fromLatin1(row.Control) + QStringLiteral("UpDown")))
            spin->SetEnabled(enable);
        for (const auto& [edit, picker] : FValueConverterPickers)
            if (edit == c) enable ? picker->Enable() : picker->Disable();
    }
}

// ---- Filling and writing ----

void TiPlotEditorForm::FillRow(const TiEditorRow& row, TiPersistent& object) {
    const QString name = QString::fromLatin1(row.Property);
    TComponent* c = FindComponent(QString::fromLatin1(row.Control));
    const TiPublishedProperty* p = object.PublishedClass().Find(name);
    auto* plotObject = dynamic_cast<TiPlotObject*>(&object);
    if (name == QStringLiteral("Name") && plotObject) {
        if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) e->SetAsString(plotObject->Name());
        return;
    }
    if (!p) {
        // The object has no such property: the control stays off.
        EnableRows({row}, false);
        return;
    }
    const TiPropertyValue v = p->Get(object);
    if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) {
        if (row.Kind == K::Text) e->SetAsString(std::holds_alternative<QString>(v) ? std::get<QString>(v) : QString());
        else if (row.Kind == K::Int) e->SetAsInteger(int(NumberOf(v)));
        else e->SetAsFloat(NumberOf(v));
    } else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(c)) {
        b->SetAsBoolean(NumberOf(v) != 0);
    } else if (auto* r = dynamic_cast<TiComponentEditorRadioGroup*>(c)) {
        r->SetAsInteger(int(NumberOf(v)));
    } else if (auto* cb = dynamic_cast<TiComponentEditorComboBox*>(c)) {
        if (const auto* s = std::get_if<QString>(&v)) cb->SetAsString(*s);
        else cb->SetAsInteger(int(NumberOf(v)));
    } else if (auto* cp = dynamic_cast<TiComponentEditorColorPicker*>(c)) {
        cp->SetColorValue(TColor(std::uint32_t(std::int64_t(NumberOf(v)))));
    } else if (auto* fp = dynamic_cast<TiComponentEditorFontPicker*>(c)) {
        if (auto* const* sub = std::get_if<TiPersistent*>(&v))
            if (auto* f = dynamic_cast<TiPlotFont*>(*sub)) fp->SetPickedFont(f->Font());
    }
}

void TiPlotEditorForm::WriteRow(const TiEditorRow& row, TiPersistent& object) {
    const QString name = QString::fromLatin1(row.Property);
    TComponent* c = FindComponent(QString::fromLatin1(row.Control));
    auto* plotObject = dynamic_cast<TiPlotObject*>(&object);
    if (name == QStringLiteral("Name") && plotObject) {
        if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) plotObject->SetName(e->AsString());
        return;
    }
    const TiPublishedProperty* p = object.PublishedClass().Find(name);
    if (!p) return;
    if (auto* fp = dynamic_cast<TiComponentEditorFontPicker*>(c)) {
        const TiPropertyValue v = p->Get(object);
        if (auto* const* sub = std::get_if<TiPersistent*>(&v))
            if (auto* f = dynamic_cast<TiPlotFont*>(*sub)) f->Assign(fp->PickedFont());
        return;
    }
    if (!p->Writable()) return;
    if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) {
        if (p->Kind == tkLString || p->Kind == tkString || p->Kind == tkUString) p->Set(object, e->AsString());
        else p->Set(object, ValueFor(*p, row.Kind == K::Int ? double(e->AsInteger()) : e->AsFloat()));
    } else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(c)) {
        p->Set(object, std::int64_t(b->AsBoolean() ? 1 : 0));
    } else if (auto* r = dynamic_cast<TiComponentEditorRadioGroup*>(c)) {
        if (r->AsInteger() >= 0) p->Set(object, ValueFor(*p, r->AsInteger()));
    } else if (auto* cb = dynamic_cast<TiComponentEditorComboBox*>(c)) {
        if (p->Kind == tkLString || p->Kind == tkString || p->Kind == tkUString) p->Set(object, cb->AsString());
        else if (cb->AsInteger() >= 0) p->Set(object, ValueFor(*p, cb->AsInteger()));
    } else if (auto* cp = dynamic_cast<TiComponentEditorColorPicker*>(c)) {
        p->Set(object, std::int64_t(std::int32_t(cp->Color())));
    }
}

void TiPlotEditorForm::ApplyChannelVisibility() {
    ObjectPage* page = Page(TiPlotObjectKind::Channel);
    TiPlotObject* o = page ? static_cast<TiPlotObject*>(page->List->Selected()) : nullptr;
    if (!o) return;
    auto has = [o](const TiEditorRow& row) {
        return QByteArray(row.Property) == "Name" || o->PublishedClass().Find(QString::fromLatin1(row.Property));
    };
    // The sheet a row lies on, by name: captions may be translated.
    auto sheetOf = [&](const TiEditorRow& row) {
        QString name = SubPageOf(row);
        name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
        return page->Prefix + name + QStringLiteral("TabSheet");
    };
    // Sub-pages whose every property the channel lacks are hidden (an XY channel has no
    // fill, bar, high/low or digital drawing); sub-pages without rows (Stats) stay.
    for (int i = 0; i < page->SubPages->PageCount(); ++i) {
        const QString sheet = page->SubPages->Page(i)->Name();
        int rows = 0, present = 0;
        for (const TiEditorRow& row : *page->Rows)
            if (sheetOf(row) == sheet) ++rows, present += has(row) ? 1 : 0;
        page->SubPages->SetPageVisible(i, rows == 0 || present > 0);
    }
    // So are the single controls it lacks (Fast Draw, the interpolation style), except Clip
    // To Axes, which shows greyed.
    for (const TiEditorRow& row : *page->Rows) {
        if (QByteArray(row.Property) == "ClipToAxes") continue;
        const QString control = QString::fromLatin1(row.Control);
        for (const QString& name : {control, control + QStringLiteral("Label"), control + QStringLiteral("UpDown")})
            if (auto* c = Find<TControl>(name)) c->SetVisible(has(row));
    }
}

void TiPlotEditorForm::UpdatePage(TiPlotObjectKind kind) {
    ObjectPage* page = Page(kind);
    if (!page) return;
    for (const TiEditorRow& row : *page->Rows)
        if (row.Kind == K::Names) FillNames(QString::fromLatin1(row.Control));
    auto* object = static_cast<TiPlotObject*>(page->List->Selected());
    page->List->SetEnabled(object != nullptr);
    if (page->RemoveButton) page->RemoveButton->SetEnabled(object != nullptr);
    EnableRows(*page->Rows, object != nullptr);
    // The page's buttons outside its rows (file, log, statistics, Copy Default) follow it by
    // their names, as the rows do.
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* button = dynamic_cast<TiComponentEditorButton*>(Components(i));
            button && button->Name().startsWith(page->Prefix, Qt::CaseInsensitive))
            button->SetEnabled(object != nullptr);
    if (object) {
        for (const TiEditorRow& row : *page->Rows) FillRow(row, *object);
        if (kind == TiPlotObjectKind::Channel) ApplyChannelVisibility();
        // The plot's title label stays.
        if (kind == TiPlotObjectKind::Label && page->RemoveButton)
            page->RemoveButton->SetEnabled(page->List->ItemIndex() != 0);
    }
    if (kind == TiPlotObjectKind::Channel) UpdateChannelLogControls();
    page->List->Invalidate();
}

void TiPlotEditorForm::UpdateAll() {
    for (TiPlotObjectKind kind : {TiPlotObjectKind::ToolBar, TiPlotObjectKind::Legend, TiPlotObjectKind::XAxis,
                                  TiPlotObjectKind::YAxis, TiPlotObjectKind::Channel, TiPlotObjectKind::DataView,
                                  TiPlotObjectKind::DataCursor, TiPlotObjectKind::Limit, TiPlotObjectKind::Label,
                                  TiPlotObjectKind::Table})
        UpdatePage(kind);
}

void TiPlotEditorForm::PageChange(TiPlotObjectKind kind) {
    ObjectPage* page = Page(kind);
    auto* object = page ? static_cast<TiPlotObject*>(page->List->Selected()) : nullptr;
    if (!object) return;
    for (const TiEditorRow& row : *page->Rows) WriteRow(row, *object);
    // Nothing of the table page is refreshed; its list still shows a new name.
    if (kind == TiPlotObjectKind::Table) {
        page->List->Invalidate();
        return;
    }
    if (kind == TiPlotObjectKind::Label && page->List->ItemIndex() == 0) FillControlPage();
    if (page->RefreshAllAfterWrite) UpdateAll();
    else UpdatePage(kind);
}

// ---- Control page ----

void TiPlotEditorForm::FillControlPage() {
    if (!FPlot) return;
    for (const char* name : {"ControlPropertiesOpenPicker", "ControlPropertiesSavePicker"})
        if (auto* p = Find<TiComponentEditorButton>(QString::fromLatin1(name))) SetDefaultDir(*p, FPlot->DefaultPropertyDirectory());
    for (const char* name : {"ControlDataOpenPicker", "ControlDataSavePicker"})
        if (auto* p = Find<TiComponentEditorButton>(QString::fromLatin1(name))) SetDefaultDir(*p, FPlot->DefaultDataDirectory());
    for (const char* name : {"ControlAnnotationOpenPicker", "ControlAnnotationSavePicker"})
        if (auto* p = Find<TiComponentEditorButton>(QString::fromLatin1(name)))
            SetDefaultDir(*p, FPlot->DefaultAnnotationDirectory());
    for (const TiEditorRow& row : TiEditorPageTables::ControlRows) FillRow(row, *FPlot);
    UpdateLogControls();
}

void TiPlotEditorForm::WriteControlPage() {
    if (!FPlot) return;
    for (const TiEditorRow& row : TiEditorPageTables::ControlRows) WriteRow(row, *FPlot);
    UpdateLogControls();
}

void TiPlotEditorForm::UpdateLogControls() {
    if (!FPlot) return;
    // While logging, the log keeps its file: only Deactivate is on.
    const bool logging = FPlot->LoggingActive();
    if (auto* b = Find<TiComponentEditorButton>(QStringLiteral("ControlLogActivateButton"))) b->SetEnabled(!logging);
    if (auto* b = Find<TiComponentEditorButton>(QStringLiteral("ControlLogDeactivateButton"))) b->SetEnabled(logging);
    if (auto* e = Find<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"))) logging ? e->DisableNoClear() : e->Enable();
    if (auto* p = Find<TiComponentEditorSavePicker>(QStringLiteral("ControlLogFileNamePicker"))) p->SetEnabled(!logging);
}

void TiPlotEditorForm::GeneralChanged() {
    FMaster->BasicPropertyChanged();
    auto* edit = Find<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"));
    if (auto* p = Find<TiComponentEditorSavePicker>(QStringLiteral("ControlLogFileNamePicker")); p && edit)
        p->FileName = edit->AsString();
}

void TiPlotEditorForm::TitleChange() {
    TiPlotLabelManager* labels = FMaster->LabelManager();
    if (!labels || labels->Count() == 0) return;
    TiPlotObject* first = labels->Objects().front();
    static const std::pair<const char*, const char*> map[] = {{"TitleVisibleCheckBox", "Visible"},
                                                             {"TitleTextEdit", "Caption"},
                                                             {"TitleMarginEdit", "MarginBottom"},
                                                             {"TitleFontPicker", "Font"}};
    for (const TiEditorRow& row : TiEditorPageTables::ControlRows)
        for (const auto& [control, property] : map)
            if (QByteArray(row.Control) == control) {
                TiEditorRow labelRow = row;
                labelRow.Property = property;
                WriteRow(labelRow, *first);
            }
    UpdatePage(TiPlotObjectKind::Label);
}

// ---- Notifications ----

void TiPlotEditorForm::ObjectInserted(TiPlotObject* object) {
    ObjectPage* page = Page(object->Kind());
    if (!page) return;
    page->List->AddObject(object);
    page->List->SelectLast();
    UpdatePage(page->Kind);
}

void TiPlotEditorForm::ObjectRemoved(TiPlotObject* object) {
    // The remembered layout object must not outlive the object.
    if (FLayoutObjectUnderMouse == object) FLayoutObjectUnderMouse = nullptr;
    ObjectPage* page = Page(object->Kind());
    if (!page) return;
    page->List->DeleteObjectIndex(object);
    UpdatePage(page->Kind);
}

void TiPlotEditorForm::ObjectRenamed(TiPlotObject* object) {
    const TiPlotObjectKind kind = object->Kind();
    if (kind != TiPlotObjectKind::XAxis && kind != TiPlotObjectKind::YAxis && kind != TiPlotObjectKind::Channel) return;
    for (auto& page : FPages) {
        for (const TiEditorRow& row : *page->Rows) {
            if (row.Kind != K::Names) continue;
            const QString control = QString::fromLatin1(row.Control);
            auto* combo = Find<TiComponentEditorComboBox>(control);
            if (!combo || combo->AsString() != object->NameOld()) continue;
            FillNames(control);
            combo->SetAsString(object->Name());
        }
        page->List->Invalidate();
    }
}

bool TiPlotEditorForm::SelectObject(TiPlotObject* object) {
    ObjectPage* page = object ? Page(object->Kind()) : nullptr;
    const int index = page ? page->List->IndexOfObject(object) : -1;
    if (index < 0) return false;
    // By the sheet, not its caption, which a translation may have replaced.
    for (int i = 0; i < FPageControl->PageCount(); ++i)
        if (FPageControl->Page(i) == page->Sheet) FPageControl->SetActivePageIndex(i);
    page->List->SetItemIndex(index);
    UpdatePage(page->Kind);
    return true;
}

// ---- Layout page ----

namespace {

// Axes, tables and labels other than the plot's title label may be deleted from the layout.
bool LayoutDeletable(const TiPlotObject& object, const TiPlotLabelManager* labels) {
    switch (object.Kind()) {
    case TiPlotObjectKind::XAxis:
    case TiPlotObjectKind::YAxis:
    case TiPlotObjectKind::Table: return true;
    case TiPlotObjectKind::Label: return !labels || labels->Count() == 0 || labels->Objects().front() != &object;
    default: return false;
    }
}

}  // namespace

void TiPlotEditorForm::BuildLayoutPage() {
    TWinControl* sheet = FPageControl->AddPage(QStringLiteral("LayoutTabSheet"), QStringLiteral("Layout"));
    FLayoutViewer = new TiPlotLayoutViewer(this);
    FLayoutViewer->SetName(QStringLiteral("iPlotLayoutViewer"));
    FLayoutViewer->SetParent(sheet);
    FLayoutViewer->SetBounds(8, 8, sheet->Width() - 16, sheet->Height() - 16);
    FLayoutViewer->SetMaster(FMaster);
    FLayoutViewer->SetLayoutManager(FMaster->LayoutManager());
    FLayoutViewer->SetTranslationManager(FMaster->TranslationManager());
    FLayoutViewer->OnChange = [this](TComponent*) { UpdateAll(); };
    FLayoutViewer->OnMouseDown = [this](TComponent*, TMouseButton, TShiftState, int x, int y) {
        FLayoutObjectUnderMouse = FLayoutViewer->GetMouseOverBlock(x, y);
    };
    // As a context menu does, the popup opens when the right button is released, so the
    // viewer has seen the whole click.
    FLayoutViewer->OnMouseUp = [this](TComponent*, TMouseButton button, TShiftState, int x, int y) {
        if (button != mbRight) return;
        const QPoint at = FLayoutViewer->mapToGlobal(QPoint(x, y));
        FLayoutPopupMenu->Popup(at.x(), at.y());
    };
    FLayoutPopupMenu = std::make_unique<TPopupMenu>();
    FLayoutPopupMenu->OnPopup = [this](TPopupMenu*) { LayoutPopupMenuPopup(); };
    // Each item's change shows at once in the schematic.
    auto add = [this](const char* name, const char* caption, std::function<void()> click) {
        TMenuItem* item = FLayoutPopupMenu->Items().Add(QString::fromLatin1(caption));
        item->Name = QString::fromLatin1(name);
        if (click)
            item->OnClick = [this, click](TMenuItem*) {
                click();
                FLayoutViewer->Layout();
                FLayoutViewer->update();
            };
    };
    add("XYAxesReverseMenuItem", "XY-Axes Reverse", [this] { FMaster->SetXYAxesReverse(!FMaster->XYAxesReverse()); });
    add("N1", "-", nullptr);
    add("AddXAxisMenuItem", "Add X-Axis", [this] { FMaster->AddXAxis(); });
    add("AddYAxisMenuItem", "Add Y-Axis", [this] { FMaster->AddYAxis(); });
    add("AddLabelMenuItem", "Add Label", [this] { FMaster->AddLabel(); });
    add("N2", "-", nullptr);
    add("DeleteMenuItem", "Delete", [this] { DeleteLayoutObject(); });
    add("VisibleMenuItem", "Visible", [this] { ToggleLayoutObjectVisible(); });
    add("EditMenuItem", "Edit", [this] { EditLayoutObject(); });
}

TMenuItem* TiPlotEditorForm::LayoutMenuItem(const QString& name) const {
    TMenuItem& items = FLayoutPopupMenu->Items();
    for (int i = 0; i < items.Count(); ++i)
        if (items.Items(i)->Name == name) return items.Items(i);
    return nullptr;
}

void TiPlotEditorForm::LayoutPopupMenuPopup() {
    TMenuItem* remove = LayoutMenuItem(QStringLiteral("DeleteMenuItem"));
    TMenuItem* visible = LayoutMenuItem(QStringLiteral("VisibleMenuItem"));
    TMenuItem* edit = LayoutMenuItem(QStringLiteral("EditMenuItem"));
    LayoutMenuItem(QStringLiteral("XYAxesReverseMenuItem"))->Checked = FMaster->XYAxesReverse();
    remove->Enabled = visible->Enabled = edit->Enabled = false;
    visible->Checked = false;
    TiPlotObject* object = FLayoutObjectUnderMouse;
    if (!object) return;
    remove->Enabled = LayoutDeletable(*object, FMaster->LabelManager());
    visible->Enabled = object->Kind() != TiPlotObjectKind::DataView;
    visible->Checked = object->Visible();
    edit->Enabled = true;
}

void TiPlotEditorForm::DeleteLayoutObject() {
    TiPlotObject* object = FLayoutObjectUnderMouse;
    if (!object || !LayoutDeletable(*object, FMaster->LabelManager())) return;
    TiPlotObject::Free(object);  // the remove notification forgets it here
    UpdateAll();
}

void TiPlotEditorForm::ToggleLayoutObjectVisible() {
    TiPlotObject* object = FLayoutObjectUnderMouse;
    if (!object || object->Kind() == TiPlotObjectKind::DataView) return;
    object->SetVisible(!object->Visible());
    UpdateAll();
}

void TiPlotEditorForm::EditLayoutObject() {
    TiPlotObject* object = FLayoutObjectUnderMouse;
    if (!object) return;
    switch (object->Kind()) {
    case TiPlotObjectKind::XAxis:
    case TiPlotObjectKind::YAxis:
    case TiPlotObjectKind::Legend:
    case TiPlotObjectKind::ToolBar:
    case TiPlotObjectKind::Label:
    case TiPlotObjectKind::DataView: SelectObject(object); break;
    default: break;
    }
}

// ---- Copy Default ----

void TiPlotEditorForm::BuildCopyDefaultButtons() {
    for (TiPlotObjectKind kind : {TiPlotObjectKind::XAxis, TiPlotObjectKind::YAxis}) {
        const QString prefix = Page(kind)->Prefix;
        for (const char* targetName : {"Cursor", "Legend"}) {
            const QString target = QString::fromLatin1(targetName);
            auto* sheet = Find<TWinControl>(prefix + QStringLiteral("Labels") + target + QStringLiteral("TabSheet"));
            if (!sheet) continue;
            auto* button = new TiComponentEditorButton(this);
            button->SetName(prefix + target + QStringLiteral("CopyDefaultButton"));
            button->SetParent(sheet);
            button->SetCaption(QStringLiteral("Copy Default"));
            // Below the sub-page's rows, at their left edge.
            int bottom = 0;
            for (QObject* child : sheet->children())
                if (auto* w = qobject_cast<QWidget*>(child)) bottom = std::max(bottom, w->geometry().bottom());
            button->SetBounds(8, bottom + 12, 110, 25);
            button->OnClick = [this, kind, target](TComponent*) { CopyDefaultLabelFormat(kind, target); };
        }
    }
}

void TiPlotEditorForm::CopyDefaultLabelFormat(TiPlotObjectKind axis, const QString& target) {
    ObjectPage* page = Page(axis);
    if (!page) return;
    // A (Default) control by its name less the page prefix, and its namesake on the target.
    auto source = [&](const char* suffix) { return page->Prefix + QString::fromLatin1(suffix); };
    auto destination = [&](const char* suffix) { return page->Prefix + target + QString::fromLatin1(suffix); };
    using Combo = TiComponentEditorComboBox;
    using Edit = TiComponentEditorEdit;
    struct Copy {
        const char* from;
        const char* to;
    };
    for (const Copy& c : {Copy{"LabelFormatStyleComboBox", "FormatStyleComboBox"},
                          Copy{"LabelPrecisionStyleComboBox", "PrecisionStyleComboBox"}})
        if (auto *from = Find<Combo>(source(c.from)), *to = Find<Combo>(destination(c.to)); from && to)
            to->SetAsInteger(from->AsInteger());
    if (auto *from = Find<Combo>(source("DateTimeFormatComboBox")), *to = Find<Combo>(destination("DateTimeFormatComboBox"));
        from && to)
        to->SetAsString(from->AsString());
    for (const Copy& c : {Copy{"LabelPrecisionEdit", "PrecisionEdit"}, Copy{"LabelMinLengthEdit", "MinLengthEdit"}})
        if (auto *from = Find<Edit>(source(c.from)), *to = Find<Edit>(destination(c.to)); from && to)
            to->SetAsString(from->AsString());
    using Check = TiComponentEditorCheckBox;
    if (auto *from = Find<Check>(source("LabelMinLengthAutoAdjustCheckBox")),
        *to = Find<Check>(destination("MinLengthAutoAdjustCheckBox"));
        from && to)
        to->SetAsBoolean(from->AsBoolean());
    PageChange(axis);
}

std::vector<TiComponentEditorPageControl*> TiPlotEditorForm::RememberedPageControls() const {
    auto sub = [this](TiPlotObjectKind kind) {
        ObjectPage* p = const_cast<TiPlotEditorForm*>(this)->Page(kind);
        return p ? p->SubPages : nullptr;
    };
    return {FPageControl,
            FControlPages,
            sub(TiPlotObjectKind::Channel),
            sub(TiPlotObjectKind::XAxis),
            Find<TiComponentEditorPageControl>(QStringLiteral("XAxisLabelsPageControl")),
            sub(TiPlotObjectKind::YAxis),
            Find<TiComponentEditorPageControl>(QStringLiteral("YAxisLabelsPageControl")),
            sub(TiPlotObjectKind::DataCursor),
            sub(TiPlotObjectKind::Limit),
            sub(TiPlotObjectKind::Label),
            sub(TiPlotObjectKind::Legend),
            sub(TiPlotObjectKind::Table),
            sub(TiPlotObjectKind::DataView),
            Find<TiComponentEditorPageControl>(QStringLiteral("DataViewGridLinesCustomPageControl"))};
}

bool TiPlotEditorForm::event(QEvent* event) {
    // A stay-on-top editor shows what changed in the plot while it was inactive.
    if (event->type() == QEvent::WindowActivate && (windowFlags() & Qt::WindowStaysOnTopHint) && !FClosing) UpdateAll();
    return TiCustomEditorForm::event(event);
}
