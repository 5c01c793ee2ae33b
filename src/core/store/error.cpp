#include "core/store/error.h"

#include <utility>

namespace tolvane {

Error::Error(int number, QString description)
    : number_(number),
      description_(std::move(description)),
      what_(QString::number(number).toStdString() + ": " + description_.toStdString()) {}

Error::Error(int number) : Error(number, describeError(number)) {}

QString describeError(int number) {
    switch (number) {
    case err::Overflow: return QStringLiteral("溢出");
    case err::BadFileName: return QStringLiteral("文件名或文件号错误");
    case err::FileNotFound: return QStringLiteral("文件未找到");
    case err::PathFileAccess: return QStringLiteral("路径/文件访问错误");
    case err::CannotCreateObject: return QStringLiteral("ActiveX 部件不能创建对象");
    case err::UpdateWithoutEdit:
        return QStringLiteral("更新或取消更新前没有 AddNew 或 Edit 操作。");
    case err::NoCurrentRecord: return QStringLiteral("无当前记录。");
    case err::CannotFindFile: return QStringLiteral("找不到文件。");
    case err::CannotUpdate: return QStringLiteral("不能更新。数据库或对象为只读。");
    case err::NotValidPassword: return QStringLiteral("不是有效的密码。");
    case err::DiskFull: return QStringLiteral("磁盘已满或系统资源不足。");
    case err::FileInUse:
        return QStringLiteral("无法打开文件：文件已被占用，或者没有读写它的权限。");
    case err::NotValidFileName: return QStringLiteral("不是有效的文件名。");
    case err::TooFewParameters: return QStringLiteral("参数不足。");
    case err::UnknownName: return QStringLiteral("数据库引擎不能识别的字段名或表达式。");
    case err::SyntaxError: return QStringLiteral("表达式中有语法错误。");
    case err::NoSuchTable: return QStringLiteral("找不到输入表或查询。");
    case err::SqlSyntax: return QStringLiteral("在 SQL 语句结尾之后找到字符。");
    case err::UnknownField: return QStringLiteral("在此集合中找不到项目。");
    case err::NotInDatabase: return QStringLiteral("不可识别的数据库格式。");
    case err::InvalidPattern: return QStringLiteral("无效的模式字符串。");
    case err::ClipboardFailure: return QStringLiteral("无法打开剪贴板。");
    case err::EngineFailure: return QStringLiteral("数据库引擎发生错误。");
    case err::OutOfMemory: return QStringLiteral("内存不足");
    case err::DuplicateKey: return QStringLiteral("索引或主关键字中出现重复值，更改没有成功。");
    case err::DiskError: return QStringLiteral("磁盘或网络错误。");
    case err::CannotExecuteSelect: return QStringLiteral("不能执行选择查询。");
    case err::InvalidSql:
        return QStringLiteral(
            "无效的 SQL 语句；应为 'DELETE'、'INSERT'、'PROCEDURE'、'SELECT' 或 'UPDATE'。");
    case err::FieldTooSmall: return QStringLiteral("字段太小，不能接受所要添加的数据。");
    case err::FieldNotUpdatable: return QStringLiteral("不能更新字段。");
    case err::RecordDeleted: return QStringLiteral("记录已被删除。");
    case err::Locked: return QStringLiteral("不能更新；当前被锁定。");
    case err::InvalidOperation: return QStringLiteral("操作无效。");
    case err::ValidationFailed: return QStringLiteral("值违反了字段或表的有效性规则。");
    case err::ObjectClosed: return QStringLiteral("对象无效或不再被设置。");
    case err::TypeMismatch: return QStringLiteral("表达式中数据类型不匹配。");
    case err::NotPermitted: return QStringLiteral("没有执行此操作的权限。");
    case err::Cancelled: return QStringLiteral("操作已被用户取消。");
    case err::Busy: return QStringLiteral("数据库正忙于另一项操作，请稍后再试。");
    default: return {};
    }
}

}  // namespace tolvane
