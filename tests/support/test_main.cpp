#include <gtest/gtest.h>

#include <cstring>

#include "base/util/library_options.h"
#include "tests/support/child_process.h"

// A test program started with "--run-child=NAME" runs that registered child
// routine instead of the tests (see child_process.h).
int main(int argc, char** argv)
{
    // The library's own form; a test of a program's choices hands over that
    // program's table instead.
    SetLibraryOptions(kStandardLibraryOptions);
    static const char kChildFlag[] = "--run-child=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kChildFlag, sizeof(kChildFlag) - 1) == 0)
            return RunRegisteredChild(argv[i] + sizeof(kChildFlag) - 1);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
