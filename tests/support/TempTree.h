#pragma once
// Test helper: a temporary folder, removed with all it holds when the object goes, and
// environment variables that point at folders inside it meanwhile (a test's stand-in for
// /sys or /dev).
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

class TempTree {
 public:
  // `env`: variable name and the folder inside the tree (made now) it points at.
  explicit TempTree(std::vector<std::pair<std::string, std::string>> env = {}) : env_(std::move(env)) {
    char dir[] = "/tmp/q7k_treeXXXXXX";
    root_ = ::mkdtemp(dir);
    for (const auto& [name, folder] : env_) {
      std::filesystem::create_directories(root_ / folder);
      ::setenv(name.c_str(), (root_ / folder).c_str(), 1);
    }
  }
  ~TempTree() {
    for (const auto& [name, folder] : env_) ::unsetenv(name.c_str());
    std::filesystem::remove_all(root_);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }

  static void Write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }

 private:
  std::filesystem::path root_;
  std::vector<std::pair<std::string, std::string>> env_;
};
