// Extension module records and the framework's resource chain.
#include "platform/host/ExtensionModule.h"

#include <gtest/gtest.h>

namespace {

HINSTANCE fakeInstance(char& anchor) {
    return reinterpret_cast<HINSTANCE>(&anchor);
}

TEST(ExtensionModule, LibrariesJoinTheChainUntilTheModuleIsTerminated) {
    char a = 0, b = 0;
    AFX_EXTENSION_MODULE first, second;
    ASSERT_TRUE(AfxInitExtensionModule(first, fakeInstance(a)));
    ASSERT_TRUE(AfxInitExtensionModule(second, fakeInstance(b)));
    EXPECT_FALSE(AfxInitExtensionModule(first, fakeInstance(b))) << "initialised already";
    EXPECT_EQ(first.hResource, fakeInstance(a));

    new CDynLinkLibrary(first);
    new CDynLinkLibrary(second);
    EXPECT_EQ(host::resourceChain(), (std::vector<HINSTANCE>{fakeInstance(b), fakeInstance(a)}));

    AfxTermExtensionModule(first);
    EXPECT_FALSE(first.bInitialized);
    EXPECT_EQ(host::resourceChain(), (std::vector<HINSTANCE>{fakeInstance(b)}));
    AfxTermExtensionModule(second);
    EXPECT_TRUE(host::resourceChain().empty());
    AfxTermExtensionModule(second);  // a second termination does nothing
}

TEST(ExtensionModule, ANullInstanceCannotBeAModule) {
    AFX_EXTENSION_MODULE module;
    EXPECT_FALSE(AfxInitExtensionModule(module, nullptr));
    EXPECT_FALSE(module.bInitialized);
}

}  // namespace
