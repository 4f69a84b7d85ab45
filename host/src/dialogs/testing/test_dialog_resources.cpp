// The resource table of the test dialogs, as a module declares its dialogs.
#include "dialogs/resource_registry.h"
#include "dialogs/testing/test_dialogs.h"

namespace zek::test {
namespace {

using K = ZekControlKind;

constexpr ZekControlResource kMacroList[] = {
    {1009, K::ListBox, "", 7, 7, 136, 210, 0},  // 26 rows
    {1023, K::Button, "取消", 7, 222, 30, 14, 0},
    {1022, K::Button, "<<", 42, 222, 30, 14, 0},
    {3, K::Button, ">>", 77, 222, 30, 14, 0},
    {1, K::DefaultButton, "运行", 112, 222, 30, 14, 0},
};

constexpr ZekControlResource kSettings[] = {
    {IDC_STATIC, K::GroupBox, "", 7, 7, 142, 167, 0},
    {IDC_STATIC, K::StaticText, "尺寸零点位置", 16, 23, 52, 10, 0},
    {1001, K::ComboBox, "", 83, 20, 55, 12, 0},
    {IDC_STATIC, K::StaticText, "最长引线是字高几倍", 15, 42, 77, 10, 0},
    {1003, K::EditBox, "", 100, 40, 38, 12, 0},
    {1017, K::StaticText, "", 100, 52, 38, 8, 0},
    {1012, K::CheckBox, "加中心线; 颜色", 20, 98, 73, 10, 0},
    {1007, K::EditBox, "", 100, 97, 38, 12, 0},
    {1008, K::CheckBox, "加正负号(可设置正负号字符)", 20, 155, 119, 10, 0},
    {IDC_STATIC, K::StaticText, "版本", 15, 137, 77, 10, 0},
    {1014, K::EditBox, "ZEK 0.1", 100, 135, 38, 12, ZEK_STYLE_READONLY},
    {1015, K::Button, "依最近点...", 155, 115, 50, 14, ZEK_STYLE_HIDDEN},
    {1016, K::Button, "导出", 155, 134, 50, 14, ZEK_STYLE_DISABLED},
    {1, K::DefaultButton, "确定", 155, 19, 50, 14, 0},
    {2, K::Button, "取消", 155, 39, 50, 14, 0},
};

constexpr ZekControlResource kAlign[] = {
    {IDC_STATIC, K::GroupBox, "FROM", 7, 7, 90, 90, 0},
    {IDC_STATIC, K::GroupBox, "TOOO", 107, 7, 90, 90, 0},
    {1038, K::RadioButton, "1", 12, 17, 14, 10, ZEK_STYLE_GROUP},
    {1039, K::RadioButton, "13", 28, 17, 14, 10, 0},
    {1040, K::RadioButton, "2", 44, 17, 14, 10, 0},
    {1042, K::RadioButton, "13", 60, 17, 14, 10, 0},
    {1043, K::RadioButton, "3", 76, 17, 14, 10, 0},
    {1065, K::RadioButton, "1", 112, 17, 14, 10, ZEK_STYLE_GROUP},
    {1066, K::RadioButton, "13", 128, 17, 14, 10, 0},
    {1067, K::RadioButton, "2", 144, 17, 14, 10, 0},
    {1068, K::RadioButton, "13", 160, 17, 14, 10, 0},
    {1069, K::RadioButton, "3", 176, 17, 14, 10, 0},
    {IDC_STATIC, K::StaticText, "X-OFFSET", 7, 104, 40, 10, 0},
    {1041, K::EditBox, "", 50, 102, 50, 12, 0},
    {IDC_STATIC, K::StaticText, "Y-OFFSET", 107, 104, 40, 10, 0},
    {1045, K::EditBox, "", 150, 102, 50, 12, 0},
    {1, K::DefaultButton, "OK", 40, 122, 50, 14, 0},
    {2, K::Button, "Cancel", 110, 122, 50, 14, 0},
};

constexpr ZekPictureStroke kOvercutStrokes[] = {
    {ZekPictureStrokeKind::Line, 10, 10, 10, 70, 0, 0, 0, nullptr},
    {ZekPictureStrokeKind::Line, 10, 70, 70, 70, 0, 0, 0, nullptr},
    {ZekPictureStrokeKind::Arc, 18, 62, 0, 0, 8, 90, 360, nullptr},
    {ZekPictureStrokeKind::Arc, 30, 66, 0, 0, 4, 180, 270, nullptr},
    {ZekPictureStrokeKind::Text, 22, 50, 0, 0, 0, 0, 0, "R1"},
    {ZekPictureStrokeKind::Text, 34, 60, 0, 0, 0, 0, 0, "R2"},
};
constexpr ZekPicture kOvercutPicture{kOvercutStrokes, 6};

constexpr ZekControlResource kOvercut[] = {
    {IDC_STATIC, K::Picture, "", 7, 7, 80, 80, 0, &kOvercutPicture},
    {IDC_STATIC, K::StaticText, "R1:", 95, 10, 15, 10, 0},
    {1001, K::EditBox, "", 112, 8, 40, 12, 0},
    {IDC_STATIC, K::StaticText, "S :", 95, 26, 15, 10, 0},
    {1005, K::EditBox, "", 112, 24, 40, 12, 0},
    {1, K::DefaultButton, "OK", 95, 50, 40, 14, 0},
    {2, K::Button, "Cancel", 95, 66, 40, 14, 0},
    {1006, K::Button, "ZEKGQ", 95, 82, 40, 14, 0},
};

constexpr ZekControlResource kPhrases[] = {
    {1009, K::ListBox, "", 7, 7, 120, 42, ZEK_STYLE_MULTIPLE},  // 5 rows
    {1021, K::Button, "删除", 132, 7, 40, 14, 0},
    {1, K::DefaultButton, "插入", 132, 25, 40, 14, 0},
    {2, K::Button, "取消", 132, 43, 40, 14, 0},
};

constexpr ZekControlResource kPuncher[] = {
    {IDC_STATIC, K::StaticText, "厚度", 7, 9, 30, 10, 0},
    {1001, K::EditBox, "", 40, 7, 40, 12, 0},
    {1002, K::StaticText, "", 85, 9, 60, 10, 0},
    {1009, K::Button, "设置图层", 7, 25, 50, 14, 0},
    {1, K::DefaultButton, "确定", 60, 25, 40, 14, 0},
    {2, K::Button, "取消", 105, 25, 40, 14, 0},
};

constexpr ZekControlResource kPuncherLayers[] = {
    {IDC_STATIC, K::StaticText, "放置线条到图层", 7, 9, 60, 10, 0},
    {1010, K::EditBox, "", 70, 7, 60, 12, 0},
    {IDC_STATIC, K::StaticText, "放置尺寸到图层", 7, 27, 60, 10, 0},
    {1011, K::EditBox, "", 70, 25, 60, 12, 0},
    {1, K::DefaultButton, "确定", 20, 50, 40, 14, 0},
    {2, K::Button, "取消", 80, 50, 40, 14, 0},
};

template <std::size_t N>
constexpr int countOf(const ZekControlResource (&)[N]) {
  return static_cast<int>(N);
}

constexpr ZekDialogResource kDialogs[] = {
    {129, "ZEK命令列表", 150, 260, "MS Shell Dlg", 8, kMacroList, countOf(kMacroList)},
    {101, "ADXY1参数", 212, 181, "MS Shell Dlg", 8, kSettings, countOf(kSettings)},
    {130, "对齐", 204, 143, "MS Shell Dlg", 8, kAlign, countOf(kAlign)},
    {131, "接刀绘制", 160, 100, "MS Shell Dlg", 8, kOvercut, countOf(kOvercut)},
    {132, "常用文字", 180, 60, "MS Shell Dlg", 8, kPhrases, countOf(kPhrases)},
    {140, "zekpuncher", 150, 45, "MS Shell Dlg", 8, kPuncher, countOf(kPuncher)},
    {141, "设置图层", 140, 90, "MS Shell Dlg", 8, kPuncherLayers, countOf(kPuncherLayers)},
};

constexpr ZekResourceTable kTable{kDialogs, static_cast<int>(sizeof(kDialogs) / sizeof(kDialogs[0]))};

}  // namespace

HINSTANCE testDialogInstance() {
  static HINSTANCE__ instance{};
  return &instance;
}

void registerTestDialogs() { registerModuleResources(testDialogInstance(), &kTable); }

void forgetTestDialogs() { forgetModuleResources(testDialogInstance()); }

}  // namespace zek::test
