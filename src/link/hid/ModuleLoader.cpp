#include "ModuleLoader.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>

namespace {

int DlopenFlags(uint32_t flags) {
  return (flags & ltDontResolveDllReferences ? RTLD_LAZY : RTLD_NOW) | RTLD_LOCAL;
}

}  // namespace

bool LoadModule(TModuleHandle& module, const std::string& fileName) {
  return LoadModuleEx(module, fileName, 0);
}

bool LoadModuleEx(TModuleHandle& module, const std::string& fileName, uint32_t flags) {
  if (!module) module = ::dlopen(fileName.c_str(), DlopenFlags(flags));
  return module != nullptr;
}

void UnloadModule(TModuleHandle& module) {
  if (module) ::dlclose(module);
  module = nullptr;
}

void* GetModuleSymbol(TModuleHandle module, const std::string& symbolName) {
  return module ? ::dlsym(module, symbolName.c_str()) : nullptr;
}

void* GetModuleSymbolEx(TModuleHandle module, const std::string& symbolName, bool& accu) {
  void* result = GetModuleSymbol(module, symbolName);
  if (!result) accu = false;
  return result;
}

bool ReadModuleData(TModuleHandle module, const std::string& symbolName, void* buffer, uint32_t size) {
  const void* sym = GetModuleSymbol(module, symbolName);
  if (sym) std::memcpy(buffer, sym, size);
  return sym != nullptr;
}

bool WriteModuleData(TModuleHandle module, const std::string& symbolName, const void* buffer, uint32_t size) {
  void* sym = GetModuleSymbol(module, symbolName);
  if (sym) std::memcpy(sym, buffer, size);
  return sym != nullptr;
}

TModuleLoader::TModuleLoader(const std::string& libName, TModuleLoadMethods loadMethods)
    : FDLLName(libName) {
  Load(loadMethods);  // the base's Load: a constructor does not dispatch to subclasses
}

TModuleLoader::~TModuleLoader() { UnloadModule(FHandle); }

void TModuleLoader::Load(TModuleLoadMethods loadMethods) {
  const uint32_t flags = loadMethods & (ltDontResolveDllReferences | ltLoadAsDataFile | ltAlteredSearchPath);
  if (!FHandle) LoadModuleEx(FHandle, FDLLName, flags);
  if (!FHandle) Error(static_cast<uint32_t>(errno));
}

void TModuleLoader::Unload() { UnloadModule(FHandle); }

void TModuleLoader::Error(uint32_t) {}

bool TModuleLoader::GetProcedure(const std::string& name, void*& proc) {
  if (Loaded() && proc) return true;
  if (Loaded()) proc = GetModuleSymbol(FHandle, name);
  else proc = nullptr;
  if (!proc) Error(kElementNotFound);
  return proc != nullptr;
}

bool TModuleLoader::GetExportedSymbol(const std::string& name, void* buffer, uint32_t size) {
  void* sym = nullptr;
  if (!GetProcedure(name, sym)) return false;
  std::memcpy(buffer, sym, size);
  return true;
}

bool TModuleLoader::SetExportedSymbol(const std::string& name, const void* buffer, uint32_t size) {
  void* sym = nullptr;
  if (!GetProcedure(name, sym)) return false;
  std::memcpy(sym, buffer, size);
  return true;
}

bool TModuleLoader::IsAvaliable(const std::string& libName, const std::string& procName) {
  TModuleHandle module = nullptr;
  bool result = LoadModule(module, libName);
  if (result && !procName.empty()) result = GetModuleSymbol(module, procName) != nullptr;
  UnloadModule(module);
  return result;
}
