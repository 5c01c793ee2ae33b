// The banner as the window holds it: with a scripted browser, and with the
// real one against a local server.
#include "gui/banner_view.h"

#include "gui/text_browser.h"
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

class BannerViewTest : public ::testing::Test, protected test::FakeEnv {
protected:
    BannerViewTest() {
        env.browsers = &browsers;
        banner.base = QStringLiteral("http://banner.test");
        banner.exemptDigests = {QStringLiteral("43171AAB27462CCF47874C1E904FB20A")};
    }
    // The control as the main window holds it, shown.
    void place() {
        ad = new BannerView(env, &window, banner);
        window.show();
        ad->show();
    }
    QTimer* timer() { return ad->findChild<QTimer*>(QStringLiteral("startDelay")); }
    bool ticked() {
        return waitUntil([this] { return !timer()->isActive(); });
    }
    void showAgain() {
        ad->hide();
        ad->show();
    }

    test::FakeBrowserFactory browsers;
    BannerSettings banner;
    QWidget window;
    BannerView* ad = nullptr;
};

TEST_F(BannerViewTest, ShowStartsTheBannerOnceAfterASecond) {
    place();
    EXPECT_EQ(timer()->interval(), 1000);
    ASSERT_TRUE(ticked());
    EXPECT_EQ(browsers.requests, QStringList{"Shell.Explorer.2 browser"});
    test::FakeBrowser* br = browsers.created.at(0);
    EXPECT_EQ(br->navigations, QStringList{"http://banner.test/ad2.htm"});
    EXPECT_TRUE(br->visible && br->widget()->isVisible());
    EXPECT_EQ(br->widget()->geometry(), QRect(0, 0, 50, 40));

    // The browser keeps its size and page; a later Show starts nothing.
    ad->setAdType(0);
    EXPECT_EQ(br->widget()->geometry(), QRect(0, 0, 50, 40));
    showAgain();
    EXPECT_FALSE(timer()->isActive());

    // Every browser event reaches the container as the very same object.
    const BrowserEventInfo* passed = nullptr;
    QObject::connect(ad, &BannerView::browserEvent,
                     [&](const BrowserEventInfo& e) { passed = &e; });
    const BrowserEventInfo info{QStringLiteral("TitleChange"), {}};
    emit br->browserEvent(info);
    EXPECT_EQ(passed, &info);
}

TEST_F(BannerViewTest, ExemptMachineGetsNoBrowserAndIsCheckedOnEveryShow) {
    // Digests of "TESTHOST" (the name in upper case) and "" (no name).
    banner.exemptDigests = {"A169697FFCF3CB671ECC2A0EA5144290", "D41D8CD98F00B204E9800998ECF8427E"};
    for (auto name : {std::optional(QStringLiteral("testhost")), std::optional<QString>()}) {
        machine.name = name;
        place();
        ASSERT_TRUE(ticked());
        showAgain();
        ASSERT_TRUE(timer()->isActive() && ticked());
        EXPECT_TRUE(browsers.requests.isEmpty());
        delete ad;
    }
}

TEST_F(BannerViewTest, FailedStepsAreSkippedAndTheNextShowRetries) {
    browsers.failing = true;
    machine.name = QString(40000, u'x');  // a long name digests like any other
    place();
    ad->setAdType(32767);  // no page number: no navigation
    ASSERT_TRUE(ticked());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ad->children().size(), 1);  // the timer only
    browsers.failing = false;
    showAgain();
    ASSERT_TRUE(ticked());
    ASSERT_EQ(browsers.requests.size(), 2);
    EXPECT_TRUE(browsers.created.at(0)->navigations.isEmpty());
    EXPECT_TRUE(browsers.created[0]->widget()->isVisible());
}

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
