// Run-time loading of the HID library: the module functions, the use-counted discovery
// part, and the all-or-nothing rule.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Hid.h"
#include "ModuleLoader.h"
#include "SetupApi.h"

namespace {

class ScopedLibrary {
 public:
  explicit ScopedLibrary(const char* file) { ::setenv("Q7K_HID_LIBRARY", file, 1); }
  ~ScopedLibrary() { ::setenv("Q7K_HID_LIBRARY", SIMHID_FILE, 1); }
};

class RecordingLoader : public TModuleLoader {
 public:
  using TModuleLoader::TModuleLoader;
  void Error(uint32_t code) override { errors.push_back(code); }
  std::vector<uint32_t> errors;
};

}  // namespace

TEST(ModuleLoader, LoadsOnlyIntoAnEmptyHandleAndCollectsMissingSymbols) {
  TModuleHandle module = nullptr;
  ASSERT_TRUE(LoadModule(module, SIMHID_FILE));
  TModuleHandle kept = module;
  EXPECT_TRUE(LoadModule(module, "/nonexistent/lib.so"));  // handle set: nothing loaded
  EXPECT_EQ(module, kept);

  bool allFound = true;
  EXPECT_NE(GetModuleSymbolEx(module, "q7k_hid_open", allFound), nullptr);
  EXPECT_TRUE(allFound);
  EXPECT_EQ(GetModuleSymbolEx(module, "no_such_entry", allFound), nullptr);
  EXPECT_FALSE(allFound);
  EXPECT_NE(GetModuleSymbolEx(module, "q7k_hid_close", allFound), nullptr);
  EXPECT_FALSE(allFound) << "a later hit must not clear the flag";

  UnloadModule(module);
  EXPECT_EQ(module, nullptr);
  EXPECT_EQ(GetModuleSymbol(module, "q7k_hid_open"), nullptr);
}

TEST(ModuleLoader, LoaderObjectReportsMissingEntriesThroughItsHook) {
  RecordingLoader missing("/nonexistent/lib.so");
  EXPECT_FALSE(missing.Loaded());
  void* proc = reinterpret_cast<void*>(1);
  EXPECT_FALSE(missing.GetProcedure("q7k_hid_open", proc));
  EXPECT_EQ(proc, nullptr);
  ASSERT_FALSE(missing.errors.empty());
  EXPECT_EQ(missing.errors.back(), TModuleLoader::kElementNotFound);

  RecordingLoader present(SIMHID_FILE);
  ASSERT_TRUE(present.Loaded());
  void* open = nullptr;
  EXPECT_TRUE(present.GetProcedure("q7k_hid_open", open));
  EXPECT_NE(open, nullptr);
  EXPECT_TRUE(present.errors.empty());
  EXPECT_TRUE(TModuleLoader::IsAvaliable(SIMHID_FILE, "q7k_hid_read"));
  EXPECT_FALSE(TModuleLoader::IsAvaliable(SIMHID_FILE, "no_such_entry"));
  EXPECT_FALSE(TModuleLoader::IsAvaliable("/nonexistent/lib.so"));
}

TEST(HidLoader, DiscoveryPartIsUseCounted) {
  ScopedLibrary lib(SIMHID_FILE);
  ASSERT_TRUE(LoadSetupApi());
  ASSERT_TRUE(LoadSetupApi());
  UnloadSetupApi();
  EXPECT_TRUE(IsSetupApiLoaded());
  EXPECT_NE(HidEnumOpen, nullptr);
  UnloadSetupApi();
  EXPECT_FALSE(IsSetupApiLoaded());
  EXPECT_EQ(HidEnumOpen, nullptr);
  EXPECT_EQ(GetSetupApiModuleHandle(), nullptr);
}

TEST(HidLoader, DevicePartLoadsEveryEntryOrNothing) {
  {
    ScopedLibrary lib(SIMHID_FILE);
    ASSERT_TRUE(LoadHid());
    EXPECT_TRUE(IsHidLoaded());
    EXPECT_NE(HidRead, nullptr);
    EXPECT_NE(HidSetOutputReport, nullptr);
    UnloadHid();
    EXPECT_FALSE(IsHidLoaded());
    EXPECT_EQ(HidRead, nullptr);
  }
  for (const char* file : {"/nonexistent/libq7khid.so", "libm.so.6"}) {  // missing; lacking the entry points
    ScopedLibrary lib(file);
    EXPECT_FALSE(LoadHid()) << file;
    EXPECT_FALSE(IsHidLoaded()) << file;
    EXPECT_EQ(HidOpen, nullptr) << file;
    EXPECT_FALSE(LoadSetupApi()) << file;
    EXPECT_FALSE(IsSetupApiLoaded()) << file;
    EXPECT_EQ(HidEnumOpen, nullptr) << file;
  }
  ScopedLibrary lib(SIMHID_FILE);
  EXPECT_TRUE(LoadSetupApi()) << "a failed load must leave the use count at 0";
  UnloadSetupApi();
  EXPECT_FALSE(IsSetupApiLoaded());
}

TEST(HidLoader, ThePlatformLibraryIsFoundAndHasEveryEntryPoint) {
  ::unsetenv("Q7K_HID_LIBRARY");
  EXPECT_EQ(HidLibraryFile(), HIDLIB_FILE) << "the build tree's library when nothing else is found";
  ScopedLibrary lib(HIDLIB_FILE);
  ASSERT_TRUE(LoadSetupApi());
  EXPECT_TRUE(LoadHid());
  UnloadHid();
  UnloadSetupApi();
}

TEST(HidLoader, SameUsageAndPage) {
  EXPECT_TRUE(HidP_IsSameUsageAndPage_({1, 0xFF00}, {1, 0xFF00}));
  EXPECT_FALSE(HidP_IsSameUsageAndPage_({1, 0xFF00}, {2, 0xFF00}));
  EXPECT_FALSE(HidP_IsSameUsageAndPage_({1, 0xFF00}, {1, 0x0001}));
}
