#include "core/lookup/declaration_forms.h"

namespace tolvane {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString privateVbDeclaration(const QString& declaration) {
    // A form that is only a note (a data type has no VB declaration of its
    // own) stays a comment: "Private '…" would not compile.
    if (declaration.startsWith(QLatin1Char('\''))) return declaration;
    return QStringLiteral("Private ") + declaration;
}

QString privateCSharpDeclaration(const QString& declaration) {
    QString out = declaration;
    out.replace(kCrLf + QStringLiteral("static extern"),
                kCrLf + QStringLiteral("private static extern"), Qt::CaseSensitive);
    return out;
}

Column formColumn(OutputForm form) {
    switch (form) {
    case OutputForm::CSharp: return Column::CSharp;
    case OutputForm::Vba64: return Column::Vba64;
    case OutputForm::VB: break;
    }
    return Column::Declare;
}

QString privateDeclaration(const QString& declaration, OutputForm form) {
    return form == OutputForm::CSharp ? privateCSharpDeclaration(declaration)
                                      : privateVbDeclaration(declaration);
}

QString copiedText(const QString& text, bool declarationBox, OutputForm form) {
    if (!declarationBox) return text + kCrLf;
    return privateDeclaration(text, form) + kCrLf;
}

}  // namespace tolvane
