#pragma once
// placeholder until the opener lands
#include "platform/env.h"
#include <QString>
#include <memory>
namespace tolvane {
class Database;
bool OpenMDB(const Env& env, const QString& fileName, std::unique_ptr<Database>& db, const QString& appName);
void SelectMDB(const Env& env, const QString& appName);
}
