#include "reports/worked_text.h"

#include "model/exact_check.h"
#include "reports/exact_text.h"
#include "text/significant_text.h"

#include <QStringList>

#include <cmath>

namespace korvel {

namespace {

const QChar Minus(0x2212);

bool Is_Negative(const QString& fraction) {
    return fraction.startsWith(QLatin1Char('-'));
}

QString Without_Sign(const QString& fraction) {
    return Is_Negative(fraction) ? fraction.mid(1) : fraction;
}

bool Is_Shown_Whole(const QString& fraction) {
    for (const QString& part : Without_Sign(fraction).split(QLatin1Char('/')))
        if (part.size() > 12) return false;
    return true;
}

// A value beyond 12 digits: "≈1.23457e+20"; the fraction itself when even its double is
// out of range, since a decimal would then say less than the truth.
QString Approximate(const QString& fraction) {
    const double value = Nearest_Double(fraction);
    if (!std::isfinite(value) || value == 0) return Fraction_For_Reading(fraction);
    return QStringLiteral("≈") + Fraction_For_Reading(Significant_Text(value));
}

// How one format writes the pieces of the working.
class Style {
  public:
    virtual ~Style() = default;
    virtual QString Number(const QString& fraction) const { return Worked_Fraction(fraction); }
    // A value inside an expression, in brackets unless it is a plain non-negative integer.
    virtual QString Operand(const QString& fraction) const {
        const QString shown = Number(fraction);
        if (!Is_Negative(fraction) && !fraction.contains(QLatin1Char('/')) &&
            Is_Shown_Whole(fraction))
            return shown;
        return QLatin1Char('(') + shown + QLatin1Char(')');
    }
    virtual QString Group(const QString& text) const { return '(' + text + ')'; }
    virtual QString Name(const QString& name) const { return name; }
    virtual QString Row(int row) const { return QStringLiteral("R%1").arg(row); }
    virtual QString Times() const { return QStringLiteral("·"); }
    virtual QString Product() const { return QStringLiteral(" · "); }
    virtual QString Determinant() const { return QStringLiteral("det A"); }
    virtual QString Divide() const { return QStringLiteral(" / "); }
    virtual QString Minus_Sign() const { return QString(Minus); }
    virtual QString Assign() const { return QStringLiteral(" ← "); }
    virtual QString Exchange() const { return QStringLiteral(" ↔ "); }
    virtual QString Heading(const QString& text) const { return text; }
    virtual QString Text(const QString& text) const { return text; }
    // Equations or row operations, one per line.
    virtual QString Lines(const QStringList& lines) const {
        return QStringLiteral("  ") + lines.join(QStringLiteral("\n  "));
    }
    // augmented: the last column is C, set off by a bar.
    virtual QString Matrix(const FractionMatrix& m, const QString* names,
                           bool augmented = true) const = 0;
    virtual QString Document(const QStringList& parts) const {
        return parts.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
    }
};

// Plain text: sentences wrapped at 78 characters, matrices in right-aligned columns under
// the unknowns' names.
class PlainStyle : public Style {
  public:
    QString Text(const QString& text) const override {
        QStringList lines;
        QString line;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > 78) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines << line;
        return lines.join(QLatin1Char('\n'));
    }
    QString Matrix(const FractionMatrix& m, const QString* names,
                   bool augmented = true) const override {
        const int n = static_cast<int>(m.size());
        const int columns = m.empty() ? 0 : static_cast<int>(m.front().size());
        std::vector<QStringList> cells(static_cast<size_t>(n) + 1);
        cells[0] << QString();
        for (int j = 1; j <= columns; ++j)
            cells[0] << (!augmented     ? QString::number(j)
                         : j == columns ? QStringLiteral("C")
                                        : names[j]);
        for (int i = 0; i < n; ++i) {
            cells[size_t(i) + 1] << Row(i + 1);
            for (const QString& value : m[size_t(i)])
                cells[size_t(i) + 1] << Number(value);
        }
        std::vector<int> widths(static_cast<size_t>(columns) + 1, 0);
        for (const QStringList& line : cells)
            for (int j = 0; j < line.size(); ++j)
                widths[size_t(j)] = std::max(widths[size_t(j)], int(line[j].size()));
        QStringList lines;
        for (const QStringList& line : cells) {
            QString text = QStringLiteral("  ") + line[0].leftJustified(widths[0]);
            for (int j = 1; j < line.size(); ++j)
                text +=
                    (augmented && j == columns ? QStringLiteral("  |  ") : QStringLiteral("  ")) +
                    line[j].rightJustified(widths[size_t(j)]);
            lines << text;
        }
        return lines.join(QLatin1Char('\n'));
    }
};

QString Latex_Escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\textbackslash{}");
        else if (c == QLatin1Char('~'))
            out += QStringLiteral("\\textasciitilde{}");
        else if (c == QLatin1Char('^'))
            out += QStringLiteral("\\textasciicircum{}");
        else if (QStringLiteral("{}$&#_%").contains(c))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    return out;
}

