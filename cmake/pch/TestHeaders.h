// The precompiled header of the test executables: the libraries' one, GoogleTest and Qt Test.
#include "LibraryHeaders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
