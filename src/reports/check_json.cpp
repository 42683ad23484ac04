#include "reports/check_json.h"

#include <QJsonArray>
#include <QJsonValue>

#include <cmath>

namespace korvel {

namespace {

// JSON has no infinity or NaN.
QJsonValue Number_Or_Null(const std::optional<double>& value) {
    if (!value || !std::isfinite(*value)) return QJsonValue::Null;
    return *value;
}

// A condition number or residual beyond the double range (above it, or a residual below the
// smallest double) is a string of its value to 17 digits: no JSON number would say it.
QJsonValue Magnitude_Or_Null(const std::optional<ExactMagnitude>& value) {
    if (value && value->Beyond_Double()) return value->rounded;
    return Number_Or_Null(value ? std::optional<double>(value->nearest) : std::nullopt);
}

QString Status(SolutionKind kind) {
    switch (kind) {
    case SolutionKind::Unique:
        return QStringLiteral("unique");
    case SolutionKind::None:
        return QStringLiteral("none");
    case SolutionKind::Infinite:
        return QStringLiteral("infinite");
    }
    return {};
}

QJsonArray Unknowns(const ExactCheck& check, const QString* names) {
    QJsonArray unknowns;
    for (int i = 1; i <= check.n; ++i) {
        const ExactUnknown& unknown = check.unknowns[static_cast<size_t>(i - 1)];
        QJsonValue digits = QJsonValue::Null;
        if (unknown.correctDigits) digits = *unknown.correctDigits;
        unknowns.append(QJsonObject{
            {QStringLiteral("name"), names[i]},
            {QStringLiteral("float"), Number_Or_Null(unknown.computed)},
            {QStringLiteral("exact"),
             unknown.exact.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(unknown.exact)},
            {QStringLiteral("correct_digits"), digits},
        });
    }
    return unknowns;
}

QJsonArray General(const ExactCheck& check, const QString* names) {
    QJsonArray general;
    for (const GeneralUnknown& unknown : check.general) {
        QJsonObject terms;
        for (const auto& [free, factor] : unknown.terms)
            terms.insert(names[free], factor);
        general.append(QJsonObject{
            {QStringLiteral("name"), names[unknown.unknown]},
            {QStringLiteral("constant"), unknown.constant},
            {QStringLiteral("terms"), terms},
        });
    }
    return general;
}

QJsonValue Inverse(const DeterminantAndInverse& matrix) {
    if (!matrix.inverse) return QJsonValue::Null;
    QJsonArray rows;
    for (const std::vector<QString>& row : *matrix.inverse)
        rows.append(QJsonArray::fromStringList(QStringList(row.begin(), row.end())));
    return rows;
}

} // namespace

QJsonObject Check_Report_Json(const ExactCheck& check, const QString* names,
                              const DeterminantAndInverse& matrix) {
    QJsonArray free;
    for (int unknown : check.freeUnknowns)
        free.append(names[unknown]);
    return QJsonObject{
        {QStringLiteral("status"), Status(check.kind)},
        {QStringLiteral("n"), check.n},
        {QStringLiteral("rank"), check.rank},
        {QStringLiteral("rank_augmented"), check.rankAugmented},
        {QStringLiteral("condition"), Magnitude_Or_Null(check.condition)},
        {QStringLiteral("residual"), Magnitude_Or_Null(check.residual)},
        {QStringLiteral("unknowns"), Unknowns(check, names)},
        {QStringLiteral("free"), free},
        {QStringLiteral("general"), General(check, names)},
        {QStringLiteral("determinant"), matrix.determinant.isEmpty()
                                            ? QJsonValue(QJsonValue::Null)
                                            : QJsonValue(matrix.determinant)},
        {QStringLiteral("inverse"), Inverse(matrix)},
    };
}

} // namespace korvel
