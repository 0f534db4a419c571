// Libraries loaded by name at their first use: a missing library or function is named
// each time it is asked for, and a found function stays bound.
#include "generation/bound_function.h"

#include <gtest/gtest.h>

#include "generation/install_step.h"
#include "platform/message_box.h"

namespace trevalo {
namespace {

TEST(BoundFunction, MissingLibraryOrFunctionIsNamedEachTime) {
    const struct {
        const char* library;
        const char* function;
        const char* message;
    } cases[] = {
        {"Textorin2.dll", "CreateTxt", "A Dll, 'Textorin2.dll', is missing \nThe system cannot continue without it"},
        {"Icarune.dll", "LoadNothing",
         "A function in Icarune.dll, is missing \nMake sure you ahve the lattest files available\n"
         "The system cannot continue without it"},
    };
    for (const auto& test : cases) {
        platform::MessageBoxRecorder boxes;
        BoundFunction<LoadRegFunction> function(test.library, test.function);
        EXPECT_EQ(function.Get(), nullptr);
        EXPECT_EQ(function.Get(), nullptr);
        ASSERT_EQ(boxes.shown().size(), 2u) << test.library;
        EXPECT_EQ(boxes.shown()[0].text, test.message);
        EXPECT_EQ(boxes.shown()[0].caption, kMissingDllCaption);
    }
    platform::MessageBoxRecorder boxes;
    BoundFunction<LoadRegFunction> loadReg("Icarune.dll", "LoadReg");
    EXPECT_NE(loadReg.Get(), nullptr);
    EXPECT_EQ(loadReg.Get(), loadReg.Get());
    EXPECT_TRUE(loadReg.IsLoaded());
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace trevalo
