#include "gui/text_browser.h"

#include <QHash>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tolvane {

namespace {

// Laying out a page blocks the window, so pages stay small; an image costs
// only its decoding.
constexpr qint64 MaxPageBytes = 256 << 10;
constexpr qint64 MaxImageBytes = 4 << 20;
constexpr int MaxImagesPerPage = 32;
constexpr int TransferTimeoutMs = 30000;

QNetworkReply* get(QNetworkAccessManager& net, const QUrl& url, qint64 maxBytes) {
    QNetworkRequest request(url);
    request.setTransferTimeout(TransferTimeoutMs);
    QNetworkReply* reply = net.get(request);
    // A body beyond the limit is not worth its memory: give up on it (a reply
    // that arrives at once is checked by failed()).
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, maxBytes](qint64 received, qint64) {
                         if (received > maxBytes) reply->abort();
                     });
    return reply;
}

bool failed(QNetworkReply* reply, qint64 maxBytes) {
    return reply->error() != QNetworkReply::NoError || reply->bytesAvailable() > maxBytes;
}

bool isNetworkUrl(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The page's text in the encoding the document declares (byte-order mark or
// meta charset), UTF-8 when it declares none.
QString decodePage(const QByteArray& body) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
    return decoder.isValid() ? decoder.decode(body) : QString::fromUtf8(body);
}

// A read-only rich-text view whose images come over the network. An image
// is asked for while the page is laid out; it is fetched in the background
// and the page is laid out again when it arrives.
class PageView : public QTextBrowser {
public:
    explicit PageView(QWidget* parent) : QTextBrowser(parent), net_(this) {
        setOpenLinks(false);
        // Breaking long words anywhere takes quadratic time in a narrow view.
        setWordWrapMode(QTextOption::WordWrap);
        setFrameShape(QFrame::NoFrame);
    }
    ~PageView() override { forgetImages(); }

    QNetworkAccessManager& network() { return net_; }
    const QUrl& page() const { return page_; }

    void showPage(const QUrl& page, const QString& html) {
        forgetImages();
        page_ = page;
        document()->setBaseUrl(page);
        setHtml(html);
    }

    void showNothing() {
        forgetImages();
        page_.clear();
        clear();
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource) return {};
        const QUrl url = page_.resolved(name);
        if (!isNetworkUrl(url) || requested_.contains(name) ||
            requested_.size() >= MaxImagesPerPage)
            return {};
        QNetworkReply* reply = get(net_, url, MaxImageBytes);
        requested_.insert(name, reply);
        connect(reply, &QNetworkReply::finished, this, [this, reply, name] {
            reply->deleteLater();
            QImage image;
            if (failed(reply, MaxImageBytes) || !image.loadFromData(reply->readAll())) return;
            // Stored under the name the document asked for, where it looks next.
            document()->addResource(QTextDocument::ImageResource, name, image);
            document()->markContentsDirty(0, document()->characterCount());
        });
        return {};
    }

private:
    void forgetImages() {
        for (const QPointer<QNetworkReply>& reply : std::as_const(requested_)) {
            if (!reply) continue;
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
        requested_.clear();
    }

    QNetworkAccessManager net_;
    QUrl page_;
    QHash<QUrl, QPointer<QNetworkReply>> requested_;
};

class TextBrowser : public Browser {
public:
    explicit TextBrowser(QWidget* hosted) : Browser(hosted), view_(new PageView(hosted)) {
        auto* layout = new QVBoxLayout(hosted);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        view_->hide();
        connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
            const QUrl target = view_->page().resolved(link);
            if (isNetworkUrl(target)) navigate(target.toString());
        });
    }

    void navigate(const QString& address) override {
        if (loading_) {
            loading_->disconnect(this);
            loading_->abort();
            loading_->deleteLater();
        }
        raise("BeforeNavigate2", {{QStringLiteral("URL"), address}});
        QNetworkReply* reply = get(view_->network(), QUrl(address), MaxPageBytes);
        loading_ = reply;
        connect(reply, &QNetworkReply::finished, this, [this, reply] { arrived(reply); });
    }

    void setVisible(bool visible) override { view_->setVisible(visible); }

private:
    void arrived(QNetworkReply* reply) {
        reply->deleteLater();
        loading_ = nullptr;
        const QString url = reply->url().toString();
        if (failed(reply, MaxPageBytes)) {
            view_->showNothing();
            int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (status < 400) status = 0;
            raise("NavigateError",
                  {{QStringLiteral("URL"), url}, {QStringLiteral("StatusCode"), status}});
            return;
        }
        view_->showPage(reply->url(), decodePage(reply->readAll()));
        raise("NavigateComplete2", {{QStringLiteral("URL"), url}});
        raise("DocumentComplete", {{QStringLiteral("URL"), url}});
    }

    void raise(const char* name, const QVariantMap& parameters) {
        const BrowserEventInfo info{QString::fromLatin1(name), parameters};
        emit browserEvent(info);
    }

    PageView* view_;
    QPointer<QNetworkReply> loading_;
};

}  // namespace

Browser* TextBrowserFactory::create(const QString& className, const QString& name,
                                    QWidget* parent) {
    if (className != WebBrowserClass || !parent) return nullptr;
    auto* hosted = new QWidget(parent);
    hosted->setObjectName(name);
    hosted->hide();
    return new TextBrowser(hosted);
}

}  // namespace tolvane
