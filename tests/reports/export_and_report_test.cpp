// The text export and the printed report: the export byte for byte, the report read back
// from a PDF (lines and print zones), and the line printer's zone arithmetic on its own.
#include "base/app_globals.h"
#include "cli/cli_commands.h"
#include "files/model_file.h"
#include "files/model_io.h"
#include "model/mod_matrix.h"
#include "reports/export_file.h"
#include "reports/line_printer.h"
#include "reports/pdf_report.h"
#include "reports/printer_report.h"
#include "reports/worked_pages.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <sstream>
#include <vector>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

const QDateTime Printed(QDate(2008, 11, 30), QTime(14, 5, 9));

// The example: model truss, design 1 by ann, unknowns a = 1 and b = -2.5.
class Reports : public ::testing::Test {
  protected:
    void SetUp() override {
        Set_Identity();
        Initialize();
        File_Name = QStringLiteral("truss");
        Design_No = 1;
        Project_ID = QStringLiteral("ann");
        Num_Equations = 2, Last_Index = 1;
        Var_Name[1] = QStringLiteral("a"), Var_Name[2] = QStringLiteral("b");
        X_Vector[1] = 1, X_Vector[2] = -2.5;
    }
    ScriptedMessages messages;
};

// Export content with the date and time fields (line 2, fields 4 and 6) replaced by markers.
QByteArray Without_Date_And_Time(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    if (lines.size() < 2) return content;
    QList<QByteArray> fields = lines[1].split('\t');
    if (fields.size() != 6) return content;
    EXPECT_FALSE(fields[3].isEmpty());
    EXPECT_TRUE(fields[5].startsWith("14:05:09")) << fields[5].constData();
    fields[3] = "<date>";
    fields[5] = fields[5].endsWith('\r') ? "<time>\r" : "<time>";
    lines[1] = fields.join('\t');
    return lines.join('\n');
}

} // namespace

// ---- Text export ----

