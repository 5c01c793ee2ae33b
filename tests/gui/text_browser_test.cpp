#include "gui/text_browser.h"

#include "gui/banner_view.h"
#include "support/fake_browser.h"
#include "support/fakes.h"
#include "support/loopback_http.h"

#include <QBuffer>
#include <QImage>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

using test::waitUntil;

// The banner control with the real browser, against a local server.
class BannerPageTest : public ::testing::Test, protected test::FakeEnv {
protected:
    BannerPageTest() {
        env.browsers = &browsers;
        banner.base = server.base();
        ad = new BannerView(env, &window, banner);
        QObject::connect(ad, &BannerView::browserEvent, [this](const BrowserEventInfo& e) {
            events << e.name + ' ' + e.parameters.value("StatusCode").toString();
            requestsSeen << server.requested.size();
        });
    }
    bool loaded(int count) {
        return waitUntil([&] { return events.size() >= count; });
    }
    QTextBrowser* view() { return ad->findChild<QTextBrowser*>(); }

    test::LoopbackHttp server;
    TextBrowserFactory browsers;
    BannerSettings banner;
    QWidget window;
    BannerView* ad;
    QStringList events;       // "name status"
    QList<int> requestsSeen;  // requests the server had when each event came
};

TEST_F(BannerPageTest, ShowsThePageAndItsImagesWithoutBlocking) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImage(3, 2, QImage::Format_RGB32).save(&png, "PNG");
    server.pages["/ad2.htm"] = "<p>横幅二号<img src=\"pic.png\"></p>";
    server.pages["/pic.png"] = png.data();
    window.show();
    ASSERT_TRUE(loaded(3));
    EXPECT_EQ(events, (QStringList{"BeforeNavigate2 ", "NavigateComplete2 ", "DocumentComplete "}));
    EXPECT_EQ(requestsSeen, (QList<int>{0, 1, 1}));  // the page came after navigation started
    EXPECT_EQ(view()->toPlainText().left(4), "横幅二号");
    EXPECT_TRUE(waitUntil([&] {
        const QVariant pic =
            view()->document()->resource(QTextDocument::ImageResource, QUrl("pic.png"));
        return pic.value<QImage>().size() == QSize(3, 2);
    }));
    EXPECT_EQ(server.requested, (QStringList{"/ad2.htm", "/pic.png"}));
}

TEST_F(BannerPageTest, PageThatFailsLeavesTheAreaEmpty) {
    server.pages["/ad2.htm"] = "<p>old</p>";
    server.pages["/big.htm"] = QByteArray(300 << 10, 'x');  // too large to lay out
    window.show();
    ASSERT_TRUE(loaded(3));
    for (const char* path : {"/none.htm", "/big.htm"}) {
        const int before = events.size();
        ad->findChild<Browser*>()->navigate(server.base() + path);
        ASSERT_TRUE(loaded(before + 2));
        EXPECT_EQ(events.last(),
                  QString(path) == "/big.htm" ? "NavigateError 0" : "NavigateError 404");
        EXPECT_TRUE(view()->toPlainText().isEmpty());
    }
}

}  // namespace
}  // namespace tolvane
