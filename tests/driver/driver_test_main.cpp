#include "helper_process.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    int exitCode = 0;
    if (helper::RunRole(&exitCode))
        return exitCode;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
