// The shared helpers of the window: button colours, text filters, the
// clipboard with its copy notice, the browser hand-off, the two drawing
// primitives and the HTTP request.
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/picture_box.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>

#include <limits>

using namespace sorvanta::ui;

namespace {

// Receives the addresses that op_url hands to the desktop.
class UrlSink : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// A minimal HTTP/1.1 server on 127.0.0.1 that records each request and
// answers by path: /ok 200 with a GBK body, /missing 404, /error 500,
// /silent never answers.
class TinyHttpServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    // 中文 丂 1234 in GBK; 丂 (81 40) is outside GB2312, so only a real
    // GBK decoder reads it.
    static QByteArray gbkBody() { return QByteArray("\xD6\xD0\xCE\xC4 \x81\x40 1234"); }

    TinyHttpServer() {
        connect(&server_, &QTcpServer::newConnection, this, &TinyHttpServer::accept);
        server_.listen(QHostAddress::LocalHost);
    }
    quint16 port() const { return server_.serverPort(); }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }
    QList<Request> requests;
    int connections = 0;

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections;
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& buffer = buffers_[socket];
        buffer += socket->readAll();
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        const qsizetype length = request.headers.value("content-length", "0").toLongLong();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffers_.remove(socket);
        requests.append(request);

        if (request.path == "/silent")
            return;
        QByteArray status = "200 OK";
        QByteArray body = gbkBody();
        if (request.path == "/missing") {
            status = "404 Not Found";
            body = "not here";
        } else if (request.path == "/error") {
            status = "500 Internal Server Error";
            body = "broken";
        }
        socket->write("HTTP/1.1 " + status +
                      "\r\nContent-Type: text/plain; charset=gbk\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

int paintedPixels(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                ++count;
    return count;
}

QRect paintedBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestHelpers : public QObject {
    Q_OBJECT

    UrlSink sink; // outlives every handler registration

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() {
        MessageBox::clearShown();
        sink.opened.clear();
    }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("sorvantafail"));
    }

    void onlyStrKeepsChineseCharactersWhole_data();
    void onlyStrKeepsChineseCharactersWhole();
    void toggleModes_data();
    void toggleModes();
    void toggleWithoutButtonIsHarmless();
    void setButtonColorOverARange();
    void sendToTextDropsWhatGbkCannotHold();
    void sendToTextReplacesLongTextInOneStep();
    void sendToTextLineBox();
    void dataCpPutsTextAndShowsNoticeOnce();
    void dataCpOfEmptyText();
    void getZtbTrimsBlanks_data();
    void getZtbTrimsBlanks();
    void opUrlEmptyAddressDoesNothing();
    void opUrlHandsAddressToDesktop();
    void opUrlReportsRefusal();
    void picLineDrawsAtScaledSpot();
    void picLineInUserScale();
    void picWridPrintsTextAtSpot();
    void effectiveTimeout_data();
    void effectiveTimeout();
    void httpGetDecodesGbk();
    void httpLongTimeOut();
    void httpPostSendsFormBody();
    void httpFailuresGiveEmpty_data();
    void httpFailuresGiveEmpty();
    void httpSilentServerTimesOut();
    void httpRefusedConnectionGivesEmpty();
};

void TestHelpers::onlyStrKeepsChineseCharactersWhole_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("allowed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("chinese punctuation separates digits")
        << QStringLiteral("12，34。56；7") << QStringLiteral("0123456789")
        << QStringLiteral("12 34 56 7");
    QTest::newRow("chinese allowed characters")
        << QStringLiteral("一二，三 四") << QStringLiteral("一三") << QStringLiteral("一 三");
    QTest::newRow("captions kept")
        << QStringLiteral("  上山 下山,,凸形 ") << QStringLiteral("上山下凸形")
        << QStringLiteral("上山 下山 凸形");
    QTest::newRow("nothing allowed")
        << QStringLiteral("中文") << QStringLiteral("0123456789") << QString();
    QTest::newRow("line breaks") << QStringLiteral("1234\r\n5678\n\n")
                                 << QStringLiteral("0123456789") << QStringLiteral("1234 5678");
}

