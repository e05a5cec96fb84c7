#pragma once
// A theme category's schemes (lines of a property path, " = " and a value per scheme); the
// class tells whether they came from the user's scheme file or from the standard one.
#include <QStringList>

class TiUserSchemeList : public QStringList {};
class TiLibrarySchemeList : public QStringList {};
