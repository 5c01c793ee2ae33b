#include "gui/help_text.h"

namespace tolvane {

QString helpText(const QString& version) {
    return QStringLiteral("Tolvane ") + version +
           QStringLiteral(
               "\n\n"
               "在粉色框中输入名称的一部分，停顿半秒即列出含有它的名称（不区分大小写）：\n"
               "  *  任意多个字符      ?  任意一个字符      #  一个数字\n"
               "  [abc]  其中任一字符   [a-z]  范围内的字符   [!abc]  不在其中的字符\n"
               "\n"
               "按键：\n"
               "  Ctrl+F、Ctrl+L  转到查找框\n"
               "  Esc  停止查找；恢复放大的文本框\n"
               "  Enter  放大或恢复当前文本框\n"
               "  Ctrl+A  选中文本框的全部内容\n"
               "  Ctrl+S  保存修改\n"
               "  Ctrl+W、Ctrl+Q  关闭窗口\n"
               "  F1  本帮助");
}

}  // namespace tolvane
