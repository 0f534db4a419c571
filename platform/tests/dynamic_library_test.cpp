#include "platform/dynamic_library.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace platform {
namespace {

TEST(DynamicLibraryTest, LoadsByWindowsNameAndFindsFunction) {
    for (const char* name :
         {"PlatformTestPlugin.dll", "platformtestplugin.DLL", "C:\\Quillet\\PlatformTestPlugin.dll"}) {
        DynamicLibrary library;
        ASSERT_EQ(library.Load(name), DynamicLibrary::LoadResult::Loaded) << name;
        auto* answer = library.Function<int()>("PlatformTestPluginAnswer");
        ASSERT_NE(answer, nullptr);
        EXPECT_EQ(answer(), 42);
        EXPECT_EQ(library.Function<int()>("NoSuchFunction"), nullptr);
    }
}

TEST(DynamicLibraryTest, TellsMissingLibraryFromMissingFunction) {
    DynamicLibrary library;
    EXPECT_EQ(library.Load("NoSuchLibrary.dll"), DynamicLibrary::LoadResult::Missing);
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.Symbol("PlatformTestPluginAnswer"), nullptr);
}

TEST(DynamicLibraryTest, SearchesLibraryPathAndReportsUnloadableFiles) {
    testing::TempEnvironment env;
    env.writeFile("libs/libBroken.so", "not a library");
    ::setenv("QUILLET_LIBRARY_PATH", ("/nonexistent:" + (env.root() / "libs").string()).c_str(), 1);
    EXPECT_EQ(DynamicLibrary::Locate("BROKEN.dll"), env.root() / "libs/libBroken.so");
    DynamicLibrary library;
    EXPECT_EQ(library.Load("Broken.dll"), DynamicLibrary::LoadResult::Unloadable);
    EXPECT_FALSE(library.error().empty());
    ::unsetenv("QUILLET_LIBRARY_PATH");
    EXPECT_EQ(library.Load("Broken.dll"), DynamicLibrary::LoadResult::Missing);
}

}  // namespace
}  // namespace platform
