// Reads the built Windows plug-in back from its file: the export table, the
// parameter dialog's template and the version record, compared field for
// field with what the plug-in must ship.
//
// The expected values are written out here on purpose, not taken from the
// table the resource script is made from, so that a wrong table fails.

#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "PeImage.h"
#include "VersionInfo.h"

#ifndef VORNIX_PLUGIN_DLL
#error "VORNIX_PLUGIN_DLL names the plug-in file under test"
#endif
#ifndef VORNIX_PLUGIN_MACHINE
#error "VORNIX_PLUGIN_MACHINE is the COFF machine type the plug-in is built for"
#endif

namespace {

// Window system values, written out independently of the plug-in's sources.
constexpr std::uint32_t kPopup = 0x80000000, kChild = 0x40000000, kVisible = 0x10000000, kCaption = 0x00C00000,
                        kBorder = 0x00800000, kSysMenu = 0x00080000, kGroup = 0x00020000, kTabStop = 0x00010000;
constexpr std::uint32_t kModalFrame = 0x0080, kSetFont = 0x0040, k3dLook = 0x0004, kCenter = 0x0800,
                        kContextHelp = 0x2000;
constexpr std::uint32_t kExDialogModalFrame = 0x0001, kExContextHelp = 0x0400;
constexpr std::uint32_t kEditLeft = 0x0000, kEditCenter = 0x0001, kEditNumber = 0x2000;
constexpr std::uint32_t kPushButton = 0x0000, kButtonCenter = 0x0300, kGroupBox = 0x0007;
constexpr std::uint32_t kStaticLeft = 0x0000, kStaticCenter = 0x0001, kStaticRight = 0x0002,
                        kStaticEtchedFrame = 0x0012;
constexpr std::uint16_t kButtonAtom = 0x0080, kEditAtom = 0x0081, kStaticAtom = 0x0082;
constexpr std::uint16_t kJapanese = 0x0411;
constexpr std::uint16_t kParameterDialogId = 2000;
constexpr std::uint16_t kVersionRecordId = 1;

const PeImage& Plugin() {
    static const PeImage image(VORNIX_PLUGIN_DLL);
    return image;
}

DialogTemplate ParameterDialog() {
    const auto data = Plugin().FindResource(kResourceTypeDialog, kParameterDialogId, kJapanese);
    if (!data) throw std::runtime_error("no Japanese dialog template 2000 in " VORNIX_PLUGIN_DLL);
    return ParseDialogTemplateEx(*data);
}

VersionInfo VersionRecord() {
    const auto data = Plugin().FindResource(kResourceTypeVersion, kVersionRecordId, kJapanese);
    if (!data) throw std::runtime_error("no Japanese version record in " VORNIX_PLUGIN_DLL);
    return ParseVersionInfo(*data);
}

NameOrOrdinal Atom(std::uint16_t atom) {
    NameOrOrdinal field;
    field.isOrdinal = true;
    field.ordinal = atom;
    return field;
}

NameOrOrdinal Name(std::string name) {
    NameOrOrdinal field;
    field.name = std::move(name);
    return field;
}

TEST(PluginFile, IsBuiltForItsMachine) { EXPECT_EQ(Plugin().Machine(), VORNIX_PLUGIN_MACHINE); }

TEST(PluginFile, ExportsExactlyTheLibraryEntryAndTheRun) {
    EXPECT_EQ(Plugin().ExportNames(), (std::vector<std::string>{"DllEntryPoint", "_Xmodeler"}));
}

TEST(ParameterDialogTemplate, HeaderIsExactlyAsDesigned) {
    const DialogTemplate d = ParameterDialog();
    EXPECT_EQ(d.dlgVer, 1);
    EXPECT_EQ(d.signature, 0xFFFF);
    EXPECT_EQ(d.helpId, 0u);
    EXPECT_EQ(d.exStyle, kExDialogModalFrame | kExContextHelp);
    EXPECT_EQ(d.style, kPopup | kVisible | kCaption | kModalFrame | kSetFont | k3dLook | kCenter | kContextHelp)
        << std::hex << "style 0x" << d.style;
    EXPECT_EQ(d.style & kSysMenu, 0u) << "a system menu would add a close box to the caption";
    EXPECT_EQ(d.itemCount, 24);
    EXPECT_EQ(d.items.size(), 24u);
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 0);
    EXPECT_EQ(d.cx, 172);
    EXPECT_EQ(d.cy, 188);
    EXPECT_EQ(d.menu, Name("")) << "no menu";
    EXPECT_EQ(d.windowClass, Name("")) << "the standard dialog class";
    EXPECT_EQ(d.title, "Vornix Primitive");
}

TEST(ParameterDialogTemplate, FontIsTheJapaneseProportionalGothic) {
    const DialogTemplate d = ParameterDialog();
    ASSERT_TRUE(d.hasFont);
    EXPECT_EQ(d.pointSize, 9);
    EXPECT_EQ(d.weight, 0);
    EXPECT_EQ(d.italic, 0);
    EXPECT_EQ(d.charset, 1);
    EXPECT_EQ(d.typeface, "ＭＳ Ｐゴシック");
}

struct ExpectedControl {
    std::uint32_t id;
    std::uint16_t classAtom;
    const char* text;
    std::uint32_t furtherStyles;  // besides WS_CHILD and WS_VISIBLE
    std::int16_t x, y, cx, cy;
};

