// The tables that a simulator reads from Cabinhook when it loads it.
#include <gtest/gtest.h>

#include "cabinhook/module_interface.h"
#include "platform/dynamic_library.h"

namespace {

TEST(CabinhookExportsTest, TablesHoldTheValuesTheSimulatorExpects) {
    platform::DynamicLibrary module;
    ASSERT_EQ(module.Load("Cabinhook.dll"), platform::DynamicLibrary::LoadResult::Loaded) << module.error();
    const auto* linkage = static_cast<const ModuleLinkage*>(module.Symbol(cabinhook::kLinkageSymbol));
    const auto* imports = static_cast<const ModuleImport*>(module.Symbol(cabinhook::kImportTableSymbol));
    ASSERT_NE(linkage, nullptr);
    ASSERT_NE(imports, nullptr);
    EXPECT_EQ(linkage->moduleId, 21007u);
    EXPECT_NE(linkage->initHook, nullptr);
    EXPECT_EQ(linkage->initHook, linkage->deinitHook);
    for (std::uint32_t word : linkage->reserved) EXPECT_EQ(word, 0u);
    const std::uint32_t ids[cabinhook::kImportCount] = {1, 2};
    for (int index = 0; index < cabinhook::kImportCount; ++index) {
        EXPECT_EQ(imports[index].id, ids[index]) << index;
        EXPECT_EQ(imports[index].pointer, nullptr) << index;  // until the host fills it
    }
    EXPECT_NE(module.Symbol(cabinhook::kAttachSymbol), nullptr);
    EXPECT_NE(module.Symbol(cabinhook::kDetachSymbol), nullptr);
}

}  // namespace
