// Loading a shared library by file name and looking its entry points up by name.
#pragma once

#include <cstdint>
#include <string>

using TModuleHandle = void*;  // nullptr: no library loaded

enum TModuleLoadMethod : uint32_t {
  ltDontResolveDllReferences = 1,  // resolve symbols lazily
  ltLoadAsDataFile = 2,
  ltAlteredSearchPath = 8,
};
using TModuleLoadMethods = uint32_t;  // OR of TModuleLoadMethod values

// Loads only when the handle is null; returns whether the handle is set.
bool LoadModule(TModuleHandle& module, const std::string& fileName);
bool LoadModuleEx(TModuleHandle& module, const std::string& fileName, uint32_t flags);
// Releases the library when the handle is set; the handle becomes null.
void UnloadModule(TModuleHandle& module);
// The entry point, or nullptr for a null handle or a missing name.
void* GetModuleSymbol(TModuleHandle module, const std::string& symbolName);
// As GetModuleSymbol; `accu` becomes false when the result is null and keeps its value
// otherwise, so one flag collects the outcome of a series of look-ups.
void* GetModuleSymbolEx(TModuleHandle module, const std::string& symbolName, bool& accu);
// GetModuleSymbolEx into a typed entry-point variable.
template <typename T>
void BindModuleSymbol(TModuleHandle module, T& variable, const char* symbolName, bool& accu) {
  variable = reinterpret_cast<T>(GetModuleSymbolEx(module, symbolName, accu));
}
bool ReadModuleData(TModuleHandle module, const std::string& symbolName, void* buffer, uint32_t size);
bool WriteModuleData(TModuleHandle module, const std::string& symbolName, const void* buffer, uint32_t size);

class TModuleLoader {
 public:
  // Element not found: the code Error() gets when an entry point is missing.
  static constexpr uint32_t kElementNotFound = 0x8002802Bu;

  TModuleLoader(const std::string& libName, TModuleLoadMethods loadMethods = 0);
  virtual ~TModuleLoader();
  TModuleLoader(const TModuleLoader&) = delete;
  TModuleLoader& operator=(const TModuleLoader&) = delete;

  virtual void Load(TModuleLoadMethods loadMethods);
  virtual void Unload();
  // Failure hook; does nothing here.
  virtual void Error(uint32_t errorCode);

  bool GetProcedure(const std::string& name, void*& proc);
  bool GetExportedSymbol(const std::string& name, void* buffer, uint32_t size);
  bool SetExportedSymbol(const std::string& name, const void* buffer, uint32_t size);
  static bool IsAvaliable(const std::string& libName, const std::string& procName = std::string());

  bool Loaded() const { return FHandle != nullptr; }
  const std::string& DLLName() const { return FDLLName; }
  TModuleHandle Handle() const { return FHandle; }

 protected:
  TModuleHandle FHandle = nullptr;
  std::string FDLLName;
};
