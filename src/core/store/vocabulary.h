#pragma once

#include <QString>

namespace tolvane {

// The fixed vocabularies the user picks from, each one "~"-separated text.
// Category list position p shows class p - 1 in the record view and filters
// on class p - 2 in the name search (position 2: no category condition).
inline const QString kCategoryList = QStringLiteral(
    "Type类型~Const常数~所有分类~未分类~控件与消息函数~硬件与系统函数~设备场景函数~绘图函数~"
    "位图、图标和光栅运算函数~菜单函数~文本和字体函数~打印函数~文件处理函数~Windows消息函数~"
    "网络函数~进程和线程函数~同步函数(包括互斥体，信号机和事件函数)~其它分类");
// DLL filter: position 0 means no condition, others compare libsclass verbatim.
inline const QString kDllList = QStringLiteral(
    "所有库类~advapi32.dll~comdlg32.dll~gdi32~imm32.dll~kernel32~lz32.dll~mpr.dll~"
    "netapi32.dll~shell32.dll~user32~version.dll~winmm.dll~winspool.drv");
inline const QString kPatternPresets = QStringLiteral("*~Get~Set~*Window");

constexpr int kAllCategoriesPosition = 2;
constexpr int kAllLibrariesPosition = 0;

}  // namespace tolvane
