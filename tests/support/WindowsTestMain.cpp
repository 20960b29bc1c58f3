// The test programs' main on Windows: the QT_* variables Wine kept from them come first.

#include <gtest/gtest.h>

#include "base/WineQt.h"

int main(int argc, char** argv)
{
    feld::TakeQtVariablesFromWine();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
