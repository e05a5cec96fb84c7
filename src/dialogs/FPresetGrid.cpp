#include "FPresetGrid.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "FStoreName.h"
#include "RzBmpBtn.h"
#include "text/AnsiCodec.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

TfmRecallPreset* fmRecallPreset = nullptr;
TfmStorePreset* fmStorePreset = nullptr;

namespace {
constexpr int kUserPresets = 30;
constexpr char kDefaultName[] = "Default Preset";
constexpr int kGridLeft = 21, kGridTop = 44, kGridWidth = 217, kGridHeight = 212;
}  // namespace

TPresetGridForm::TPresetGridForm(TComponent* owner, const QString& name, bool withFactory, int height)
    : TForm(owner) {
    using namespace DialogLook;
    SetName(name);
    SetFrame(*this, 260, height, 0);
    imWorkStatusBase = AddBackground(*this);
    imWorkStatusBase->SetName(QStringLiteral("imWorkStatusBase"));
    lPresetSelect = new TLabel(this);
    lPresetSelect->SetName(QStringLiteral("lPresetSelect"));
    lPresetSelect->SetParent(this);
    lPresetSelect->SetTransparent(true);
    lPresetSelect->SetAutoSize(false);
    lPresetSelect->SetAlignment(taCenter);
    lPresetSelect->SetLayout(tlCenter);
    lPresetSelect->SetFont(DialogLook::Font(11, kText, true));
    lPresetSelect->SetBounds(10, 12, 240, 22);

    Name blank{};
    const std::string def = AnsiCodec::Padded(QString::fromLatin1(kDefaultName), kNameSize, ' ');
    std::copy_n(def.begin(), kNameSize, blank.begin());
    if (withFactory) FRows.push_back({QStringLiteral("F00"), blank});
    for (int n = 1; n <= kUserPresets; ++n) FRows.push_back({QStringLiteral("U%1").arg(n, 2, 10, QLatin1Char('0')), blank});

    vledPresetName = new QTableWidget(int(FRows.size()), 2, this);
    vledPresetName->setObjectName(QStringLiteral("vledPresetName"));
    vledPresetName->setGeometry(kGridLeft, kGridTop, kGridWidth, kGridHeight);
    vledPresetName->verticalHeader()->hide();
    vledPresetName->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    vledPresetName->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vledPresetName->setSelectionBehavior(QAbstractItemView::SelectRows);
    vledPresetName->setSelectionMode(QAbstractItemView::SingleSelection);
    vledPresetName->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vledPresetName->setFocusPolicy(Qt::NoFocus);
    vledPresetName->setShowGrid(true);
    vledPresetName->verticalHeader()->setDefaultSectionSize(18);
    vledPresetName->horizontalHeader()->setStretchLastSection(true);
    vledPresetName->setColumnWidth(0, 70);
    vledPresetName->setStyleSheet(QStringLiteral(
        "QTableWidget { background: #f4f5f7; color: #15181c; gridline-color: #c3c8cf; font: 9pt 'Tahoma'; }"
        "QTableWidget::item:selected { background: #3d8fd6; color: white; }"
        "QHeaderView::section { background: #d8d8d8; color: #15181c; border: 1px solid #b0b5bc; font: bold 9pt 'Tahoma'; }"));
    for (int r = 0; r < RowCount(); ++r) Render(r);
    QObject::connect(vledPresetName, &QTableWidget::cellClicked, this,
                     [this](int row, int) { vledPresetNameSelectCell(row + 1); });

    bnCancel = AddButton(*this, imWorkStatusBase->Picture().Image(), QStringLiteral("bnCancel"),
                         QRect(87, height - 46, 86, 30));
    bnCancel->OnClick = [this](TComponent* s) { bnCancelClick(s); };
    SetDialogButtons(nullptr, bnCancel);
}

QString TPresetGridForm::DisplayName(const Name& name) {
    Name shown = name;
    for (std::uint8_t& c : shown)
        if (c < 0x20) c = ' ';
    return AnsiCodec::ToUnicode(shown.data(), shown.size());
}

QString TPresetGridForm::RowText(int row) const {
    const Row& r = GetRow(row);
    return QStringLiteral("     ") + r.label + QStringLiteral("=  ") + DisplayName(r.name);
}

void TPresetGridForm::Render(int row) {
    const Row& r = FRows[std::size_t(row)];
    const auto cell = [this, row](int column, const QString& text) {
        QTableWidgetItem* item = vledPresetName->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            vledPresetName->setItem(row, column, item);
        }
        item->setText(text);
    };
    cell(0, r.label);
    cell(1, DisplayName(r.name));
}

void TPresetGridForm::SetPresetRow(int row, const Name& name) {
    if (row < 0 || row >= RowCount()) return;
    FRows[std::size_t(row)].name = name;
    Render(row);
}

void TPresetGridForm::SetPresetRow(int row, const QString& name) {
    const std::string bytes = AnsiCodec::Padded(name, kNameSize, ' ');
    Name n{};
    std::copy_n(bytes.begin(), kNameSize, n.begin());
    SetPresetRow(row, n);
}

void TPresetGridForm::ShowTitles(const char* captionKey) {
    DialogHost* host = MainHost();
    const QString caption = host->LangText(QLatin1String(captionKey));
    SetCaption(caption);
    lPresetSelect->SetCaption(caption);
    bnCancel->SetCaption(host->LangText(QStringLiteral("SID_CANCEL")));
    vledPresetName->setHorizontalHeaderLabels(
        {host->LangText(QStringLiteral("SID_PST_NUM")), host->LangText(QStringLiteral("SID_PST_NAME"))});
    DialogLook::Centre(*this);
}

void TPresetGridForm::vledPresetNameSelectCell(int r) {
    if (r < 1 || r > RowCount()) return;
    vledPresetName->selectRow(r - 1);
    fmStoreName->SetNameText(DisplayName(GetRow(r - 1).name));
    OpenNameDialog(r);
    fmStoreName->Show();
    fmStoreName->raise();
    fmStoreName->FormActivate();
}

void TPresetGridForm::bnCancelClick(TComponent*) {
    vledPresetName->setFocus();
    Close();
}

TfmRecallPreset::TfmRecallPreset(TComponent* owner)
    : TPresetGridForm(owner, QStringLiteral("fmRecallPreset"), true, 316) {
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmRecallPreset::FormShow(TComponent*) { ShowTitles("SID_RECALL_PRESET"); }

void TfmRecallPreset::OpenNameDialog(int r) {
    const int slot = r - 1;  // 0: the factory preset
    fmStoreName->lTitle->SetCaption(GetRow(slot).label + QStringLiteral(" : "));
    fmStoreName->SetSlot(slot);
    fmStoreName->SetMode(0);
}

TfmStorePreset::TfmStorePreset(TComponent* owner)
    : TPresetGridForm(owner, QStringLiteral("fmStorePreset"), false, 319) {
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmStorePreset::FormShow(TComponent*) { ShowTitles("SID_SAVE_PRESET"); }

void TfmStorePreset::OpenNameDialog(int r) {
    const int slot = r - 1;  // 0: U01
    fmStoreName->lTitle->SetCaption(GetRow(slot).label + QStringLiteral(" : "));
    fmStoreName->SetSlot(slot);
    fmStoreName->SetMode(1);
}
