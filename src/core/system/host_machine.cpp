#include "core/system/host_machine.h"

#include <QSysInfo>

namespace tolvane {

std::optional<QString> HostMachineInfo::computerName() {
    const QString name = QSysInfo::machineHostName();
    if (name.isEmpty()) return std::nullopt;
    return name;
}

}  // namespace tolvane