void TestHelpers::onlyStrKeepsChineseCharactersWhole() {
    QFETCH(QString, source);
    QFETCH(QString, allowed);
    QFETCH(QString, expected);
    QCOMPARE(only_str(source, allowed), expected);
}

void TestHelpers::toggleModes_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("colour1");
    QTest::addColumn<int>("colour2");
    QTest::addColumn<int>("expected");
    const int grey = Colour::Off, green = Colour::On, yellow = Colour::Yellow;
    QTest::newRow("mode 1 sets colour 1") << grey << 1 << green << grey << green;
    QTest::newRow("mode 1 on colour 1") << green << 1 << green << grey << green;
    QTest::newRow("mode 2 sets colour 2") << green << 2 << green << grey << grey;
    QTest::newRow("mode 2 on yellow") << yellow << 2 << green << grey << grey;
    QTest::newRow("mode 3 grey to green") << grey << 3 << green << grey << green;
    QTest::newRow("mode 3 green to grey") << green << 3 << green << grey << grey;
    QTest::newRow("mode 3 yellow to green") << yellow << 3 << green << grey << green;
    QTest::newRow("mode 3 yellow pair, grey to yellow") << grey << 3 << yellow << grey << yellow;
    QTest::newRow("mode 3 yellow pair, yellow to grey") << yellow << 3 << yellow << grey << grey;
    QTest::newRow("mode 3 green to yellow pair") << green << 3 << yellow << grey << yellow;
    QTest::newRow("mode 0 does nothing") << yellow << 0 << green << grey << yellow;
    QTest::newRow("mode 4 does nothing") << grey << 4 << green << grey << grey;
    QTest::newRow("mode -1 does nothing") << green << -1 << yellow << grey << green;
}

void TestHelpers::toggleModes() {
    QFETCH(int, start);
    QFETCH(int, mode);
    QFETCH(int, colour1);
    QFETCH(int, colour2);
    QFETCH(int, expected);
    ColourButton button(QStringLiteral("5"), nullptr, start);
    SetButtonColor_diandong(&button, mode, colour1, colour2);
    QCOMPARE(button.backColor(), expected);
    QCOMPARE(button.palette().color(QPalette::Button), toQColor(expected));
}

void TestHelpers::toggleWithoutButtonIsHarmless() {
    SetButtonColor_diandong(nullptr, 3, Colour::On, Colour::Off);
    // Two presses of the same button come back to where they started.
    ColourButton button(QStringLiteral("7"));
    SetButtonColor_diandong(&button, 3, Colour::On, Colour::Off);
    SetButtonColor_diandong(&button, 3, Colour::On, Colour::Off);
    QCOMPARE(button.backColor(), Colour::Off);
}

void TestHelpers::setButtonColorOverARange() {
    QWidget owner;
    ControlRegistry controls;
    QMap<int, ColourButton*> buttons;
    for (int index : {1, 2, 3, 5, 7}) {
        buttons[index] = new ColourButton(QString::number(index), &owner, Colour::Off);
        controls.add(QStringLiteral("C_bi"), index, buttons[index]);
    }
    // An element of another kind in the array is skipped, not miscast.
    controls.add(QStringLiteral("C_bi"), 6, new QLabel(QStringLiteral("6"), &owner));
    auto colours = [&] {
        QList<int> out;
        for (ColourButton* b : buttons)
            out << b->backColor();
        return out;
    };
    const int g = Colour::On, o = Colour::Off;

    set_button_color(controls, QStringLiteral("C_bi"), 5, 2, Colour::On);
    QCOMPARE(colours(), (QList<int>{o, o, o, o, o}));

    set_button_color(controls, QStringLiteral("C_bi"), 2, 6, Colour::On);
    QCOMPARE(colours(), (QList<int>{o, g, g, g, o}));

    set_button_color(controls, QStringLiteral("C_bi"), 7, 7, Colour::On);
    QCOMPARE(colours(), (QList<int>{o, g, g, g, g}));

    // Indexes past both ends and a destroyed element are skipped silently.
    delete buttons.take(3);
    set_button_color(controls, QStringLiteral("C_bi"), -10, 100, Colour::Yellow);
    for (ColourButton* b : buttons)
        QCOMPARE(b->backColor(), Colour::Yellow);

    set_button_color(controls, QStringLiteral("C_nothing"), 0, 9, Colour::On);
    for (ColourButton* b : buttons)
        QCOMPARE(b->backColor(), Colour::Yellow);
}

