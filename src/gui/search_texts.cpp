#include "gui/search_texts.h"

namespace tolvane {

QString searchingText() { return QStringLiteral("Esc取消查询"); }

QString noCatalogueText() { return QStringLiteral("没有打开的数据库。"); }

QString countText(qsizetype count) {
    return QStringLiteral("找到 ") + QString::number(count) + QStringLiteral(" 个相关函数.");
}

QString cutShortText(qsizetype count) {
    return QStringLiteral("查询出错而中止，已列出 ") + QString::number(count) +
           QStringLiteral(" 个.");
}

QString skippedIdsText(qint64 count) {
    return QStringLiteral("有 ") + QString::number(count) +
           QStringLiteral(" 条符合条件的记录的 ID 不是整数，无法显示，未列出。");
}

QString positionText(const QString& name, qsizetype row, qsizetype count) {
    return name + QLatin1Char(' ') + QString::number(row + 1) + QLatin1Char('/') +
           QString::number(count);
}

}  // namespace tolvane
