// The entry screen's boxes and frames paint themselves from kept pictures; they must look
// exactly like the Qt widgets they stand for, and follow every change.
#include "screens/entry/matrix_box.h"
#include "screens/widgets/cached_group_box.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace korvel;

namespace {

// What the widget paints, in one pixel format whatever the widget's own picture uses.
QImage Picture(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// A box and a plain line edit side by side, set up alike, in one window.
struct Pair {
    QWidget window;
    MatrixBox* box;
    QLineEdit* reference;
    QPushButton* elsewhere; // takes the focus away from both

    explicit Pair(int width) {
        QFont small = window.font();
        small.setPointSize(8);
        window.setFont(small);
        box = new MatrixBox(&window);
        reference = new QLineEdit(&window);
        elsewhere = new QPushButton(QStringLiteral("x"), &window);
        box->setGeometry(0, 0, width, 21);
        reference->setGeometry(0, 30, width, 21);
        elsewhere->setGeometry(0, 60, 20, 20);
        window.resize(width + 10, 90);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window)); // the focus moves only in the active window
        elsewhere->setFocus();
    }
    void Show(const QString& text, const QColor& colour) {
        box->Show_Text(text);
        box->Set_Text_Colour(colour);
        QPalette palette = reference->palette();
        palette.setColor(QPalette::Text, colour);
        reference->setPalette(palette);
        reference->setText(text);
        reference->setCursorPosition(0);
    }
    bool Look_Alike() const { return Picture(box) == Picture(reference); }
};

const QColor Grey(0x808080), Red(0xFF0000);

} // namespace

class QuickPaintingTest : public QObject {
    Q_OBJECT

  private slots:
    void boxWithoutFocusLooksLikeALineEdit_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("grid, 0") << 41 << QStringLiteral("0") << Grey;
        QTest::newRow("grid, 1") << 41 << QStringLiteral("1") << Red;
        QTest::newRow("grid, empty") << 41 << QString() << Grey;
        QTest::newRow("constant") << 59 << QStringLiteral("-119.465") << Red;
        QTest::newRow("constant, exponent") << 59 << QStringLiteral("1.5E+15") << Red;
        QTest::newRow("name") << 31 << QStringLiteral("Y 16") << QColor(Qt::black);
        QTest::newRow("name, descender") << 31 << QStringLiteral("gy") << QColor(Qt::black);
        QTest::newRow("name, not ASCII") << 31 << QStringLiteral("Δp") << QColor(Qt::black);
    }
    void boxWithoutFocusLooksLikeALineEdit() {
        QFETCH(int, width);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        Pair pair(width);
        pair.Show(QStringLiteral("2.5"), Grey); // a text and colour to change from
        QVERIFY(pair.Look_Alike());
        pair.Show(text, colour);
        QVERIFY(pair.Look_Alike());
    }

    // A text wider than the box would be cut by the line edit, and what shows of a number
    // reads as another number: the box draws it whole, in a smaller font, until it has the
    // focus.
    void tooWideATextIsDrawnWholeAndSmaller() {
        for (const QString& text : {QStringLiteral("-8.217"), QStringLiteral("123,456,789.123")}) {
            Pair pair(41);
            pair.Show(text, Red);
            QVERIFY(!pair.Look_Alike());
            const QFont shown = pair.box->Shown_Font();
            QVERIFY(shown.pointSizeF() < pair.box->font().pointSizeF());
            QVERIFY(QFontMetricsF(shown).horizontalAdvance(text) < pair.box->width() - 4);
        }
    }

    // The line edit paints the box with the focus; it must still show the box's colour,
    // and the quick painting must take over again when the focus goes.
    void colourSurvivesTheFocus() {
        Pair pair(41);
        pair.Show(QStringLiteral("1"), Red);
        pair.box->setFocus();
        QCOMPARE(pair.box->palette().color(QPalette::Text), Red);
        pair.box->Set_Text_Colour(Grey);
        QCOMPARE(pair.box->palette().color(QPalette::Text), Grey);
        pair.elsewhere->setFocus();
        pair.Show(QStringLiteral("1"), Red);
        QCOMPARE(pair.box->Text_Colour(), Red);
        QVERIFY(pair.Look_Alike());
    }

    // Font and size changes lay the text out again.
    void followsFontAndSize() {
        Pair pair(41);
        pair.Show(QStringLiteral("3.25"), Red);
        QFont large = pair.window.font();
        large.setPointSize(11);
        pair.box->setFont(large);
        pair.reference->setFont(large);
        QVERIFY(pair.Look_Alike());
        pair.box->resize(70, 26);
        pair.reference->resize(70, 26);
        QVERIFY(pair.Look_Alike());
    }

    void groupBoxLooksLikeAGroupBoxThroughChanges() {
        QWidget window;
        auto* cached = new CachedGroupBox(QStringLiteral("A-matrix"), &window);
        auto* reference = new QGroupBox(QStringLiteral("A-matrix"), &window);
        cached->setGeometry(0, 0, 200, 120);
        reference->setGeometry(0, 130, 200, 120);
        window.resize(210, 260);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window)); // the look of an active window throughout
        // The first paint after a change, then the one from the picture taken after it.
        const auto alike = [&] {
            const bool first = Picture(cached) == Picture(reference);
            QCoreApplication::processEvents();
            return first && Picture(cached) == Picture(reference);
        };
        QVERIFY(alike());
        cached->setTitle(QStringLiteral("C-vect"));
        reference->setTitle(QStringLiteral("C-vect"));
        QVERIFY(alike());
        cached->resize(150, 90);
        reference->resize(150, 90);
        QVERIFY(alike());
        QFont bold = window.font();
        bold.setBold(true);
        cached->setFont(bold);
        reference->setFont(bold);
        QVERIFY(alike());
        QPalette dark = window.palette();
        dark.setColor(QPalette::Window, QColor(0x303030));
        dark.setColor(QPalette::WindowText, Qt::white);
        window.setPalette(dark);
        QVERIFY(alike());
        cached->setEnabled(false);
        reference->setEnabled(false);
        QVERIFY(alike());
    }
};

QTEST_MAIN(QuickPaintingTest)
#include "quick_painting_test.moc"
