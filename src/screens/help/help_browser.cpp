#include "screens/help/help_browser.h"

#include "screens/shell/guarded_slot.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QUrl>

namespace korvel {

QString Document_Not_Found_Text(const QString& address) {
    return QStringLiteral("The help document could not be found: ") + address;
}

QString Document_Unreadable_Text(const QString& address) {
    return QStringLiteral("The help document could not be read: ") + address;
}

namespace {
constexpr int Download_Timeout_Ms = 30000;
}

HelpBrowser::HelpBrowser(QWidget* parent) : QPdfView(parent) {
    document_ = new QPdfDocument(this);
    setDocument(document_);
    setPageMode(PageMode::MultiPage);
    // Fitting the width recomputes the zoom whenever a scroll bar comes or goes, which can
    // go on forever at some sizes; scroll bars that are always there keep it still.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setZoomMode(ZoomMode::FitToWidth);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lbl_Message"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse); // the address can be copied
    message_->setAutoFillBackground(true);
    message_->setBackgroundRole(QPalette::Base);
    message_->setMargin(24);
    message_->hide();
}

HelpBrowser::~HelpBrowser() {
    Abandon_Download();
    document_->close(); // before its downloaded file goes
}

void HelpBrowser::Abandon_Download() {
    if (!reply_) return;
    QNetworkReply* pending = reply_;
    reply_ = nullptr;
    disconnect(pending, nullptr, this, nullptr); // its end is no longer ours
    pending->abort();
    pending->deleteLater();
}

void HelpBrowser::Navigate(const QString& address) {
    Abandon_Download();
    address_ = address;
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (url.isLocalFile())
        Open_Local(url.toLocalFile());
    else if (scheme.isEmpty())
        Open_Local(address);
    else if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        Download(url);
    else {
        Show_Message(Document_Not_Found_Text(address));
        emit Navigated();
    }
}

void HelpBrowser::Open_Local(const QString& fileName) {
    document_->close();
    delete downloaded_;
    downloaded_ = nullptr;
    if (!QFileInfo(fileName).isFile()) {
        Show_Message(Document_Not_Found_Text(address_));
    } else if (document_->load(fileName) != QPdfDocument::Error::None) {
        Show_Message(Document_Unreadable_Text(address_));
    } else {
        Show_Document();
    }
    emit Navigated();
}

void HelpBrowser::Download(const QUrl& url) {
    document_->close();
    Show_Message(QStringLiteral("Loading the help document: ") + address_);
    if (!network_) network_ = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setTransferTimeout(Download_Timeout_Ms);
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    Connect_Guarded(reply, &QNetworkReply::finished, this,
                    [this, reply] { Download_Finished(reply); });
}

void HelpBrowser::Download_Finished(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != reply_) return; // superseded by a later Navigate
    reply_ = nullptr;
    if (reply->error() != QNetworkReply::NoError) {
        Show_Message(Document_Not_Found_Text(address_));
        emit Navigated();
        return;
    }
    // The document is read from a file of its own, kept while it is shown.
    auto* file =
        new QTemporaryFile(QDir::tempPath() + QStringLiteral("/korvel-help-XXXXXX.pdf"), this);
    const QByteArray content = reply->readAll();
    const bool written = file->open() && file->write(content) == content.size() && file->flush();
    file->close();
    document_->close();
    delete downloaded_;
    downloaded_ = file;
    if (!written || document_->load(file->fileName()) != QPdfDocument::Error::None)
        Show_Message(Document_Unreadable_Text(address_));
    else
        Show_Document();
    emit Navigated();
}

void HelpBrowser::Show_Document() {
    message_->hide();
    pageNavigator()->jump(0, QPointF(), zoomFactor());
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void HelpBrowser::Show_Message(const QString& text) {
    message_->setText(text);
    message_->setGeometry(viewport()->geometry());
    message_->show();
    message_->raise();
}

void HelpBrowser::resizeEvent(QResizeEvent* event) {
    QPdfView::resizeEvent(event);
    message_->setGeometry(viewport()->geometry());
}

} // namespace korvel
