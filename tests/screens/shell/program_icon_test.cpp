// The program's icon: built in at every size it is drawn in, and shown by every screen.
#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "screens/shell/form.h"
#include "screens/shell/forms.h"
#include "screens/shell/program_icon.h"
#include "screens/shell/set_captions.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

using namespace korvel;

namespace {

// True when the image has pixels that are not fully transparent.
bool Has_Drawing(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0) return true;
    return false;
}

} // namespace

class ProgramIconTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { Unload_All_Forms(); }

    void everySizeIsBuiltIn() {
        const QIcon icon = Program_Icon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (int size : {16, 32, 48, 64, 128, 256}) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY2(Has_Drawing(image), qPrintable(QString::number(size)));
        }
    }

    void everyScreenShowsTheProgramIcon() {
        Set_Identity();
        Title_Caption = Build_Title_Caption();
        First_Activate = true;
        Is_Admin = true;
        Full_Screen = false;
        Initialize();
        Set_Program_Icon();
        Set_Captions(); // loads every screen
        const QImage expected = Program_Icon().pixmap(QSize(32, 32)).toImage();
        int screens = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!qobject_cast<Form*>(window)) continue;
            ++screens;
            QVERIFY2(window->windowIcon().pixmap(QSize(32, 32)).toImage() == expected,
                     qPrintable(window->objectName()));
        }
        QVERIFY2(screens >= 9, qPrintable(QString::number(screens)));
        QApplication::setWindowIcon(QIcon());
    }
};

QTEST_MAIN(ProgramIconTest)
#include "program_icon_test.moc"
