#include "core/store/status.h"

namespace tolvane {

Status::Status(StatusCode code, QString message)
    : code_(code), message_(message.isEmpty() ? standardMessage(code) : std::move(message)) {}

QString standardMessage(StatusCode code) {
    switch (code) {
    case StatusCode::Ok: return {};
    case StatusCode::Cancelled: return QStringLiteral("操作已被用户取消。");
    case StatusCode::BadPath: return QStringLiteral("文件名或文件号错误");
    case StatusCode::NotAFileName: return QStringLiteral("不是有效的文件名。");
    case StatusCode::FileMissing: return QStringLiteral("找不到文件。");
    case StatusCode::FileInUse:
        return QStringLiteral("无法打开文件：文件已被占用，或者没有读写它的权限。");
    case StatusCode::NotACatalogue: return QStringLiteral("不可识别的数据库格式。");
    case StatusCode::WrongPassword: return QStringLiteral("不是有效的密码。");
    case StatusCode::FileGone: return QStringLiteral("找不到文件。");
    case StatusCode::Denied: return QStringLiteral("没有执行此操作的权限。");
    case StatusCode::NoCurrentRecord: return QStringLiteral("无当前记录。");
    case StatusCode::RecordGone: return QStringLiteral("记录已被删除。");
    case StatusCode::RecordChanged: return QStringLiteral("此记录在显示之后已被其他程序修改。");
    case StatusCode::DuplicateId:
        return QStringLiteral("此记录的 ID 不唯一（另有记录使用同一 ID），未写入任何修改。");
    case StatusCode::UnknownColumn: return QStringLiteral("在此集合中找不到项目。");
    case StatusCode::UnknownName: return QStringLiteral("参数不足。");
    case StatusCode::NoSuchTable: return QStringLiteral("找不到输入表或查询。");
    case StatusCode::InvalidPattern: return QStringLiteral("无效的模式字符串。");
    case StatusCode::SyntaxError: return QStringLiteral("表达式中有语法错误。");
    case StatusCode::Locked: return QStringLiteral("目录文件正被其他程序写入，请稍后再试。");
    case StatusCode::ReadOnly: return QStringLiteral("不能更新。数据库或对象为只读。");
    case StatusCode::DiskFull: return QStringLiteral("磁盘已满或系统资源不足。");
    case StatusCode::DiskError: return QStringLiteral("磁盘或网络错误。");
    case StatusCode::OutOfMemory: return QStringLiteral("内存不足");
    case StatusCode::TooBig: return QStringLiteral("字段太小，不能接受所要添加的数据。");
    case StatusCode::TypeMismatch: return QStringLiteral("表达式中数据类型不匹配。");
    case StatusCode::Duplicate: return QStringLiteral("索引或主关键字中出现重复值，更改没有成功。");
    case StatusCode::Constraint: return QStringLiteral("值违反了字段或表的有效性规则。");
    case StatusCode::SettingsUnwritable: return QStringLiteral("路径/文件访问错误");
    case StatusCode::ClipboardFailure: return QStringLiteral("无法打开剪贴板。");
    case StatusCode::EngineFailure: return QStringLiteral("数据库引擎发生错误。");
    }
    return {};
}

}  // namespace tolvane
