// The help viewer: its Enlarge and Shrink sizes, the documents the build ships (read from
// file: and http: addresses), the message that replaces a missing document, and its life
// from one Help command to the next.
#include "base/app_globals.h"
#include "screens/help/frm_help.h"
#include "screens/help/help_address.h"
#include "screens/help/help_browser.h"
#include "screens/help/help_sizes.h"
#include "screens/shell/forms.h"
#include "screens/shell/twips.h"
#include "session/placement.h"
#include "support/scripted_messages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QNetworkProxy>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QScreen>
#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cmath>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

const QString General_Path = QStringLiteral("/helpfiles/korvel/korvel_help.pdf");
const QString File_Menu_Path = QStringLiteral("/helpfiles/general/Filemenu_help.pdf");
const QString Copy_Path = QStringLiteral("/helpfiles/general/CopyHelp.pdf");
const QString General_Label = QStringLiteral("frm_Homescreen.mnu_generalHelp_Click");

// Tenths of a twip, so single-precision sizes compare exactly with the documented values.
long Tenths(float twips) {
    return std::lround(double(twips) * 10);
}

// A window is centred horizontally when its middle is the middle of the available area,
// to within the pixel lost to an odd difference.
void Verify_Centred(QWidget* window) {
    const QRect area = window->screen()->availableGeometry();
    const int middle = window->x() + window->width() / 2;
    QVERIFY2(
        std::abs(middle - area.center().x()) <= 1,
        qPrintable(
            QStringLiteral("middle %1, display middle %2").arg(middle).arg(area.center().x())));
    QCOMPARE(window->y() - area.top(), Twips_To_Pixels(Home_Top, window));
}

// Size in twips to within one pixel.
void Verify_Twips(int pixels, double twips, QWidget* widget) {
    const double tpp = Twips_Per_Pixel(widget);
    QVERIFY2(std::abs(pixels * tpp - twips) <= tpp,
             qPrintable(QStringLiteral("%1 px is not %2 twips").arg(pixels).arg(twips)));
}

// Serves the files of a folder over HTTP/1.0, one request per connection, 404 for
// anything else: the http: path of the viewer without a network.
class FolderServer : public QTcpServer {
  public:
    explicit FolderServer(const QString& folder) : folder_(folder) {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

  private:
    void Answer(QTcpSocket* socket) {
        request_ += socket->readAll();
        if (!request_.contains("\r\n\r\n")) return;
        const QByteArray path = request_.split(' ').value(1);
        request_.clear();
        QFile file(folder_ + QUrl::fromPercentEncoding(path));
        QByteArray reply;
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray body = file.readAll();
            reply = "HTTP/1.0 200 OK\r\nContent-Type: application/pdf\r\nContent-Length: " +
                    QByteArray::number(body.size()) + "\r\n\r\n" + body;
        } else {
            reply = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n";
        }
        socket->write(reply);
        socket->disconnectFromHost();
    }

    QString folder_;
    QByteArray request_;
};

// The local folder the viewer reads the built documents from.
QString Built_Help_Folder() {
    return QUrl(Help_Host()).toLocalFile();
}

struct HideCounter : QObject {
    int hides = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) ++hides;
        return false;
    }
};

// Colours on the browser's page area: a blank page and its margin make only a few.
int Distinct_Colours(HelpBrowser* browser) {
    const QImage shown = browser->viewport()->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < shown.height(); y += 2)
        for (int x = 0; x < shown.width(); x += 2)
            colours.insert(shown.pixel(x, y));
    return int(colours.size());
}

bool Wait_For_Navigation(HelpBrowser* browser) {
    if (!browser->Is_Loading()) return true;
    QSignalSpy navigated(browser, &HelpBrowser::Navigated);
    return navigated.wait(10000);
}

} // namespace

class HelpScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // A proxy from the environment must not stand between the viewer and the test server.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }

    void init() {
        Set_Identity();
        Title_Caption = Build_Title_Caption();
        First_Activate = false;
        Full_Screen = false;
        Home_Top = 300;
        qunsetenv("KORVEL_HELP_BASE");
    }
    void cleanup() {
        Unload_All_Forms();
        qunsetenv("KORVEL_HELP_BASE");
    }

    // ---- Enlarge and Shrink arithmetic ----

    void enlargeSizes_data() {
        QTest::addColumn<float>("screenWidth");
        QTest::addColumn<float>("screenHeight");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<int>("windowHeight");
        QTest::addColumn<long>("browserWidthTenths");
        QTest::addColumn<long>("browserHeightTenths");
        // 1024 x 768 pixels at 15 twips per pixel.
        QTest::newRow("15360 x 11520") << 15360.f << 11520.f << 14899 << 10839 << 97551L << 91786L;
        // Screen sizes are taken to whole twips first: the same display measured unevenly.
        QTest::newRow("15360.4 x 11519.6")
            << 15360.4f << 11519.6f << 14899 << 10839 << 97551L << 91786L;
        // 1920 x 1080: height 16200 x 0.9409 = 15242.58; browser width 0.873 x 27936 / (16/9).
        QTest::newRow("28800 x 16200")
            << 28800.f << 16200.f << 27936 << 15243 << 137183L << 129079L;
    }
    void enlargeSizes() {
        QFETCH(float, screenWidth);
        QFETCH(float, screenHeight);
        const HelpSizes sizes = Enlarge_Sizes({screenWidth, screenHeight});
        QTEST(int(sizes.windowWidth), "windowWidth");
        QTEST(int(sizes.windowHeight), "windowHeight");
        QTEST(Tenths(sizes.browserWidth), "browserWidthTenths");
        QTEST(Tenths(sizes.browserHeight), "browserHeightTenths");
    }

    void shrinkSizes() {
        const HelpSizes sizes = Shrink_Sizes();
        QCOMPARE(sizes.windowWidth, 12015);
        QCOMPARE(sizes.windowHeight, 9900);
        QCOMPARE(sizes.browserWidth, 8335.f);
        QCOMPARE(sizes.browserHeight, 8030.f);
    }

    void resizeMenuSizesAndCentresTheViewer() {
        ScriptedMessages messages;
        Show_Help_Document(General_Path, General_Label);
        frm_Help* help = Help_Screen();
        QCOMPARE(help->mnu_Resize->title(), QStringLiteral("Resize Form"));
        QCOMPARE(help->mnu_Full->text(), QStringLiteral("Enlarge"));
        QCOMPARE(help->mnu_Shrink->text(), QStringLiteral("Shrink"));
        QCOMPARE(help->mnu_Close->text(), QStringLiteral("Close Form"));

        help->move(0, 0);
        help->mnu_Full->trigger();
        const HelpSizes enlarged = Enlarge_Sizes(Screen_Twips(help));
        Verify_Twips(help->width(), enlarged.windowWidth, help);
        Verify_Twips(help->height(), enlarged.windowHeight, help);
        Verify_Twips(help->WebBrowser1->width(), enlarged.browserWidth, help);
        Verify_Twips(help->WebBrowser1->height(), enlarged.browserHeight, help);
        Verify_Centred(help);

        help->move(0, 0);
        help->mnu_Shrink->trigger();
        Verify_Twips(help->width(), 12015, help);
        Verify_Twips(help->height(), 9900, help);
        Verify_Twips(help->WebBrowser1->width(), 8335, help);
        Verify_Twips(help->WebBrowser1->height(), 8030, help);
        Verify_Centred(help);
        QVERIFY(help->isVisible());
        QVERIFY(messages.shown.empty());
    }

    // ---- documents ----

    void builtDocumentsOpen_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("General") << General_Path << QStringLiteral("Korvel Help");
        QTest::newRow("File Menu")
            << File_Menu_Path << QStringLiteral("Korvel Help: the File Menu");
        QTest::newRow("Copying to Clipboard")
            << Copy_Path << QStringLiteral("Korvel Help: Copying to the Clipboard");
    }
    void builtDocumentsOpen() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        ScriptedMessages messages;
        Show_Help_Document(path, General_Label);
        frm_Help* help = Help_Screen();
        HelpBrowser* browser = help->WebBrowser1;
        QVERIFY(help->isVisible());
        QVERIFY(browser->Address().startsWith(QLatin1String("file:")));
        QVERIFY(browser->Address().endsWith(path));
        QCOMPARE(browser->Document()->status(), QPdfDocument::Status::Ready);
        QVERIFY(browser->Document()->pageCount() > 0);
        QCOMPARE(browser->Document()->metaData(QPdfDocument::MetaDataField::Title).toString(),
                 title);
        QVERIFY(!browser->Message()->isVisible());
        QCOMPARE(help->windowTitle(),
                 QStringLiteral("Help for ") + Title_Caption + QStringLiteral("Help Screen"));
        QVERIFY(messages.shown.empty());
    }

    void generalHelpShowsItsFirstPage() {
        Show_Help_Document(General_Path, General_Label);
        HelpBrowser* browser = Help_Screen()->WebBrowser1;
        QVERIFY(QTest::qWaitForWindowExposed(Help_Screen()));
        QCOMPARE(browser->pageNavigator()->currentPage(), 0);
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        // Page 1 is painted (pages are rendered in the background): its text is there.
        QTRY_VERIFY_WITH_TIMEOUT(Distinct_Colours(browser) > 8, 10000);
    }

    void missingDocumentShowsAMessage() {
        QTemporaryDir empty;
        const QString base = QUrl::fromLocalFile(empty.path()).toString();
        qputenv("KORVEL_HELP_BASE", base.toUtf8());
        ScriptedMessages messages;
        Show_Help_Document(Copy_Path, QStringLiteral("frm_Homescreen.mnu_Copyhelp_Click"));
        frm_Help* help = Help_Screen();
        QVERIFY(help->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QLabel* message = help->WebBrowser1->Message();
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(),
                 QStringLiteral("The help document could not be found: ") + base + Copy_Path);
        QVERIFY(help->WebBrowser1->Document()->status() != QPdfDocument::Status::Ready);
        // The message covers the page area of the viewer.
        QCOMPARE(message->geometry(), help->WebBrowser1->viewport()->geometry());
        QVERIFY(messages.shown.empty());
    }

    void unreadableDocumentShowsAMessage() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("helpfiles/general")));
        QFile broken(folder.path() + File_Menu_Path);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("This is not a PDF document.\n");
        broken.close();
        const QString base = QUrl::fromLocalFile(folder.path()).toString();
        qputenv("KORVEL_HELP_BASE", base.toUtf8());
        Show_Help_Document(File_Menu_Path, QStringLiteral("frm_Homescreen.mnu_FileGeneral_Click"));
        QLabel* message = Help_Screen()->WebBrowser1->Message();
        QVERIFY(message->isVisibleTo(Help_Screen()));
        QCOMPARE(message->text(),
                 QStringLiteral("The help document could not be read: ") + base + File_Menu_Path);
    }

    void webDocumentIsDownloadedAndShown() {
        FolderServer server(Built_Help_Folder());
        QVERIFY(server.listen(QHostAddress::LocalHost));
        qputenv("KORVEL_HELP_BASE", server.Base().toUtf8());

        Show_Help_Document(File_Menu_Path, QStringLiteral("frm_Homescreen.mnu_FileGeneral_Click"));
        HelpBrowser* browser = Help_Screen()->WebBrowser1;
        QCOMPARE(browser->Address(), server.Base() + File_Menu_Path);
        QVERIFY(Help_Screen()->isVisible());
        QVERIFY(Wait_For_Navigation(browser));
        QCOMPARE(browser->Document()->status(), QPdfDocument::Status::Ready);
        QVERIFY(browser->Document()->pageCount() > 0);
        QVERIFY(!browser->Message()->isVisibleTo(browser));

        // The server has no such document.
        Show_Help_Document(QStringLiteral("/helpfiles/general/Nothing.pdf"), General_Label);
        QVERIFY(Wait_For_Navigation(browser));
        QVERIFY(browser->Message()->isVisibleTo(browser));
        QCOMPARE(browser->Message()->text(),
                 QStringLiteral("The help document could not be found: ") + server.Base() +
                     QStringLiteral("/helpfiles/general/Nothing.pdf"));
    }

    void laterCommandSupersedesADownload() {
        FolderServer server(Built_Help_Folder());
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString localBase = Help_Host();
        qputenv("KORVEL_HELP_BASE", server.Base().toUtf8());
        Show_Help_Document(File_Menu_Path, General_Label);
        HelpBrowser* browser = Help_Screen()->WebBrowser1;
        QVERIFY(browser->Is_Loading());

        // The next command comes before the download ends: its document stays.
        qputenv("KORVEL_HELP_BASE", localBase.toUtf8());
        Show_Help_Document(General_Path, General_Label);
        QTest::qWait(300);
        QCOMPARE(browser->Document()->metaData(QPdfDocument::MetaDataField::Title).toString(),
                 QStringLiteral("Korvel Help"));

        // Closed while downloading, the viewer goes without waiting for the download.
        qputenv("KORVEL_HELP_BASE", server.Base().toUtf8());
        Show_Help_Document(Copy_Path, General_Label);
        QPointer<frm_Help> help = Help_Screen();
        help->close();
        QTRY_VERIFY(help.isNull());
        QTest::qWait(100);
    }

    // ---- the viewer from one Help command to the next ----

    void secondDocumentHidesLoadsAndShowsAgainCentred() {
        Show_Help_Document(General_Path, General_Label);
        frm_Help* help = Help_Screen();
        QPdfDocument* document = help->WebBrowser1->Document();
        help->move(0, 0);

        HideCounter counter;
        help->installEventFilter(&counter);
        bool loadedWhileHidden = false;
        const auto watch = connect(document, &QPdfDocument::statusChanged, help,
                                   [&] { loadedWhileHidden |= !help->isVisible(); });
        Show_Help_Document(File_Menu_Path, QStringLiteral("frm_Homescreen.mnu_FileGeneral_Click"));
        disconnect(watch);
        help->removeEventFilter(&counter);

        QCOMPARE(Help_Screen(), help); // the same viewer, not a new one
        QCOMPARE(counter.hides, 1);
        QVERIFY(loadedWhileHidden);
        QVERIFY(help->isVisible());
        QCOMPARE(document->metaData(QPdfDocument::MetaDataField::Title).toString(),
                 QStringLiteral("Korvel Help: the File Menu"));
        Verify_Centred(help);
    }

    void closeFormHidesButCloseBoxUnloads() {
        Show_Help_Document(General_Path, General_Label);
        QPointer<frm_Help> help = Help_Screen();
        help->mnu_Close->trigger();
        QVERIFY(!help->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!help.isNull()); // Close Form keeps the viewer loaded

        Show_Help_Document(General_Path, General_Label);
        QCOMPARE(Help_Screen(), help.data());
        help->mnu_Full->trigger();
        help->close();
        QVERIFY(!help->isVisible());
        QTRY_VERIFY(help.isNull());

        // The next Help command loads a new viewer at its design size.
        Show_Help_Document(File_Menu_Path, General_Label);
        frm_Help* fresh = Help_Screen();
        QVERIFY(fresh->isVisible());
        Verify_Twips(fresh->width(), 12015, fresh);
        Verify_Twips(fresh->height(), 9900, fresh);
        Verify_Twips(fresh->WebBrowser1->width(), 11805, fresh);
        Verify_Twips(fresh->WebBrowser1->height(), 9105, fresh);
        QCOMPARE(fresh->WebBrowser1->Document()->status(), QPdfDocument::Status::Ready);
    }

    void captionFollowsTheTitleWhenActive() {
        Show_Help_Document(General_Path, General_Label);
        frm_Help* help = Help_Screen();
        help->hide();
        Title_Caption = QStringLiteral("KORVEL TEST ");
        help->Show_Modeless();
        QCOMPARE(help->windowTitle(), QStringLiteral("Help for KORVEL TEST Help Screen"));
    }

    // ---- the help host ----

    void helpHostChoosesItsBase() {
        QTemporaryDir first, second;
        const QString missing = first.path() + QStringLiteral("/no-such-folder");
        QCOMPARE(Help_Base_From(QStringLiteral("https://help.example.org/"), {second.path()}),
                 QStringLiteral("https://help.example.org"));
        QCOMPARE(Help_Base_From(QString(), {missing, second.path()}),
                 QUrl::fromLocalFile(second.path()).toString());
        QCOMPARE(Help_Base_From(QString(), {missing}), QUrl::fromLocalFile(missing).toString());

        qputenv("KORVEL_HELP_BASE", "https://help.example.org");
        QCOMPARE(Help_Address(General_Path),
                 QStringLiteral("https://help.example.org/helpfiles/korvel/korvel_help.pdf"));
        qunsetenv("KORVEL_HELP_BASE");
        // From the build tree, the documents the build wrote.
        const QUrl address(Help_Address(Copy_Path));
        QVERIFY(address.isLocalFile());
        QVERIFY(QFile::exists(address.toLocalFile()));
    }
};

QTEST_MAIN(HelpScreenTest)
#include "frm_help_test.moc"
