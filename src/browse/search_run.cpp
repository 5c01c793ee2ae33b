// Filling the result list from a search statement, shared by both searches.
#include "browse/form1.h"
#include "browse/result_fill.h"
#include "browse/result_list.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <QPointer>

namespace tolvane {

bool Form1::runSearch(const QString& sql) {
    const std::uint64_t run = ++searchRuns_;
    // The search keeps the catalogue open even if the window closes while
    // it yields.
    const std::shared_ptr<Database> db = Db;
    const QPointer<Form1> alive(this);
    try {
        if (!db) throw Error(err::EngineFailure);
        const std::unique_ptr<Recordset> rows = db->openRecordset(sql);
        LItems->clear();
        const auto yield = [&] {
            QCoreApplication::processEvents();
            if (!alive || searchRuns_ != run) return FillStep::Abandon;
            return CancelSearch ? FillStep::Stop : FillStep::GoOn;
        };
        if (fillResults(*rows, *LItems, FillSlice, yield) != FillEnd::Finished) return false;
    } catch (const Error&) {
        // Failures arise only between two yields, so this is still the
        // latest search; it ends quietly with nothing listed.
        LItems->clear();
    }
    return true;
}

}  // namespace tolvane
