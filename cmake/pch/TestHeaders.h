// The precompiled header of the test executables: the libraries' one and GoogleTest. Not the
// application classes, nor Qt Test (which brings them with the GUI): they redefine qApp, which
// the tests that run on a QCoreApplication use as it is.
#include "LibraryHeaders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
