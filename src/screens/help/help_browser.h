// The help viewer's browser control: navigates to the address of a PDF document and shows
// it. file: addresses are read directly; http: and https: addresses are downloaded first.
// A document that cannot be found or read is replaced by a message naming its address, so
// the viewer is never left empty.
#pragma once

#include <QNetworkReply>
#include <QPdfView>
#include <QPointer>

class QLabel;
class QNetworkAccessManager;
class QPdfDocument;
class QTemporaryFile;

namespace korvel {

class HelpBrowser : public QPdfView {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    ~HelpBrowser() override;

    // Starts showing the document at address; a download finishes later (Navigated).
    void Navigate(const QString& address);

    QString Address() const { return address_; }
    QPdfDocument* Document() const { return document_; }
    // The message shown instead of a document; hidden while a document is shown.
    QLabel* Message() const { return message_; }
    bool Is_Loading() const { return reply_ != nullptr; }

  signals:
    // The document is shown, or the message that says why not.
    void Navigated();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Open_Local(const QString& fileName);
    void Download(const QUrl& url);
    void Download_Finished(QNetworkReply* reply);
    void Abandon_Download();
    void Show_Document();
    void Show_Message(const QString& text);

    QPdfDocument* document_;
    QLabel* message_;
    QNetworkAccessManager* network_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QTemporaryFile* downloaded_ = nullptr; // the document read from the web, while shown
    QString address_;
};

// The texts shown instead of a document.
QString Document_Not_Found_Text(const QString& address);
QString Document_Unreadable_Text(const QString& address);

} // namespace korvel
