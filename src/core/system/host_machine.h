#pragma once

#include "core/system/machine.h"

namespace tolvane {

// This computer's host name as the system reports it.
class HostMachineInfo : public MachineInfo {
public:
    std::optional<QString> computerName() override;
};

}  // namespace tolvane