void TestHelpers::sendToTextDropsWhatGbkCannotHold() {
    QPlainTextEdit box(QStringLiteral("旧的内容"));
    // 😀 and 한 have no GBK code; 丂, · and € (80 in code page 936) have one.
    Send_to_text(QStringLiteral("12😀34 한 中文 丂·5€6\n7890"), &box);
    QCOMPARE(box.toPlainText(), QStringLiteral("1234  中文 丂·5€6\n7890"));
}

void TestHelpers::sendToTextReplacesLongTextInOneStep() {
    QString text;
    for (int n = 0; n < 10000; ++n)
        text += QStringLiteral("%1 ").arg(n, 4, 10, QLatin1Char('0'));
    text += QStringLiteral("\n中文结尾");
    QPlainTextEdit box(QStringLiteral("1234"));
    QSignalSpy changed(&box, &QPlainTextEdit::textChanged);
    Send_to_text(text, &box);
    QCOMPARE(box.toPlainText(), text);
    QCOMPARE(changed.count(), 1);

    Send_to_text(QString(), &box);
    QCOMPARE(box.toPlainText(), QString());
    Send_to_text(text, static_cast<QPlainTextEdit*>(nullptr));
}

void TestHelpers::sendToTextLineBox() {
    QLineEdit box(QStringLiteral("50"));
    Send_to_text(QStringLiteral("三星 😀 345"), &box);
    QCOMPARE(box.text(), QStringLiteral("三星  345"));
    Send_to_text(QStringLiteral("x"), static_cast<QLineEdit*>(nullptr));
}

void TestHelpers::dataCpPutsTextAndShowsNoticeOnce() {
    const QString text = QStringLiteral("0012 0345 0346 9876");
    const int before = Fts::shownCount();
    data_cp(text);
    // data_cp returns only after the notice has closed itself.
    QCOMPARE(Fts::shownCount(), before + 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QVERIFY(MessageBox::shown().isEmpty());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<Fts*>(w) || !w->isVisible(), "the notice is still open");

    QCOMPARE(get_zt_f_ng(QStringLiteral("5678")), QStringLiteral("ok"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("5678"));
}

void TestHelpers::dataCpOfEmptyText() {
    QGuiApplication::clipboard()->setText(QStringLiteral("旧号码 1234"));
    const int before = Fts::shownCount();
    data_cp(QString());
    QCOMPARE(Fts::shownCount(), before + 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestHelpers::getZtbTrimsBlanks_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks both ends")
        << QStringLiteral("   1234 5678  ") << QStringLiteral("1234 5678");
    QTest::newRow("inner blanks stay") << QStringLiteral(" 12   34 ") << QStringLiteral("12   34");
    QTest::newRow("only blanks") << QStringLiteral("     ") << QString();
    QTest::newRow("chinese") << QStringLiteral(" 中奖 ") << QStringLiteral("中奖");
    QTest::newRow("empty") << QString() << QString();
}

void TestHelpers::getZtbTrimsBlanks() {
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(clipboard);
    QCOMPARE(get_ztb(), expected);
}

void TestHelpers::opUrlEmptyAddressDoesNothing() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &sink, "open");
    op_url(QString());
    QVERIFY(sink.opened.isEmpty());
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestHelpers::opUrlHandsAddressToDesktop() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &sink, "open");
    op_url(QStringLiteral("http://www.example.com/download?v=2"));
    QCOMPARE(sink.opened.size(), 1);
    QCOMPARE(sink.opened.first(), QUrl(QStringLiteral("http://www.example.com/download?v=2")));
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestHelpers::opUrlReportsRefusal() {
    // A handler without the named method makes the desktop refuse the
    // address, the way a system without a browser would.
    QDesktopServices::setUrlHandler(QStringLiteral("sorvantafail"), &sink, "noSuchMethod");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*noSuchMethod.*")));
    op_url(QStringLiteral("sorvantafail://page"));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("提示"));
    QCOMPARE(MessageBox::shown().first().text, QStringLiteral("出现错误，未能打开下载页面"));
}

