#pragma once

class QCoreApplication;

namespace tolvane {

// Installs Qt's own Simplified Chinese translations (from Qt's translations
// folder) into the application, whatever the system's locale, so that the
// standard buttons and dialogs read "是", "否", "取消", "确定", "打开" like the
// rest of the interface. Returns false when they are not installed on this
// machine; the texts then stay Qt's English ones.
bool installChineseTranslations(QCoreApplication& app);

}  // namespace tolvane
