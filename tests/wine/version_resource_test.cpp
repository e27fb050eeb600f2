// The shipped binaries carry the version, holder and licence Windows shows in their properties.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "plugin_library.h"
#include "windows_test_support.h"

namespace ostrakin {
namespace {

struct VersionInfo {
  VS_FIXEDFILEINFO fixed = {};
  std::string productName, fileVersion, companyName, legalCopyright;
};

bool ReadVersion(const std::string& path, VersionInfo* info) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return false;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", &value, &length)) return false;
  info->fixed = *static_cast<VS_FIXEDFILEINFO*>(value);
  auto text = [&](const char* name) {
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    return VerQueryValueA(block.data(), query.c_str(), &value, &length) && length > 0
               ? std::string(static_cast<const char*>(value))
               : std::string();
  };
  info->productName = text("ProductName");
  info->fileVersion = text("FileVersion");
  info->companyName = text("CompanyName");
  info->legalCopyright = text("LegalCopyright");
  return true;
}

TEST(VersionResource, BothBinariesCarryTheProjectVersion) {
  const struct {
    const char* file;
    DWORD type;
  } binaries[] = {{"Ostrakin.dll", VFT_DLL}, {"Quillaby.exe", VFT_APP}};
  for (const auto& binary : binaries) {
    VersionInfo info;
    ASSERT_TRUE(ReadVersion(standin::ProgramDirectory() + binary.file, &info)) << binary.file;
    EXPECT_EQ(binary.type, info.fixed.dwFileType) << binary.file;
    EXPECT_EQ(DWORD(OSTRAKIN_VERSION_MAJOR << 16 | OSTRAKIN_VERSION_MINOR),
              info.fixed.dwFileVersionMS);
    EXPECT_EQ("Ostrakin", info.productName) << binary.file;
    EXPECT_EQ("Ostrakin contributors", info.companyName) << binary.file;
    EXPECT_NE(std::string::npos, info.legalCopyright.find("Ostrakin contributors; MIT License"))
        << binary.file;
    EXPECT_EQ(OSTRAKIN_VERSION, info.fileVersion) << binary.file;
  }
}

}  // namespace
}  // namespace ostrakin
