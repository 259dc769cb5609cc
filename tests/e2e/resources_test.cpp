// What both programs carry for Windows and Explorer: the manifest, the icon
// and the version, read back from the built files with the system's own calls.

#include "platform/win32/win32_resource_ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

struct Program {
    const char* file;
    const char* description;
};

class ResourcesTest : public ::testing::TestWithParam<Program> {
protected:
    std::wstring path() const { return toWide(programBeside(GetParam().file)); }

    // A text of the version's U.S. English table.
    std::string versionText(const std::vector<char>& info, const char* name) const {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring key = L"\\StringFileInfo\\040904B0\\" + toWide(name);
        if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) return "(none)";
        return toUtf8(static_cast<const wchar_t*>(value));
    }
};

TEST_P(ResourcesTest, ExplorerReadsTheProductAndItsVersion) {
    const DWORD size = GetFileVersionInfoSizeW(path().c_str(), nullptr);
    ASSERT_GT(size, 0u) << "no version information";
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path().c_str(), 0, size, info.data()));
    EXPECT_EQ(versionText(info, "ProductName"), "Mp3 Zelvio");
    EXPECT_EQ(versionText(info, "ProductVersion"), "0.93");
    EXPECT_EQ(versionText(info, "FileVersion"), "0.93");
    EXPECT_EQ(versionText(info, "FileDescription"), GetParam().description);
    EXPECT_EQ(versionText(info, "OriginalFilename"), GetParam().file);
    EXPECT_NE(versionText(info, "CompanyName"), "(none)");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(93, 0));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}

TEST_P(ResourcesTest, TheManifestAsksForWhatTodaysWindowsOffers) {
    HMODULE module = LoadLibraryExW(path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr) << "no manifest";
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found));
    for (const char* wanted :
         {"<requestedExecutionLevel level=\"asInvoker\"", ">PerMonitorV2, System</dpiAwareness>", ">true</dpiAware>",
          ">true</longPathAware>", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    }
    // The icon group with the sizes Windows asks for, the first one the file has.
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(ZELVIO_ICON), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr) << "no icon";
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    for (int size : {16, 32, 48, 256}) {
        EXPECT_NE(LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR), 0) << size;
    }
    FreeLibrary(module);
    EXPECT_EQ(ExtractIconExW(path().c_str(), -1, nullptr, nullptr, 0), 1u);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ResourcesTest,
                         ::testing::Values(Program{"mpzelvio.exe", "Mp3 Zelvio, the MP3 manager"},
                                           Program{"install.exe", "Mp3 Zelvio installer"}),
                         [](const auto& info) { return std::string(info.param.file).substr(0, 7); });

}  // namespace
}  // namespace zelvio::e2e
