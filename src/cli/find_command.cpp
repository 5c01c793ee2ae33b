#include "cli/find_command.h"

#include "cli/find_catalogue.h"
#include "cli/find_lookup.h"
#include "cli/find_options.h"
#include "cli/record_output.h"
#include "core/store/catalogue_store.h"

namespace tolvane {

namespace {

QByteArray errorLine(const QString& text) { return ("tolvane-find: " + text + u'\n').toUtf8(); }

}  // namespace

FindResult runFind(const QStringList& arguments, SettingsStore& settings, FileProbe& files,
                   const QString& programDir, const std::function<void(QByteArrayView)>& out) {
    FindResult result;
    try {
        const FindOptions options = parseFindOptions(arguments);
        if (options.help) {
            out(findHelp().toUtf8());
            return result;
        }
        const QString path = options.catalogue.isEmpty()
                                 ? defaultCataloguePath(settings, files, programDir)
                                 : options.catalogue;
        const QString password =
            options.passwordFile.isEmpty() ? QString() : readPasswordFile(options.passwordFile);
        const std::unique_ptr<CatalogueStore> store =
            openCatalogueReadOnly(path, password, options.lockWait);
        RecordPrinter printer(options, store->columns(), out);
        const LookupEnd found = lookUp(*store, options, path, printer);
        result.status = found.found ? 0 : 1;
        if (found.skipped > 0)
            result.err += errorLine(
                QStringLiteral("%1 matching records have an ID that is no whole number; they are "
                               "not listed")
                    .arg(found.skipped));
        if (found.more)
            result.err += errorLine(
                QStringLiteral("more records match; showing the first %1 (--limit 0 shows all)")
                    .arg(options.limit));
    } catch (const FindFailure& failure) {
        result = {2, errorLine(failure.message())};
    }
    return result;
}

}  // namespace tolvane
