#pragma once

#include <QMap>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace tolvane::test {

// A minimal HTTP/1.0 server on 127.0.0.1 and a free port, run by the test's
// own event loop. GET of a served path gets its body, any other path 404.
class LoopbackHttp : public QObject {
public:
    LoopbackHttp() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, this, [this, s] { answer(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        });
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

    QMap<QString, QByteArray> pages;  // path -> body
    QStringList requested;            // paths in the order they were asked for

private:
    void answer(QTcpSocket* s) {  // once the request head is complete
        s->setProperty("head", s->property("head").toByteArray() + s->readAll());
        const QByteArray head = s->property("head").toByteArray();
        if (!head.contains("\r\n\r\n")) return;
        const QString path = QString::fromLatin1(head.split(' ').value(1));
        requested << path;
        const QByteArray body = pages.value(path);
        s->write((pages.contains(path) ? "HTTP/1.0 200 OK" : "HTTP/1.0 404 Not Found") +
                 QByteArray("\r\nContent-Length: ") + QByteArray::number(body.size()) + "\r\n\r\n" +
                 body);
        s->disconnectFromHost();
    }

    QTcpServer server_;
};

}  // namespace tolvane::test
