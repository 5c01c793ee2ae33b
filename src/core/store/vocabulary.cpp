#include "core/store/vocabulary.h"

#include "vocabulary_data.h"

#include <cmath>
#include <cstring>

namespace tolvane {

const QStringList& categoryList() {
    static const QStringList list = [] {
        QStringList texts;
        for (const auto& category : vocabulary_data::kCategories)
            texts << QString::fromUtf8(category.text);
        return texts;
    }();
    return list;
}

int allCategoriesPosition() {
    static const int position = [] {
        int p = 0;
        for (const auto& category : vocabulary_data::kCategories) {
            if (std::strcmp(category.key, "all") == 0) return p;
            ++p;
        }
        return -1;
    }();
    return position;
}

const QStringList& dllList() {
    static const QStringList list = [] {
        QStringList dlls;
        for (const char* dll : vocabulary_data::kDlls) dlls << QString::fromUtf8(dll);
        return dlls;
    }();
    return list;
}

std::optional<int> categoryPosition(const QVariant& classValue) {
    if (!classValue.isValid() || classValue.isNull()) return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double position = std::nearbyint(leadingNumber(classValue.toString()) + 1);
    if (!(position >= 0 && position < categoryList().size())) return std::nullopt;
    return static_cast<int>(position);
}

std::int16_t classForPosition(int position) { return static_cast<std::int16_t>(position - 1); }

std::optional<qint64> filterClass(int position) {
    if (position == allCategoriesPosition()) return std::nullopt;
    return classForPosition(position);
}

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
    const qsizetype start = i;
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) ++i;
        return i > from;
    };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    bool any = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        any = digits() || any;
    }
    if (!any) return 0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
        if (digits()) end = i;
    }
    return text.mid(start, end - start).toDouble();
}

}  // namespace tolvane