void TestHelpers::picLineDrawsAtScaledSpot() {
    PictureBox box;
    box.resize(200, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.canvas().size(), QSize(200, 100));

    // Twips by default: 150 twips are 10 pixels. 255 is pure red.
    pic_line(&box, 150, 300, 1500, 300, 3, 255);
    const QImage& canvas = box.canvas();
    for (int y : {19, 20, 21})
        QCOMPARE(canvas.pixelColor(50, y), QColor(255, 0, 0));
    QCOMPARE(canvas.pixelColor(50, 17).alpha(), 0);
    QCOMPARE(canvas.pixelColor(50, 23).alpha(), 0);
    QCOMPARE(canvas.pixelColor(5, 20).alpha(), 0);
    QCOMPARE(canvas.pixelColor(105, 20).alpha(), 0);

    // A thinner pen afterwards: the width is set on every call.
    pic_line(&box, 150, 900, 1500, 900, 1, 16711680);
    QCOMPARE(box.canvas().pixelColor(50, 60), QColor(0, 0, 255));
    QCOMPARE(box.canvas().pixelColor(50, 58).alpha(), 0);
    QCOMPARE(box.canvas().pixelColor(50, 62).alpha(), 0);

    pic_line(nullptr, 0, 0, 10, 10, 1, 0);
}

void TestHelpers::picLineInUserScale() {
    PictureBox box;
    box.resize(120, 240);
    box.setScale(QRectF(0, 0, 12, 12));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // One unit is 10 pixels across and 20 down.
    pic_line(&box, 3, 1, 3, 11, 1, 65280);
    const QImage& canvas = box.canvas();
    QCOMPARE(canvas.pixelColor(30, 120), QColor(0, 255, 0));
    QCOMPARE(canvas.pixelColor(30, 30), QColor(0, 255, 0));
    QCOMPARE(canvas.pixelColor(30, 10).alpha(), 0);
    QCOMPARE(canvas.pixelColor(30, 225).alpha(), 0);
    QCOMPARE(canvas.pixelColor(25, 120).alpha(), 0);
}

void TestHelpers::picWridPrintsTextAtSpot() {
    PictureBox box;
    box.resize(300, 200);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    pic_wrid(&box, 300, 450, QStringLiteral("88"), 20, 255);
    const QRect big = paintedBounds(box.canvas());
    QVERIFY2(!big.isEmpty(), "nothing was printed");
    // The text starts at (20, 30) pixels and runs right and down from there.
    QVERIFY2(big.left() >= 19 && big.top() >= 29,
             qPrintable(QStringLiteral("text at %1,%2").arg(big.left()).arg(big.top())));
    QVERIFY(big.left() < 40 && big.top() < 60);
    QCOMPARE(paintedPixels(box.canvas(), QRect(0, 0, 300, 29)), 0);
    bool solid = false;
    for (int y = big.top(); y <= big.bottom() && !solid; ++y)
        for (int x = big.left(); x <= big.right() && !solid; ++x)
            solid = box.canvas().pixelColor(x, y) == QColor(255, 0, 0);
    QVERIFY2(solid, "no pixel in the text colour");

    // The font size is set on every call: small text is smaller.
    box.clear();
    pic_wrid(&box, 300, 450, QStringLiteral("88"), 7, 0);
    const QRect small = paintedBounds(box.canvas());
    QVERIFY(!small.isEmpty());
    QVERIFY(small.height() < big.height());
    QVERIFY(small.width() < big.width());

    pic_wrid(nullptr, 0, 0, QStringLiteral("x"), 9, 0);
}

