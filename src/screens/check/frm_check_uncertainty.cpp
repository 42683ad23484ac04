// The check screen's page "Data uncertainty": the tolerances of the coefficients and the
// constants, remembered between runs, and the guaranteed bounds on every unknown for data
// known only that well.
#include "model/mod_matrix.h"
#include "model/uncertainty_bounds.h"
#include "reports/bounds_report.h"
#include "screens/check/frm_check.h"
#include "screens/shell/guarded_slot.h"
#include "session/data_uncertainty.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvel {

namespace {

// A percentage shown as typed: "0.5 %", not "0.5000 %".
class PercentBox : public QDoubleSpinBox {
  public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QString textFromValue(double value) const override { return locale().toString(value, 'g', 6); }
};

QDoubleSpinBox* Percent_Box(QWidget* page, const char* name, const QString& accessible_name) {
    auto* box = new PercentBox(page);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessible_name);
    box->setRange(0, 100);
    box->setDecimals(4);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" %"));
    // Typing 0.25 should not recompute at 0, 0.2 and 0.25.
    box->setKeyboardTracking(false);
    return box;
}

QTableWidgetItem* Read_Only_Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

void frm_Check::Add_Uncertainty_Page(const QFont& bold) {
    auto* page = new QWidget(tab_Pages);
    page->setObjectName(QStringLiteral("pnl_Uncertainty"));
    auto* layout = new QVBoxLayout(page);
    auto* fields = new QHBoxLayout;
    auto* coefficientsLabel = new QLabel(QStringLiteral("Coe&fficients ±"), page);
    txt_Tolerance_A = Percent_Box(page, "txt_Tolerance_A",
                                  QStringLiteral("Uncertainty of every coefficient, in percent"));
    coefficientsLabel->setBuddy(txt_Tolerance_A);
    auto* constantsLabel = new QLabel(QStringLiteral("Co&nstants ±"), page);
    txt_Tolerance_C = Percent_Box(page, "txt_Tolerance_C",
                                  QStringLiteral("Uncertainty of every constant, in percent"));
    constantsLabel->setBuddy(txt_Tolerance_C);
    fields->addWidget(coefficientsLabel);
    fields->addWidget(txt_Tolerance_A);
    fields->addSpacing(fontMetrics().averageCharWidth() * 3);
    fields->addWidget(constantsLabel);
    fields->addWidget(txt_Tolerance_C);
    fields->addStretch(1);
    layout->addLayout(fields);

    lbl_Bounds_Meaning = new QLabel(page);
    lbl_Bounds_Meaning->setObjectName(QStringLiteral("lbl_Bounds_Meaning"));
    lbl_Bounds_Meaning->setTextFormat(Qt::PlainText);
    lbl_Bounds_Meaning->setWordWrap(true);
    lbl_Bounds_Meaning->setFont(bold);
    lbl_Bounds_Meaning->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lbl_Bounds_Meaning);

    grd_Bounds = new QTableWidget(0, 6, page);
    grd_Bounds->setObjectName(QStringLiteral("grd_Bounds"));
    grd_Bounds->setAccessibleName(
        QStringLiteral("Each unknown: its value, the bounds that hold for uncertain data, the "
                       "spread in percent and the input that moves it most"));
    grd_Bounds->setHorizontalHeaderLabels(
        {QStringLiteral("Unknown"), QStringLiteral("Value"), QStringLiteral("Lower bound"),
         QStringLiteral("Upper bound"), QStringLiteral("± of value"),
         QStringLiteral("Matters most")});
    grd_Bounds->verticalHeader()->hide();
    grd_Bounds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_Bounds->setSelectionMode(QAbstractItemView::NoSelection);
    grd_Bounds->setWordWrap(false);
    QHeaderView* header = grd_Bounds->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(5, QHeaderView::Stretch);
    layout->addWidget(grd_Bounds, 1);
    tab_Pages->addTab(page, QStringLiteral("Data &uncertainty"));

    const DataUncertainty remembered = Remembered_Uncertainty();
    txt_Tolerance_A->setValue(remembered.coefficients);
    txt_Tolerance_C->setValue(remembered.constants);
    auto changed = [this] {
        Remember_Uncertainty({txt_Tolerance_A->value(), txt_Tolerance_C->value()});
        Fill_Uncertainty();
    };
    Connect_Guarded(txt_Tolerance_A, &QDoubleSpinBox::valueChanged, this, changed);
    Connect_Guarded(txt_Tolerance_C, &QDoubleSpinBox::valueChanged, this, changed);
}

void frm_Check::Fill_Uncertainty() {
    const std::optional<UncertaintyBounds> bounds =
        Bound_Model(txt_Tolerance_A->value() / 100, txt_Tolerance_C->value() / 100);
    if (!bounds) {
        uncertaintyText_ = QStringLiteral("These equations have no unique solution: there is "
                                          "nothing to bound.");
        lbl_Bounds_Meaning->setText(uncertaintyText_);
        grd_Bounds->setRowCount(0);
        return;
    }
    lbl_Bounds_Meaning->setText(Bounds_Meaning(*bounds));
    grd_Bounds->setRowCount(Num_Equations);
    for (int i = 1; i <= Num_Equations; ++i) {
        const QStringList row = Bounds_Row(*bounds, i, Var_Name);
        for (int column = 0; column < int(row.size()); ++column)
            grd_Bounds->setItem(i - 1, column,
                                Read_Only_Cell(row[column], column == 0 || column == 5
                                                                ? Qt::AlignLeft
                                                                : Qt::AlignRight));
    }
    uncertaintyText_ = Bounds_Report_Text(*bounds, Var_Name);
}

} // namespace korvel