// In tab and drawing order.
const ExpectedControl kExpectedControls[] = {
    {102, kEditAtom, "0", kBorder | kTabStop | kEditLeft, 60, 16, 40, 12},
    {103, kEditAtom, "0", kBorder | kTabStop | kEditLeft, 60, 32, 40, 12},
    {104, kEditAtom, "0", kBorder | kTabStop | kEditLeft | kEditNumber, 60, 48, 40, 12},
    {105, kEditAtom, "0", kBorder | kTabStop | kEditLeft | kEditNumber, 60, 64, 40, 12},
    {111, kEditAtom, "0", kBorder | kTabStop | kEditCenter, 12, 112, 40, 12},
    {112, kEditAtom, "0", kBorder | kTabStop | kEditCenter, 66, 112, 39, 12},
    {113, kEditAtom, "0", kBorder | kTabStop | kEditCenter, 120, 112, 40, 12},
    {1, kButtonAtom, "OK", kTabStop | kPushButton | kButtonCenter, 116, 12, 50, 14},
    {2, kButtonAtom, "ｷｬﾝｾﾙ", kTabStop | kPushButton | kButtonCenter, 116, 32, 50, 14},
    {101, kButtonAtom, "Vornix Properties", kGroup | kGroupBox, 4, 4, 104, 80},
    {106, kStaticAtom, "Ring Radius", kStaticRight, 8, 20, 44, 8},
    {107, kStaticAtom, "Tube Radius", kStaticRight, 8, 36, 44, 8},
    {108, kStaticAtom, "Ring Sections", kStaticRight, 8, 52, 44, 8},
    {109, kStaticAtom, "Tube Sections", kStaticRight, 8, 68, 44, 8},
    {110, kButtonAtom, "Center Origin", kGroup | kGroupBox, 4, 88, 164, 44},
    {114, kStaticAtom, "R/L", kStaticCenter, 12, 100, 40, 8},
    {115, kStaticAtom, "F/B", kStaticCenter, 66, 100, 40, 8},
    {116, kStaticAtom, "U/D", kStaticCenter, 120, 100, 40, 8},
    {117, kStaticAtom, "Frame1", kStaticEtchedFrame, 4, 136, 164, 48},
    {118, kStaticAtom, "Vornix 0.901", kStaticLeft, 8, 140, 156, 8},
    {119, kStaticAtom, "Torus generator for the modeler", kStaticLeft, 8, 148, 156, 8},
    {120, kStaticAtom, "Ring and tube in the active view", kStaticLeft, 8, 156, 156, 8},
    {121, kStaticAtom, "Copyright (C) 2026 Vornix developers", kStaticLeft, 8, 164, 156, 8},
    {122, kStaticAtom, "Free to use and share", kStaticLeft, 8, 172, 156, 8},
};

class ParameterDialogControl : public testing::TestWithParam<std::size_t> {};

TEST_P(ParameterDialogControl, IsExactlyAsDesigned) {
    const std::size_t position = GetParam();
    const ExpectedControl& expected = kExpectedControls[position];
    const DialogTemplate d = ParameterDialog();
    ASSERT_LT(position, d.items.size());
    const DialogItemTemplate& item = d.items[position];
    EXPECT_EQ(item.id, expected.id);
    EXPECT_EQ(item.windowClass, Atom(expected.classAtom));
    EXPECT_EQ(item.title, Name(expected.text));
    EXPECT_EQ(item.style, kChild | kVisible | expected.furtherStyles) << std::hex << "style 0x" << item.style;
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_EQ(item.helpId, 0u);
    EXPECT_EQ(item.x, expected.x);
    EXPECT_EQ(item.y, expected.y);
    EXPECT_EQ(item.cx, expected.cx);
    EXPECT_EQ(item.cy, expected.cy);
    EXPECT_EQ(item.extraCount, 0);
}

INSTANTIATE_TEST_SUITE_P(InTabOrder, ParameterDialogControl, testing::Range<std::size_t>(0, std::size(kExpectedControls)),
                         [](const testing::TestParamInfo<std::size_t>& control) {
                             return "Control" + std::to_string(kExpectedControls[control.param].id);
                         });

TEST(VersionRecord, FixedPartIsVersionOne) {
    const FixedFileInfo fixed = VersionRecord().fixed;
    EXPECT_EQ(fixed.fileVersionMs, 0x00010000u);
    EXPECT_EQ(fixed.fileVersionLs, 0u);
    EXPECT_EQ(fixed.productVersionMs, 0x00010000u);
    EXPECT_EQ(fixed.productVersionLs, 0u);
}

TEST(VersionRecord, TextsAreJapaneseWithTheProductNames) {
    const VersionInfo info = VersionRecord();
    ASSERT_EQ(info.strings.size(), 1u);
    ASSERT_TRUE(info.strings.contains("041103A4"));
    const auto& texts = info.strings.at("041103A4");
    EXPECT_EQ(texts.at("ProductName"), "Vornix");
    EXPECT_EQ(texts.at("InternalName"), "Vornix");
    EXPECT_EQ(texts.at("OriginalFilename"), "vornix.exe");
    EXPECT_EQ(texts.at("ProductVersion"), "0.901");
    EXPECT_EQ(texts.at("FileVersion"), "0.901");
    EXPECT_EQ(texts.at("CompanyName"), "Vornix developers");
    EXPECT_EQ(texts.at("FileDescription"), "Vornix torus generator plug-in");
    EXPECT_EQ(texts.at("LegalCopyright"), "Copyright (C) 2026 Vornix developers");
    EXPECT_EQ(texts.size(), 8u);
}

TEST(VersionRecord, TranslationIsJapaneseInCodePage932) {
    EXPECT_EQ(VersionRecord().translations, (std::vector<std::pair<std::uint16_t, std::uint16_t>>{{0x0411, 932}}));
}

}  // namespace