void TestHelpers::effectiveTimeout_data() {
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("used");
    QTest::newRow("500 means 10 s") << 500 << 10000;
    QTest::newRow("999 means 10 s") << 999 << 10000;
    QTest::newRow("zero") << 0 << 10000;
    QTest::newRow("negative") << -5 << 10000;
    QTest::newRow("1000 kept") << 1000 << 1000;
    QTest::newRow("30 s kept") << 30000 << 30000;
}

void TestHelpers::effectiveTimeout() {
    QFETCH(int, asked);
    QFETCH(int, used);
    QCOMPARE(EffectiveTimeout(asked), used);
}

void TestHelpers::httpGetDecodesGbk() {
    TinyHttpServer server;
    QVERIFY(server.port() != 0);
    const QString text = XMLHttpRequest(QStringLiteral("GET"), server.url(QStringLiteral("/ok")),
                                        QStringLiteral("v 1"), 5000);
    QCOMPARE(text, QStringLiteral("中文 丂 1234"));
    QCOMPARE(server.requests.size(), 1);
    const TinyHttpServer::Request& r = server.requests.first();
    QCOMPARE(r.method, QByteArray("GET"));
    QCOMPARE(r.path, QByteArray("/ok"));
    QCOMPARE(r.body, QByteArray("id=v%201"));
}

void TestHelpers::httpLongTimeOut() {
    // The longest time-out a caller can ask for still makes a working request.
    TinyHttpServer server;
    QCOMPARE(XMLHttpRequest(QStringLiteral("GET"), server.url(QStringLiteral("/ok")), QString(),
                            std::numeric_limits<int>::max()),
             QStringLiteral("中文 丂 1234"));
}

void TestHelpers::httpPostSendsFormBody() {
    TinyHttpServer server;
    // Anything but exactly "GET" is a POST.
    for (const QString& mode : {QStringLiteral("POST"), QStringLiteral("get"), QString()}) {
        server.requests.clear();
        const QString text =
            XMLHttpRequest(mode, server.url(QStringLiteral("/ok")), QStringLiteral("a b+中"), 5000);
        QCOMPARE(text, QStringLiteral("中文 丂 1234"));
        QCOMPARE(server.requests.size(), 1);
        const TinyHttpServer::Request& r = server.requests.first();
        QCOMPARE(r.method, QByteArray("POST"));
        QCOMPARE(r.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(r.body, QByteArray("id=a%20b%2B%u4E2D"));
    }
}

void TestHelpers::httpFailuresGiveEmpty_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("path");
    QTest::newRow("404 by GET") << QStringLiteral("GET") << QStringLiteral("/missing");
    QTest::newRow("404 by POST") << QStringLiteral("POST") << QStringLiteral("/missing");
    QTest::newRow("500") << QStringLiteral("GET") << QStringLiteral("/error");
}

void TestHelpers::httpFailuresGiveEmpty() {
    QFETCH(QString, mode);
    QFETCH(QString, path);
    TinyHttpServer server;
    QCOMPARE(XMLHttpRequest(mode, server.url(path), QStringLiteral("x"), 5000), QString());
    QCOMPARE(server.requests.size(), 1);
}

void TestHelpers::httpSilentServerTimesOut() {
    TinyHttpServer server;
    const QString text = XMLHttpRequest(
        QStringLiteral("POST"), server.url(QStringLiteral("/silent")), QStringLiteral("x"), 1000);
    QCOMPARE(text, QString());
    QCOMPARE(server.requests.size(), 1);
}

void TestHelpers::httpRefusedConnectionGivesEmpty() {
    quint16 port = 0;
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        port = closed.serverPort();
    }
    QCOMPARE(XMLHttpRequest(QStringLiteral("GET"), QStringLiteral("http://127.0.0.1:%1/").arg(port),
                            QString(), 2000),
             QString());
    QCOMPARE(
        XMLHttpRequest(QStringLiteral("GET"), QStringLiteral("not an address"), QString(), 2000),
        QString());
    QCOMPARE(XMLHttpRequest(QStringLiteral("GET"), QString(), QString(), 2000), QString());
}

QTEST_MAIN(TestHelpers)
#include "test_helpers.moc"