// LaTeX for a document that loads amsmath: fractions as \frac, matrices as arrays with a bar
// before the constants, row operations in gather*.
class LatexStyle : public Style {
  public:
    QString Number(const QString& fraction) const override {
        if (!Is_Shown_Whole(fraction)) {
            const double value = Nearest_Double(fraction);
            if (std::isfinite(value) && value != 0) {
                const QStringList parts = Significant_Text(value).split(QLatin1Char('E'));
                QString text = QStringLiteral("\\approx ") + parts[0];
                if (parts.size() == 2)
                    text += QStringLiteral("\\cdot 10^{%1}").arg(parts[1].toInt());
                return text;
            }
        }
        const QString sign = Is_Negative(fraction) ? QStringLiteral("-") : QString();
        const QStringList parts = Without_Sign(fraction).split(QLatin1Char('/'));
        if (parts.size() == 1) return sign + parts[0];
        return sign + QStringLiteral("\\frac{%1}{%2}").arg(parts[0], parts[1]);
    }
    QString Operand(const QString& fraction) const override {
        if (!Is_Negative(fraction) && Is_Shown_Whole(fraction)) return Number(fraction);
        return QStringLiteral("\\left(") + Number(fraction) + QStringLiteral("\\right)");
    }
    QString Group(const QString& text) const override {
        return QStringLiteral("\\left(") + text + QStringLiteral("\\right)");
    }
    QString Name(const QString& name) const override {
        return QStringLiteral("\\text{") + Latex_Escaped(name) + QLatin1Char('}');
    }
    QString Row(int row) const override { return QStringLiteral("R_{%1}").arg(row); }
    QString Times() const override { return QStringLiteral("\\,"); }
    QString Product() const override { return QStringLiteral(" \\cdot "); }
    QString Determinant() const override { return QStringLiteral("\\det A"); }
    QString Divide() const override { return QStringLiteral(" \\Big/ "); }
    QString Minus_Sign() const override { return QStringLiteral("-"); }
    QString Assign() const override { return QStringLiteral(" \\leftarrow "); }
    QString Exchange() const override { return QStringLiteral(" \\leftrightarrow "); }
    QString Heading(const QString& text) const override {
        return QStringLiteral("\\textbf{") + Latex_Escaped(text) + QLatin1Char('}');
    }
    QString Text(const QString& text) const override { return Latex_Escaped(text); }
    QString Lines(const QStringList& lines) const override {
        return QStringLiteral("\\begin{gather*}\n") + lines.join(QStringLiteral(" \\\\\n")) +
               QStringLiteral("\n\\end{gather*}");
    }
    QString Matrix(const FractionMatrix& m, const QString*, bool augmented = true) const override {
        const int columns = m.empty() ? 0 : static_cast<int>(m.front().size());
        QStringList rows;
        for (const std::vector<QString>& row : m) {
            QStringList cells;
            for (const QString& value : row)
                cells << Number(value);
            rows << cells.join(QStringLiteral(" & "));
        }
        const QString layout = augmented
                                   ? QString(columns - 1, QLatin1Char('r')) + QStringLiteral("|r")
                                   : QString(columns, QLatin1Char('r'));
        return QStringLiteral("\\[\n\\left(\\begin{array}{%1}\n").arg(layout) +
               rows.join(QStringLiteral(" \\\\\n")) + QStringLiteral("\n\\end{array}\\right)\n\\]");
    }
};

QString Markdown_Escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (QStringLiteral("\\|*_`[]<>#").contains(c)) out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

