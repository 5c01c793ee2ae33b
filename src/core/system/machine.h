#pragma once

#include <QString>

#include <optional>

namespace tolvane {

class MachineInfo {
public:
    virtual ~MachineInfo() = default;
    // The computer's name, or nothing when it cannot be read.
    virtual std::optional<QString> computerName() = 0;
};

}  // namespace tolvane