TEST_F(Reports, ExportOfTheExampleIsExactApartFromDateAndTime) {
    const struct {
        QLocale locale;
        const char* expected;
    } cases[] = {
        {QLocale::c(), "KORVEL\tFile: \ttruss\t\tDesign #\t 1 \r\n"
                       "By:\tann\t\t<date>\t\t<time>\r\n"
                       "\r\n"
                       "a\t 1 \t\r\n"
                       "b\t-2.5 \t\r\n"},
        {QLocale(QLocale::German, QLocale::Germany), "KORVEL\tFile: \ttruss\t\tDesign #\t 1 \r\n"
                                                     "By:\tann\t\t<date>\t\t<time>\r\n"
                                                     "\r\n"
                                                     "a\t 1 \t\r\n"
                                                     "b\t-2,5 \t\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Without_Date_And_Time(Export_Content(Printed, c.locale)), QByteArray(c.expected))
            << c.locale.name().toStdString();
}

TEST_F(Reports, ExportHoldsEveryUnknownAtFullPrecision) {
    const struct {
        double value;
        const char* text;
    } values[] = {{1.0 / 3, " .333333333333333 "},
                  {-2.0 / 3, "-.666666666666667 "},
                  {3, " 3 "},
                  {-3, "-3 "},
                  {1e20, " 1E+20 "},
                  {0, " 0 "}};
    Num_Equations = 16, Last_Index = 15;
    Default_Names();
    Var_Name[16] = QStringLiteral("Länge ü");
    for (int i = 1; i <= 16; ++i)
        X_Vector[i] = values[(i - 1) % std::size(values)].value;
    const QList<QByteArray> lines = Export_Content(Printed, QLocale::c()).split('\n');
    ASSERT_EQ(lines.size(), 19 + 1); // the last line end leaves an empty piece
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(lines[2 + i],
                  Var_Name[i].toUtf8() + '\t' + values[(i - 1) % std::size(values)].text + "\t\r");
}

TEST_F(Reports, ExportFileHoldsTheExportText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("truss.txt"));
    ASSERT_TRUE(Export_To_File(path));
    EXPECT_TRUE(messages.shown.empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> written = file.readAll().split('\n'),
                      expected = Export_Content(Printed).split('\n');
    ASSERT_EQ(written.size(), expected.size());
    written.removeAt(1), expected.removeAt(1); // the moment of export differs
    EXPECT_EQ(written, expected);
}

// ---- The printed report, read back from PDF ----

// Fontconfig keeps its caches to the end of the process without freeing them; under
// LeakSanitizer (the sanitizer build of these tests) that is not a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace {

// A GUI application for fonts and painting, made the first time a test needs one.
void Ensure_Gui() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "korvel_core_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // kept to the end of the process
}

// A word that pdftotext found, in points from the page's top left.
struct Word {
    QString text;
    double x0, y0, x1;
};
using Row = std::vector<Word>;

QString Pdftotext() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QString Run_Pdftotext(const QStringList& arguments) {
    QProcess tool;
    tool.start(Pdftotext(), arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The page's words grouped into rows of equal height, top to bottom.
std::vector<Row> Rows_Of(const QString& pdf) {
    static const QRegularExpression wordPattern(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="[-\d.]+">([^<]*)</word>)re"));
    const QString html = Run_Pdftotext({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<Word> words;
    for (auto m = wordPattern.globalMatch(html); m.hasNext();) {
        const auto match = m.next();
        words.push_back({match.captured(4).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                         match.captured(1).toDouble(), match.captured(2).toDouble(),
                         match.captured(3).toDouble()});
    }
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.y0 < b.y0; });
    std::vector<Row> rows;
    for (const Word& word : words) {
        if (rows.empty() || word.y0 - rows.back().front().y0 > 1.0) rows.emplace_back();
        rows.back().push_back(word);
    }
    for (Row& row : rows)
        std::sort(row.begin(), row.end(), [](const Word& a, const Word& b) { return a.x0 < b.x0; });
    return rows;
}

QString Text_Of(const Row& row) {
    QStringList words;
    for (const Word& w : row)
        words << w.text;
    return words.join(u' ');
}

const Word* Find(const Row& row, const QString& text) {
    for (const Word& w : row)
        if (w.text == text) return &w;
    return nullptr;
}

constexpr double Margin = 36; // points on every side of the page

// Prints the report as korvel-cli does, on a page with known margins; returns the width
// of a print zone in points: 14 average character widths of the report's font.
double Print_Report(const QString& path) {
    QPdfWriter pdf(path);
    pdf.setPageMargins(QMarginsF(Margin, Margin, Margin, Margin), QPageLayout::Point);
    QPainter painter(&pdf);
    painter.setFont(Report_Font());
    Draw_Printer_Report(painter, 1, Printed, QLocale::c());
    return 14 * QFontMetricsF(painter.font(), &pdf).averageCharWidth() * 72.0 / pdf.resolution();
}

class PrinterReport : public Reports {
  protected:
    void SetUp() override {
        if (Pdftotext().isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        Ensure_Gui();
        Reports::SetUp();
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath(QStringLiteral("report.pdf"));
    }
    QTemporaryDir dir;
    QString pdf;
};

constexpr double Tolerance = 0.5; // points

} // namespace

// Twelve lines: four empty, header, "By:", two empty, headings, one empty, two results.
// pdftotext cannot show empty lines, so the rows of text are checked against an even grid
// of lines from the top margin: rows at lines 5, 6, 9, 11 and 12 and nothing else.
TEST_F(PrinterReport, TwoUnknownsGiveTwelveLinesInTheirZones) {
    X_Vector[2] = -1.23456;
    const double zone = Print_Report(pdf);
    const std::vector<Row> rows = Rows_Of(pdf);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(Text_Of(rows[0]), QStringLiteral("KORVEL File truss Design # 1 Page 1"));
    EXPECT_TRUE(Text_Of(rows[1]).startsWith(QStringLiteral("By: ann ")))
        << Text_Of(rows[1]).toStdString();
    EXPECT_TRUE(Text_Of(rows[1]).endsWith(QStringLiteral(" 14:05:09")))
        << Text_Of(rows[1]).toStdString();
    EXPECT_EQ(Text_Of(rows[2]), QStringLiteral("Variable Value"));
    EXPECT_EQ(Text_Of(rows[3]), QStringLiteral("a 1"));
    EXPECT_EQ(Text_Of(rows[4]), QStringLiteral("b -1.2346"));

    const double line = rows[1][0].y0 - rows[0][0].y0;
    ASSERT_GT(line, 5.0);
    const int expectedLine[] = {5, 6, 9, 11, 12};
    for (size_t r = 0; r < rows.size(); ++r)
        EXPECT_NEAR((rows[r][0].y0 - Margin) / line, expectedLine[r] - 1, 0.15) << "row " << r;

    // Zone 1 stays empty; each item starts on a zone boundary.
    const struct {
        size_t row;
        const char* word;
        int zone;
    } starts[] = {{0, "KORVEL", 2}, {0, "File", 3},     {0, "Design", 4}, {0, "Page", 5},
                  {1, "By:", 2},    {2, "Variable", 2}, {2, "Value", 3},  {3, "a", 2},
                  {4, "b", 2},      {4, "-1.2346", 3}};
    for (const auto& s : starts) {
        const Word* w = Find(rows[s.row], QString::fromLatin1(s.word));
        ASSERT_NE(w, nullptr) << s.word;
        EXPECT_NEAR(w->x0, Margin + (s.zone - 1) * zone, Tolerance) << s.word;
    }
    // A value that is not negative has a blank in the sign's place.
    const double signPlace = Find(rows[3], QStringLiteral("1"))->x0 - (Margin + 2 * zone);
    EXPECT_GT(signPlace, 1.0);
    EXPECT_LT(signPlace, zone / 7);
}

TEST_F(PrinterReport, LongModelNamePushesDesignToTheNextFreeZone) {
    // A short name leaves "Design #" in its own zone (the fourth); longer ones push it on,
    // to the first zone boundary after the name (the line still fits on the page).
    const struct {
        QString name;
        bool pushed;
    } cases[] = {{QStringLiteral("t"), false},
                 {QStringLiteral("truss-and-bridge"), true},
                 {QStringLiteral("truss-bridge-over-the-river"), true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        File_Name = c.name;
        const double zone = Print_Report(pdf);
        const Row header = Rows_Of(pdf).at(0);
        const Word* name = Find(header, c.name);
        const Word* design = Find(header, QStringLiteral("Design"));
        const Word* page = Find(header, QStringLiteral("Page"));
        ASSERT_TRUE(name && design && page) << Text_Of(header).toStdString();
        const double boundary = (design->x0 - Margin) / zone; // zone k starts at boundary k - 1
        EXPECT_NEAR(boundary, std::round(boundary), Tolerance / zone) << "on a zone boundary";
        EXPECT_EQ(std::round(boundary) > 3, c.pushed) << boundary;
        EXPECT_GE(design->x0, name->x1 - Tolerance) << "after the name";
        EXPECT_LT(design->x0 - zone, name->x1) << "at the first boundary after it";
        EXPECT_NEAR(page->x0, design->x0 + zone, Tolerance);
    }
}

TEST_F(PrinterReport, ValueOfAnUnnamedUnknownStaysUnderItsHeading) {
    Var_Name[1].clear();
    const double zone = Print_Report(pdf);
    const std::vector<Row> rows = Rows_Of(pdf);
    ASSERT_EQ(rows.size(), 5u);
    const double heading = Find(rows[2], QStringLiteral("Value"))->x0;
    ASSERT_EQ(Text_Of(rows[3]), QStringLiteral("1"));
    const double signPlace = rows[3][0].x0 - heading;
    EXPECT_GT(signPlace, 1.0);
    EXPECT_LT(signPlace, zone / 7);
    EXPECT_NEAR(Find(rows[4], QStringLiteral("-2.5"))->x0, heading, Tolerance);
}

TEST_F(PrinterReport, KorvelCliPrintsASolvedModelFile) {
    // 2x1 + x2 = 3, x1 + 3x2 = 5: x1 = .8, x2 = 1.4.
    A_Matrix[1][1] = 2, A_Matrix[1][2] = 1, C_Vector[1] = 3;
    A_Matrix[2][1] = 1, A_Matrix[2][2] = 3, C_Vector[2] = 5;
    const QString model = dir.filePath(QStringLiteral("bridge.kvl"));
    {
        QFile file(model);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Model_File_Content());
    }
    std::ostringstream out, err;
    ASSERT_EQ(cli::Run({QStringLiteral("print"), model, pdf}, out, err, Write_Pdf_Report),
              cli::ExitCode::Ok)
        << err.str();

    QStringList lines =
        Run_Pdftotext({QStringLiteral("-layout"), pdf, QStringLiteral("-")}).split(u'\n');
    for (QString& l : lines)
        l = l.simplified();
    lines.removeAll(QString());
    ASSERT_EQ(lines.size(), 5) << lines.join(u'|').toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("KORVEL File bridge Design # 1 Page 1"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("By: ann "))) << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("Variable Value"));
    EXPECT_EQ(lines[3], QStringLiteral("a .8"));
    EXPECT_EQ(lines[4], QStringLiteral("b 1.4"));

    // The same spacing of lines as the report drawn directly: 5, 6, 9, 11, 12.
    const std::vector<Row> rows = Rows_Of(pdf);
    ASSERT_EQ(rows.size(), 5u);
    const double line = rows[1][0].y0 - rows[0][0].y0;
    const int expectedLine[] = {5, 6, 9, 11, 12};
    for (size_t r = 1; r < rows.size(); ++r)
        EXPECT_NEAR((rows[r][0].y0 - rows[0][0].y0) / line, expectedLine[r] - 5, 0.15)
            << "row " << r;
}

// The worked solution's pages: text that fills more than a page goes on to the next, a line
// too wide for the page at the smallest size is wrapped, the picture comes last; a PDF that
// cannot be written leaves nothing behind.
TEST_F(PrinterReport, WorkedPagesFlowOntoNewPagesAndEndWithThePicture) {
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << QStringLiteral("line %1").arg(i);
    lines << QStringLiteral("wide ") + QString(400, QLatin1Char('x')) + QStringLiteral(" end");
    double a[Array_Size][Array_Size] = {}, c[Array_Size] = {};
    a[1][1] = 2, a[1][2] = 1, c[1] = 8, a[2][1] = -3, a[2][2] = 1, c[2] = -2;
    const LinePicture picture = Picture_Of_Two(a, c, SolutionKind::Unique, Var_Name);
    ASSERT_TRUE(Write_Worked_Pdf(pdf, lines.join(QLatin1Char('\n')), &picture).written);
    const QString text = Run_Pdftotext({QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3) << text.toStdString();
    EXPECT_TRUE(pages.first().contains(QStringLiteral("line 1\n")));
    EXPECT_FALSE(pages.first().contains(QStringLiteral("line 300")));
    EXPECT_TRUE(text.contains(QStringLiteral(" end")));
    EXPECT_LT(text.indexOf(QStringLiteral("line 300")), text.indexOf(QStringLiteral("wide x")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("The lines cross at the solution.")))
        << pages.last().toStdString();

    const QString nowhere = dir.filePath(QStringLiteral("no-such-folder/worked.pdf"));
    EXPECT_FALSE(Write_Worked_Pdf(nowhere, lines.join(QLatin1Char('\n')), nullptr).written);
    EXPECT_FALSE(QFile::exists(nowhere));
}

// ---- The line printer on its own ----

namespace {

// A paint device that records where each text is drawn.
class RecordingEngine final : public QPaintEngine {
  public:
    struct Drawn {
        QString text;
        QPointF at;
    };
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        drawn.push_back({item.text(), at});
    }
    Type type() const override { return QPaintEngine::User; }
    std::vector<Drawn> drawn;
};

class RecordingDevice final : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        if (metric == PdmDpiX || metric == PdmDpiY || metric == PdmPhysicalDpiX ||
            metric == PdmPhysicalDpiY)
            return 600;
        if (metric == PdmWidth || metric == PdmHeight) return 20000;
        if (metric == PdmWidthMM || metric == PdmHeightMM) return 20000 * 254 / 6000;
        if (metric == PdmDevicePixelRatioScaled) return int(devicePixelRatioFScale());
        if (metric == PdmNumColors) return INT_MAX;
        return metric == PdmDepth ? 32 : 1;
    }
};

