#include "editor/iCommonDialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QWidget>

namespace {

TiDialogRunner& Runner() {
    static TiDialogRunner runner;
    return runner;
}

// The window a file dialog belongs to: the owner's top-level window; none without an owner.
QWidget* OwnerWindow(QWidget* owner) { return owner ? owner->window() : nullptr; }

}  // namespace

void SetDialogRunner(TiDialogRunner runner) { Runner() = std::move(runner); }

int RunDialog(QDialog& dialog) { return Runner() ? Runner()(dialog) : dialog.exec(); }

bool TiColorDialog::Execute() {
    QColorDialog dialog(ToQColor(ColorToRGB(FColor)), FOwner);
    // Custom colours are not remembered between picks.
    for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    const QColor c = dialog.selectedColor();
    FColor = TColor(c.red() | (c.green() << 8) | (c.blue() << 16));
    return true;
}

bool TiFontDialog::Execute() {
    QFont initial = FFont.ToQFont();
    initial.setFamily(FFont.Name());
    QFontDialog dialog(initial, FOwner);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    const QFont f = dialog.selectedFont();
    FFont.SetName(f.family());
    if (f.pointSize() > 0) FFont.SetSize(f.pointSize());
    else if (f.pixelSize() > 0) FFont.SetHeight(-f.pixelSize());
    TFontStyles style = 0;
    if (f.weight() > QFont::Normal) style |= fsBold;
    if (f.italic()) style |= fsItalic;
    if (f.underline()) style |= fsUnderline;
    if (f.strikeOut()) style |= fsStrikeOut;
    FFont.SetStyle(style);
    return true;
}

QStringList FilterNames(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i + 1 < parts.size(); i += 2) names << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return names;
}

QStringList FilterPatterns(const QString& filter) {
    QStringList patterns;
    for (const QString& part : filter.split(QLatin1Char('|')))
        if (part.startsWith(QLatin1Char('*'))) patterns << part;
    return patterns;
}

namespace {

// A file dialog set up as the wrappers share it; the selected name filter index is 1-based.
void Prepare(QFileDialog& dialog, const QString& fileName, const QString& filter, int filterIndex,
             const QString& defaultExt, const QString& defaultDir) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(defaultDir.isEmpty() ? QStringLiteral(".") : defaultDir);
    const QStringList names = FilterNames(filter);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        if (filterIndex >= 1 && filterIndex <= names.size()) dialog.selectNameFilter(names[filterIndex - 1]);
    }
    dialog.setDefaultSuffix(defaultExt);
    if (!fileName.isEmpty()) dialog.selectFile(fileName.left(260));
}

}  // namespace

bool TiOpenDialog::Execute() {
    Files.clear();
    QWidget* window = OwnerWindow(FOwner);
    if (!window) return false;
    QFileDialog dialog(window);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(AllowMultiSelect ? QFileDialog::ExistingFiles
                                        : (FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    Prepare(dialog, FileName, Filter, 1, DefaultExt, DefaultDir);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    Files = dialog.selectedFiles();
    if (Files.isEmpty()) return false;
    FileName = Files.first();
    return true;
}

bool TiSaveDialog::Execute() {
    QWidget* window = OwnerWindow(FOwner);
    if (!window) return false;
    QFileDialog dialog(window);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    Prepare(dialog, FileName, Filter, FilterIndex, DefaultExt, DefaultDir);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    Accept(chosen.first(), int(FilterNames(Filter).indexOf(dialog.selectedNameFilter())) + 1);
    return true;
}

void TiSaveDialog::Accept(const QString& fileName, int filterIndex) {
    FileName = fileName;
    FilterIndex = filterIndex;
    const QStringList patterns = FilterPatterns(Filter);
    FReturnExt.clear();
    // Only a filter index the pattern list holds names a pattern (0 or a negative index
    // would read before the list).
    if (filterIndex >= 1 && filterIndex <= patterns.size()) FReturnExt = patterns[filterIndex - 1].mid(1);
    if (FReturnExt.isEmpty() || FReturnExt == QStringLiteral(".*")) return;
    const int dot = FileName.lastIndexOf(QLatin1Char('.'));
    const int slash = FileName.lastIndexOf(QLatin1Char('/'));
    const QString ext = dot > slash ? FileName.mid(dot) : QString();
    if (ext.isEmpty() || QStringLiteral("*").append(ext).compare(patterns[filterIndex - 1], Qt::CaseInsensitive) != 0)
        FileName += FReturnExt;
}
