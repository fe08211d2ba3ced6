// Reads the built Windows program and runtime library back, as Windows would load them:
// binaries_tests <dravello.exe> <guirt.dll>.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "PeImage.h"
#include "VersionInfo.h"
#include "XmlOutline.h"

namespace {

std::filesystem::path exePath;
std::filesystem::path dllPath;

constexpr std::uint16_t kAmd64 = 0x8664;
constexpr std::uint16_t kGuiSubsystem = 2;
constexpr std::uint16_t kDllFlag = 0x2000;

std::vector<std::string> lowerSorted(std::vector<std::string> names) {
    for (std::string& n : names) {
        std::transform(n.begin(), n.end(), n.begin(), [](unsigned char c) { return std::tolower(c); });
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> resource(const PeImage& image, const std::string& type) {
    for (const PeImage::Resource& r : image.resources()) {
        if (r.type == type) return r.data;
    }
    ADD_FAILURE() << "no resource of type " << type;
    return {};
}

std::uint32_t u32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 |
           static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

// PeImage reads PE32+ files only, so each image opened here is one.
TEST(Binaries, ExeIsA64BitGuiProgramImportingOnlyTheRuntimeTheCRuntimeAndKernel32) {
    PeImage exe(exePath);
    EXPECT_EQ(exe.machine(), kAmd64);
    EXPECT_EQ(exe.subsystem(), kGuiSubsystem);
    EXPECT_FALSE(exe.characteristics() & kDllFlag);
    EXPECT_EQ(lowerSorted(exe.importedDlls()), (std::vector<std::string>{"guirt.dll", "kernel32.dll", "msvcrt.dll"}));
}

TEST(Binaries, RuntimeLibraryIsA64BitDllNeedingNoCompilerRuntime) {
    PeImage dll(dllPath);
    EXPECT_EQ(dll.machine(), kAmd64);
    EXPECT_TRUE(dll.characteristics() & kDllFlag);
    for (const std::string& name : lowerSorted(dll.importedDlls())) {
        EXPECT_FALSE(name.starts_with("libstdc++") || name.starts_with("libgcc") || name.starts_with("libwinpthread"))
            << name;
    }
}

TEST(Binaries, ExeCarriesItsIconOneVersionResourceAndTheProcessManifest) {
    std::vector<std::string> keys;
    for (const PeImage::Resource& r : PeImage(exePath).resources()) keys.push_back(r.type + "/" + r.name);
    // RT_ICON 3 (one image a size), RT_GROUP_ICON 14, RT_VERSION 16 and RT_MANIFEST 24 (the
    // manifest a process starts with is number 1).
    EXPECT_EQ(keys, (std::vector<std::string>{"#3/#1", "#3/#2", "#3/#3", "#3/#4", "#3/#5", "#3/#6", "#3/#7", "#3/#8",
                                              "#14/#1", "#16/#1", "#24/#1"}));
}

// The first icon group is the program's icon: each size Windows asks for, the 256 px image
// as PNG and the others as 32-bit bitmaps (with their AND mask, so twice as high).
TEST(Binaries, FirstIconGroupHoldsEverySizeAsWindowsReadsIt) {
    const PeImage exe(exePath);
    const std::vector<PeImage::Resource> all = exe.resources();
    const std::vector<std::uint8_t> group = resource(exe, "#14");
    ASSERT_GE(group.size(), 6u);
    EXPECT_EQ(group[2] | group[3] << 8, 1) << "an icon, not a cursor";
    const std::size_t count = group[4] | std::size_t{group[5]} << 8;
    ASSERT_EQ(group.size(), 6 + 14 * count);

    std::vector<int> sizes;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 14 * i;
        const int size = group[entry] == 0 ? 256 : group[entry];  // 0 stands for 256
        sizes.push_back(size);
        const std::string id = "#" + std::to_string(group[entry + 12] | group[entry + 13] << 8);
        auto image =
            std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.type == "#3" && r.name == id; });
        ASSERT_NE(image, all.end()) << "no image " << id << " for " << size << " px";
        EXPECT_EQ(image->data.size(), u32(group, entry + 8)) << size << " px";
        if (size == 256) {
            EXPECT_EQ(u32(image->data, 0), 0x474E5089u) << "the 256 px image is PNG";
        } else {
            // BITMAPINFOHEADER: its size, width, height, then planes and bits per pixel.
            EXPECT_EQ(u32(image->data, 0), 40u) << size << " px";
            EXPECT_EQ(u32(image->data, 4), static_cast<std::uint32_t>(size));
            EXPECT_EQ(u32(image->data, 8), static_cast<std::uint32_t>(2 * size));
            EXPECT_EQ(image->data.at(14), 32) << size << " px";
        }
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST(Binaries, VersionResource) {
    VersionBlock root = parseVersionInfo(resource(PeImage(exePath), "#16"));
    EXPECT_EQ(root.key, u"VS_VERSION_INFO");

    // VS_FIXEDFILEINFO: signature, structure version, file version, product version.
    ASSERT_EQ(root.value.size(), 52u);
    EXPECT_EQ(u32(root.value, 0), 0xFEEF04BDu);
    EXPECT_EQ(u32(root.value, 8), 0x00010000u) << "file version 1.0";
    EXPECT_EQ(u32(root.value, 12), 0u) << "file version .0.0";
    EXPECT_EQ(u32(root.value, 16), 0x00010000u) << "product version 1.0";
    EXPECT_EQ(u32(root.value, 20), 0u) << "product version .0.0";

    ASSERT_EQ(root.children.size(), 2u);
    const VersionBlock& strings = root.child(u"StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1u);
    EXPECT_EQ(strings.children[0].key, u"040904b0");
    std::map<std::u16string, std::u16string> table;
    for (const VersionBlock& s : strings.children[0].children) {
        EXPECT_TRUE(s.children.empty());
        EXPECT_TRUE(table.emplace(s.key, s.text).second) << "repeated key";
    }
    EXPECT_EQ(table, (std::map<std::u16string, std::u16string>{
                         {u"CompanyName", u"The Dravello developers"},
                         {u"FileDescription", u""},
                         {u"FileVersion", u"1.0.0.0"},
                         {u"InternalName", u""},
                         {u"LegalCopyright", u"Copyright the Dravello developers"},
                         {u"LongVersion", u""},
                         {u"OriginalFilename", u"dravello.exe"},
                         {u"PackageInfo", u""},
                         {u"ProductName", u""},
                         {u"ProductVersion", u""},
                         {u"Release", u"Development"},
                     }));

    const VersionBlock& vars = root.child(u"VarFileInfo");
    ASSERT_EQ(vars.children.size(), 1u);
    EXPECT_EQ(vars.children[0].key, u"Translation");
    EXPECT_EQ(vars.children[0].value, (std::vector<std::uint8_t>{0x09, 0x04, 0xB0, 0x04}));
}

TEST(Binaries, ManifestAsksForCommonControls6PerMonitorDpiAndTheInvokersRights) {
    std::vector<std::uint8_t> data = resource(PeImage(exePath), "#24");
    EXPECT_EQ(xmlOutline(std::string(data.begin(), data.end())),
              (std::vector<std::string>{
                  R"(assembly manifestVersion="1.0" xmlns="urn:schemas-microsoft-com:asm.v1")",
                  R"(assemblyIdentity name="Dravello.Dravello" type="win32" version="1.0.0.0")",
                  "dependency",
                  "dependentAssembly",
                  // One element, split across two lines.
                  R"(assemblyIdentity language="*" name="Microsoft.Windows.Common-Controls" )"  // NOLINT
                  R"(processorArchitecture="*" publicKeyToken="6595b64144ccf1df" type="win32" version="6.0.0.0")",
                  R"(application xmlns="urn:schemas-microsoft-com:asm.v3")",
                  "windowsSettings",
                  R"(dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings")",
                  R"("true/pm")",
                  R"(dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings")",
                  R"("PerMonitorV2")",
                  R"(trustInfo xmlns="urn:schemas-microsoft-com:asm.v3")",
                  "security",
                  "requestedPrivileges",
                  R"(requestedExecutionLevel level="asInvoker" uiAccess="false")",
              }));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s dravello.exe guirt.dll\n", argv[0]);
        return 2;
    }
    exePath = argv[1];
    dllPath = argv[2];
    return RUN_ALL_TESTS();
}