QFont Fixed_Font() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(12);
    return font;
}

} // namespace

TEST(LinePrinter, ItemsGoToTheNextFreeZone) {
    Ensure_Gui();
    const QString x13(13, u'x'), x15(15, u'x'), x27(27, u'x'), x29(29, u'x');
    // Items and the column (in average character widths) where each non-empty one starts.
    const struct {
        std::vector<QString> items;
        std::vector<int> columns;
    } cases[] = {
        {{"ab", "cd", "ef"}, {14, 28, 42}},
        {{x13, "y"}, {14, 28}}, // fits its zone
        {{x15, "y"}, {14, 42}}, // reaches into the next zone
        {{x27, "y", "z"}, {14, 42, 56}},
        {{x29, "y"}, {14, 56}}, // reaches two zones on
        {{"", "y"}, {28}},      // an empty item still takes its zone
        {{"a", "", "y"}, {14, 42}},
    };
    for (const auto& c : cases) {
        RecordingDevice device;
        QPainter painter(&device);
        painter.setFont(Fixed_Font());
        if (!QFontInfo(painter.font()).fixedPitch()) GTEST_SKIP() << "no fixed-pitch font";
        LinePrinter printer(painter);
        const double column = printer.Zone_Width() / 14;
        EXPECT_NEAR(QFontMetricsF(painter.font(), &device).horizontalAdvance(x15), 15 * column,
                    0.2 * column)
            << "a column is one character of a fixed-pitch font";
        switch (c.items.size()) {
        case 2:
            printer.Print_Line({c.items[0], c.items[1]});
            break;
        case 3:
            printer.Print_Line({c.items[0], c.items[1], c.items[2]});
            break;
        }
        std::vector<QString> printed; // the items that leave ink
        std::copy_if(c.items.begin(), c.items.end(), std::back_inserter(printed),
                     [](const QString& item) { return !item.isEmpty(); });
        const auto& drawn = device.engine.drawn;
        ASSERT_EQ(drawn.size(), printed.size()) << c.items.front().toStdString();
        for (size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].text, printed[i]);
            EXPECT_NEAR(drawn[i].at.x() / column, c.columns[i], 0.01) << printed[i].toStdString();
        }
    }
}

TEST(LinePrinter, EachLineIsOneLineSpacingBelowTheLast) {
    Ensure_Gui();
    RecordingDevice device;
    QPainter painter(&device);
    painter.setFont(Fixed_Font());
    LinePrinter printer(painter);
    printer.Empty_Line();
    printer.Print_Line({QStringLiteral("first")});
    printer.Empty_Line();
    printer.Empty_Line();
    printer.Print_Line({QStringLiteral("second"), QStringLiteral("same line")});
    EXPECT_EQ(printer.Lines_Printed(), 5);

    const QFontMetricsF metrics(painter.font(), &device);
    const auto& drawn = device.engine.drawn;
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_NEAR(drawn[0].at.y(), 1 * metrics.lineSpacing() + metrics.ascent(), 0.01);
    EXPECT_NEAR(drawn[1].at.y(), 4 * metrics.lineSpacing() + metrics.ascent(), 0.01);
    EXPECT_EQ(drawn[2].at.y(), drawn[1].at.y());
}
