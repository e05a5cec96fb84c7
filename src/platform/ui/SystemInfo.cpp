#include "ui/SystemInfo.h"

#include <QApplication>
#include <QStandardPaths>

TOsVersion OsVersion() { return TOsVersion{}; }

bool ThemesEnabled() { return false; }

int ScreenColorCount() { return -1; }

int VerticalScrollBarWidth() { return 17; }

int WheelScrollLines() { return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::wheelScrollLines() : 3; }

void MessageBeep() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

QString DesktopColorSchemeName() { return QString(); }

QString SpecialFolderPath(TSpecialFolderKind kind) {
    QStandardPaths::StandardLocation location = QStandardPaths::GenericConfigLocation;
    switch (kind) {
    case TSpecialFolderKind::UserAppDataRoaming: location = QStandardPaths::GenericConfigLocation; break;
    case TSpecialFolderKind::UserAppDataLocal: location = QStandardPaths::GenericDataLocation; break;
    case TSpecialFolderKind::UserDocuments: location = QStandardPaths::DocumentsLocation; break;
    case TSpecialFolderKind::ProgramData: location = QStandardPaths::GenericDataLocation; break;
    }
    const QString path = QStandardPaths::writableLocation(location);
    return path.isEmpty() ? path : path + QLatin1Char('/');
}