// Markdown: matrices as tables, operations as lists.
class MarkdownStyle : public Style {
  public:
    QString Name(const QString& name) const override { return Markdown_Escaped(name); }
    QString Heading(const QString& text) const override {
        return QStringLiteral("**") + Markdown_Escaped(text) + QStringLiteral("**");
    }
    QString Text(const QString& text) const override { return Markdown_Escaped(text); }
    QString Lines(const QStringList& lines) const override {
        return QStringLiteral("- ") + lines.join(QStringLiteral("\n- "));
    }
    QString Matrix(const FractionMatrix& m, const QString* names,
                   bool augmented = true) const override {
        const int columns = m.empty() ? 0 : static_cast<int>(m.front().size());
        QString heading = QStringLiteral("| |");
        QString rule = QStringLiteral("|---|");
        for (int j = 1; j <= columns; ++j) {
            heading += QLatin1Char(' ') +
                       (!augmented     ? QString::number(j)
                        : j == columns ? QStringLiteral("C")
                                       : Name(names[j])) +
                       QStringLiteral(" |");
            rule += QStringLiteral("--:|");
        }
        QStringList lines{heading, rule};
        for (size_t i = 0; i < m.size(); ++i) {
            QString line = QStringLiteral("| ") + Row(int(i) + 1) + QStringLiteral(" |");
            for (const QString& value : m[i])
                line += QLatin1Char(' ') + Number(value) + QStringLiteral(" |");
            lines << line;
        }
        return lines.join(QLatin1Char('\n'));
    }
};

const Style& Style_Of(WorkedFormat format) {
    static const PlainStyle plain;
    static const LatexStyle latex;
    static const MarkdownStyle markdown;
    switch (format) {
    case WorkedFormat::Latex:
        return latex;
    case WorkedFormat::Markdown:
        return markdown;
    case WorkedFormat::Text:
        break;
    }
    return plain;
}

QString Operation_Text(const RowOperation& operation, const Style& style) {
    const QString target = style.Row(operation.target);
    const QString source = style.Row(operation.source);
    switch (operation.kind) {
    case RowOperation::Kind::Exchange:
        return target + style.Exchange() + source;
    case RowOperation::Kind::Divide:
        return target + style.Assign() + target + style.Divide() + style.Operand(operation.factor);
    case RowOperation::Kind::Subtract:
        break;
    }
    const QString size = Without_Sign(operation.factor);
    const QString sign = Is_Negative(operation.factor)
                             ? QStringLiteral(" + ")
                             : QLatin1Char(' ') + style.Minus_Sign() + QLatin1Char(' ');
    const QString times =
        size == QLatin1String("1") ? QString() : style.Operand(size) + style.Times();
    return target + style.Assign() + target + sign + times + source;
}

// "Y 2 = (5 − (1/2)·3) / (7/6) = (7/2) / (7/6) = 3", or without known unknowns
// "Y 3 = (7/2) / (7/6) = 3".
QString Back_Substitution_Text(const BackSubstitution& line, const std::vector<QString>& values,
                               const QString* names, const Style& style) {
    QString left = style.Name(names[line.unknown]) + QStringLiteral(" = ");
    if (!line.terms.empty()) {
        QString sum = style.Number(line.constant);
        for (const auto& [coefficient, unknown] : line.terms) {
            const QString size = Without_Sign(coefficient);
            sum += Is_Negative(coefficient)
                       ? QStringLiteral(" + ")
                       : QLatin1Char(' ') + style.Minus_Sign() + QLatin1Char(' ');
            if (size != QLatin1String("1")) sum += style.Operand(size) + style.Times();
            sum += style.Operand(values[size_t(unknown) - 1]);
        }
        left +=
            style.Group(sum) + style.Divide() + style.Operand(line.pivot) + QStringLiteral(" = ");
    }
    return left + style.Operand(line.remainder) + style.Divide() + style.Operand(line.pivot) +
           QStringLiteral(" = ") + style.Number(line.value);
}

QString Rule_Text(PivotRule rule) {
    return rule == PivotRule::FirstNonZero
               ? QStringLiteral("the pivot of each column is its first non-zero entry, as "
                                "done by hand")
               : QStringLiteral("the pivot of each column is the solver's: the entry of "
                                "largest magnitude");
}

bool Any_Approximate(const WorkedSolution& worked) {
    auto approximate = [](const FractionMatrix& m) {
        for (const auto& row : m)
            for (const QString& value : row)
                if (!Is_Shown_Whole(value)) return true;
        return false;
    };
    if (approximate(worked.start)) return true;
    for (const WorkedStep& step : worked.elimination)
        if (approximate(step.after)) return true;
    for (const WorkedStep& step : worked.reduction)
        if (approximate(step.after)) return true;
    return worked.inverse && approximate(*worked.inverse);
}

