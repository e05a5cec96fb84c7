// Colour themes: scheme files named after the control's class, in the library's theme
// folder and the user's, each listing categories of named schemes whose lines set property
// paths to values.
#include "core/iVCLComponent.h"

#include "core/iMemoryStream.h"
#include "core/iPublishedClass.h"
#include "registry/TRegistry.h"
#include "rtl/Exception.h"

#include <QFile>

namespace {

const QString kThemesKey = QStringLiteral("Software\\Plot Library\\Themes");
const QString kLibraryValue = QStringLiteral("Theme Path");
const QString kUserValue = QStringLiteral("User Defined Theme Path");

Exception Malformed() { return Exception(QStringLiteral("Error Loading Scheme. XML File Malformed")); }

QString WithSlash(QString folder) {
    folder = folder.trimmed();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    return folder;
}

void RegistryThemePaths(QString& library, QString& user) {
    library.clear();
    user.clear();
    for (TRootKey root : {TRootKey::LocalMachine, TRootKey::CurrentUser}) {
        TRegistry registry(KEY_READ);
        registry.SetRootKey(root);
        if (!registry.OpenKeyReadOnly(kThemesKey)) continue;
        for (auto [name, target] : {std::pair{kLibraryValue, &library}, std::pair{kUserValue, &user}}) {
            const QString v = registry.ValueExists(name) ? registry.ReadString(name).trimmed() : QString();
            if (!v.isEmpty()) *target = v;
        }
        registry.CloseKey();
    }
    library = WithSlash(library);
    user = WithSlash(user);
}

// The next piece, which must be the closing tag of `name`.
void ExpectClose(TiXMLMemoryStream& xml, const QString& name) {
    if (xml.GetNextPiece() != QLatin1Char('/') + name) throw Malformed();
}

// The text of the element whose opening tag was just read (empty when it closes at once).
QString ElementText(TiXMLMemoryStream& xml, const QString& name) {
    QString text;
    if (!xml.PeekNextPiece().startsWith(QLatin1Char('/'))) text = xml.GetNextPiece();
    ExpectClose(xml, name);
    return text;
}

}  // namespace

void TiVCLComponent::SetPropertyByPath(TiPersistent& object, const QString& prefix, const QString& value,
                                       const QString& path) {
    for (const TiPublishedProperty* p : object.PublishedClass().Properties()) {
        if (!p->Writable()) continue;
        const QString name = prefix.trimmed().isEmpty() ? p->Name : prefix + QLatin1Char('.') + p->Name;
        if (p->Kind == tkClass) {
            if (auto* sub = std::get<TiPersistent*>(p->Get(object))) SetPropertyByPath(*sub, name, value, path);
            continue;
        }
        if (name.compare(path, Qt::CaseInsensitive) != 0) continue;
        bool ok = true;
        switch (p->Kind) {
        case tkEnumeration: {
            QString text = value;
            if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) text = QStringLiteral("1");
            if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) text = QStringLiteral("0");
            if (p->Boolean && text != QLatin1String("0")) text = QStringLiteral("1");
            p->Set(object, std::int64_t(text.trimmed().toLongLong(&ok)));
            break;
        }
        case tkInteger: case tkChar: case tkSet:
            p->Set(object, std::int64_t(value.trimmed().toLongLong(&ok)));
            break;
        case tkFloat:
            p->Set(object, value.trimmed().toDouble(&ok));
            break;
        default:
            p->Set(object, value);
            break;
        }
        if (!ok) throw Exception(QStringLiteral("'%1' is not a valid value for %2").arg(value, name));
    }
}

void TiVCLComponent::LoadThemes() {
    FThemeCategories.clear();
    QString library, user;
    if (GetThemePaths)
        GetThemePaths(library, user);
    else
        RegistryThemePaths(library, user);
    const QString cls = PublishedClass().ClassName();
    if (!library.isEmpty()) LoadThemeFile(library + cls + QStringLiteral(".xml"), false);
    if (!user.isEmpty()) LoadThemeFile(user + cls + QStringLiteral("User.xml"), true);
}

void TiVCLComponent::LoadThemeFile(const QString& fileName, bool user) {
    QFile file(fileName);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
    TiXMLMemoryStream xml;
    // The stream never returns its last byte: a line end after the file keeps a final ">"
    // readable when the file has no line end of its own.
    xml.SetData(file.readAll() + "\r\n");
    xml.SetPosition(0);
    try {
        if (xml.GetNextPiece() != QLatin1String("SchemeTypes")) throw Malformed();
        for (QString piece = xml.GetNextPiece(); piece != QLatin1String("/SchemeTypes"); piece = xml.GetNextPiece()) {
            if (piece != QLatin1String("SchemeType") || xml.GetNextPiece() != QLatin1String("Name")) throw Malformed();
            const QString categoryName = ElementText(xml, QStringLiteral("Name"));
            auto category = std::find_if(FThemeCategories.begin(), FThemeCategories.end(),
                                         [&](const ThemeCategory& c) { return c.name == categoryName; });
            if (category == FThemeCategories.end()) {
                FThemeCategories.push_back({categoryName, {}});
                category = FThemeCategories.end() - 1;
            }
            for (QString s = xml.GetNextPiece(); s != QLatin1String("/SchemeType"); s = xml.GetNextPiece()) {
                if (s != QLatin1String("Scheme") || xml.GetNextPiece() != QLatin1String("Name")) throw Malformed();
                Scheme scheme{ElementText(xml, QStringLiteral("Name")), {}, user};
                if (xml.GetNextPiece() != QLatin1String("Properties")) throw Malformed();
                for (QString p = xml.GetNextPiece(); p != QLatin1String("/Properties"); p = xml.GetNextPiece()) {
                    if (p.startsWith(QLatin1Char('/'))) throw Malformed();
                    scheme.lines << p + QStringLiteral(" = ") + ElementText(xml, p);
                }
                ExpectClose(xml, QStringLiteral("Scheme"));
                category->schemes.push_back(std::move(scheme));
            }
        }
    } catch (const Exception& e) {
        // A file that ends early is malformed too.
        if (e.Message() == QLatin1String("Error Loading Scheme. XML File Malformed")) throw;
        throw Malformed();
    }
}

QString TiVCLComponent::GetThemeCategoryName(int categoryIndex) const {
    return FThemeCategories.at(std::size_t(categoryIndex)).name;
}

int TiVCLComponent::GetThemeCategorySchemeCount(int categoryIndex) const {
    return int(FThemeCategories.at(std::size_t(categoryIndex)).schemes.size());
}

const TiVCLComponent::Scheme& TiVCLComponent::SchemeAt(int categoryIndex, int schemeIndex) const {
    return FThemeCategories.at(std::size_t(categoryIndex)).schemes.at(std::size_t(schemeIndex));
}

QString TiVCLComponent::GetThemeCategorySchemeName(int categoryIndex, int schemeIndex) const {
    return SchemeAt(categoryIndex, schemeIndex).name;
}

bool TiVCLComponent::GetThemeCategorySchemeIsUser(int categoryIndex, int schemeIndex) const {
    return SchemeAt(categoryIndex, schemeIndex).user;
}

void TiVCLComponent::ApplyScheme(int categoryIndex, int schemeIndex) {
    for (const QString& line : SchemeAt(categoryIndex, schemeIndex).lines) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString name = line.left(eq).trimmed();
        if (name.isEmpty()) continue;
        // The value starts at the second character after "=" (after the blank of " = ").
        SetPropertyByPath(*this, QString(), line.mid(eq + 2), name);
    }
}
