// The library entry: what attach, detach and the thread calls do.
#include <gtest/gtest.h>

#include "entry/LibraryEntry.h"
#include "entry/PluginState.h"
#include "platform/TModule.h"

namespace {

InstanceHandle SomeInstance() { return DefaultModuleInstance(); }

class LibraryEntryTest : public ::testing::Test {
protected:
    void TearDown() override {
        ReleasePluginObjects();
        PluginInstance = nullptr;
    }
};

TEST_F(LibraryEntryTest, AttachMakesTheModuleObjectForTheInstance) {
    EXPECT_EQ(LibraryEntry(SomeInstance(), kProcessAttach, nullptr), 1);

    EXPECT_EQ(PluginInstance, SomeInstance());
    ASSERT_NE(PluginModule, nullptr);
    EXPECT_EQ(PluginModule->GetName(), "dravik.exe");
    EXPECT_EQ(PluginModule->GetInstance(), SomeInstance());
}

TEST_F(LibraryEntryTest, AttachWithANullInstanceKeepsItAndMakesNoModuleObject) {
    PluginInstance = SomeInstance();

    EXPECT_EQ(LibraryEntry(nullptr, kProcessAttach, nullptr), 1);

    EXPECT_EQ(PluginInstance, nullptr);
    EXPECT_EQ(PluginModule, nullptr);
}

class ThreadCallTest : public LibraryEntryTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(ThreadCallTest, ChangesNothing) {
    LibraryEntry(SomeInstance(), kProcessAttach, nullptr);
    TModule* const module = PluginModule;

    EXPECT_EQ(LibraryEntry(nullptr, GetParam(), nullptr), 1);

    EXPECT_EQ(PluginModule, module);
    EXPECT_EQ(PluginInstance, SomeInstance());
}

INSTANTIATE_TEST_SUITE_P(Reasons, ThreadCallTest, ::testing::Values(kThreadAttach, kThreadDetach, 4u, 0xFFFFFFFFu));

TEST_F(LibraryEntryTest, DetachReleasesAModuleObjectNoRunReleased) {
    LibraryEntry(SomeInstance(), kProcessAttach, nullptr);

    EXPECT_EQ(LibraryEntry(SomeInstance(), kProcessDetach, nullptr), 1);

    EXPECT_EQ(PluginModule, nullptr);
    EXPECT_EQ(PluginInstance, SomeInstance());
    EXPECT_EQ(LibraryEntry(SomeInstance(), kProcessDetach, nullptr), 1) << "a second detach finds nothing to do";
}

}  // namespace