void Add_Steps(QStringList& parts, const std::vector<WorkedStep>& steps, const QString& what,
               const QString* names, const Style& style) {
    for (const WorkedStep& step : steps) {
        QStringList operations;
        for (const RowOperation& operation : step.operations)
            operations << Operation_Text(operation, style);
        parts << style.Heading(QStringLiteral("%1, column %2:").arg(what).arg(step.column)) +
                     QLatin1Char('\n') + style.Lines(operations)
              << style.Matrix(step.after, names);
    }
}

QString Outcome_Text(const WorkedSolution& worked, const QString* names, const Style& style) {
    if (worked.kind == SolutionKind::None)
        return style.Text(QStringLiteral("Row %1 reads 0 = %2. ")
                              .arg(worked.contradictionRow)
                              .arg(Worked_Fraction(worked.contradictionValue)) +
                          QStringLiteral("The equations contradict each other: no solution."));
    QStringList general;
    for (const GeneralUnknown& unknown : worked.general)
        general << General_Equation(unknown, names);
    return style.Text(QStringLiteral("The equations are dependent: infinitely many solutions. ") +
                      Free_Unknowns_Text(worked.freeUnknowns, names) +
                      QStringLiteral(", and then:")) +
           QStringLiteral("\n\n") + style.Lines(general);
}

} // namespace

QString Worked_Fraction(const QString& fraction) {
    return Is_Shown_Whole(fraction) ? Fraction_For_Reading(fraction) : Approximate(fraction);
}

QString Worked_Solution_Text(const WorkedSolution& worked, const QString* names,
                             WorkedFormat format) {
    const Style& style = Style_Of(format);
    QStringList parts;
    if (format == WorkedFormat::Latex) parts << QStringLiteral("% Needs \\usepackage{amsmath}.");
    QString intro = QStringLiteral("Gaussian elimination on [A | C] in exact fractions; ") +
                    Rule_Text(worked.rule) +
                    QStringLiteral(". A column with nothing to do is passed over.");
    if (Any_Approximate(worked))
        intro += QStringLiteral(" Fractions with more than 12 digits above or below the line "
                                "are shown as decimals to 6 significant digits, marked ≈.");
    parts << style.Text(intro) << style.Heading(QStringLiteral("The system [A | C]:"))
          << style.Matrix(worked.start, names);
    Add_Steps(parts, worked.elimination, QStringLiteral("Elimination"), names, style);
    if (worked.kind == SolutionKind::Unique) {
        QStringList lines;
        for (const BackSubstitution& line : worked.back)
            lines << Back_Substitution_Text(line, worked.solution, names, style);
        parts << style.Heading(QStringLiteral("Back substitution, from the last equation up:")) +
                     QLatin1Char('\n') + style.Lines(lines);
        QStringList solution;
        for (int j = 1; j <= worked.n; ++j)
            solution << style.Name(names[j]) + QStringLiteral(" = ") +
                            style.Number(worked.solution[size_t(j) - 1]);
        parts << style.Heading(QStringLiteral("Solution:")) + QLatin1Char('\n') +
                     style.Lines(solution);
        return style.Document(parts);
    }
    parts << style.Text(QStringLiteral("Echelon form: %1 of the %2 columns of A have a pivot.")
                            .arg(worked.rank)
                            .arg(worked.n));
    if (worked.kind == SolutionKind::Infinite)
        Add_Steps(parts, worked.reduction, QStringLiteral("Reduced form"), names, style);
    parts << Outcome_Text(worked, names, style);
    return style.Document(parts);
}

QString Determinant_And_Inverse_Text(const WorkedSolution& worked, const QString* names,
                                     WorkedFormat format) {
    const Style& style = Style_Of(format);
    QStringList parts;
    QString product;
    if (worked.rank == worked.n) {
        QStringList factors;
        for (const QString& pivot : worked.pivots)
            factors << style.Operand(pivot);
        product = factors.join(style.Product());
        if (worked.oddExchanges) product = style.Minus_Sign() + style.Group(product);
        product += QStringLiteral(" = ");
    }
    parts << style.Text(QStringLiteral("The determinant of A is the product of the pivots of "
                                       "the echelon form, its sign changed by each row "
                                       "exchange; without a pivot in every column it is 0."))
          << style.Lines({style.Determinant() + QStringLiteral(" = ") + product +
                          style.Number(worked.determinant)});
    if (!worked.inverse) {
        parts << style.Text(QStringLiteral("A is singular (its determinant is 0): it has no "
                                           "inverse."));
        return style.Document(parts);
    }
    parts << style.Heading(QStringLiteral("The inverse of A:"));
    parts << style.Matrix(*worked.inverse, names, false);
    return style.Document(parts);
}

} // namespace korvel
