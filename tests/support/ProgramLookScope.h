#pragma once
// The program's own look (as the program applies it at start) for the life of one object; the
// toolkit's defaults come back after it, so other tests draw as before.
#include "ui/ProgramLook.h"

#include <QApplication>
#include <QStyle>

class ProgramLookScope {
public:
    ProgramLookScope() : styleName(QApplication::style()->name()) { ProgramLook::Apply(*qApp); }
    ~ProgramLookScope() {
        QApplication::setStyle(styleName);
        QApplication::setPalette(QApplication::style()->standardPalette());
        for (QObject* child : qApp->children())
            if (child->objectName() == QLatin1String("ProgramLookNoFieldMenu")) delete child;
    }
    ProgramLookScope(const ProgramLookScope&) = delete;
    ProgramLookScope& operator=(const ProgramLookScope&) = delete;

private:
    QString styleName;
};
