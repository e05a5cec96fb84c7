// The precompiled header of the libraries: the standard and Qt headers nearly every file
// includes (see q7k_use_pch in Q7kHelpers.cmake).
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QWidget>
