#include "cli/find_command.h"

#include "cli/find_catalogue.h"
#include "cli/find_lookup.h"
#include "cli/find_options.h"
#include "cli/find_output.h"
#include "cli/record_output.h"
#include "core/store/catalogue_store.h"
#include "core/system/version.h"

#include <QFile>
#include <QRegularExpression>

namespace tolvane {

namespace {

QByteArray errorLine(const QString& text) { return ("tolvane-find: " + text + u'\n').toUtf8(); }

// A name search for a plain name (no wildcard) is retried and helped.
bool forgivable(const FindOptions& options) {
    static const QRegularExpression wildcard(QStringLiteral("[*?#\\[]"));
    return !options.fullText && !options.pattern.contains(wildcard);
}

// The patterns to look up: the one given, or one per non-empty line of the
// --patterns file ("-": standard input).
QStringList patternsOf(const FindOptions& options) {
    if (options.patternsFile.isEmpty()) return {options.pattern};
    QFile file(options.patternsFile);
    const bool opened = options.patternsFile == u'-' ? file.open(stdin, QIODevice::ReadOnly)
                                                     : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw FindFailure(QStringLiteral("cannot read the patterns from %1: %2")
                              .arg(options.patternsFile, file.errorString()));
    QStringList patterns;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty()) patterns << line;
    }
    return patterns;
}

// Looks one pattern up; a plain name that finds nothing is tried without a
// final A or W, and close names are suggested. Notes go to `err`. Whether
// anything was found.
bool lookUpForgiving(CatalogueStore& store, const FindOptions& options, const QString& path,
                     RecordPrinter& printer, QByteArray& err) {
    LookupEnd found = lookUp(store, options, path, printer);
    if (!found.found && forgivable(options)) {
        // SendMessageW is found as SendMessage, as the catalogue names a
        // function once for both its forms.
        const QString given = options.pattern;
        if (given.endsWith(u'A') || given.endsWith(u'W')) {
            FindOptions shorter = options;
            shorter.pattern.chop(1);
            found = lookUp(store, shorter, path, printer);
        }
        if (!found.found) {
            const QStringList close = closeNames(store, given, path);
            if (!close.isEmpty())
                err += errorLine(QStringLiteral("nothing matches '%1'; did you mean %2?")
                                     .arg(given, close.join(QStringLiteral(", "))));
        }
    }
    if (found.skipped > 0)
        err += errorLine(QStringLiteral("%1 matching records have an ID that is no whole number; "
                                        "they are not listed")
                             .arg(found.skipped));
    if (found.more)
        err += errorLine(
            QStringLiteral("more records match; showing the first %1 (--limit 0 shows all)")
                .arg(options.limit));
    return found.found;
}

// What was printed before a failure reaches its reader first, if it can.
void flushBeforeFailure(FindOutputStream& out) {
    try {
        out.flush();
    } catch (const FindFailure&) {
    } catch (const OutputClosed&) {}
}

}  // namespace

FindResult runFind(const QStringList& arguments, const Env& env, FindOutputStream& out) {
    FindResult result;
    try {
        const FindOptions options = parseFindOptions(arguments, out.terminal());
        if (options.help || options.version) {
            out.write(options.help ? findHelp().toUtf8()
                                   : ("tolvane-find " + programVersion() + u'\n').toUtf8());
            out.flush();
            return result;
        }
        const QString path =
            options.catalogue.isEmpty() ? defaultCataloguePath(env) : options.catalogue;
        const QString password =
            options.passwordFile.isEmpty() ? QString() : readPasswordFile(options.passwordFile);
        const std::unique_ptr<CatalogueStore> store =
            openCatalogueReadOnly(path, password, options.lockWait);
        RecordPrinter printer(options, store->columns(),
                              [&out](QByteArrayView bytes) { out.write(bytes); });
        bool anyFound = false;
        for (const QString& pattern : patternsOf(options)) {
            FindOptions one = options;
            one.pattern = pattern;
            anyFound = lookUpForgiving(*store, one, path, printer, result.err) || anyFound;
        }
        result.status = anyFound ? 0 : 1;
        for (const QString& name : printer.withoutForm())
            result.err += errorLine(QStringLiteral("%1 has no %2 declaration in this catalogue")
                                        .arg(name, formName(options.form)));
        out.flush();
    } catch (const FindFailure& failure) {
        flushBeforeFailure(out);
        result = {2, errorLine(failure.message())};
    } catch (const OutputClosed&) {
        result = {};
    }
    return result;
}

}  // namespace tolvane
